#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Colour texts as themes, cart settings and page editing write them.

// One of the sixteen HTML colour names ("navy", exact letter case), or
// hexadecimal pairs red, green, blue with an optional leading "#" ("#0000FF",
// "0000ff"; "#12345" has a one-digit blue). An empty text is black. Any other
// text raises EQuorvisError naming it.
QColor ParseColour(const QString& text);
// Six lower-case hexadecimal digits, red, green, blue, without "#" ("c0c0c0").
QString FormatColour(const QColor& colour);
// The colour text as a page writes it: "#" and six lower-case digits, whatever
// form it was stored in ("##000080", "navy", "000080" all give "#000080");
// `fallback` for a text that is no colour.
QString ColourForPage(const QString& text, const QString& fallback = QStringLiteral("#000000"));
// A colour of the desktop toolkit the earlier cart settings were written in:
// a constant name ("clNavy") or "$" and hexadecimal digits in the order blue,
// green, red ("$00800000" is navy). Nothing for a text that is neither.
std::optional<QColor> ParseToolkitColour(const QString& text);
