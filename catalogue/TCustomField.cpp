#include "TCustomField.h"

const TCustomField::Columns& TCustomField::Cols()
{
    static const Columns columns;
    return columns;
}
