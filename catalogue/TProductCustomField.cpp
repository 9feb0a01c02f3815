#include "TProductCustomField.h"

#include "TCatalogueIds.h"

namespace {
const QString colCustomField = QStringLiteral("CustomFieldID");
const QString colProduct = QStringLiteral("ProductID");
} // namespace

qint64 TProductCustomField::CustomFieldID() const { return GetInteger(colCustomField); }
void TProductCustomField::SetCustomFieldID(qint64 id) { SetValue(colCustomField, id); }
qint64 TProductCustomField::ProductID() const { return GetInteger(colProduct); }
void TProductCustomField::SetProductID(qint64 id) { SetValue(colProduct, CatalogueIds::Text(id, "ProductID")); }

const TPropertyTable& TProductCustomField::PropertyTable()
{
    static const TPropertyTable none{};
    return none;
}
