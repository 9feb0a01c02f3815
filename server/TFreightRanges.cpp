#include "TFreightRanges.h"

#include "EFreightRangeRefused.h"
#include "TFreightModes.h"
#include "TGlobalResourceManager.h"

#include <algorithm>

namespace {

[[noreturn]] void Refuse(int languageString, TMessenger::Kind kind)
{
    throw EFreightRangeRefused(languageString, LangStr(languageString), kind);
}

} // namespace

TRef<TFreightRange> TFreightRanges::Add()
{
    return StaticRefCast<TFreightRange>(AppendBase());
}

void TFreightRanges::CheckNewRange(const TFreightRangeEntry& entry)
{
    if (!DataSet())
        throw EDatabaseError(LangStr(5000));
    const TFreightRangeKind kind = TFreightModes::RangeKind(int(entry.mode));
    if ((kind == TFreightRangeKind::Amount || kind == TFreightRangeKind::Percentage) && entry.upper < entry.lower)
        Refuse(864, TMessenger::Kind::Information);
    if (kind == TFreightRangeKind::Percentage) {
        for (double percent : entry.percentages)
            if (percent > 100.0)
                Refuse(865, TMessenger::Kind::Information);
    }

    // Closed intervals: ranges that only share an end point collide too, since
    // an order right on that point would otherwise fall into two ranges.
    const double low = std::min(entry.lower, entry.upper);
    const double high = std::max(entry.lower, entry.upper);
    const bool byWeight = kind == TFreightRangeKind::Weight;
    TStatement existing(DataSet()->Database(),
                        byWeight ? QStringLiteral("SELECT MinWeight, MaxWeight FROM FreightModeRanges WHERE ModeType = ?1")
                                 : QStringLiteral("SELECT Minimum, Maximum FROM FreightModeRanges WHERE ModeType = ?1"));
    existing.Bind(1, qint64(entry.mode));
    while (existing.Step()) {
        const double a = existing.Value(0).toDouble();
        const double b = existing.Value(1).toDouble();
        if (low <= std::max(a, b) && std::min(a, b) <= high)
            Refuse(866, TMessenger::Kind::Warning);
    }
}

TRef<TFreightRange> TFreightRanges::AddRange(const TFreightRangeEntry& entry)
{
    const TFreightRangeKind kind = TFreightModes::RangeKind(int(entry.mode));
    if (kind == TFreightRangeKind::None)
        throw EQuorvisError(LangStr(5002).arg(entry.mode));
    CheckNewRange(entry);
    TRef<TFreightRange> range = Add();
    try {
        range->SetModeType(entry.mode);
        switch (kind) {
        case TFreightRangeKind::Amount:
            range->SetMinimum(entry.lower);
            range->SetMaximum(entry.upper);
            range->SetAmountLocal(entry.charges[0]);
            range->SetAmountDomestic(entry.charges[1]);
            range->SetAmountInternational(entry.charges[2]);
            break;
        case TFreightRangeKind::Weight:
            range->SetMinWeight(entry.lower);
            range->SetMaxWeight(entry.upper);
            range->SetWeightLocal(entry.charges[0]);
            range->SetWeightDomestic(entry.charges[1]);
            range->SetWeightInternational(entry.charges[2]);
            break;
        case TFreightRangeKind::Percentage:
            range->SetMinimum(entry.lower);
            range->SetMaximum(entry.upper);
            range->SetPercentageLocal(entry.percentages[0]);
            range->SetPercentageDomestic(entry.percentages[1]);
            range->SetPercentageInternational(entry.percentages[2]);
            break;
        case TFreightRangeKind::None:
            break;
        }
        range->Save();
    } catch (...) {
        range->Cancel();
        throw;
    }
    return range;
}

void TFreightRanges::ShowMode(quint32 mode)
{
    SetFilter(QStringLiteral("ModeType = ?1"), {qint64(mode)});
}

void TFreightRanges::ShowAllModes()
{
    SetFilter(QString());
}
