#include "TPropertyTable.h"

#include <QLocale>

const TPropertyInfo* TPropertyTable::Find(const QString& name) const
{
    for (const TPropertyInfo& p : m_properties)
        if (p.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QStringList TPropertyTable::Names() const
{
    QStringList names;
    for (const TPropertyInfo& p : m_properties)
        names.append(p.name);
    return names;
}

namespace PropertyValue {

namespace {

[[noreturn]] void Invalid(const QVariant& v, const QString& property, const char* kind)
{
    throw EQuorvisError(QStringLiteral("'%1' is not a valid %2 value for %3")
                            .arg(v.toString(), QString::fromLatin1(kind), property));
}

bool IsText(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

} // namespace

QString ToString(const QVariant& v)
{
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().Format(4);
    return v.toString();
}

qint64 ToInteger(const QVariant& v, const QString& property)
{
    if (!v.isValid() || v.isNull())
        return 0;
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().Units() / TMoney::Scale;
    if (IsText(v)) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return 0;
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        if (!ok)
            Invalid(v, property, "integer");
        return n;
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        Invalid(v, property, "integer");
    return n;
}

double ToFloat(const QVariant& v, const QString& property)
{
    if (!v.isValid() || v.isNull())
        return 0.0;
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().ToDouble();
    if (IsText(v)) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return 0.0;
        bool ok = false;
        const double d = QLocale::c().toDouble(t, &ok);
        if (!ok)
            Invalid(v, property, "number");
        return d;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        Invalid(v, property, "number");
    return d;
}

bool ToBoolean(const QVariant& v, const QString& property)
{
    if (!v.isValid() || v.isNull())
        return false;
    if (IsText(v)) {
        const QString t = v.toString().trimmed().toLower();
        if (t.isEmpty() || t == u"0" || t == u"false" || t == u"no" || t == u"f" || t == u"n")
            return false;
        if (t == u"1" || t == u"true" || t == u"yes" || t == u"t" || t == u"y" || t == u"-1")
            return true;
        Invalid(v, property, "yes/no");
    }
    return v.toBool();
}

TMoney ToMoney(const QVariant& v, const QString& property)
{
    if (!v.isValid() || v.isNull())
        return TMoney();
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>();
    if (IsText(v)) {
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return TMoney();
        const auto m = TMoney::Parse(t);
        if (!m)
            Invalid(v, property, "money");
        return *m;
    }
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return TMoney::FromDouble(v.toDouble());
    return TMoney::FromWhole(ToInteger(v, property));
}

QDateTime ToDateTime(const QVariant& v, const QString& property)
{
    if (!v.isValid() || v.isNull())
        return QDateTime();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDateTime();
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return QDateTime();
    QDateTime dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime(QDate::fromString(t, Qt::ISODate), QTime(0, 0));
    if (!dt.isValid())
        Invalid(v, property, "date");
    return dt;
}

} // namespace PropertyValue
