#include "TCategory.h"

#include "TCatalogueCascade.h"
#include "TGlobalResourceManager.h"

#include <QSet>

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TCategory", "Categories") {}
    TColumn<qint64> ID{this, "ID", "CategoryID", P::Unsigned, Both};
    TColumn<qint64> ParentID{this, "ParentID", "ParentCategory", P::Unsigned, Both};
    TColumn<QString> Name{this, "Name", "CategoryName", P::String, Both | Required};
    TColumn<QString> Description{this, "Description", "CategoryDescription", P::String, Both};
    TColumn<QString> BriefStyle{this, "BriefStyle", "BriefStyle", P::String, Export};
    TColumn<int> Order{this, "Order", "CategoryOrder", P::Integer, Both};
    TColumn<int> Status{this, "Status", "Status", P::Integer, Export};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TCategory::Declaration() { return Cols(); }

qint64 TCategory::ID() const { return Read(Cols().ID); }
void TCategory::SetID(qint64 id) { Write(Cols().ID, id); }
qint64 TCategory::ParentID() const { return Read(Cols().ParentID); }
void TCategory::SetParentID(qint64 id) { Write(Cols().ParentID, id); }
QString TCategory::Name() const { return Read(Cols().Name); }
void TCategory::SetName(const QString& name) { Write(Cols().Name, name); }
QString TCategory::Description() const { return Read(Cols().Description); }
void TCategory::SetDescription(const QString& description) { Write(Cols().Description, description); }
QString TCategory::BriefStyle() const { return Read(Cols().BriefStyle); }
void TCategory::SetBriefStyle(const QString& style) { Write(Cols().BriefStyle, style); }
int TCategory::Order() const { return Read(Cols().Order); }
void TCategory::SetOrder(int order) { Write(Cols().Order, order); }
int TCategory::Status() const { return Read(Cols().Status); }
void TCategory::SetStatus(int status) { Write(Cols().Status, status); }

void TCategory::CheckBeforeSave()
{
    // Walks up from the new parent; reaching the category itself means the tree
    // would become a ring that no walk over it could leave. A ring already in
    // the stored tree above the parent ends the walk too.
    const qint64 self = ID();
    qint64 ancestor = ParentID();
    TDatabase& db = DataSet()->Database();
    QSet<qint64> seen;
    while (ancestor > 0 && !seen.contains(ancestor)) {
        if (ancestor == self)
            throw EQuorvisError(LangStr(5010));
        seen.insert(ancestor);
        const QVariant parent = db.Scalar(
            QStringLiteral("SELECT ParentCategory FROM Categories WHERE CAST(CategoryID AS INTEGER) = ?1 LIMIT 1"), {ancestor});
        if (!parent.isValid() || parent.isNull())
            break;
        ancestor = parent.toString().trimmed().toLongLong();
    }
}

void TCategory::Delete(TProgress& progress)
{
    TDatabase& db = DataSet()->Database();
    const QString id = GetString(Cols().ID.Name());
    TTransaction transaction(db);
    TCatalogueCascade::DeleteCategoryContents(db, id, progress);
    DeleteRecord();
    transaction.Commit();
}
