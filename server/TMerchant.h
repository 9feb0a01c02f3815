#pragma once

#include "TRecordDeclaration.h"

// The merchant's business details and shop settings: the single row of
// "MerchantSettings". Read by nearly every part of the program.
class TMerchant : public TRecord<TMerchant>
{
public:
    // Binds to the first (the only) row of the table.
    explicit TMerchant(std::shared_ptr<TDataSet> table);
    void Rebind(std::shared_ptr<TDataSet> table) override;

    // The secure server's account number; 0 when there is no account yet (an
    // empty value). A stored value that is not a number raises EQuorvisError.
    quint32 ID() const;
    void SetID(qint64 value) { Write(Cols().ID, value); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& value) { Write(Cols().Name, value); }
    QString ContactName() const { return Read(Cols().ContactName); }
    void SetContactName(const QString& value) { Write(Cols().ContactName, value); }
    QString Address() const { return Read(Cols().Address); }
    void SetAddress(const QString& value) { Write(Cols().Address, value); }
    QString City() const { return Read(Cols().City); }
    void SetCity(const QString& value) { Write(Cols().City, value); }
    QString Postcode() const { return Read(Cols().Postcode); }
    void SetPostcode(const QString& value) { Write(Cols().Postcode, value); }
    QString Phone() const { return Read(Cols().Phone); }
    void SetPhone(const QString& value) { Write(Cols().Phone, value); }
    QString Fax() const { return Read(Cols().Fax); }
    void SetFax(const QString& value) { Write(Cols().Fax, value); }
    QString EmailAddress() const { return Read(Cols().EmailAddress); }
    void SetEmailAddress(const QString& value) { Write(Cols().EmailAddress, value); }
    QString WebPage() const { return Read(Cols().WebPage); }
    void SetWebPage(const QString& value) { Write(Cols().WebPage, value); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& value) { Write(Cols().Description, value); }
    bool Active() const { return Read(Cols().Active); }
    void SetActive(bool value) { Write(Cols().Active, value); }
    QString Disclaimer() const { return Read(Cols().Disclaimer); }
    void SetDisclaimer(const QString& value) { Write(Cols().Disclaimer, value); }
    QString AdditionalInstruction() const { return Read(Cols().AdditionalInstruction); }
    void SetAdditionalInstruction(const QString& value) { Write(Cols().AdditionalInstruction, value); }
    // Checkout background: six lower-case hexadecimal digits (BGColorText).
    QString BGColor() const { return Read(Cols().BGColor); }
    void SetBGColor(const QString& value) { Write(Cols().BGColor, value); }
    quint32 LanguageID() const { return Read(Cols().LanguageID); }
    void SetLanguageID(qint64 value) { Write(Cols().LanguageID, value); }
    quint32 StateID() const { return Read(Cols().StateID); }
    void SetStateID(qint64 value) { Write(Cols().StateID, value); }
    quint32 CountryID() const { return Read(Cols().CountryID); }
    void SetCountryID(qint64 value) { Write(Cols().CountryID, value); }
    quint32 CurrencyID() const { return Read(Cols().CurrencyID); }
    void SetCurrencyID(qint64 value) { Write(Cols().CurrencyID, value); }
    // The English name of CountryID from the common database; "Australia" when
    // the lookup fails for any reason.
    QString CountryName() const;
    bool AcceptLocalOrders() const { return Read(Cols().AcceptLocalOrders); }
    void SetAcceptLocalOrders(bool value) { Write(Cols().AcceptLocalOrders, value); }
    bool AcceptDomesticOrders() const { return Read(Cols().AcceptDomesticOrders); }
    void SetAcceptDomesticOrders(bool value) { Write(Cols().AcceptDomesticOrders, value); }
    bool AcceptInternationalOrders() const { return Read(Cols().AcceptInternationalOrders); }
    void SetAcceptInternationalOrders(bool value) { Write(Cols().AcceptInternationalOrders, value); }
    int FreightMode() const { return Read(Cols().FreightMode); }
    void SetFreightMode(int value) { Write(Cols().FreightMode, value); }
    TMoney InitialLocalFreight() const { return Read(Cols().InitialLocalFreight); }
    void SetInitialLocalFreight(TMoney value) { Write(Cols().InitialLocalFreight, value); }
    TMoney InitialDomesticFreight() const { return Read(Cols().InitialDomesticFreight); }
    void SetInitialDomesticFreight(TMoney value) { Write(Cols().InitialDomesticFreight, value); }
    TMoney InitialInternationalFreight() const { return Read(Cols().InitialInternationalFreight); }
    void SetInitialInternationalFreight(TMoney value) { Write(Cols().InitialInternationalFreight, value); }
    // Percentages: 12.5 is 12.5 %.
    double TaxOnFreightDomestic() const { return Read(Cols().TaxOnFreightDomestic); }
    void SetTaxOnFreightDomestic(double value) { Write(Cols().TaxOnFreightDomestic, value); }
    double TaxOnFreightInternational() const { return Read(Cols().TaxOnFreightInternational); }
    void SetTaxOnFreightInternational(double value) { Write(Cols().TaxOnFreightInternational, value); }
    bool ShowPriceExTax() const { return Read(Cols().ShowPriceExTax); }
    void SetShowPriceExTax(bool value) { Write(Cols().ShowPriceExTax, value); }
    bool ShowPriceIncTax() const { return Read(Cols().ShowPriceIncTax); }
    void SetShowPriceIncTax(bool value) { Write(Cols().ShowPriceIncTax, value); }
    bool ShowTaxAmount() const { return Read(Cols().ShowTaxAmount); }
    void SetShowTaxAmount(bool value) { Write(Cols().ShowTaxAmount, value); }
    bool ShowTaxPercent() const { return Read(Cols().ShowTaxPercent); }
    void SetShowTaxPercent(bool value) { Write(Cols().ShowTaxPercent, value); }
    bool ServerUpdated() const { return Read(Cols().ServerUpdated); }
    void SetServerUpdated(bool value) { Write(Cols().ServerUpdated, value); }
    // Cart colours: "#" and six lower-case hexadecimal digits (CartColorText).
    QString TitleColor() const { return Read(Cols().TitleColor); }
    void SetTitleColor(const QString& value) { Write(Cols().TitleColor, value); }
    QString TitleFontColor() const { return Read(Cols().TitleFontColor); }
    void SetTitleFontColor(const QString& value) { Write(Cols().TitleFontColor, value); }
    QString CellColor() const { return Read(Cols().CellColor); }
    void SetCellColor(const QString& value) { Write(Cols().CellColor, value); }
    QString CellFontCOlor() const { return Read(Cols().CellFontCOlor); }
    void SetCellFontCOlor(const QString& value) { Write(Cols().CellFontCOlor, value); }
    // A blank stored text reads as the default title (language string 1522).
    QString CartTitleText() const;
    void SetCartTitleText(const QString& value) { Write(Cols().CartTitleText, value); }
    bool BriefDescInSearch() const { return Read(Cols().BriefDescInSearch); }
    void SetBriefDescInSearch(bool value) { Write(Cols().BriefDescInSearch, value); }
    QString BriefDescription() const { return Read(Cols().BriefDescription); }
    void SetBriefDescription(const QString& value) { Write(Cols().BriefDescription, value); }
    QString KeywordsMetaTags() const { return Read(Cols().KeywordsMetaTags); }
    void SetKeywordsMetaTags(const QString& value) { Write(Cols().KeywordsMetaTags, value); }

    // The declared columns and properties, in their order.
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
    static const Columns& Cols();

    // The stored forms of colours: "rrggbb" for the checkout background,
    // "#rrggbb" for the cart colours.
    static QString BGColorText(int red, int green, int blue);
    static QString CartColorText(int red, int green, int blue);
};
