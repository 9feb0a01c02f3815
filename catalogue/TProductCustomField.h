#pragma once

#include "TRecordDeclaration.h"

// One link between a product and a custom field.
class TProductCustomField : public TRecord<TProductCustomField>
{
public:
    using TRecord::TRecord;

    qint64 CustomFieldID() const;
    void SetCustomFieldID(qint64 id);
    qint64 ProductID() const;
    void SetProductID(qint64 id);

    static const TRecordDeclaration& Declaration();
};
