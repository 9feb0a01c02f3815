#pragma once

#include "TRecordDeclaration.h"

// An account the shop's customers may pay on: a row of "AcceptedAccount".
class TAcceptedAccount : public TRecord<TAcceptedAccount>
{
public:
    using TRecord::TRecord;

    QString AccountName() const;
    void SetAccountName(const QString& value);

    static const TRecordDeclaration& Declaration();
    // What an import may fill: the account name, which it cannot do without.
};
