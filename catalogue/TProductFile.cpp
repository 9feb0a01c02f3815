#include "TProductFile.h"

const TProductFile::Columns& TProductFile::Cols()
{
    static const Columns columns;
    return columns;
}
