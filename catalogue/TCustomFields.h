#pragma once

#include "TCollection.h"
#include "TCustomField.h"

// Custom fields: all of them (the shared collection, opened for no product),
// or those linked or not linked to one product.
class TCustomFields : public TCollectionOf<TCustomField>
{
public:
    explicit TCustomFields(std::shared_ptr<TDataSet> dataSet, qint64 productId = -1);

    // The product the collection was opened for; -1 for none.
    qint64 ProductID() const { return m_productId; }
    // A new custom field in insert state (on the table of all custom fields).
    TRef<TCustomField> NewCustomField();
    // Links the custom field under the cursor to the collection's product.
    // Adds nothing, and returns false, when the collection is for no product,
    // has no current field, or the field is linked to the product already.
    bool LinkToProduct();

protected:
    QString IdColumn() const override;

private:
    qint64 m_productId;
};
