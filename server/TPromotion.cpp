#include "TPromotion.h"

#include "CommerceValues.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TPromotion", "Promotions") {}
    TColumn<quint32> ID{this, "ID", "PromotionID", P::Unsigned};
    TColumn<QString> Name{this, "Name", "PromotionName", P::String};
    TColumn<QString> Description{this, "Description", "PromotionDescription", P::String};
    TColumn<int> PromotionType{this, "PromotionType", "PromotionType", P::Integer};
    TColumn<bool> Active{this, "Active", "Active", P::Boolean};
    // Written through SetPercentage, which refuses more than 100 %.
    TColumn<double> Percentage{this, "Percentage", "Percentage", P::Float, Unpublished};
    TPublished PercentageProperty{this, "Percentage", "Percentage", P::Float, &TPromotion::Percentage,
                                  &TPromotion::SetPercentage};
    TColumn<TMoney> SpendThreshold{this, "SpendThreshold", "SpendMoreThanAmount", P::Currency};
    TColumn<TMoney> Amount{this, "Amount", "Amount", P::Currency};
    TColumn<QDateTime> ExpiryDate{this, "ExpiryDate", "ExpiryDate", P::DateTime};
    TColumn<int> PurchaseThreshold{this, "PurchaseThreshold", "PurchaseMoreThanItems", P::Integer};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

// The promotion always exists: an empty table gets its row on first access.
std::shared_ptr<TDataSet> AtPromotionRow(std::shared_ptr<TDataSet> table)
{
    return CommerceValues::AtSingleRow(std::move(table), QStringLiteral("DEFAULT VALUES"));
}

} // namespace

TPromotion::TPromotion(std::shared_ptr<TDataSet> table)
    : TRecord(AtPromotionRow(std::move(table)))
{
}

void TPromotion::Rebind(std::shared_ptr<TDataSet> table)
{
    TItem::Rebind(AtPromotionRow(std::move(table)));
}

const TRecordDeclaration& TPromotion::Declaration() { return Cols(); }

quint32 TPromotion::ID() const { return Read(Cols().ID); }
void TPromotion::SetID(qint64 value) { Write(Cols().ID, value); }
QString TPromotion::Name() const { return Read(Cols().Name); }
void TPromotion::SetName(const QString& value) { Write(Cols().Name, value); }
QString TPromotion::Description() const { return Read(Cols().Description); }
void TPromotion::SetDescription(const QString& value) { Write(Cols().Description, value); }
int TPromotion::PromotionType() const { return Read(Cols().PromotionType); }
void TPromotion::SetPromotionType(int value) { Write(Cols().PromotionType, value); }
bool TPromotion::Active() const { return Read(Cols().Active); }
void TPromotion::SetActive(bool value) { Write(Cols().Active, value); }
double TPromotion::Percentage() const { return Read(Cols().Percentage); }

void TPromotion::SetPercentage(double value)
{
    CommerceValues::CheckPercentage(value);
    Write(Cols().Percentage, value);
}

TMoney TPromotion::SpendThreshold() const { return Read(Cols().SpendThreshold); }
void TPromotion::SetSpendThreshold(TMoney value) { Write(Cols().SpendThreshold, value); }
TMoney TPromotion::Amount() const { return Read(Cols().Amount); }
void TPromotion::SetAmount(TMoney value) { Write(Cols().Amount, value); }
QDateTime TPromotion::ExpiryDate() const { return Read(Cols().ExpiryDate); }
void TPromotion::SetExpiryDate(const QDateTime& value) { Write(Cols().ExpiryDate, value); }
int TPromotion::PurchaseThreshold() const { return Read(Cols().PurchaseThreshold); }
void TPromotion::SetPurchaseThreshold(int value) { Write(Cols().PurchaseThreshold, value); }
