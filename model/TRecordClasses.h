#pragma once

#include "TPropertyTable.h"

#include <QList>
#include <QString>
#include <QStringList>

// One name of an import or export field list. The mark is 1 for the fields an
// import cannot do without (the import wizard shows them in bold), 0 otherwise.
struct TFieldListEntry
{
    QString name;
    int mark = 0;

    bool operator==(const TFieldListEntry& other) const = default;
};
using TFieldList = QList<TFieldListEntry>;

// What the import and export templates know of one record class: its published
// properties and its importable and exportable field lists, found by the class
// name ("TProduct"). Record classes of each subsystem register themselves
// explicitly (a subsystem's Register...RecordClasses function, called at start
// through RegisterRecordClasses, from every program's main);
// nothing registers itself behind the program's back.
class TRecordDeclaration;

struct TRecordClass
{
    QString name;
    const TPropertyTable* properties = nullptr;
    // Each clears the list and fills it; empty when the class has no such list.
    void (*getImportFields)(TFieldList& list) = nullptr;
    void (*getExportFields)(TFieldList& list) = nullptr;
    // The class's declared columns and their table (RecordClassOf).
    const TRecordDeclaration* declaration = nullptr;

    TFieldList ImportFields() const;
    TFieldList ExportFields() const;
};

class TRecordClasses
{
public:
    // Adds the class, or replaces the one registered under the same name.
    static void Register(const TRecordClass& recordClass);
    // The class of that name (letter case ignored); nullptr when none is registered.
    static const TRecordClass* Find(const QString& name);
    // The published property of a class by name; nullptr when the class or the
    // property is unknown.
    static const TPropertyInfo* FindProperty(const QString& className, const QString& propertyName);
    static QStringList Names();
};
