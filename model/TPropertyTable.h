#pragma once

#include "EQuorvisError.h"
#include "TMoney.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <type_traits>

class TItem;

enum class TPropertyType { Unsigned, Integer, String, Currency, Float, Boolean, DateTime, Collection };

// One published property of a record class: its name, its type and how to read
// and write it on an item. Import and export templates address records this way.
struct TPropertyInfo
{
    QString name;
    TPropertyType type = TPropertyType::String;
    std::function<QVariant(const TItem&)> read;        // empty: not readable
    std::function<void(TItem&, const QVariant&)> write; // empty: read-only

    bool CanRead() const { return bool(read); }
    bool CanWrite() const { return bool(write); }
};

// The published properties of a record class in their order; lookup by name
// ignores letter case ("ThumbNail" finds "Thumbnail").
class TPropertyTable
{
public:
    TPropertyTable() = default;
    TPropertyTable(std::initializer_list<TPropertyInfo> properties) : m_properties(properties) {}
    void Append(TPropertyInfo property) { m_properties.append(std::move(property)); }
    const QList<TPropertyInfo>& Properties() const { return m_properties; }
    const TPropertyInfo* Find(const QString& name) const;
    QStringList Names() const;

private:
    QList<TPropertyInfo> m_properties;
};

// Conversion of a value given by name (often text from an import file) to the
// property's type; text that is not a value of the type raises EQuorvisError.
namespace PropertyValue {
QString ToString(const QVariant& v);
qint64 ToInteger(const QVariant& v, const QString& property);
double ToFloat(const QVariant& v, const QString& property);
bool ToBoolean(const QVariant& v, const QString& property);
TMoney ToMoney(const QVariant& v, const QString& property);
QDateTime ToDateTime(const QVariant& v, const QString& property);

template <class V>
V To(const QVariant& v, const QString& property)
{
    if constexpr (std::is_same_v<V, QString>)
        return ToString(v);
    else if constexpr (std::is_same_v<V, bool>)
        return ToBoolean(v, property);
    else if constexpr (std::is_integral_v<V>)
        return V(ToInteger(v, property));
    else if constexpr (std::is_floating_point_v<V>)
        return V(ToFloat(v, property));
    else if constexpr (std::is_same_v<V, TMoney>)
        return ToMoney(v, property);
    else if constexpr (std::is_same_v<V, QDateTime>)
        return ToDateTime(v, property);
    else
        static_assert(sizeof(V) == 0, "no conversion for this property type");
}

template <class V>
QVariant From(const V& value)
{
    if constexpr (std::is_same_v<V, TMoney>)
        return QVariant::fromValue(value);
    else if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool>)
        return QVariant(qint64(value));
    else
        return QVariant(value);
}
} // namespace PropertyValue

// A property over a getter and an optional setter of the record class.
template <class T, class G>
TPropertyInfo Published(const char* name, TPropertyType type, G (T::*getter)() const)
{
    TPropertyInfo info;
    info.name = QString::fromLatin1(name);
    info.type = type;
    info.read = [getter](const TItem& item) {
        return PropertyValue::From<std::decay_t<G>>((static_cast<const T&>(item).*getter)());
    };
    return info;
}

template <class T, class G, class S>
TPropertyInfo Published(const char* name, TPropertyType type, G (T::*getter)() const, void (T::*setter)(S))
{
    TPropertyInfo info = Published<T, G>(name, type, getter);
    const QString propertyName = info.name;
    info.write = [setter, propertyName](TItem& item, const QVariant& value) {
        (static_cast<T&>(item).*setter)(PropertyValue::To<std::decay_t<S>>(value, propertyName));
    };
    return info;
}
