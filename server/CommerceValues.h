#pragma once

#include <QString>
#include <QtGlobal>

// Checks shared by the commerce records.
namespace CommerceValues {

// Identifiers and codes are unsigned 32-bit numbers on the secure server; a
// value outside that range would be sent as something else, so it is refused.
quint32 CheckedUnsigned(qint64 value, const char* property);
// A stored unsigned code; a negative value left by an older release reads as 0.
quint32 StoredUnsigned(qint64 value);

// Raises language string 865 when the percentage is above 100.
void CheckPercentage(double percent);

// Six lower-case hexadecimal digits for red, green and blue ("%.2x%.2x%.2x").
QString ColourDigits(int red, int green, int blue);

} // namespace CommerceValues
