#include "TPaymentMethod.h"

const TPaymentMethod::Columns& TPaymentMethod::Cols()
{
    static const Columns columns;
    return columns;
}
