#include "TAcceptedCard.h"

const TAcceptedCard::Columns& TAcceptedCard::Cols()
{
    static const Columns columns;
    return columns;
}
