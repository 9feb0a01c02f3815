#include "TAcceptedAccount.h"

const TAcceptedAccount::Columns& TAcceptedAccount::Cols()
{
    static const Columns columns;
    return columns;
}
