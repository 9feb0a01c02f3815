#pragma once

#include <QString>

#include <array>

// Which bounds and values the ranges of a freight mode use.
enum class TFreightRangeKind { None, Amount, Weight, Percentage };

// The five freight modes of the merchant (`FreightMode`) and of a freight
// range (`ModeType`), in the order the merchant sees them.
class TFreightModes
{
public:
    struct Mode {
        int mode;
        int nameString; // language string of the mode's name
        TFreightRangeKind ranges;
    };

    static constexpr std::array<Mode, 5> All{{
        {1, 859, TFreightRangeKind::Amount},
        {2, 860, TFreightRangeKind::None},
        {3, 861, TFreightRangeKind::Weight},
        {4, 862, TFreightRangeKind::None},
        {5, 863, TFreightRangeKind::Percentage},
    }};

    static constexpr const Mode* Find(int mode)
    {
        for (const Mode& m : All)
            if (m.mode == mode)
                return &m;
        return nullptr;
    }
    static constexpr TFreightRangeKind RangeKind(int mode)
    {
        const Mode* m = Find(mode);
        return m ? m->ranges : TFreightRangeKind::None;
    }
    // The mode's name in the current language; empty for an unknown mode.
    static QString Name(int mode);
};
