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
    void SetID(qint64 value);
    QString Name() const;
    void SetName(const QString& value);
    QString ContactName() const;
    void SetContactName(const QString& value);
    QString Address() const;
    void SetAddress(const QString& value);
    QString City() const;
    void SetCity(const QString& value);
    QString Postcode() const;
    void SetPostcode(const QString& value);
    QString Phone() const;
    void SetPhone(const QString& value);
    QString Fax() const;
    void SetFax(const QString& value);
    QString EmailAddress() const;
    void SetEmailAddress(const QString& value);
    QString WebPage() const;
    void SetWebPage(const QString& value);
    QString Description() const;
    void SetDescription(const QString& value);
    bool Active() const;
    void SetActive(bool value);
    QString Disclaimer() const;
    void SetDisclaimer(const QString& value);
    QString AdditionalInstruction() const;
    void SetAdditionalInstruction(const QString& value);
    // Checkout background: six lower-case hexadecimal digits (BGColorText).
    QString BGColor() const;
    void SetBGColor(const QString& value);
    quint32 LanguageID() const;
    void SetLanguageID(qint64 value);
    quint32 StateID() const;
    void SetStateID(qint64 value);
    quint32 CountryID() const;
    void SetCountryID(qint64 value);
    quint32 CurrencyID() const;
    void SetCurrencyID(qint64 value);
    // The English name of CountryID from the common database; "Australia" when
    // the lookup fails for any reason.
    QString CountryName() const;
    bool AcceptLocalOrders() const;
    void SetAcceptLocalOrders(bool value);
    bool AcceptDomesticOrders() const;
    void SetAcceptDomesticOrders(bool value);
    bool AcceptInternationalOrders() const;
    void SetAcceptInternationalOrders(bool value);
    int FreightMode() const;
    void SetFreightMode(int value);
    TMoney InitialLocalFreight() const;
    void SetInitialLocalFreight(TMoney value);
    TMoney InitialDomesticFreight() const;
    void SetInitialDomesticFreight(TMoney value);
    TMoney InitialInternationalFreight() const;
    void SetInitialInternationalFreight(TMoney value);
    // Percentages: 12.5 is 12.5 %.
    double TaxOnFreightDomestic() const;
    void SetTaxOnFreightDomestic(double value);
    double TaxOnFreightInternational() const;
    void SetTaxOnFreightInternational(double value);
    bool ShowPriceExTax() const;
    void SetShowPriceExTax(bool value);
    bool ShowPriceIncTax() const;
    void SetShowPriceIncTax(bool value);
    bool ShowTaxAmount() const;
    void SetShowTaxAmount(bool value);
    bool ShowTaxPercent() const;
    void SetShowTaxPercent(bool value);
    bool ServerUpdated() const;
    void SetServerUpdated(bool value);
    // Cart colours: "#" and six lower-case hexadecimal digits (CartColorText).
    QString TitleColor() const;
    void SetTitleColor(const QString& value);
    QString TitleFontColor() const;
    void SetTitleFontColor(const QString& value);
    QString CellColor() const;
    void SetCellColor(const QString& value);
    QString CellFontCOlor() const;
    void SetCellFontCOlor(const QString& value);
    // A blank stored text reads as the default title (language string 1522).
    QString CartTitleText() const;
    void SetCartTitleText(const QString& value);
    bool BriefDescInSearch() const;
    void SetBriefDescInSearch(bool value);
    QString BriefDescription() const;
    void SetBriefDescription(const QString& value);
    QString KeywordsMetaTags() const;
    void SetKeywordsMetaTags(const QString& value);

    static const TRecordDeclaration& Declaration();

    // The stored forms of colours: "rrggbb" for the checkout background,
    // "#rrggbb" for the cart colours.
    static QString BGColorText(int red, int green, int blue);
    static QString CartColorText(int red, int green, int blue);
};
