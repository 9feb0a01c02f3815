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
    : TRecord(AtPromotionRow(std::move(table)))
{
}

void TPromotion::Rebind(std::shared_ptr<TDataSet> table)
{
    TItem::Rebind(AtPromotionRow(std::move(table)));
}

void TPromotion::SetPercentage(double value)
{
    CommerceValues::CheckPercentage(value);
    Write(Cols().Percentage, value);
}

const TPromotion::Columns& TPromotion::Cols()
{
    static const Columns columns;
    return columns;
}
