#include "TCategory.h"

#include "TCatalogueCascade.h"
#include "TGlobalResourceManager.h"

#include <QSet>

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

const TCategory::Columns& TCategory::Cols()
{
    static const Columns columns;
    return columns;
}
