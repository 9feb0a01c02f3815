#include "TProductCustomField.h"

const TProductCustomField::Columns& TProductCustomField::Cols()
{
    static const Columns columns;
    return columns;
}
