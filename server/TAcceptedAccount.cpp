#include "TAcceptedAccount.h"

QString TAcceptedAccount::AccountName() const { return GetString(QStringLiteral("AccountName")); }
void TAcceptedAccount::SetAccountName(const QString& value) { SetValue(QStringLiteral("AccountName"), value); }

const TPropertyTable& TAcceptedAccount::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TAcceptedAccount::PropertyTable()
{
    static const TPropertyTable table{
        Published("AccountName", TPropertyType::String, &TAcceptedAccount::AccountName, &TAcceptedAccount::SetAccountName),
    };
    return table;
}

void TAcceptedAccount::GetImportFields(TFieldList& list)
{
    list.clear();
    list.append({QStringLiteral("AccountName"), 1});
}
