#include "TMerchant.h"

#include "CommerceValues.h"
#include "TApp.h"
#include "TGlobalResourceManager.h"

#include <limits>

namespace {

const QString MerchantIDColumn = QStringLiteral("MerchantID");

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
    : TItem(AtMerchantRow(std::move(table)))
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
    const TField field = Field(MerchantIDColumn);
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
        value = text.toLongLong(&ok);
        break;
    }
    }
    if (!ok || value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        throw EQuorvisError(QStringLiteral("The merchant ID stored for this website (\"%1\") is not a valid number. "
                                           "Please enter the merchant ID of your account again in the merchant settings.")
                                .arg(raw.toString()));
    return quint32(value);
}

void TMerchant::SetID(qint64 value)
{
    SetValue(MerchantIDColumn, CommerceValues::CheckedUnsigned(value, "ID"));
}

QString TMerchant::Name() const { return GetString(QStringLiteral("MerchantName")); }
void TMerchant::SetName(const QString& value) { SetValue(QStringLiteral("MerchantName"), value); }
QString TMerchant::ContactName() const { return GetString(QStringLiteral("ContactName")); }
void TMerchant::SetContactName(const QString& value) { SetValue(QStringLiteral("ContactName"), value); }
QString TMerchant::Address() const { return GetString(QStringLiteral("Address")); }
void TMerchant::SetAddress(const QString& value) { SetValue(QStringLiteral("Address"), value); }
QString TMerchant::City() const { return GetString(QStringLiteral("MerchantCity")); }
void TMerchant::SetCity(const QString& value) { SetValue(QStringLiteral("MerchantCity"), value); }
QString TMerchant::Postcode() const { return GetString(QStringLiteral("MerchantZipCode")); }
void TMerchant::SetPostcode(const QString& value) { SetValue(QStringLiteral("MerchantZipCode"), value); }
QString TMerchant::Phone() const { return GetString(QStringLiteral("Phone")); }
void TMerchant::SetPhone(const QString& value) { SetValue(QStringLiteral("Phone"), value); }
QString TMerchant::Fax() const { return GetString(QStringLiteral("Fax")); }
void TMerchant::SetFax(const QString& value) { SetValue(QStringLiteral("Fax"), value); }
QString TMerchant::EmailAddress() const { return GetString(QStringLiteral("EmailAddress")); }
void TMerchant::SetEmailAddress(const QString& value) { SetValue(QStringLiteral("EmailAddress"), value); }
QString TMerchant::WebPage() const { return GetString(QStringLiteral("MainURL")); }
void TMerchant::SetWebPage(const QString& value) { SetValue(QStringLiteral("MainURL"), value); }
QString TMerchant::Description() const { return GetString(QStringLiteral("DetailedMercDesc")); }
void TMerchant::SetDescription(const QString& value) { SetValue(QStringLiteral("DetailedMercDesc"), value); }
bool TMerchant::Active() const { return GetBoolean(QStringLiteral("SecureServerActive")); }
void TMerchant::SetActive(bool value) { SetValue(QStringLiteral("SecureServerActive"), value); }
QString TMerchant::Disclaimer() const { return GetString(QStringLiteral("Disclaimer")); }
void TMerchant::SetDisclaimer(const QString& value) { SetValue(QStringLiteral("Disclaimer"), value); }
QString TMerchant::AdditionalInstruction() const { return GetString(QStringLiteral("InstructTitle")); }
void TMerchant::SetAdditionalInstruction(const QString& value) { SetValue(QStringLiteral("InstructTitle"), value); }
QString TMerchant::BGColor() const { return GetString(QStringLiteral("ChkoutBkColor")); }
void TMerchant::SetBGColor(const QString& value) { SetValue(QStringLiteral("ChkoutBkColor"), value); }

quint32 TMerchant::LanguageID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("LanguageID"))); }
void TMerchant::SetLanguageID(qint64 value) { SetValue(QStringLiteral("LanguageID"), CommerceValues::CheckedUnsigned(value, "LanguageID")); }
quint32 TMerchant::StateID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("StateID"))); }
void TMerchant::SetStateID(qint64 value) { SetValue(QStringLiteral("StateID"), CommerceValues::CheckedUnsigned(value, "StateID")); }
quint32 TMerchant::CountryID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("CountryID"))); }
void TMerchant::SetCountryID(qint64 value) { SetValue(QStringLiteral("CountryID"), CommerceValues::CheckedUnsigned(value, "CountryID")); }
quint32 TMerchant::CurrencyID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("DefaultCurrency"))); }
void TMerchant::SetCurrencyID(qint64 value) { SetValue(QStringLiteral("DefaultCurrency"), CommerceValues::CheckedUnsigned(value, "CurrencyID")); }

QString TMerchant::CountryName() const
{
    const QString fallback = QStringLiteral("Australia");
    try {
        const qint64 countryId = GetInteger(QStringLiteral("CountryID"));
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
        return fallback;
    }
}

bool TMerchant::AcceptLocalOrders() const { return GetBoolean(QStringLiteral("AcceptLocal")); }
void TMerchant::SetAcceptLocalOrders(bool value) { SetValue(QStringLiteral("AcceptLocal"), value); }
bool TMerchant::AcceptDomesticOrders() const { return GetBoolean(QStringLiteral("AcceptInterstate")); }
void TMerchant::SetAcceptDomesticOrders(bool value) { SetValue(QStringLiteral("AcceptInterstate"), value); }
bool TMerchant::AcceptInternationalOrders() const { return GetBoolean(QStringLiteral("AcceptInternational")); }
void TMerchant::SetAcceptInternationalOrders(bool value) { SetValue(QStringLiteral("AcceptInternational"), value); }
int TMerchant::FreightMode() const { return int(GetInteger(QStringLiteral("DefaultFreightMode"))); }
void TMerchant::SetFreightMode(int value) { SetValue(QStringLiteral("DefaultFreightMode"), value); }
TMoney TMerchant::InitialLocalFreight() const { return GetMoney(QStringLiteral("InitialFreightCharge")); }
void TMerchant::SetInitialLocalFreight(TMoney value) { SetValue(QStringLiteral("InitialFreightCharge"), QVariant::fromValue(value)); }
TMoney TMerchant::InitialDomesticFreight() const { return GetMoney(QStringLiteral("InitialInterstateFreight")); }
void TMerchant::SetInitialDomesticFreight(TMoney value) { SetValue(QStringLiteral("InitialInterstateFreight"), QVariant::fromValue(value)); }
TMoney TMerchant::InitialInternationalFreight() const { return GetMoney(QStringLiteral("InitialOverseasFreight")); }
void TMerchant::SetInitialInternationalFreight(TMoney value) { SetValue(QStringLiteral("InitialOverseasFreight"), QVariant::fromValue(value)); }
double TMerchant::TaxOnFreightDomestic() const { return GetFloat(QStringLiteral("DomFreightTax")); }
void TMerchant::SetTaxOnFreightDomestic(double value) { SetValue(QStringLiteral("DomFreightTax"), value); }
double TMerchant::TaxOnFreightInternational() const { return GetFloat(QStringLiteral("IntFreightTax")); }
void TMerchant::SetTaxOnFreightInternational(double value) { SetValue(QStringLiteral("IntFreightTax"), value); }
bool TMerchant::ShowPriceExTax() const { return GetBoolean(QStringLiteral("ShowPriceExTax")); }
void TMerchant::SetShowPriceExTax(bool value) { SetValue(QStringLiteral("ShowPriceExTax"), value); }
bool TMerchant::ShowPriceIncTax() const { return GetBoolean(QStringLiteral("ShowPriceIncTax")); }
void TMerchant::SetShowPriceIncTax(bool value) { SetValue(QStringLiteral("ShowPriceIncTax"), value); }
bool TMerchant::ShowTaxAmount() const { return GetBoolean(QStringLiteral("ShowTaxAmt")); }
void TMerchant::SetShowTaxAmount(bool value) { SetValue(QStringLiteral("ShowTaxAmt"), value); }
bool TMerchant::ShowTaxPercent() const { return GetBoolean(QStringLiteral("ShowTaxPercent")); }
void TMerchant::SetShowTaxPercent(bool value) { SetValue(QStringLiteral("ShowTaxPercent"), value); }
bool TMerchant::ServerUpdated() const { return GetBoolean(QStringLiteral("ServerUpdated")); }
void TMerchant::SetServerUpdated(bool value) { SetValue(QStringLiteral("ServerUpdated"), value); }
QString TMerchant::TitleColor() const { return GetString(QStringLiteral("TitleColor")); }
void TMerchant::SetTitleColor(const QString& value) { SetValue(QStringLiteral("TitleColor"), value); }
QString TMerchant::TitleFontColor() const { return GetString(QStringLiteral("TitleFontColor")); }
void TMerchant::SetTitleFontColor(const QString& value) { SetValue(QStringLiteral("TitleFontColor"), value); }
QString TMerchant::CellColor() const { return GetString(QStringLiteral("CellColor")); }
void TMerchant::SetCellColor(const QString& value) { SetValue(QStringLiteral("CellColor"), value); }
QString TMerchant::CellFontCOlor() const { return GetString(QStringLiteral("CellFontColor")); }
void TMerchant::SetCellFontCOlor(const QString& value) { SetValue(QStringLiteral("CellFontColor"), value); }

QString TMerchant::CartTitleText() const
{
    const QString text = GetString(QStringLiteral("CartTitleText"));
    if (text.trimmed().isEmpty())
        return LangStr(1522);
    return text;
}

void TMerchant::SetCartTitleText(const QString& value) { SetValue(QStringLiteral("CartTitleText"), value); }
bool TMerchant::BriefDescInSearch() const { return GetBoolean(QStringLiteral("BriefDescInSearch")); }
void TMerchant::SetBriefDescInSearch(bool value) { SetValue(QStringLiteral("BriefDescInSearch"), value); }
QString TMerchant::BriefDescription() const { return GetString(QStringLiteral("BriefMerchantDesc")); }
void TMerchant::SetBriefDescription(const QString& value) { SetValue(QStringLiteral("BriefMerchantDesc"), value); }
QString TMerchant::KeywordsMetaTags() const { return GetString(QStringLiteral("KeywordsMetatags")); }
void TMerchant::SetKeywordsMetaTags(const QString& value) { SetValue(QStringLiteral("KeywordsMetatags"), value); }

QString TMerchant::BGColorText(int red, int green, int blue)
{
    return CommerceValues::ColourDigits(red, green, blue);
}

QString TMerchant::CartColorText(int red, int green, int blue)
{
    return u'#' + CommerceValues::ColourDigits(red, green, blue);
}

const TPropertyTable& TMerchant::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TMerchant::PropertyTable()
{
    using T = TMerchant;
    using P = TPropertyType;
    static const TPropertyTable table{
        Published("ID", P::Unsigned, &T::ID, &T::SetID),
        Published("Name", P::String, &T::Name, &T::SetName),
        Published("ContactName", P::String, &T::ContactName, &T::SetContactName),
        Published("Address", P::String, &T::Address, &T::SetAddress),
        Published("City", P::String, &T::City, &T::SetCity),
        Published("Postcode", P::String, &T::Postcode, &T::SetPostcode),
        Published("Phone", P::String, &T::Phone, &T::SetPhone),
        Published("Fax", P::String, &T::Fax, &T::SetFax),
        Published("EmailAddress", P::String, &T::EmailAddress, &T::SetEmailAddress),
        Published("WebPage", P::String, &T::WebPage, &T::SetWebPage),
        Published("Description", P::String, &T::Description, &T::SetDescription),
        Published("Active", P::Boolean, &T::Active, &T::SetActive),
        Published("Disclaimer", P::String, &T::Disclaimer, &T::SetDisclaimer),
        Published("AdditionalInstruction", P::String, &T::AdditionalInstruction, &T::SetAdditionalInstruction),
        Published("BGColor", P::String, &T::BGColor, &T::SetBGColor),
        Published("LanguageID", P::Unsigned, &T::LanguageID, &T::SetLanguageID),
        Published("StateID", P::Unsigned, &T::StateID, &T::SetStateID),
        Published("CountryID", P::Unsigned, &T::CountryID, &T::SetCountryID),
        Published("CurrencyID", P::Unsigned, &T::CurrencyID, &T::SetCurrencyID),
        Published("CountryName", P::String, &T::CountryName),
        Published("AcceptLocalOrders", P::Boolean, &T::AcceptLocalOrders, &T::SetAcceptLocalOrders),
        Published("AcceptDomesticOrders", P::Boolean, &T::AcceptDomesticOrders, &T::SetAcceptDomesticOrders),
        Published("AcceptInternationalOrders", P::Boolean, &T::AcceptInternationalOrders, &T::SetAcceptInternationalOrders),
        Published("FreightMode", P::Integer, &T::FreightMode, &T::SetFreightMode),
        Published("InitialLocalFreight", P::Currency, &T::InitialLocalFreight, &T::SetInitialLocalFreight),
        Published("InitialDomesticFreight", P::Currency, &T::InitialDomesticFreight, &T::SetInitialDomesticFreight),
        Published("InitialInternationalFreight", P::Currency, &T::InitialInternationalFreight, &T::SetInitialInternationalFreight),
        Published("TaxOnFreightDomestic", P::Float, &T::TaxOnFreightDomestic, &T::SetTaxOnFreightDomestic),
        Published("TaxOnFreightInternational", P::Float, &T::TaxOnFreightInternational, &T::SetTaxOnFreightInternational),
        Published("ShowPriceExTax", P::Boolean, &T::ShowPriceExTax, &T::SetShowPriceExTax),
        Published("ShowPriceIncTax", P::Boolean, &T::ShowPriceIncTax, &T::SetShowPriceIncTax),
        Published("ShowTaxAmount", P::Boolean, &T::ShowTaxAmount, &T::SetShowTaxAmount),
        Published("ShowTaxPercent", P::Boolean, &T::ShowTaxPercent, &T::SetShowTaxPercent),
        Published("ServerUpdated", P::Boolean, &T::ServerUpdated, &T::SetServerUpdated),
        Published("TitleColor", P::String, &T::TitleColor, &T::SetTitleColor),
        Published("TitleFontColor", P::String, &T::TitleFontColor, &T::SetTitleFontColor),
        Published("CellColor", P::String, &T::CellColor, &T::SetCellColor),
        Published("CellFontCOlor", P::String, &T::CellFontCOlor, &T::SetCellFontCOlor),
        Published("CartTitleText", P::String, &T::CartTitleText, &T::SetCartTitleText),
        Published("BriefDescInSearch", P::Boolean, &T::BriefDescInSearch, &T::SetBriefDescInSearch),
        Published("BriefDescription", P::String, &T::BriefDescription, &T::SetBriefDescription),
        Published("KeywordsMetaTags", P::String, &T::KeywordsMetaTags, &T::SetKeywordsMetaTags),
    };
    return table;
}
