#pragma once

#include "TColumn.h"
#include "TItem.h"
#include "TPropertyTable.h"
#include "TRecordClasses.h"

#include <QList>
#include <QString>

class TCollection;

// A record class's columns and published properties, declared once. The
// published property table, the import and export field lists and the schema
// check all derive from it, in the order of declaration.
//
// A record class declares a nested struct derived from it whose members are
// the rows, and a static Cols() that holds the one instance:
//
//     struct Columns : TRecordDeclaration
//     {
//         Columns() : TRecordDeclaration("TTax", "Taxes") {}
//         TColumn<quint32> ID{this, "ID", "TaxID", P::Unsigned, ReadOnly};
//         TColumn<QString> Name{this, "Name", "TaxName", P::String};
//     };
//     static const Columns& Cols();
//
// Each accessor is one line over a row: `QString Name() const { return Read(Cols().Name); }`.
class TRecordDeclaration
{
public:
    struct Entry
    {
        QString property;  // the published name (kept for unpublished columns too, for messages)
        QString column;    // empty for a property that is not a column
        TPropertyType type = TPropertyType::String;
        unsigned use = 0;
        QString listName;  // the name the field lists use, where their spelling differs
    };

    // How a declared column is used beyond its accessors; the rows of a
    // class's declaration name them without qualification.
    using P = TPropertyType;
    static constexpr unsigned Import = 1;       // listed by GetImportFields
    static constexpr unsigned Export = 2;       // listed by GetExportFields
    static constexpr unsigned Required = 4;     // an import cannot do without it (mark 1, shown in bold)
    static constexpr unsigned ReadOnly = 8;     // published for reading only: the program sets it
    static constexpr unsigned Unpublished = 16; // reached through its accessors only, never by name
    static constexpr unsigned Both = Import | Export;

    TRecordDeclaration(const char* className, const char* table);
    TRecordDeclaration(const TRecordDeclaration&) = delete;
    TRecordDeclaration& operator=(const TRecordDeclaration&) = delete;

    const QString& ClassName() const { return m_className; }
    const QString& Table() const { return m_table; }
    const QList<Entry>& Entries() const { return m_entries; }
    const TPropertyTable& Properties() const { return m_properties; }
    TFieldList ImportFields() const;
    TFieldList ExportFields() const;

    // Adds a row; unpublished rows add no property.
    void Add(Entry entry, TPropertyInfo info);

private:
    QString m_className;
    QString m_table;
    QList<Entry> m_entries;
    TPropertyTable m_properties;
};

// A published property that the class computes or guards itself, read (and
// written) through its own accessors; or a collection it hands out. `column`
// names the column behind it, if any, so that the schema check sees it too.
struct TPublished
{
    template <class T, class G>
    TPublished(TRecordDeclaration* declaration, const char* property, const char* column, TPropertyType type,
               G (T::*getter)() const, unsigned use = 0)
    {
        TPropertyInfo info = Published<T, G>(property, type, getter);
        declaration->Add({info.name, column ? QString::fromLatin1(column) : QString(), type, use | TRecordDeclaration::ReadOnly, {}},
                         std::move(info));
    }

    template <class T, class G, class S>
    TPublished(TRecordDeclaration* declaration, const char* property, const char* column, TPropertyType type,
               G (T::*getter)() const, void (T::*setter)(S), unsigned use = 0)
    {
        TPropertyInfo info = Published<T, G, S>(property, type, getter, setter);
        declaration->Add({info.name, column ? QString::fromLatin1(column) : QString(), type, use, {}}, std::move(info));
    }

    template <class T, class C>
    TPublished(TRecordDeclaration* declaration, const char* property, C (T::*getter)())
    {
        TPropertyInfo info;
        info.name = QString::fromLatin1(property);
        info.type = TPropertyType::Collection;
        // The record keeps the collection; a caller that keeps it longer than
        // the record takes a reference of its own (TRef).
        info.read = [getter](const TItem& item) {
            auto collection = (const_cast<T&>(static_cast<const T&>(item)).*getter)();
            return QVariant::fromValue(static_cast<TCollection*>(collection.get()));
        };
        declaration->Add({info.name, QString(), TPropertyType::Collection, TRecordDeclaration::ReadOnly, {}}, std::move(info));
    }
};

template <class V>
TColumn<V>::TColumn(TRecordDeclaration* declaration, const char* property, const char* column, TPropertyType type,
                    unsigned use, const char* listName)
    : m_column(QString::fromLatin1(column)), m_property(QString::fromLatin1(property)), m_type(type)
{
    TPropertyInfo info;
    if (!(use & TRecordDeclaration::Unpublished)) {
        info.name = m_property;
        info.type = type;
        const TColumn<V> handle = *this;
        info.read = [handle](const TItem& item) { return PropertyValue::From(item.Read(handle)); };
        if (!(use & TRecordDeclaration::ReadOnly))
            info.write = [handle](TItem& item, const QVariant& value) {
                item.Write(handle, PropertyValue::To<Argument>(value, handle.Property()));
            };
    }
    declaration->Add({m_property, m_column, type, use, listName ? QString::fromLatin1(listName) : QString()},
                     std::move(info));
}

// What import and export templates know of a declared record class.
template <class T>
TRecordClass RecordClassOf()
{
    const TRecordDeclaration& d = T::Declaration();
    TRecordClass c;
    c.name = d.ClassName();
    c.properties = &d.Properties();
    c.declaration = &d;
    if (!d.ImportFields().isEmpty())
        c.getImportFields = [](TFieldList& list) { list = T::Declaration().ImportFields(); };
    if (!d.ExportFields().isEmpty())
        c.getExportFields = [](TFieldList& list) { list = T::Declaration().ExportFields(); };
    return c;
}

// The base of a declared record class: its published properties and field
// lists come from `T::Declaration()`.
template <class T>
class TRecord : public TItem
{
public:
    using TItem::TItem;

    static const TRecordDeclaration& Declaration() { return T::Cols(); }
    static const TPropertyTable& PropertyTable() { return T::Declaration().Properties(); }
    const TPropertyTable& Properties() const override { return PropertyTable(); }
    static void GetImportFields(TFieldList& list) { list = T::Declaration().ImportFields(); }
    static void GetExportFields(TFieldList& list) { list = T::Declaration().ExportFields(); }
};
