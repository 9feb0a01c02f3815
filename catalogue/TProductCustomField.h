#pragma once

#include "TItem.h"
#include "TRecordClasses.h"

// One link between a product and a custom field.
class TProductCustomField : public TItem
{
public:
    using TItem::TItem;

    qint64 CustomFieldID() const;
    void SetCustomFieldID(qint64 id);
    qint64 ProductID() const;
    void SetProductID(qint64 id);

    static const TPropertyTable& PropertyTable();
    const TPropertyTable& Properties() const override { return PropertyTable(); }
};
