#include "TProduct.h"

#include "TCatalogueCascade.h"
#include "TCatalogueIds.h"
#include "TCustomFields.h"
#include "TProductFiles.h"

namespace {
const QString colID = QStringLiteral("ProductID");
const QString colCategory = QStringLiteral("CategoryID");
const QString colName = QStringLiteral("ProductName");
const QString colCode = QStringLiteral("ProductCode");
const QString colCost = QStringLiteral("Cost");
const QString colShort = QStringLiteral("ShortDescription");
const QString colLong = QStringLiteral("LongDescription");
const QString colFreightMode = QStringLiteral("FreightMode");
const QString colWeight = QStringLiteral("PerUnitWeight");
const QString colCharge1 = QStringLiteral("PerUnitShippingCharge1");
const QString colCharge2 = QStringLiteral("PerUnitShippingCharge2");
const QString colCharge3 = QStringLiteral("PerUnitShippingCharge3");
const QString colUseColor = QStringLiteral("UseColor");
const QString colUseSize = QStringLiteral("UseSize");
const QString colEnabled = QStringLiteral("Enabled");
const QString colDetPage = QStringLiteral("DetPage");
const QString colImage = QStringLiteral("ImageFile");
const QString colThumbnail = QStringLiteral("ImageOverText");

QVariant Money(TMoney value)
{
    return QVariant::fromValue(value);
}

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
    : TItem(std::move(table))
{
}

TProduct::~TProduct() = default;

qint64 TProduct::ID() const { return GetInteger(colID); }
qint64 TProduct::CategoryID() const { return GetInteger(colCategory); }
void TProduct::SetCategoryID(qint64 id) { SetValue(colCategory, CatalogueIds::Text(id, "CategoryID")); }
QString TProduct::Name() const { return GetString(colName); }
void TProduct::SetName(const QString& name) { SetValue(colName, name); }
QString TProduct::Code() const { return GetString(colCode); }
void TProduct::SetCode(const QString& code) { SetValue(colCode, code); }
TMoney TProduct::Cost() const { return GetMoney(colCost); }
void TProduct::SetCost(TMoney cost) { SetValue(colCost, Money(cost)); }
QString TProduct::ShortDescription() const { return GetString(colShort); }
void TProduct::SetShortDescription(const QString& text) { SetValue(colShort, text); }
QString TProduct::LongDescription() const { return GetString(colLong); }
void TProduct::SetLongDescription(const QString& text) { SetValue(colLong, text); }
int TProduct::FreightMode() const { return int(GetInteger(colFreightMode)); }
void TProduct::SetFreightMode(int mode) { SetValue(colFreightMode, mode); }
double TProduct::PerUnitWeight() const { return GetFloat(colWeight); }
void TProduct::SetPerUnitWeight(double weight) { SetValue(colWeight, weight); }
TMoney TProduct::PerUnitShippingCharge1() const { return GetMoney(colCharge1); }
void TProduct::SetPerUnitShippingCharge1(TMoney charge) { SetValue(colCharge1, Money(charge)); }
TMoney TProduct::PerUnitShippingCharge2() const { return GetMoney(colCharge2); }
void TProduct::SetPerUnitShippingCharge2(TMoney charge) { SetValue(colCharge2, Money(charge)); }
TMoney TProduct::PerUnitShippingCharge3() const { return GetMoney(colCharge3); }
void TProduct::SetPerUnitShippingCharge3(TMoney charge) { SetValue(colCharge3, Money(charge)); }
bool TProduct::UseColor() const { return GetBoolean(colUseColor); }
void TProduct::SetUseColor(bool use) { SetValue(colUseColor, use); }
bool TProduct::UseSize() const { return GetBoolean(colUseSize); }
void TProduct::SetUseSize(bool use) { SetValue(colUseSize, use); }
bool TProduct::Enabled() const { return GetBoolean(colEnabled); }
void TProduct::SetEnabled(bool enabled) { SetValue(colEnabled, enabled); }
bool TProduct::DetPage() const { return GetBoolean(colDetPage); }
void TProduct::SetDetPage(bool detailPage) { SetValue(colDetPage, detailPage); }
QString TProduct::LargeImage() const { return GetString(colImage); }
void TProduct::SetLargeImage(const QString& path) { SetValue(colImage, path); }
QString TProduct::Thumbnail() const { return GetString(colThumbnail); }
void TProduct::SetThumbnail(const QString& path) { SetValue(colThumbnail, path); }

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
    const QString id = GetString(colID);
    TTransaction transaction(db);
    TCatalogueCascade::DeleteProductDependants(db, id);
    DeleteRecord();
    transaction.Commit();
}

namespace {

TPropertyInfo CollectionProperty(const char* name, TRef<TCollection> (*get)(TProduct&))
{
    TPropertyInfo info;
    info.name = QString::fromLatin1(name);
    info.type = TPropertyType::Collection;
    // The product keeps the collection; a caller that keeps it longer than the
    // product takes a reference of its own (TRef).
    info.read = [get](const TItem& item) {
        TRef<TCollection> collection = get(const_cast<TProduct&>(static_cast<const TProduct&>(item)));
        return QVariant::fromValue(collection.get());
    };
    return info;
}

} // namespace

const TPropertyTable& TProduct::PropertyTable()
{
    static const TPropertyTable table{
        Published("ID", TPropertyType::Unsigned, &TProduct::ID),
        Published("CategoryID", TPropertyType::Unsigned, &TProduct::CategoryID, &TProduct::SetCategoryID),
        Published("Name", TPropertyType::String, &TProduct::Name, &TProduct::SetName),
        Published("Code", TPropertyType::String, &TProduct::Code, &TProduct::SetCode),
        Published("Cost", TPropertyType::Currency, &TProduct::Cost, &TProduct::SetCost),
        Published("ShortDescription", TPropertyType::String, &TProduct::ShortDescription, &TProduct::SetShortDescription),
        Published("LongDescription", TPropertyType::String, &TProduct::LongDescription, &TProduct::SetLongDescription),
        Published("FreightMode", TPropertyType::Integer, &TProduct::FreightMode, &TProduct::SetFreightMode),
        Published("PerUnitWeight", TPropertyType::Float, &TProduct::PerUnitWeight, &TProduct::SetPerUnitWeight),
        Published("PerUnitShippingCharge1", TPropertyType::Currency, &TProduct::PerUnitShippingCharge1,
                  &TProduct::SetPerUnitShippingCharge1),
        Published("PerUnitShippingCharge2", TPropertyType::Currency, &TProduct::PerUnitShippingCharge2,
                  &TProduct::SetPerUnitShippingCharge2),
        Published("PerUnitShippingCharge3", TPropertyType::Currency, &TProduct::PerUnitShippingCharge3,
                  &TProduct::SetPerUnitShippingCharge3),
        Published("UseColor", TPropertyType::Boolean, &TProduct::UseColor, &TProduct::SetUseColor),
        Published("UseSize", TPropertyType::Boolean, &TProduct::UseSize, &TProduct::SetUseSize),
        Published("Enabled", TPropertyType::Boolean, &TProduct::Enabled, &TProduct::SetEnabled),
        Published("DetPage", TPropertyType::Boolean, &TProduct::DetPage, &TProduct::SetDetPage),
        Published("LargeImage", TPropertyType::String, &TProduct::LargeImage, &TProduct::SetLargeImage),
        Published("Thumbnail", TPropertyType::String, &TProduct::Thumbnail, &TProduct::SetThumbnail),
        CollectionProperty("ProductFiles", [](TProduct& p) { return TRef<TCollection>(p.ProductFiles()); }),
        CollectionProperty("CustomFields", [](TProduct& p) { return TRef<TCollection>(p.CustomFields()); }),
        CollectionProperty("AvailableCustomFields",
                           [](TProduct& p) { return TRef<TCollection>(p.AvailableCustomFields()); }),
    };
    return table;
}

void TProduct::GetImportFields(TFieldList& list)
{
    list.clear();
    for (const char* name : {"CategoryID", "Name*", "Code*", "Cost", "ShortDescription", "LongDescription",
                             "FreightMode", "PerUnitWeight", "PerUnitShippingCharge1", "PerUnitShippingCharge2",
                             "PerUnitShippingCharge3", "UseColor", "UseSize", "Enabled", "DetPage", "LargeImage",
                             "ThumbNail"}) {
        QString n = QString::fromLatin1(name);
        const bool marked = n.endsWith(u'*');
        if (marked)
            n.chop(1);
        list.append({n, marked ? 1 : 0});
    }
}

void TProduct::GetExportFields(TFieldList& list)
{
    list.clear();
    for (const char* name : {"ID", "CategoryID", "Name", "Code", "Cost", "FreightMode", "PerUnitWeight",
                             "PerUnitShippingCharge1", "PerUnitShippingCharge2", "PerUnitShippingCharge3",
                             "UseColor", "UseSize", "Enabled", "DetPage", "LargeImage", "ThumbNail"})
        list.append({QString::fromLatin1(name), 0});
}
