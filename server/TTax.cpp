#include "TTax.h"

#include "TGlobalResourceManager.h"

void TTax::Delete()
{
    const qint64 id = GetInteger(Cols().ID.Name());
    TDatabase& db = DataSet()->Database();
    const qint64 users = db.Scalar(QStringLiteral("SELECT COUNT(*) FROM Products WHERE CostExTax = ?1"), {id}).toLongLong();
    if (users > 0)
        throw EQuorvisError(LangStr(1280));
    DeleteRecord();
}

const TTax::Columns& TTax::Cols()
{
    static const Columns columns;
    return columns;
}
