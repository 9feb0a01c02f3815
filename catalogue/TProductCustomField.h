#pragma once

#include "TRecordDeclaration.h"

// One link between a product and a custom field.
class TProductCustomField : public TRecord<TProductCustomField>
{
public:
    using TRecord::TRecord;

    qint64 CustomFieldID() const { return Read(Cols().CustomFieldID); }
    void SetCustomFieldID(qint64 id) { Write(Cols().CustomFieldID, id); }
    qint64 ProductID() const { return Read(Cols().ProductID); }
    void SetProductID(qint64 id) { Write(Cols().ProductID, id); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TProductCustomField", "ProductsCustomFieldsMM") {}
        TColumn<qint64> CustomFieldID{this, "CustomFieldID", "CustomFieldID", P::Integer, Unpublished};
        TColumn<qint64> ProductID{this, "ProductID", "ProductID", P::Unsigned, Unpublished};
    };
    static const Columns& Cols();
};
