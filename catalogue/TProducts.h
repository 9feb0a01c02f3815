#pragma once

#include "TCollection.h"
#include "TProduct.h"

// The products of the store.
class TProducts : public TCollectionOf<TProduct>
{
public:
    using TCollectionOf::TCollectionOf;

    // A new product in insert state; the caller sets its properties and saves.
    TRef<TProduct> NewProduct();
    // Case-insensitive lookup on the code within one category (its identifier
    // as decimal text); no product when nothing matches.
    TRef<TProduct> FindByCodeAndCategory(const QString& code, const QString& categoryId);

protected:
    QString IdColumn() const override;
    bool IdIsText() const override { return true; }
};
