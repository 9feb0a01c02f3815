#include "TCategory.h"

#include "TCatalogueCascade.h"
#include "TCatalogueIds.h"

namespace {
const QString colID = QStringLiteral("CategoryID");
const QString colParent = QStringLiteral("ParentCategory");
const QString colName = QStringLiteral("CategoryName");
const QString colDescription = QStringLiteral("CategoryDescription");
const QString colBriefStyle = QStringLiteral("BriefStyle");
const QString colOrder = QStringLiteral("CategoryOrder");
const QString colStatus = QStringLiteral("Status");
} // namespace

qint64 TCategory::ID() const { return GetInteger(colID); }
void TCategory::SetID(qint64 id) { SetValue(colID, CatalogueIds::Text(id, "ID")); }
qint64 TCategory::ParentID() const { return GetInteger(colParent); }
void TCategory::SetParentID(qint64 id) { SetValue(colParent, CatalogueIds::Text(id, "ParentID")); }
QString TCategory::Name() const { return GetString(colName); }
void TCategory::SetName(const QString& name) { SetValue(colName, name); }
QString TCategory::Description() const { return GetString(colDescription); }
void TCategory::SetDescription(const QString& description) { SetValue(colDescription, description); }
QString TCategory::BriefStyle() const { return GetString(colBriefStyle); }
void TCategory::SetBriefStyle(const QString& style) { SetValue(colBriefStyle, style); }
int TCategory::Order() const { return int(GetInteger(colOrder)); }
void TCategory::SetOrder(int order) { SetValue(colOrder, order); }
int TCategory::Status() const { return int(GetInteger(colStatus)); }
void TCategory::SetStatus(int status) { SetValue(colStatus, status); }

void TCategory::Delete(TProgress& progress)
{
    TDatabase& db = DataSet()->Database();
    const QString id = GetString(colID);
    TTransaction transaction(db);
    TCatalogueCascade::DeleteCategoryContents(db, id, progress);
    DeleteRecord();
    transaction.Commit();
}

const TPropertyTable& TCategory::PropertyTable()
{
    static const TPropertyTable table{
        Published("ID", TPropertyType::Unsigned, &TCategory::ID, &TCategory::SetID),
        Published("ParentID", TPropertyType::Unsigned, &TCategory::ParentID, &TCategory::SetParentID),
        Published("Name", TPropertyType::String, &TCategory::Name, &TCategory::SetName),
        Published("Description", TPropertyType::String, &TCategory::Description, &TCategory::SetDescription),
        Published("BriefStyle", TPropertyType::String, &TCategory::BriefStyle, &TCategory::SetBriefStyle),
        Published("Order", TPropertyType::Integer, &TCategory::Order, &TCategory::SetOrder),
        Published("Status", TPropertyType::Integer, &TCategory::Status, &TCategory::SetStatus),
    };
    return table;
}

void TCategory::GetImportFields(TFieldList& list)
{
    list = {{QStringLiteral("ID"), 0}, {QStringLiteral("ParentID"), 0}, {QStringLiteral("Name"), 1},
            {QStringLiteral("Description"), 0}, {QStringLiteral("Order"), 0}};
}

void TCategory::GetExportFields(TFieldList& list)
{
    list.clear();
    for (const char* name : {"ID", "ParentID", "Name", "Description", "BriefStyle", "Order", "Status"})
        list.append({QString::fromLatin1(name), 0});
}
