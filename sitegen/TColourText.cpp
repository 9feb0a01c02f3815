#include "TColourText.h"

#include "EQuorvisError.h"
#include "TGlobalResourceManager.h"

#include <QHash>

#include <optional>

namespace {

const QHash<QString, QRgb>& HtmlNames()
{
    static const QHash<QString, QRgb> names{
        {QStringLiteral("white"), 0xffffff}, {QStringLiteral("black"), 0x000000}, {QStringLiteral("lime"), 0x00ff00},
        {QStringLiteral("yellow"), 0xffff00}, {QStringLiteral("green"), 0x008000}, {QStringLiteral("aqua"), 0x00ffff},
        {QStringLiteral("fuchsia"), 0xff00ff}, {QStringLiteral("maroon"), 0x800000}, {QStringLiteral("olive"), 0x808000},
        {QStringLiteral("silver"), 0xc0c0c0}, {QStringLiteral("navy"), 0x000080}, {QStringLiteral("red"), 0xff0000},
        {QStringLiteral("purple"), 0x800080}, {QStringLiteral("blue"), 0x0000ff}, {QStringLiteral("gray"), 0x808080},
        {QStringLiteral("teal"), 0x008080},
    };
    return names;
}

// One or two hexadecimal digits; nothing otherwise.
std::optional<int> Pair(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    bool ok = false;
    const int value = digits.toString().toInt(&ok, 16);
    if (!ok || digits.contains(u'+') || digits.contains(u'-'))
        return std::nullopt;
    return value;
}

std::optional<QColor> TryParse(const QString& text)
{
    if (text.isEmpty())
        return QColor(Qt::black);
    const auto named = HtmlNames().constFind(text);
    if (named != HtmlNames().constEnd())
        return QColor(QRgb(named.value()));
    const QStringView hex = text.startsWith(u'#') ? QStringView(text).mid(1) : QStringView(text);
    const auto red = Pair(hex.mid(0, 2));
    const auto green = Pair(hex.mid(2, 2));
    const auto blue = Pair(hex.mid(4, 2));
    if (!red || !green || !blue || hex.size() > 6)
        return std::nullopt;
    return QColor(*red, *green, *blue);
}

} // namespace

QColor ParseColour(const QString& text)
{
    const auto colour = TryParse(text);
    if (!colour)
        throw EQuorvisError(LangStr(5018).arg(text));
    return *colour;
}

QString FormatColour(const QColor& colour)
{
    return QString::asprintf("%.2x%.2x%.2x", colour.red(), colour.green(), colour.blue());
}

QString ColourForPage(const QString& text, const QString& fallback)
{
    QString t = text.trimmed();
    while (t.startsWith(QStringLiteral("##")))
        t.remove(0, 1);
    const auto colour = TryParse(t.isEmpty() ? QStringLiteral("#") : t);
    if (!colour || t.isEmpty())
        return fallback;
    return u'#' + FormatColour(*colour);
}

std::optional<QColor> ParseToolkitColour(const QString& text)
{
    static const QHash<QString, QRgb> constants{
        {QStringLiteral("clblack"), 0x000000}, {QStringLiteral("clmaroon"), 0x800000}, {QStringLiteral("clgreen"), 0x008000},
        {QStringLiteral("clolive"), 0x808000}, {QStringLiteral("clnavy"), 0x000080}, {QStringLiteral("clpurple"), 0x800080},
        {QStringLiteral("clteal"), 0x008080}, {QStringLiteral("clgray"), 0x808080}, {QStringLiteral("clsilver"), 0xc0c0c0},
        {QStringLiteral("clred"), 0xff0000}, {QStringLiteral("cllime"), 0x00ff00}, {QStringLiteral("clyellow"), 0xffff00},
        {QStringLiteral("clblue"), 0x0000ff}, {QStringLiteral("clfuchsia"), 0xff00ff}, {QStringLiteral("claqua"), 0x00ffff},
        {QStringLiteral("clwhite"), 0xffffff}, {QStringLiteral("clltgray"), 0xc0c0c0}, {QStringLiteral("cldkgray"), 0x808080},
        {QStringLiteral("clmoneygreen"), 0xc0dcc0}, {QStringLiteral("clskyblue"), 0xa6caf0}, {QStringLiteral("clcream"), 0xfffbf0},
        {QStringLiteral("clmedgray"), 0xa0a0a4},
    };
    const QString t = text.trimmed();
    const auto named = constants.constFind(t.toLower());
    if (named != constants.constEnd())
        return QColor(QRgb(named.value()));
    if (!t.startsWith(u'$') || t.size() < 2 || t.size() > 9)
        return std::nullopt;
    bool ok = false;
    const uint value = t.mid(1).toUInt(&ok, 16);
    // The low three bytes are red, green and blue from the lowest up; a high
    // byte names a system colour, which has no fixed value.
    if (!ok || (value >> 24) != 0)
        return std::nullopt;
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}
