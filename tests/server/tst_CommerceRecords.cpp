#include "CommerceStore.h"
#include "TCommerceRecordClasses.h"
#include "TGlobalResourceManager.h"
#include "TRecordClasses.h"
#include "TAcceptedAccounts.h"
#include "TAcceptedCards.h"
#include "TFreightRanges.h"
#include "TMerchant.h"
#include "TPaymentMethods.h"
#include "TPromotion.h"
#include "TPromotionTypes.h"
#include "TTaxes.h"
#include "TestSupport.h"

#include <QLocale>
#include <QtTest>

namespace {

// One property write and what reading it back must give. The value is given
// as an import would (text) or as a window would (the property's own type).
struct RoundTrip
{
    const char* className;
    const char* property;
    QVariant input;
    QString expected; // canonical text, see Canonical()
};

QString Canonical(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return QStringLiteral("<null>");
    if (v.typeId() == qMetaTypeId<TMoney>())
        return v.value<TMoney>().Format(4);
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 17);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(Qt::ISODate);
    default:
        return v.toString();
    }
}

QVariant Money(const char* text)
{
    return QVariant::fromValue(*TMoney::Parse(QString::fromLatin1(text)));
}

const QList<RoundTrip>& RoundTrips()
{
    static const QList<RoundTrip> rows{
        {"TMerchant", "ID", QStringLiteral("4000000000"), "4000000000"},
        {"TMerchant", "Name", QStringLiteral("Fern & Frond \"Nursery\""), "Fern & Frond \"Nursery\""},
        {"TMerchant", "ContactName", QStringLiteral("Ana O'Neill"), "Ana O'Neill"},
        {"TMerchant", "Address", QStringLiteral("1 Leaf Lane\r\nLevel 2"), "1 Leaf Lane\r\nLevel 2"},
        {"TMerchant", "City", QStringLiteral("Ōtautahi"), "Ōtautahi"},
        {"TMerchant", "Postcode", QStringLiteral("8011"), "8011"},
        {"TMerchant", "Phone", QStringLiteral("+64 3 555 0101"), "+64 3 555 0101"},
        {"TMerchant", "Fax", QStringLiteral("+64 3 555 0102"), "+64 3 555 0102"},
        {"TMerchant", "EmailAddress", QStringLiteral("shop@example.net"), "shop@example.net"},
        {"TMerchant", "WebPage", QStringLiteral("https://shop.example.net/"), "https://shop.example.net/"},
        {"TMerchant", "Description", QStringLiteral("<p>Ferns, mosses & more</p>"), "<p>Ferns, mosses & more</p>"},
        {"TMerchant", "Active", QStringLiteral("False"), "false"},
        {"TMerchant", "Disclaimer", QStringLiteral("Prices include GST."), "Prices include GST."},
        {"TMerchant", "AdditionalInstruction", QStringLiteral("Delivery notes"), "Delivery notes"},
        {"TMerchant", "BGColor", TMerchant::BGColorText(0xf0, 0xf8, 0xff), "f0f8ff"},
        {"TMerchant", "LanguageID", 1028, "1028"},
        {"TMerchant", "StateID", QStringLiteral("12"), "12"},
        {"TMerchant", "CountryID", 554, "554"},
        {"TMerchant", "CurrencyID", QStringLiteral("554"), "554"},
        {"TMerchant", "AcceptLocalOrders", true, "true"},
        {"TMerchant", "AcceptDomesticOrders", QStringLiteral("yes"), "true"},
        {"TMerchant", "AcceptInternationalOrders", QStringLiteral("1"), "true"},
        {"TMerchant", "FreightMode", QStringLiteral("5"), "5"},
        {"TMerchant", "InitialLocalFreight", QStringLiteral("4.9995"), "4.9995"},
        {"TMerchant", "InitialDomesticFreight", Money("12.3456"), "12.3456"},
        {"TMerchant", "InitialInternationalFreight", QStringLiteral("0.0001"), "0.0001"},
        {"TMerchant", "TaxOnFreightDomestic", QStringLiteral("12.5"), "12.5"},
        {"TMerchant", "TaxOnFreightInternational", 0.25, "0.25"},
        {"TMerchant", "ShowPriceExTax", true, "true"},
        {"TMerchant", "ShowPriceIncTax", QStringLiteral("True"), "true"},
        {"TMerchant", "ShowTaxAmount", true, "true"},
        {"TMerchant", "ShowTaxPercent", QStringLiteral("T"), "true"},
        {"TMerchant", "ServerUpdated", true, "true"},
        {"TMerchant", "TitleColor", TMerchant::CartColorText(0, 0, 0x80), "#000080"},
        {"TMerchant", "TitleFontColor", QStringLiteral("#ffffff"), "#ffffff"},
        {"TMerchant", "CellColor", QStringLiteral("#808080"), "#808080"},
        {"TMerchant", "CellFontCOlor", QStringLiteral("#000000"), "#000000"},
        {"TMerchant", "CartTitleText", QStringLiteral("<h2>Your order</h2>"), "<h2>Your order</h2>"},
        {"TMerchant", "BriefDescInSearch", true, "true"},
        {"TMerchant", "BriefDescription", QStringLiteral("Native plants"), "Native plants"},
        {"TMerchant", "KeywordsMetaTags", QStringLiteral("ferns, moss"), "ferns, moss"},

        {"TFreightRange", "ModeType", QStringLiteral("3"), "3"},
        {"TFreightRange", "Minimum", QStringLiteral("0.5"), "0.5"},
        {"TFreightRange", "Maximum", 99.99, "99.989999999999995"},
        {"TFreightRange", "AmountLocal", QStringLiteral("5.55"), "5.5500"},
        {"TFreightRange", "AmountDomestic", Money("7.1234"), "7.1234"},
        {"TFreightRange", "AmountInternational", QStringLiteral("19.99995"), "20.0000"},
        {"TFreightRange", "MinWeight", QStringLiteral("200"), "200"},
        {"TFreightRange", "MaxWeight", 100.0, "100"},
        {"TFreightRange", "WeightLocal", QStringLiteral("1.0001"), "1.0001"},
        {"TFreightRange", "WeightDomestic", Money("2.5"), "2.5000"},
        {"TFreightRange", "WeightInternational", 3.25, "3.2500"},
        {"TFreightRange", "PercentageLocal", QStringLiteral("2.5"), "2.5"},
        {"TFreightRange", "PercentageDomestic", 5.0, "5"},
        {"TFreightRange", "PercentageInternational", QStringLiteral("100"), "100"},

        {"TPromotion", "ID", 7, "7"},
        {"TPromotion", "Name", QStringLiteral("Spring sale"), "Spring sale"},
        {"TPromotion", "Description", QStringLiteral("10% off \"everything\""), "10% off \"everything\""},
        {"TPromotion", "PromotionType", QStringLiteral("3"), "3"},
        {"TPromotion", "Active", QStringLiteral("true"), "true"},
        {"TPromotion", "Percentage", QStringLiteral("12.75"), "12.75"},
        {"TPromotion", "SpendThreshold", QStringLiteral("150"), "150.0000"},
        {"TPromotion", "Amount", Money("9.9999"), "9.9999"},
        {"TPromotion", "ExpiryDate", QStringLiteral("2026-12-31"), "2026-12-31T00:00:00"},
        {"TPromotion", "PurchaseThreshold", 4, "4"},

        {"TTax", "Name", QStringLiteral("GST"), "GST"},
        {"TTax", "DomesticRate", QStringLiteral("15"), "15"},
        {"TTax", "InternationalRate", 0.0, "0"},

        {"TPaymentMethod", "Method", QStringLiteral("12"), "12"},
        {"TPaymentMethod", "Instruction", QStringLiteral("Pay at the door"), "Pay at the door"},
        {"TPaymentMethod", "Active", true, "true"},
        {"TPaymentMethod", "RealTimeID", QStringLiteral("M-42"), "M-42"},
        {"TPaymentMethod", "RealTimePassword", QStringLiteral("s3cr'et\""), "s3cr'et\""},
        {"TPaymentMethod", "RealTimeAuthID", QStringLiteral("AUTH-9"), "AUTH-9"},

        {"TAcceptedCard", "CardName", QStringLiteral("Visa"), "Visa"},
        {"TAcceptedAccount", "AccountName", QStringLiteral("Trade account"), "Trade account"},
    };
    return rows;
}

} // namespace

class tst_CommerceRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void publishedProperties_data();
    void publishedProperties();
    void everyWritablePropertyRoundTrips();
    void propertiesRoundTripByName_data();
    void propertiesRoundTripByName();
    void commaLocaleKeepsStoredValues();
    void badValuesAreRefusedAndLoseNothing_data();
    void badValuesAreRefusedAndLoseNothing();
    void promotionRowMadeOnFirstAccess();
    void promotionPercentageAboveHundredRefused();
    void promotionTypeChosenByName_data();
    void promotionTypeChosenByName();
    void accessorsCacheAllButAcceptedCards();
    void templatesFindTheClassesByName();

private:
    TRef<TItem> NewItem(const QString& className);
    TRef<TItem> ReadBack(const QString& className);
    const TPropertyTable& PropertiesOf(const QString& className);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
};

void tst_CommerceRecords::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("store")), TStoreKind::EmptyTables);
}

void tst_CommerceRecords::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_app.reset();
    m_db.reset();
}

const TPropertyTable& tst_CommerceRecords::PropertiesOf(const QString& className)
{
    if (className == u"TMerchant")
        return TMerchant::PropertyTable();
    if (className == u"TFreightRange")
        return TFreightRange::PropertyTable();
    if (className == u"TPromotion")
        return TPromotion::PropertyTable();
    if (className == u"TTax")
        return TTax::PropertyTable();
    if (className == u"TPaymentMethod")
        return TPaymentMethod::PropertyTable();
    if (className == u"TAcceptedCard")
        return TAcceptedCard::PropertyTable();
    return TAcceptedAccount::PropertyTable();
}

// A record of the class to write: the single rows themselves, or a new row.
TRef<TItem> tst_CommerceRecords::NewItem(const QString& className)
{
    if (className == u"TMerchant")
        return TRef<TItem>(m_app->Merchant());
    if (className == u"TPromotion")
        return TRef<TItem>(m_app->Promotion());
    if (className == u"TFreightRange")
        return TRef<TItem>(m_app->FreightRanges()->Add());
    if (className == u"TTax")
        return TRef<TItem>(m_app->Taxes()->Add());
    if (className == u"TPaymentMethod")
        return TRef<TItem>(m_app->PaymentMethods()->Add());
    if (className == u"TAcceptedCard")
        return TRef<TItem>(m_app->AcceptedCards()->Add());
    return TRef<TItem>(m_app->AcceptedAccounts()->Add());
}

// The same record read through objects of its own over a freshly opened table.
TRef<TItem> tst_CommerceRecords::ReadBack(const QString& className)
{
    static const QHash<QString, QString> tables{{"TMerchant", "MerchantSettings"}, {"TPromotion", "Promotions"},
                                                {"TFreightRange", "FreightModeRanges"}, {"TTax", "Taxes"},
                                                {"TPaymentMethod", "PaymentMethods"}, {"TAcceptedCard", "AcceptedCard"},
                                                {"TAcceptedAccount", "AcceptedAccount"}};
    auto table = m_app->OpenSharedTable(tables.value(className));
    if (className == u"TMerchant")
        return TRef<TItem>(new TMerchant(table));
    if (className == u"TPromotion")
        return TRef<TItem>(new TPromotion(table));
    table->Last();
    if (className == u"TFreightRange")
        return TRef<TItem>(new TFreightRange(table));
    if (className == u"TTax")
        return TRef<TItem>(new TTax(table));
    if (className == u"TPaymentMethod")
        return TRef<TItem>(new TPaymentMethod(table));
    if (className == u"TAcceptedCard")
        return TRef<TItem>(new TAcceptedCard(table));
    return TRef<TItem>(new TAcceptedAccount(table));
}

void tst_CommerceRecords::publishedProperties_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("types"); // one letter per property: U I S C F B D
    QTest::addColumn<QStringList>("readOnly");

    QTest::newRow("TMerchant") << "TMerchant"
        << QStringList{"ID", "Name", "ContactName", "Address", "City", "Postcode", "Phone", "Fax", "EmailAddress",
                       "WebPage", "Description", "Active", "Disclaimer", "AdditionalInstruction", "BGColor", "LanguageID",
                       "StateID", "CountryID", "CurrencyID", "CountryName", "AcceptLocalOrders", "AcceptDomesticOrders",
                       "AcceptInternationalOrders", "FreightMode", "InitialLocalFreight", "InitialDomesticFreight",
                       "InitialInternationalFreight", "TaxOnFreightDomestic", "TaxOnFreightInternational",
                       "ShowPriceExTax", "ShowPriceIncTax", "ShowTaxAmount", "ShowTaxPercent", "ServerUpdated",
                       "TitleColor", "TitleFontColor", "CellColor", "CellFontCOlor", "CartTitleText",
                       "BriefDescInSearch", "BriefDescription", "KeywordsMetaTags"}
        << "USSSSSSSSSSBSSSUUUUSBBBICCCFFBBBBBSSSSSBSS" << QStringList{"CountryName"};
    QTest::newRow("TFreightRange") << "TFreightRange"
        << QStringList{"ModeType", "Minimum", "Maximum", "AmountLocal", "AmountDomestic", "AmountInternational",
                       "MinWeight", "MaxWeight", "WeightLocal", "WeightDomestic", "WeightInternational",
                       "PercentageLocal", "PercentageDomestic", "PercentageInternational"}
        << "UFFCCCFFCCCFFF" << QStringList();
    QTest::newRow("TPromotion") << "TPromotion"
        << QStringList{"ID", "Name", "Description", "PromotionType", "Active", "Percentage", "SpendThreshold", "Amount",
                       "ExpiryDate", "PurchaseThreshold"}
        << "USSIBFCCDI" << QStringList();
    QTest::newRow("TTax") << "TTax" << QStringList{"ID", "Name", "DomesticRate", "InternationalRate"} << "USFF"
                          << QStringList{"ID"};
    QTest::newRow("TPaymentMethod") << "TPaymentMethod"
        << QStringList{"Method", "Instruction", "Active", "RealTimeID", "RealTimePassword", "RealTimeAuthID"}
        << "USBSSS" << QStringList();
    QTest::newRow("TAcceptedCard") << "TAcceptedCard" << QStringList{"CardName"} << "S" << QStringList();
    QTest::newRow("TAcceptedAccount") << "TAcceptedAccount" << QStringList{"AccountName"} << "S" << QStringList();
}

void tst_CommerceRecords::publishedProperties()
{
    QFETCH(QString, className);
    QFETCH(QStringList, names);
    QFETCH(QString, types);
    QFETCH(QStringList, readOnly);
    const TPropertyTable& table = PropertiesOf(className);
    // Templates match names exactly as published, letter case included.
    QCOMPARE(table.Names(), names);
    static const QHash<QChar, TPropertyType> typeOf{
        {u'U', TPropertyType::Unsigned}, {u'I', TPropertyType::Integer}, {u'S', TPropertyType::String},
        {u'C', TPropertyType::Currency}, {u'F', TPropertyType::Float}, {u'B', TPropertyType::Boolean},
        {u'D', TPropertyType::DateTime}};
    QCOMPARE(types.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        const TPropertyInfo& p = table.Properties()[i];
        QVERIFY2(p.type == typeOf.value(types[i]), qPrintable(p.name));
        QVERIFY(p.CanRead());
        QCOMPARE(p.CanWrite(), !readOnly.contains(p.name));
    }
}

void tst_CommerceRecords::everyWritablePropertyRoundTrips()
{
    // The round-trip table below must not fall behind the published properties.
    for (const char* className : {"TMerchant", "TFreightRange", "TPromotion", "TTax", "TPaymentMethod", "TAcceptedCard",
                                  "TAcceptedAccount"}) {
        for (const TPropertyInfo& p : PropertiesOf(QString::fromLatin1(className)).Properties()) {
            if (!p.CanWrite())
                continue;
            const bool covered = std::any_of(RoundTrips().begin(), RoundTrips().end(), [&](const RoundTrip& r) {
                return QLatin1StringView(r.className) == QLatin1StringView(className) && QString::fromLatin1(r.property) == p.name;
            });
            QVERIFY2(covered, qPrintable(QStringLiteral("%1.%2").arg(QString::fromLatin1(className), p.name)));
        }
    }
}

void tst_CommerceRecords::propertiesRoundTripByName_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("commaLocale");
    for (bool comma : {false, true}) {
        for (const RoundTrip& r : RoundTrips()) {
            QTest::addRow("%s.%s%s", r.className, r.property, comma ? " (comma locale)" : "")
                << QString::fromLatin1(r.className) << QString::fromLatin1(r.property) << r.input << r.expected << comma;
        }
    }
}

void tst_CommerceRecords::propertiesRoundTripByName()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, input);
    QFETCH(QString, expected);
    QFETCH(bool, commaLocale);
    if (commaLocale)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TRef<TItem> item = NewItem(className);
    item->SetProperty(property, input);
    item->Save();
    QCOMPARE(Canonical(item->GetProperty(property)), expected);
    // Found again by any letter case, through other objects over another table.
    TRef<TItem> again = ReadBack(className);
    QCOMPARE(Canonical(again->GetProperty(property.toUpper())), expected);
}

void tst_CommerceRecords::commaLocaleKeepsStoredValues()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetProperty(QStringLiteral("InitialLocalFreight"), QStringLiteral("12.5"));
    merchant->SetInitialDomesticFreight(*TMoney::ParseLenient(QStringLiteral("7,25"), QLocale().decimalPoint()[0]));
    merchant->SetProperty(QStringLiteral("TaxOnFreightDomestic"), QStringLiteral("12.5"));
    merchant->Save();
    TRef<TFreightRange> range = m_app->FreightRanges()->Add();
    range->SetProperty(QStringLiteral("Minimum"), QStringLiteral("0.75"));
    range->SetProperty(QStringLiteral("AmountLocal"), QStringLiteral("1.0005"));
    range->Save();

    TStatement stored(*m_db, QStringLiteral("SELECT InitialFreightCharge, InitialInterstateFreight, DomFreightTax, "
                                            "typeof(InitialFreightCharge), typeof(DomFreightTax) FROM MerchantSettings"));
    QVERIFY(stored.Step());
    QCOMPARE(stored.Value(0), QVariant(qint64(125000)));
    QCOMPARE(stored.Value(1), QVariant(qint64(72500)));
    QCOMPARE(stored.Value(2), QVariant(12.5));
    QCOMPARE(stored.Value(3).toString(), QStringLiteral("integer"));
    QCOMPARE(stored.Value(4).toString(), QStringLiteral("real"));
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Minimum FROM FreightModeRanges")), QVariant(0.75));
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT AmountLocal FROM FreightModeRanges")), QVariant(qint64(10005)));
}

void tst_CommerceRecords::badValuesAreRefusedAndLoseNothing_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("good");
    QTest::addColumn<QVariant>("bad");

    QTest::newRow("money that is not a number") << "TMerchant" << "InitialLocalFreight" << QVariant(QStringLiteral("4.5")) << QVariant(QStringLiteral("ten"));
    QTest::newRow("money with a thousands separator") << "TMerchant" << "InitialLocalFreight" << QVariant(QStringLiteral("4.5")) << QVariant(QStringLiteral("1,000.00"));
    QTest::newRow("negative country") << "TMerchant" << "CountryID" << QVariant(36) << QVariant(-3);
    QTest::newRow("negative language") << "TMerchant" << "LanguageID" << QVariant(1028) << QVariant(QStringLiteral("-3081"));
    QTest::newRow("percent that is not a number") << "TMerchant" << "TaxOnFreightDomestic" << QVariant(10.0) << QVariant(QStringLiteral("12,5%"));
    QTest::newRow("Boolean that is not one") << "TMerchant" << "ShowTaxAmount" << QVariant(true) << QVariant(QStringLiteral("perhaps"));
    QTest::newRow("promotion above 100 %") << "TPromotion" << "Percentage" << QVariant(15.0) << QVariant(100.01);
    QTest::newRow("date that is not one") << "TPromotion" << "ExpiryDate" << QVariant(QStringLiteral("2027-01-02")) << QVariant(QStringLiteral("31/31/2026"));
    QTest::newRow("negative payment method") << "TPaymentMethod" << "Method" << QVariant(4) << QVariant(-1);
}

void tst_CommerceRecords::badValuesAreRefusedAndLoseNothing()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, good);
    QFETCH(QVariant, bad);
    TRef<TItem> item = NewItem(className);
    item->SetProperty(property, good);
    item->Save();
    const QString before = Canonical(item->GetProperty(property));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, item->SetProperty(property, bad));
    item->Cancel();
    QCOMPARE(Canonical(ReadBack(className)->GetProperty(property)), before);
}

void tst_CommerceRecords::promotionRowMadeOnFirstAccess()
{
    QCOMPARE(RowCount(*m_db, QStringLiteral("Promotions")), 0);
    TRef<TPromotion> promotion = m_app->Promotion();
    QCOMPARE(RowCount(*m_db, QStringLiteral("Promotions")), 1);
    QCOMPARE(promotion->PromotionType(), 0); // no type chosen yet
    QVERIFY(!promotion->Active());
    promotion->SetName(QStringLiteral("Winter"));
    promotion->Save();

    // Later accesses, other promotion objects and a new attach make no more rows.
    QCOMPARE(m_app->Promotion().get(), promotion.get());
    TPromotion other(m_app->OpenSharedTable(QStringLiteral("Promotions")));
    QCOMPARE(other.Name(), QStringLiteral("Winter"));
    m_app->SetDatabase(m_db);
    QCOMPARE(promotion->Name(), QStringLiteral("Winter"));
    QCOMPARE(RowCount(*m_db, QStringLiteral("Promotions")), 1);

    // The cached promotion moves to another store and makes that store's row.
    auto second = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("second")), TStoreKind::EmptyTables);
    QCOMPARE(RowCount(*second, QStringLiteral("Promotions")), 1);
    QCOMPARE(promotion->Name(), QString());
    QCOMPARE(RowCount(*m_db, QStringLiteral("Promotions")), 1);
}

void tst_CommerceRecords::promotionPercentageAboveHundredRefused()
{
    TRef<TPromotion> promotion = m_app->Promotion();
    promotion->SetPercentage(100.0);
    promotion->Save();
    try {
        promotion->SetPercentage(100.01);
        QFAIL("a percentage above 100 was accepted");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(865));
    }
    promotion->Cancel();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Percentage FROM Promotions")).toDouble(), 100.0);
}

void tst_CommerceRecords::promotionTypeChosenByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("values"); // P percentage, S spend threshold, A amount, N item count
    QTest::newRow("1") << "Fixed Percentage off the Subtotal" << 1 << "P";
    QTest::newRow("2") << "Spend over X amount and get a percentage off" << 2 << "SP";
    QTest::newRow("3") << "Spend over X amount and get a fixed amount off" << 3 << "SA";
    QTest::newRow("4") << "Purchase more than X items and receive a percentage off" << 4 << "NP";
    QTest::newRow("5") << "Purchase more than X items and recieve a fixed amount off" << 5 << "NA";
}

void tst_CommerceRecords::promotionTypeChosenByName()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, values);
    // The editor lists the names in order and stores the chosen position plus one.
    const int position = TPromotionTypes::Names().indexOf(name);
    QCOMPARE(TPromotionTypes::TypeAtPosition(position), type);
    QCOMPARE(TPromotionTypes::PositionOf(type), position);
    QCOMPARE(TPromotionTypes::Name(type), name);
    const TPromotionTypes::Type* t = TPromotionTypes::Find(type);
    QString uses;
    if (t->usesSpendThreshold)
        uses += u'S';
    if (t->usesPurchaseThreshold)
        uses += u'N';
    if (t->usesPercentage)
        uses += u'P';
    if (t->usesAmount)
        uses += u'A';
    QCOMPARE(uses, values);

    TRef<TPromotion> promotion = m_app->Promotion();
    QCOMPARE(TPromotionTypes::PositionOf(promotion->PromotionType()), -1); // none chosen in a new store
    promotion->SetPromotionType(TPromotionTypes::TypeAtPosition(position));
    promotion->Save();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT PromotionType FROM Promotions")).toInt(), type);
}

void tst_CommerceRecords::accessorsCacheAllButAcceptedCards()
{
    QCOMPARE(m_app->Merchant().get(), m_app->Merchant().get());
    QCOMPARE(m_app->Promotion().get(), m_app->Promotion().get());
    QCOMPARE(m_app->FreightRanges().get(), m_app->FreightRanges().get());
    QCOMPARE(m_app->Taxes().get(), m_app->Taxes().get());
    QCOMPARE(m_app->PaymentMethods().get(), m_app->PaymentMethods().get());
    QCOMPARE(m_app->AcceptedAccounts().get(), m_app->AcceptedAccounts().get());
    TRef<TAcceptedCards> first = m_app->AcceptedCards();
    TRef<TAcceptedCards> second = m_app->AcceptedCards();
    QVERIFY(first.get() != second.get());
    QCOMPARE(first->RefCount(), 1); // the caller's reference only
    QCOMPARE(m_app->Taxes()->RefCount(), 2); // the caller's and the cache's

    m_app->CloseDatabase();
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, m_app->AcceptedCards());
}

void tst_CommerceRecords::templatesFindTheClassesByName()
{
    RegisterCommerceRecordClasses();
    RegisterCommerceRecordClasses(); // a second call changes nothing
    for (const char* className : {"TMerchant", "TFreightRange", "TPromotion", "TTax", "TPaymentMethod", "TAcceptedCard",
                                  "TAcceptedAccount"}) {
        const TRecordClass* c = TRecordClasses::Find(QString::fromLatin1(className).toLower());
        QVERIFY2(c, className);
        QCOMPARE(c->properties, &PropertiesOf(QString::fromLatin1(className)));
    }
    QVERIFY(TRecordClasses::FindProperty(QStringLiteral("TMerchant"), QStringLiteral("CellFontCOlor")));
    // Accepted accounts are imported by their name alone, which must be mapped.
    QCOMPARE(TRecordClasses::Find(QStringLiteral("TAcceptedAccount"))->ImportFields(),
             (TFieldList{{QStringLiteral("AccountName"), 1}}));
    QVERIFY(TRecordClasses::Find(QStringLiteral("TMerchant"))->ImportFields().isEmpty());
}

QTEST_GUILESS_MAIN(tst_CommerceRecords)
#include "tst_CommerceRecords.moc"
