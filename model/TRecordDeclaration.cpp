#include "TRecordDeclaration.h"

TRecordDeclaration::TRecordDeclaration(const char* className, const char* table)
    : m_className(QString::fromLatin1(className)), m_table(QString::fromLatin1(table))
{
}

void TRecordDeclaration::Add(Entry entry, TPropertyInfo info)
{
    if (!(entry.use & TRecordDeclaration::Unpublished))
        m_properties.Append(std::move(info));
    m_entries.append(std::move(entry));
}

namespace {

TFieldList ListOf(const QList<TRecordDeclaration::Entry>& entries, unsigned use, bool marks)
{
    TFieldList list;
    for (const TRecordDeclaration::Entry& e : entries)
        if (e.use & use)
            list.append({e.listName.isEmpty() ? e.property : e.listName, marks && (e.use & TRecordDeclaration::Required) ? 1 : 0});
    return list;
}

} // namespace

TFieldList TRecordDeclaration::ImportFields() const
{
    return ListOf(m_entries, TRecordDeclaration::Import, true);
}

TFieldList TRecordDeclaration::ExportFields() const
{
    return ListOf(m_entries, TRecordDeclaration::Export, false);
}
