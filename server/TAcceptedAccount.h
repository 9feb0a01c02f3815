#pragma once

#include "TItem.h"
#include "TRecordClasses.h"

// An account the shop's customers may pay on: a row of "AcceptedAccount".
class TAcceptedAccount : public TItem
{
public:
    using TItem::TItem;

    QString AccountName() const;
    void SetAccountName(const QString& value);

    const TPropertyTable& Properties() const override;
    static const TPropertyTable& PropertyTable();
    // What an import may fill: the account name, which it cannot do without.
    static void GetImportFields(TFieldList& list);
};
