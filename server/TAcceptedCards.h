#pragma once

#include "TAcceptedCard.h"
#include "TCollection.h"

// The card types the shop accepts with manual processing, in table order.
class TAcceptedCards : public TCollectionOf<TAcceptedCard>
{
public:
    using TCollectionOf::TCollectionOf;

    TRef<TAcceptedCard> Add();
    // Deletes every row of the table.
    void Clear();

protected:
    bool ItemsKeepsPosition() const override { return true; }
};
