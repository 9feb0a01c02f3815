#pragma once

#include "TSampleContent.h"

#include <QByteArray>

// Writes a care guide as a small PDF document of our own making: A4 pages set
// in the two standard PDF typefaces (which every reader has, so nothing is
// embedded), with a coloured heading band. No dates or identifiers go into the
// file, so the same guide always gives the same bytes.
class TCareGuidePdf
{
public:
    static QByteArray Write(const TSampleContent::TGuideEntry& guide);
};
