#pragma once

#include "TCollection.h"
#include "TProductCustomField.h"

// The links between products and custom fields.
class TProductCustomFields : public TCollectionOf<TProductCustomField>
{
public:
    using TCollectionOf::TCollectionOf;

    // A new, empty link in insert state; the caller sets both identifiers and saves.
    TRef<TProductCustomField> NewLink();
    // Whether the product is linked to the custom field.
    bool IsLinked(qint64 customFieldId, qint64 productId) const;
    // Adds the link unless it exists already; returns whether it was added.
    bool Link(qint64 customFieldId, qint64 productId);
};
