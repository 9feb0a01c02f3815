#include "TCustomFields.h"

#include "TIdentifiers.h"
#include "TProductCustomFields.h"

TCustomFields::TCustomFields(std::shared_ptr<TDataSet> dataSet, qint64 productId)
    : TCollectionOf(std::move(dataSet)), m_productId(productId)
{
}

TRef<TCustomField> TCustomFields::NewCustomField()
{
    return StaticRefCast<TCustomField>(NewRecordBase(IdentifierKinds::CustomFields));
}

bool TCustomFields::LinkToProduct()
{
    if (m_productId < 0 || !DataSet() || DataSet()->IsEmpty())
        return false;
    const TField field = DataSet()->Field(QStringLiteral("CustomFieldID"));
    if (field.IsNull())
        return false;
    const qint64 customFieldId = field.AsLargeInt();
    // Only the product's own links are read: the table holds those of every product.
    auto table = std::make_shared<TTable>(DataSet()->DatabasePtr(), QStringLiteral("ProductsCustomFieldsMM"));
    table->SetFilter(QStringLiteral("ProductID = ?1"), {QString::number(m_productId)});
    TRef<TProductCustomFields> links(new TProductCustomFields(std::move(table)));
    return links->Link(customFieldId, m_productId);
}

QString TCustomFields::IdColumn() const
{
    return QStringLiteral("CustomFieldID");
}
