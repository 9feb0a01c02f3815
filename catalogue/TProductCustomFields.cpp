#include "TProductCustomFields.h"

TRef<TProductCustomField> TProductCustomFields::NewLink()
{
    return StaticRefCast<TProductCustomField>(AppendBase());
}

bool TProductCustomFields::IsLinked(qint64 customFieldId, qint64 productId) const
{
    if (!DataSet())
        return false;
    auto s = DataSet()->Database().Cached(QStringLiteral(
        "SELECT 1 FROM ProductsCustomFieldsMM WHERE CustomFieldID = ?1 AND ProductID = ?2 LIMIT 1"));
    s.BindAll({customFieldId, QString::number(productId)});
    const bool linked = s.Step();
    s.Reset();
    return linked;
}

bool TProductCustomFields::Link(qint64 customFieldId, qint64 productId)
{
    TTransaction transaction(DataSet()->Database());
    const bool add = !IsLinked(customFieldId, productId);
    if (add) {
        TRef<TProductCustomField> link = NewLink();
        link->SetCustomFieldID(customFieldId);
        link->SetProductID(productId);
        link->Save();
    }
    transaction.Commit();
    return add;
}
