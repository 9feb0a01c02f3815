#include "TPromotion.h"

#include "CommerceValues.h"

namespace {

// The promotion always exists: an empty table gets its row on first access.
std::shared_ptr<TDataSet> AtPromotionRow(std::shared_ptr<TDataSet> table)
{
    return CommerceValues::AtSingleRow(std::move(table), QStringLiteral("DEFAULT VALUES"));
}

} // namespace

TPromotion::TPromotion(std::shared_ptr<TDataSet> table)
    : TItem(AtPromotionRow(std::move(table)))
{
}

void TPromotion::Rebind(std::shared_ptr<TDataSet> table)
{
    TItem::Rebind(AtPromotionRow(std::move(table)));
}

quint32 TPromotion::ID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("PromotionID"))); }
void TPromotion::SetID(qint64 value) { SetValue(QStringLiteral("PromotionID"), CommerceValues::CheckedUnsigned(value, "ID")); }
QString TPromotion::Name() const { return GetString(QStringLiteral("PromotionName")); }
void TPromotion::SetName(const QString& value) { SetValue(QStringLiteral("PromotionName"), value); }
QString TPromotion::Description() const { return GetString(QStringLiteral("PromotionDescription")); }
void TPromotion::SetDescription(const QString& value) { SetValue(QStringLiteral("PromotionDescription"), value); }
int TPromotion::PromotionType() const { return int(GetInteger(QStringLiteral("PromotionType"))); }
void TPromotion::SetPromotionType(int value) { SetValue(QStringLiteral("PromotionType"), value); }
bool TPromotion::Active() const { return GetBoolean(QStringLiteral("Active")); }
void TPromotion::SetActive(bool value) { SetValue(QStringLiteral("Active"), value); }
double TPromotion::Percentage() const { return GetFloat(QStringLiteral("Percentage")); }

void TPromotion::SetPercentage(double value)
{
    CommerceValues::CheckPercentage(value);
    SetValue(QStringLiteral("Percentage"), value);
}

TMoney TPromotion::SpendThreshold() const { return GetMoney(QStringLiteral("SpendMoreThanAmount")); }
void TPromotion::SetSpendThreshold(TMoney value) { SetValue(QStringLiteral("SpendMoreThanAmount"), QVariant::fromValue(value)); }
TMoney TPromotion::Amount() const { return GetMoney(QStringLiteral("Amount")); }
void TPromotion::SetAmount(TMoney value) { SetValue(QStringLiteral("Amount"), QVariant::fromValue(value)); }
QDateTime TPromotion::ExpiryDate() const { return GetDateTime(QStringLiteral("ExpiryDate")); }
void TPromotion::SetExpiryDate(const QDateTime& value) { SetValue(QStringLiteral("ExpiryDate"), value); }
int TPromotion::PurchaseThreshold() const { return int(GetInteger(QStringLiteral("PurchaseMoreThanItems"))); }
void TPromotion::SetPurchaseThreshold(int value) { SetValue(QStringLiteral("PurchaseMoreThanItems"), value); }

const TPropertyTable& TPromotion::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TPromotion::PropertyTable()
{
    using T = TPromotion;
    using P = TPropertyType;
    static const TPropertyTable table{
        Published("ID", P::Unsigned, &T::ID, &T::SetID),
        Published("Name", P::String, &T::Name, &T::SetName),
        Published("Description", P::String, &T::Description, &T::SetDescription),
        Published("PromotionType", P::Integer, &T::PromotionType, &T::SetPromotionType),
        Published("Active", P::Boolean, &T::Active, &T::SetActive),
        Published("Percentage", P::Float, &T::Percentage, &T::SetPercentage),
        Published("SpendThreshold", P::Currency, &T::SpendThreshold, &T::SetSpendThreshold),
        Published("Amount", P::Currency, &T::Amount, &T::SetAmount),
        Published("ExpiryDate", P::DateTime, &T::ExpiryDate, &T::SetExpiryDate),
        Published("PurchaseThreshold", P::Integer, &T::PurchaseThreshold, &T::SetPurchaseThreshold),
    };
    return table;
}
