#include "TMerchant.h"

#include "CommerceValues.h"
#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TValueText.h"

#include <limits>

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TMerchant", "MerchantSettings") {}
    TColumn<qint64> ID{this, "ID", "MerchantID", P::Unsigned, Unpublished};
    TPublished IDProperty{this, "ID", "MerchantID", P::Unsigned, &TMerchant::ID, &TMerchant::SetID};
    TColumn<QString> Name{this, "Name", "MerchantName", P::String};
    TColumn<QString> ContactName{this, "ContactName", "ContactName", P::String};
    TColumn<QString> Address{this, "Address", "Address", P::String};
    TColumn<QString> City{this, "City", "MerchantCity", P::String};
    TColumn<QString> Postcode{this, "Postcode", "MerchantZipCode", P::String};
    TColumn<QString> Phone{this, "Phone", "Phone", P::String};
    TColumn<QString> Fax{this, "Fax", "Fax", P::String};
    TColumn<QString> EmailAddress{this, "EmailAddress", "EmailAddress", P::String};
    TColumn<QString> WebPage{this, "WebPage", "MainURL", P::String};
    TColumn<QString> Description{this, "Description", "DetailedMercDesc", P::String};
    TColumn<bool> Active{this, "Active", "SecureServerActive", P::Boolean};
    TColumn<QString> Disclaimer{this, "Disclaimer", "Disclaimer", P::String};
    TColumn<QString> AdditionalInstruction{this, "AdditionalInstruction", "InstructTitle", P::String};
    TColumn<QString> BGColor{this, "BGColor", "ChkoutBkColor", P::String};
    TColumn<quint32> LanguageID{this, "LanguageID", "LanguageID", P::Unsigned};
    TColumn<quint32> StateID{this, "StateID", "StateID", P::Unsigned};
    TColumn<quint32> CountryID{this, "CountryID", "CountryID", P::Unsigned};
    TColumn<quint32> CurrencyID{this, "CurrencyID", "DefaultCurrency", P::Unsigned};
    TPublished CountryName{this, "CountryName", nullptr, P::String, &TMerchant::CountryName};
    TColumn<bool> AcceptLocalOrders{this, "AcceptLocalOrders", "AcceptLocal", P::Boolean};
    TColumn<bool> AcceptDomesticOrders{this, "AcceptDomesticOrders", "AcceptInterstate", P::Boolean};
    TColumn<bool> AcceptInternationalOrders{this, "AcceptInternationalOrders", "AcceptInternational", P::Boolean};
    TColumn<int> FreightMode{this, "FreightMode", "DefaultFreightMode", P::Integer};
    TColumn<TMoney> InitialLocalFreight{this, "InitialLocalFreight", "InitialFreightCharge", P::Currency};
    TColumn<TMoney> InitialDomesticFreight{this, "InitialDomesticFreight", "InitialInterstateFreight", P::Currency};
    TColumn<TMoney> InitialInternationalFreight{this, "InitialInternationalFreight", "InitialOverseasFreight", P::Currency};
    TColumn<double> TaxOnFreightDomestic{this, "TaxOnFreightDomestic", "DomFreightTax", P::Float};
    TColumn<double> TaxOnFreightInternational{this, "TaxOnFreightInternational", "IntFreightTax", P::Float};
    TColumn<bool> ShowPriceExTax{this, "ShowPriceExTax", "ShowPriceExTax", P::Boolean};
    TColumn<bool> ShowPriceIncTax{this, "ShowPriceIncTax", "ShowPriceIncTax", P::Boolean};
    TColumn<bool> ShowTaxAmount{this, "ShowTaxAmount", "ShowTaxAmt", P::Boolean};
    TColumn<bool> ShowTaxPercent{this, "ShowTaxPercent", "ShowTaxPercent", P::Boolean};
    TColumn<bool> ServerUpdated{this, "ServerUpdated", "ServerUpdated", P::Boolean};
    TColumn<QString> TitleColor{this, "TitleColor", "TitleColor", P::String};
    TColumn<QString> TitleFontColor{this, "TitleFontColor", "TitleFontColor", P::String};
    TColumn<QString> CellColor{this, "CellColor", "CellColor", P::String};
    TColumn<QString> CellFontCOlor{this, "CellFontCOlor", "CellFontColor", P::String};
    // Read through CartTitleText, which gives the default title for a blank text.
    TColumn<QString> CartTitleText{this, "CartTitleText", "CartTitleText", P::String, Unpublished};
    TPublished CartTitleProperty{this, "CartTitleText", "CartTitleText", P::String, &TMerchant::CartTitleText,
                                 &TMerchant::SetCartTitleText};
    TColumn<bool> BriefDescInSearch{this, "BriefDescInSearch", "BriefDescInSearch", P::Boolean};
    TColumn<QString> BriefDescription{this, "BriefDescription", "BriefMerchantDesc", P::String};
    TColumn<QString> KeywordsMetaTags{this, "KeywordsMetaTags", "KeywordsMetatags", P::String};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

// Puts the cursor on the merchant row. A store whose row has gone missing gets
// it back with the settings of a new website, so that the merchant can fill it
// in again instead of every window failing on the missing row.
std::shared_ptr<TDataSet> AtMerchantRow(std::shared_ptr<TDataSet> table)
{
    return CommerceValues::AtSingleRow(
        std::move(table),
        QStringLiteral("(MerchantID, LanguageID, SecureServerActive, ServerUpdated) VALUES (0, ?1, ?2, ?3)"),
        {3081, true, false});
}

} // namespace

TMerchant::TMerchant(std::shared_ptr<TDataSet> table)
    : TRecord(AtMerchantRow(std::move(table)))
{
}

void TMerchant::Rebind(std::shared_ptr<TDataSet> table)
{
    TItem::Rebind(AtMerchantRow(std::move(table)));
}

quint32 TMerchant::ID() const
{
    // The account number names the build folder and every server request; a
    // damaged value read as 0 would quietly register a second account, so it is
    // reported instead. Only an empty value means "no account yet".
    const TField field = Field(Cols().ID.Name());
    const QVariant raw = DataSet()->RawValue(field.Index());
    if (!raw.isValid() || raw.isNull())
        return 0;
    qint64 value = -1;
    bool ok = false;
    switch (raw.typeId()) {
    case QMetaType::LongLong:
        value = raw.toLongLong();
        ok = true;
        break;
    case QMetaType::Double: {
        const double d = raw.toDouble();
        ok = d >= 0 && d <= double(std::numeric_limits<quint32>::max()) && d == double(qint64(d));
        value = ok ? qint64(d) : -1;
        break;
    }
    default: {
        const QString text = raw.toString().trimmed();
        if (text.isEmpty())
            return 0;
        const auto number = ValueText::Integer(text);
        ok = number.has_value();
        value = number.value_or(-1);
        break;
    }
    }
    if (!ok || value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        throw EQuorvisError(LangStr(5001).arg(raw.toString()));
    return quint32(value);
}

void TMerchant::SetID(qint64 value) { Write(Cols().ID, value); }

QString TMerchant::Name() const { return Read(Cols().Name); }
void TMerchant::SetName(const QString& value) { Write(Cols().Name, value); }
QString TMerchant::ContactName() const { return Read(Cols().ContactName); }
void TMerchant::SetContactName(const QString& value) { Write(Cols().ContactName, value); }
QString TMerchant::Address() const { return Read(Cols().Address); }
void TMerchant::SetAddress(const QString& value) { Write(Cols().Address, value); }
QString TMerchant::City() const { return Read(Cols().City); }
void TMerchant::SetCity(const QString& value) { Write(Cols().City, value); }
QString TMerchant::Postcode() const { return Read(Cols().Postcode); }
void TMerchant::SetPostcode(const QString& value) { Write(Cols().Postcode, value); }
QString TMerchant::Phone() const { return Read(Cols().Phone); }
void TMerchant::SetPhone(const QString& value) { Write(Cols().Phone, value); }
QString TMerchant::Fax() const { return Read(Cols().Fax); }
void TMerchant::SetFax(const QString& value) { Write(Cols().Fax, value); }
QString TMerchant::EmailAddress() const { return Read(Cols().EmailAddress); }
void TMerchant::SetEmailAddress(const QString& value) { Write(Cols().EmailAddress, value); }
QString TMerchant::WebPage() const { return Read(Cols().WebPage); }
void TMerchant::SetWebPage(const QString& value) { Write(Cols().WebPage, value); }
QString TMerchant::Description() const { return Read(Cols().Description); }
void TMerchant::SetDescription(const QString& value) { Write(Cols().Description, value); }
bool TMerchant::Active() const { return Read(Cols().Active); }
void TMerchant::SetActive(bool value) { Write(Cols().Active, value); }
QString TMerchant::Disclaimer() const { return Read(Cols().Disclaimer); }
void TMerchant::SetDisclaimer(const QString& value) { Write(Cols().Disclaimer, value); }
QString TMerchant::AdditionalInstruction() const { return Read(Cols().AdditionalInstruction); }
void TMerchant::SetAdditionalInstruction(const QString& value) { Write(Cols().AdditionalInstruction, value); }
QString TMerchant::BGColor() const { return Read(Cols().BGColor); }
void TMerchant::SetBGColor(const QString& value) { Write(Cols().BGColor, value); }
quint32 TMerchant::LanguageID() const { return Read(Cols().LanguageID); }
void TMerchant::SetLanguageID(qint64 value) { Write(Cols().LanguageID, value); }
quint32 TMerchant::StateID() const { return Read(Cols().StateID); }
void TMerchant::SetStateID(qint64 value) { Write(Cols().StateID, value); }
quint32 TMerchant::CountryID() const { return Read(Cols().CountryID); }
void TMerchant::SetCountryID(qint64 value) { Write(Cols().CountryID, value); }
quint32 TMerchant::CurrencyID() const { return Read(Cols().CurrencyID); }
void TMerchant::SetCurrencyID(qint64 value) { Write(Cols().CurrencyID, value); }

QString TMerchant::CountryName() const
{
    const QString fallback = QStringLiteral("Australia");
    try {
        const qint64 countryId = CountryID();
        if (!TApp::Exists())
            return fallback;
        TDatabase* common = TApp::Instance().CommonDatabase();
        if (!common)
            return fallback;
        TStatement query(*common, QStringLiteral("SELECT CountryName FROM Country WHERE ID = ?1 AND LCID = 3081"));
        query.Bind(1, countryId);
        if (!query.Step())
            return fallback;
        return query.Value(0).toString();
    } catch (const std::exception&) {
        // The name only labels what the merchant sees; an unreadable common
        // database must not stop the window or the page that shows it.
        return fallback;
    }
}

bool TMerchant::AcceptLocalOrders() const { return Read(Cols().AcceptLocalOrders); }
void TMerchant::SetAcceptLocalOrders(bool value) { Write(Cols().AcceptLocalOrders, value); }
bool TMerchant::AcceptDomesticOrders() const { return Read(Cols().AcceptDomesticOrders); }
void TMerchant::SetAcceptDomesticOrders(bool value) { Write(Cols().AcceptDomesticOrders, value); }
bool TMerchant::AcceptInternationalOrders() const { return Read(Cols().AcceptInternationalOrders); }
void TMerchant::SetAcceptInternationalOrders(bool value) { Write(Cols().AcceptInternationalOrders, value); }
int TMerchant::FreightMode() const { return Read(Cols().FreightMode); }
void TMerchant::SetFreightMode(int value) { Write(Cols().FreightMode, value); }
TMoney TMerchant::InitialLocalFreight() const { return Read(Cols().InitialLocalFreight); }
void TMerchant::SetInitialLocalFreight(TMoney value) { Write(Cols().InitialLocalFreight, value); }
TMoney TMerchant::InitialDomesticFreight() const { return Read(Cols().InitialDomesticFreight); }
void TMerchant::SetInitialDomesticFreight(TMoney value) { Write(Cols().InitialDomesticFreight, value); }
TMoney TMerchant::InitialInternationalFreight() const { return Read(Cols().InitialInternationalFreight); }
void TMerchant::SetInitialInternationalFreight(TMoney value) { Write(Cols().InitialInternationalFreight, value); }
double TMerchant::TaxOnFreightDomestic() const { return Read(Cols().TaxOnFreightDomestic); }
void TMerchant::SetTaxOnFreightDomestic(double value) { Write(Cols().TaxOnFreightDomestic, value); }
double TMerchant::TaxOnFreightInternational() const { return Read(Cols().TaxOnFreightInternational); }
void TMerchant::SetTaxOnFreightInternational(double value) { Write(Cols().TaxOnFreightInternational, value); }
bool TMerchant::ShowPriceExTax() const { return Read(Cols().ShowPriceExTax); }
void TMerchant::SetShowPriceExTax(bool value) { Write(Cols().ShowPriceExTax, value); }
bool TMerchant::ShowPriceIncTax() const { return Read(Cols().ShowPriceIncTax); }
void TMerchant::SetShowPriceIncTax(bool value) { Write(Cols().ShowPriceIncTax, value); }
bool TMerchant::ShowTaxAmount() const { return Read(Cols().ShowTaxAmount); }
void TMerchant::SetShowTaxAmount(bool value) { Write(Cols().ShowTaxAmount, value); }
bool TMerchant::ShowTaxPercent() const { return Read(Cols().ShowTaxPercent); }
void TMerchant::SetShowTaxPercent(bool value) { Write(Cols().ShowTaxPercent, value); }
bool TMerchant::ServerUpdated() const { return Read(Cols().ServerUpdated); }
void TMerchant::SetServerUpdated(bool value) { Write(Cols().ServerUpdated, value); }
QString TMerchant::TitleColor() const { return Read(Cols().TitleColor); }
void TMerchant::SetTitleColor(const QString& value) { Write(Cols().TitleColor, value); }
QString TMerchant::TitleFontColor() const { return Read(Cols().TitleFontColor); }
void TMerchant::SetTitleFontColor(const QString& value) { Write(Cols().TitleFontColor, value); }
QString TMerchant::CellColor() const { return Read(Cols().CellColor); }
void TMerchant::SetCellColor(const QString& value) { Write(Cols().CellColor, value); }
QString TMerchant::CellFontCOlor() const { return Read(Cols().CellFontCOlor); }
void TMerchant::SetCellFontCOlor(const QString& value) { Write(Cols().CellFontCOlor, value); }

QString TMerchant::CartTitleText() const
{
    const QString text = Read(Cols().CartTitleText);
    if (text.trimmed().isEmpty())
        return LangStr(1522);
    return text;
}

void TMerchant::SetCartTitleText(const QString& value) { Write(Cols().CartTitleText, value); }
bool TMerchant::BriefDescInSearch() const { return Read(Cols().BriefDescInSearch); }
void TMerchant::SetBriefDescInSearch(bool value) { Write(Cols().BriefDescInSearch, value); }
QString TMerchant::BriefDescription() const { return Read(Cols().BriefDescription); }
void TMerchant::SetBriefDescription(const QString& value) { Write(Cols().BriefDescription, value); }
QString TMerchant::KeywordsMetaTags() const { return Read(Cols().KeywordsMetaTags); }
void TMerchant::SetKeywordsMetaTags(const QString& value) { Write(Cols().KeywordsMetaTags, value); }

QString TMerchant::BGColorText(int red, int green, int blue)
{
    return CommerceValues::ColourDigits(red, green, blue);
}

QString TMerchant::CartColorText(int red, int green, int blue)
{
    return u'#' + CommerceValues::ColourDigits(red, green, blue);
}

const TRecordDeclaration& TMerchant::Declaration() { return Cols(); }
