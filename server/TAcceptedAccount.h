#pragma once

#include "TRecordDeclaration.h"

// An account the shop's customers may pay on: a row of "AcceptedAccount".
class TAcceptedAccount : public TRecord<TAcceptedAccount>
{
public:
    using TRecord::TRecord;

    QString AccountName() const { return Read(Cols().AccountName); }
    void SetAccountName(const QString& value) { Write(Cols().AccountName, value); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TAcceptedAccount", "AcceptedAccount") {}
        // Accounts are imported by their name alone, which must be mapped.
        TColumn<QString> AccountName{this, "AccountName", "AccountName", P::String, Import | Required};
    };
    static const Columns& Cols();
    // What an import may fill: the account name, which it cannot do without.
};
