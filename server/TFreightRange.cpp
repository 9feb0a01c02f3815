#include "TFreightRange.h"

void TFreightRange::Delete()
{
    DeleteRecord();
}

const TFreightRange::Columns& TFreightRange::Cols()
{
    static const Columns columns;
    return columns;
}
