#include "TAcceptedCard.h"

QString TAcceptedCard::CardName() const { return GetString(QStringLiteral("CardName")); }
void TAcceptedCard::SetCardName(const QString& value) { SetValue(QStringLiteral("CardName"), value); }

const TPropertyTable& TAcceptedCard::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TAcceptedCard::PropertyTable()
{
    static const TPropertyTable table{
        Published("CardName", TPropertyType::String, &TAcceptedCard::CardName, &TAcceptedCard::SetCardName),
    };
    return table;
}
