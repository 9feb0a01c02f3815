#include "TRecordClasses.h"

#include <deque>

namespace {

// A deque keeps the registered entries where they are, so pointers handed out
// by Find stay valid while later subsystems register theirs.
std::deque<TRecordClass>& Registry()
{
    static std::deque<TRecordClass> registry;
    return registry;
}

} // namespace

TFieldList TRecordClass::ImportFields() const
{
    TFieldList list;
    if (getImportFields)
        getImportFields(list);
    return list;
}

TFieldList TRecordClass::ExportFields() const
{
    TFieldList list;
    if (getExportFields)
        getExportFields(list);
    return list;
}

void TRecordClasses::Register(const TRecordClass& recordClass)
{
    for (TRecordClass& existing : Registry()) {
        if (existing.name.compare(recordClass.name, Qt::CaseInsensitive) == 0) {
            existing = recordClass;
            return;
        }
    }
    Registry().push_back(recordClass);
}

const TRecordClass* TRecordClasses::Find(const QString& name)
{
    const QString wanted = name.trimmed();
    for (const TRecordClass& c : Registry())
        if (c.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const TPropertyInfo* TRecordClasses::FindProperty(const QString& className, const QString& propertyName)
{
    const TRecordClass* c = Find(className);
    return c && c->properties ? c->properties->Find(propertyName) : nullptr;
}

QStringList TRecordClasses::Names()
{
    QStringList names;
    for (const TRecordClass& c : Registry())
        names.append(c.name);
    return names;
}
