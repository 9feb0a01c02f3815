#pragma once

#include "TCollection.h"
#include "TFreightRange.h"

#include <array>

// A range as the freight editor enters it, before it is stored.
struct TFreightRangeEntry
{
    quint32 mode = 1;  // the merchant's current FreightMode
    double lower = 0.0;
    double upper = 0.0;
    std::array<TMoney, 3> charges{};          // modes 1 and 3: local, domestic, international
    std::array<double, 3> percentages{};      // mode 5: local, domestic, international
};

// The freight ranges of every mode: the rows of "FreightModeRanges" in table
// order (the order they are sent to the secure server in).
class TFreightRanges : public TCollectionOf<TFreightRange>
{
public:
    using TCollectionOf::TCollectionOf;

    // Appends a row (ranges have no identifier); the caller sets it and saves.
    TRef<TFreightRange> Add();

    // The rules a new range must pass, in this order: for order amounts and
    // percentages the upper bound may not be below the lower one (864); no
    // percentage may exceed 100 (865); the range, taken from its smaller to its
    // larger bound, may not touch or overlap a stored range of the same mode
    // (866). Raises EFreightRangeRefused; ranges of other modes never collide.
    void CheckNewRange(const TFreightRangeEntry& entry);
    // Checks the entry, then appends and saves the range with its bounds stored
    // as entered (a weight range may keep its larger bound first).
    TRef<TFreightRange> AddRange(const TFreightRangeEntry& entry);

    // Shows only the ranges of one mode ("ModeType = ?1"); other ranges stay stored.
    void ShowMode(quint32 mode);
    void ShowAllModes();

protected:
    bool ItemsKeepsPosition() const override { return true; }
};
