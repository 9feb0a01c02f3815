#include "TAcceptedCards.h"

TRef<TAcceptedCard> TAcceptedCards::Add()
{
    return StaticRefCast<TAcceptedCard>(AppendBase());
}

void TAcceptedCards::Clear()
{
    if (!DataSet())
        return;
    DataSet()->Cancel(); // an unsaved row goes with the others
    DataSet()->Database().Exec(QStringLiteral("DELETE FROM AcceptedCard"));
    Refresh();
}
