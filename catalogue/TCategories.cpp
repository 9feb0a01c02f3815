#include "TCategories.h"

#include "TIdentifiers.h"

TRef<TCategory> TCategories::NewCategory()
{
    TRef<TCategory> category = StaticRefCast<TCategory>(
        m_keepIdentifiers ? AppendBase() : NewRecordBase(IdentifierKinds::Categories));
    category->SetParentID(0);
    return category;
}

TRef<TCategory> TCategories::FindByName(const QString& name)
{
    return StaticRefCast<TCategory>(FindBase({QStringLiteral("CategoryName")}, {name}));
}

TRef<TCategory> TCategories::FindByID(qint64 id)
{
    return StaticRefCast<TCategory>(FindBase({QStringLiteral("CategoryID")}, {QString::number(id)}));
}

QString TCategories::IdColumn() const
{
    return QStringLiteral("CategoryID");
}
