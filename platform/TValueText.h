#pragma once

#include "TMoney.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Text read as a value of one type: what an import file, a stored column of an
// older store or a typed-in field holds. The dataset layer and the record
// properties both read text this way, so a value that one of them accepts the
// other accepts too. Surrounding blanks are ignored; callers decide what blank
// text means (normally an empty value). Nothing comes back for text that is
// not a value of the type.
namespace ValueText {

std::optional<qint64> Integer(const QString& text);
// Always with "." as the decimal separator, whatever the user's locale.
std::optional<double> Float(const QString& text);
std::optional<TMoney> Money(const QString& text);
// "1", "true", "yes", "t", "y" and "-1" (the desktop engines' true) against
// "0", "false", "no", "f", "n" and blank, in any letter case.
std::optional<bool> Boolean(const QString& text);
// ISO dates with or without a time ("2024-03-01", "2024-03-01 14:05:00",
// "2024-03-01T14:05:00.250").
std::optional<QDateTime> DateTime(const QString& text);

inline bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

} // namespace ValueText
