#include "TPropertyTable.h"

#include "TGlobalResourceManager.h"
#include "TValueText.h"

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

// The kinds of value, each with its own message (language strings 5003 to 5007).
enum class Kind { Integer = 5003, Number = 5004, Boolean = 5005, Money = 5006, Date = 5007 };

[[noreturn]] void Invalid(const QVariant& v, const QString& property, Kind kind)
{
    throw EQuorvisError(LangStr(int(kind)).arg(v.toString(), property));
}

bool IsText(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

bool IsEmpty(const QVariant& v)
{
    return !v.isValid() || v.isNull() || (IsText(v) && ValueText::IsBlank(v.toString()));
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
    if (IsEmpty(v))
        return 0;
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().Units() / TMoney::Scale;
    if (IsText(v)) {
        const auto n = ValueText::Integer(v.toString());
        if (!n)
            Invalid(v, property, Kind::Integer);
        return *n;
    }
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (!ok)
        Invalid(v, property, Kind::Integer);
    return n;
}

double ToFloat(const QVariant& v, const QString& property)
{
    if (IsEmpty(v))
        return 0.0;
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().ToDouble();
    if (IsText(v)) {
        const auto d = ValueText::Float(v.toString());
        if (!d)
            Invalid(v, property, Kind::Number);
        return *d;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        Invalid(v, property, Kind::Number);
    return d;
}

bool ToBoolean(const QVariant& v, const QString& property)
{
    if (IsEmpty(v))
        return false;
    if (IsText(v)) {
        const auto b = ValueText::Boolean(v.toString());
        if (!b)
            Invalid(v, property, Kind::Boolean);
        return *b;
    }
    return v.toBool();
}

TMoney ToMoney(const QVariant& v, const QString& property)
{
    if (IsEmpty(v))
        return TMoney();
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>();
    if (IsText(v)) {
        const auto m = ValueText::Money(v.toString());
        if (!m)
            Invalid(v, property, Kind::Money);
        return *m;
    }
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return TMoney::FromDouble(v.toDouble());
    return TMoney::FromWhole(ToInteger(v, property));
}

QDateTime ToDateTime(const QVariant& v, const QString& property)
{
    if (IsEmpty(v))
        return QDateTime();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDateTime();
    const auto dt = ValueText::DateTime(v.toString());
    if (!dt)
        Invalid(v, property, Kind::Date);
    return *dt;
}

} // namespace PropertyValue
