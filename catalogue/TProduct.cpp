#include "TProduct.h"

#include "TCatalogueCascade.h"
#include "TCustomFields.h"
#include "TProductFiles.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TProduct", "Products") {}
    TColumn<qint64> ID{this, "ID", "ProductID", P::Unsigned, ReadOnly | Export};
    TColumn<qint64> CategoryID{this, "CategoryID", "CategoryID", P::Unsigned, Both};
    TColumn<QString> Name{this, "Name", "ProductName", P::String, Both | Required};
    TColumn<QString> Code{this, "Code", "ProductCode", P::String, Both | Required};
    TColumn<TMoney> Cost{this, "Cost", "Cost", P::Currency, Both};
    TColumn<QString> ShortDescription{this, "ShortDescription", "ShortDescription", P::String, Import};
    TColumn<QString> LongDescription{this, "LongDescription", "LongDescription", P::String, Import};
    TColumn<int> FreightMode{this, "FreightMode", "FreightMode", P::Integer, Both};
    TColumn<double> PerUnitWeight{this, "PerUnitWeight", "PerUnitWeight", P::Float, Both};
    TColumn<TMoney> Charge1{this, "PerUnitShippingCharge1", "PerUnitShippingCharge1", P::Currency, Both};
    TColumn<TMoney> Charge2{this, "PerUnitShippingCharge2", "PerUnitShippingCharge2", P::Currency, Both};
    TColumn<TMoney> Charge3{this, "PerUnitShippingCharge3", "PerUnitShippingCharge3", P::Currency, Both};
    TColumn<bool> UseColor{this, "UseColor", "UseColor", P::Boolean, Both};
    TColumn<bool> UseSize{this, "UseSize", "UseSize", P::Boolean, Both};
    TColumn<bool> Enabled{this, "Enabled", "Enabled", P::Boolean, Both};
    TColumn<bool> DetPage{this, "DetPage", "DetPage", P::Boolean, Both};
    TColumn<QString> LargeImage{this, "LargeImage", "ImageFile", P::String, Both};
    // The field lists spell it with a capital N; lookups ignore letter case.
    TColumn<QString> Thumbnail{this, "Thumbnail", "ImageOverText", P::String, Both, "ThumbNail"};
    TPublished ProductFiles{this, "ProductFiles", &TProduct::ProductFiles};
    TPublished CustomFields{this, "CustomFields", &TProduct::CustomFields};
    TPublished AvailableCustomFields{this, "AvailableCustomFields", &TProduct::AvailableCustomFields};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
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
    : TRecord(std::move(table))
{
}

TProduct::~TProduct() = default;

const TRecordDeclaration& TProduct::Declaration() { return Cols(); }

qint64 TProduct::ID() const { return Read(Cols().ID); }
qint64 TProduct::CategoryID() const { return Read(Cols().CategoryID); }
void TProduct::SetCategoryID(qint64 id) { Write(Cols().CategoryID, id); }
QString TProduct::Name() const { return Read(Cols().Name); }
void TProduct::SetName(const QString& name) { Write(Cols().Name, name); }
QString TProduct::Code() const { return Read(Cols().Code); }
void TProduct::SetCode(const QString& code) { Write(Cols().Code, code); }
TMoney TProduct::Cost() const { return Read(Cols().Cost); }
void TProduct::SetCost(TMoney cost) { Write(Cols().Cost, cost); }
QString TProduct::ShortDescription() const { return Read(Cols().ShortDescription); }
void TProduct::SetShortDescription(const QString& text) { Write(Cols().ShortDescription, text); }
QString TProduct::LongDescription() const { return Read(Cols().LongDescription); }
void TProduct::SetLongDescription(const QString& text) { Write(Cols().LongDescription, text); }
int TProduct::FreightMode() const { return Read(Cols().FreightMode); }
void TProduct::SetFreightMode(int mode) { Write(Cols().FreightMode, mode); }
double TProduct::PerUnitWeight() const { return Read(Cols().PerUnitWeight); }
void TProduct::SetPerUnitWeight(double weight) { Write(Cols().PerUnitWeight, weight); }
TMoney TProduct::PerUnitShippingCharge1() const { return Read(Cols().Charge1); }
void TProduct::SetPerUnitShippingCharge1(TMoney charge) { Write(Cols().Charge1, charge); }
TMoney TProduct::PerUnitShippingCharge2() const { return Read(Cols().Charge2); }
void TProduct::SetPerUnitShippingCharge2(TMoney charge) { Write(Cols().Charge2, charge); }
TMoney TProduct::PerUnitShippingCharge3() const { return Read(Cols().Charge3); }
void TProduct::SetPerUnitShippingCharge3(TMoney charge) { Write(Cols().Charge3, charge); }
bool TProduct::UseColor() const { return Read(Cols().UseColor); }
void TProduct::SetUseColor(bool use) { Write(Cols().UseColor, use); }
bool TProduct::UseSize() const { return Read(Cols().UseSize); }
void TProduct::SetUseSize(bool use) { Write(Cols().UseSize, use); }
bool TProduct::Enabled() const { return Read(Cols().Enabled); }
void TProduct::SetEnabled(bool enabled) { Write(Cols().Enabled, enabled); }
bool TProduct::DetPage() const { return Read(Cols().DetPage); }
void TProduct::SetDetPage(bool detailPage) { Write(Cols().DetPage, detailPage); }
QString TProduct::LargeImage() const { return Read(Cols().LargeImage); }
void TProduct::SetLargeImage(const QString& path) { Write(Cols().LargeImage, path); }
QString TProduct::Thumbnail() const { return Read(Cols().Thumbnail); }
void TProduct::SetThumbnail(const QString& path) { Write(Cols().Thumbnail, path); }

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
