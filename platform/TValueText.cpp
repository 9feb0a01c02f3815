#include "TValueText.h"

#include <QLocale>

namespace ValueText {

std::optional<qint64> Integer(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

std::optional<double> Float(const QString& text)
{
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

std::optional<TMoney> Money(const QString& text)
{
    return TMoney::Parse(text.trimmed());
}

std::optional<bool> Boolean(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == u"0" || t == u"false" || t == u"f" || t == u"no" || t == u"n")
        return false;
    if (t == u"1" || t == u"true" || t == u"t" || t == u"yes" || t == u"y" || t == u"-1")
        return true;
    return std::nullopt;
}

std::optional<QDateTime> DateTime(const QString& text)
{
    const QString t = text.trimmed();
    for (const QString& format : {QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"), QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                  QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"), QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
                                  QStringLiteral("yyyy-MM-dd HH:mm"), QStringLiteral("yyyy-MM-dd")}) {
        const QDateTime dt = QDateTime::fromString(t, format);
        if (dt.isValid())
            return dt;
    }
    // Times written with a zone ("2024-03-01T14:05:00Z", "+10:00").
    const QDateTime dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (dt.isValid())
        return dt;
    return std::nullopt;
}

} // namespace ValueText
