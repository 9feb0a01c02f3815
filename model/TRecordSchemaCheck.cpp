#include "TRecordSchemaCheck.h"

#include "TDataSet.h"
#include "TRecordDeclaration.h"
#include "TStoreSchema.h"

namespace {

// Category and product identifiers are whole numbers kept as decimal text.
bool HoldsDigitsAsText(const QString& table, const QString& column)
{
    static const QStringList columns{QStringLiteral("Categories.CategoryID"), QStringLiteral("Categories.ParentCategory"),
                                     QStringLiteral("Products.ProductID"), QStringLiteral("Products.CategoryID"),
                                     QStringLiteral("ProductsCustomFieldsMM.ProductID")};
    return columns.contains(table + u'.' + column, Qt::CaseInsensitive);
}

bool Holds(TPropertyType property, TFieldType column, bool digitsAsText)
{
    switch (property) {
    case TPropertyType::String:
        return column == TFieldType::String;
    case TPropertyType::Unsigned:
    case TPropertyType::Integer:
        // A floating-point column holds every whole number a property gives it
        // (box widths, page positions); the reverse would lose fractions.
        return column == TFieldType::Integer || column == TFieldType::Float
            || (digitsAsText && column == TFieldType::String);
    case TPropertyType::Float:
        return column == TFieldType::Float;
    case TPropertyType::Currency:
        return column == TFieldType::Currency;
    case TPropertyType::Boolean:
        return column == TFieldType::Boolean;
    case TPropertyType::DateTime:
        return column == TFieldType::DateTime;
    case TPropertyType::Collection:
        return false;
    }
    return false;
}

} // namespace

QStringList RecordSchemaProblems(const TRecordDeclaration& declaration)
{
    QStringList problems;
    const QString& className = declaration.ClassName();
    const TStoreSchema::TTableDef* table = TStoreSchema::StoreTable(declaration.Table());
    if (!table)
        return {QStringLiteral("%1: the store has no table %2").arg(className, declaration.Table())};
    for (const TRecordDeclaration::Entry& entry : declaration.Entries()) {
        if (entry.column.isEmpty())
            continue;
        const TStoreSchema::TColumnDef* found = nullptr;
        for (const TStoreSchema::TColumnDef& c : table->columns)
            if (c.name.compare(entry.column, Qt::CaseInsensitive) == 0)
                found = &c;
        if (!found) {
            problems.append(QStringLiteral("%1.%2: the table %3 has no column %4")
                                .arg(className, entry.property, table->name, entry.column));
            continue;
        }
        const TFieldType stored = FieldStorage::TypeFromDeclared(found->type);
        if (!Holds(entry.type, stored, HoldsDigitsAsText(table->name, found->name)))
            problems.append(QStringLiteral("%1.%2: the column %3.%4 is declared %5")
                                .arg(className, entry.property, table->name, found->name, found->type));
    }
    const TPropertyTable& properties = declaration.Properties();
    for (const TFieldListEntry& e : declaration.ImportFields()) {
        const TPropertyInfo* p = properties.Find(e.name);
        if (!p || !p->CanWrite())
            problems.append(QStringLiteral("%1: the import field %2 is no writable property").arg(className, e.name));
    }
    for (const TFieldListEntry& e : declaration.ExportFields()) {
        const TPropertyInfo* p = properties.Find(e.name);
        if (!p || !p->CanRead())
            problems.append(QStringLiteral("%1: the export field %2 is no readable property").arg(className, e.name));
    }
    return problems;
}
