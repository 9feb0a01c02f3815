#include "TProduct.h"

#include "TCatalogueCascade.h"
#include "TCustomFields.h"
#include "TProductFiles.h"

namespace {

// A product's custom fields, each once however many links name it, with all
// their columns. A link whose field identifier is missing matches no field.
const QString LinkedFieldsSql = QStringLiteral(
    "SELECT * FROM CustomFields WHERE EXISTS (SELECT 1 FROM ProductsCustomFieldsMM AS link "
    "WHERE link.CustomFieldID = CustomFields.CustomFieldID AND link.ProductID = ?1)");
// The rest: NOT EXISTS rather than NOT IN, which a single link row with a
// missing field identifier would turn into "no field at all".
const QString UnlinkedFieldsSql = QStringLiteral(
    "SELECT * FROM CustomFields WHERE NOT EXISTS (SELECT 1 FROM ProductsCustomFieldsMM AS link "
    "WHERE link.CustomFieldID = CustomFields.CustomFieldID AND link.ProductID = ?1)");
} // namespace

TProduct::TProduct(std::shared_ptr<TDataSet> table)
    : TRecord(std::move(table))
{
}

TProduct::~TProduct() = default;

TRef<TProductFiles> TProduct::ProductFiles()
{
    if (!m_productFiles) {
        auto table = std::make_shared<TTable>(DataSet()->DatabasePtr(), QStringLiteral("ProductFiles"));
        m_productFiles = TRef<TProductFiles>(new TProductFiles(std::move(table), ID()));
    }
    return m_productFiles;
}

TRef<TCustomFields> TProduct::CustomFields()
{
    if (!m_customFields) {
        const qint64 id = ID();
        auto query = std::make_shared<TQuery>(DataSet()->DatabasePtr(), LinkedFieldsSql, QVariantList{QString::number(id)});
        m_customFields = TRef<TCustomFields>(new TCustomFields(std::move(query), id));
    }
    return m_customFields;
}

TRef<TCustomFields> TProduct::AvailableCustomFields()
{
    if (!m_availableCustomFields) {
        const qint64 id = ID();
        auto query = std::make_shared<TQuery>(DataSet()->DatabasePtr(), UnlinkedFieldsSql, QVariantList{QString::number(id)});
        m_availableCustomFields = TRef<TCustomFields>(new TCustomFields(std::move(query), id));
    }
    return m_availableCustomFields;
}

void TProduct::Delete()
{
    TDatabase& db = DataSet()->Database();
    const QString id = GetString(Cols().ID.Name());
    TTransaction transaction(db);
    TCatalogueCascade::DeleteProductDependants(db, id);
    DeleteRecord();
    transaction.Commit();
}

const TProduct::Columns& TProduct::Cols()
{
    static const Columns columns;
    return columns;
}
