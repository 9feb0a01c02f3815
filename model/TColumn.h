#pragma once

#include "TPropertyTable.h"

#include <QString>

#include <type_traits>

class TRecordDeclaration;

// One column of a record class, as its accessors reach it. The value type
// says how the column is read and written: quint32 for the secure server's
// unsigned codes (a negative value left by an older release reads as 0), int
// and qint64 for whole numbers, QString, double, bool, TMoney and QDateTime.
// A column published as Unsigned refuses values below 0 or above 32 bits.
//
// Declared as a member of the class's declaration (TRecordDeclaration.h),
// which it joins in the order of declaration.
template <class V>
class TColumn
{
public:
    using Value = V;
    // What a setter takes: unsigned codes are checked from a wider number.
    using Argument = std::conditional_t<std::is_same_v<V, quint32>, qint64, V>;

    TColumn(TRecordDeclaration* declaration, const char* property, const char* column, TPropertyType type,
            unsigned use = 0, const char* listName = nullptr);

    const QString& Name() const { return m_column; }
    const QString& Property() const { return m_property; }
    TPropertyType Type() const { return m_type; }

private:
    QString m_column;
    QString m_property;
    TPropertyType m_type;
};
