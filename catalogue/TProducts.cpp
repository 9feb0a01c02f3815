#include "TProducts.h"

#include "TIdentifiers.h"

TRef<TProduct> TProducts::NewProduct()
{
    return StaticRefCast<TProduct>(NewRecordBase(IdentifierKinds::Products));
}

TRef<TProduct> TProducts::FindByCodeAndCategory(const QString& code, const QString& categoryId)
{
    return StaticRefCast<TProduct>(
        FindBase({QStringLiteral("ProductCode"), QStringLiteral("CategoryID")}, {code, categoryId}));
}

QString TProducts::IdColumn() const
{
    return QStringLiteral("ProductID");
}
