#pragma once

#include "TAcceptedAccount.h"
#include "TCollection.h"

// The accounts the shop's customers may pay on, in table order.
class TAcceptedAccounts : public TCollectionOf<TAcceptedAccount>
{
public:
    using TCollectionOf::TCollectionOf;

    TRef<TAcceptedAccount> Add();
    // Deletes every row of the table.
    void Clear();
    // The account of that name, letter case ignored; no item when there is none.
    TRef<TAcceptedAccount> ItemByName(const QString& name);

protected:
    bool ItemsKeepsPosition() const override { return true; }
};
