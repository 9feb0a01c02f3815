// The shipped sample store, as the program finds it after seeding its program
// folder on first start: it opens, is of the current layout, and holds a whole
// shop that every window and the site build can show.

#include "StoreLayout.h"
#include "TAcceptedCard.h"
#include "TAcceptedCards.h"
#include "TAdditionalPage.h"
#include "TAdditionalPages.h"
#include "TApp.h"
#include "TCategories.h"
#include "TCustomField.h"
#include "TCustomFields.h"
#include "TFreightRange.h"
#include "TFreightRanges.h"
#include "TMerchant.h"
#include "TPaths.h"
#include "TPaymentMethod.h"
#include "TPaymentMethodCodes.h"
#include "TPaymentMethods.h"
#include "TProduct.h"
#include "TProductFile.h"
#include "TProductFiles.h"
#include "TProducts.h"
#include "TProgramFolders.h"
#include "TPromotion.h"
#include "TTax.h"
#include "TTaxes.h"
#include "TestSupport.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <memory>

class tst_SampleStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void storeHasTheCurrentLayout();
    void merchantDetailsAndLogo();
    void categoriesFormATreeOfTwoLevels();
    void productsAreComplete();
    void picturesLieInTheStoreFolder();
    void taxesNamedByProducts();
    void customFieldsAreLinked_data();
    void customFieldsAreLinked();
    void productFilesExistOnDisk();
    void extraPages_data();
    void extraPages();
    void freightRangesByOrderAmount();
    void promotionIsActiveBeyond2026();
    void paymentMethods_data();
    void paymentMethods();

private:
    // A path as the records keep it ("Images\x.jpg"), found under the store folder.
    QString OnDisk(const QString& stored) const;

    TTestEnvironment m_env;
    std::unique_ptr<TMessageRecorder> m_messages;
    std::unique_ptr<TApp> m_app;
    QString m_folder;
};

void tst_SampleStore::initTestCase()
{
    m_messages = std::make_unique<TMessageRecorder>();
    TProgramFolders::Seed();
    m_folder = TProgramFolders::ProgramFolder() + QStringLiteral("Samples/Flowers Tolvane/");
    QVERIFY2(QFile::exists(m_folder + QLatin1String(StoreFileName)),
             qPrintable(QStringLiteral("no sample store under %1").arg(TProgramFolders::ShippedData())));
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    QVERIFY(OpenStoreDatabase(m_folder));
    QVERIFY(m_messages->shown.isEmpty());
}

void tst_SampleStore::cleanupTestCase()
{
    m_app.reset();
}

QString tst_SampleStore::OnDisk(const QString& stored) const
{
    return TPaths::Resolve(m_app->StoreFolder(), stored);
}

void tst_SampleStore::storeHasTheCurrentLayout()
{
    const TStoreLayout expected = TStoreLayout::Current(m_env.NewFolder(QStringLiteral("reference")) + QStringLiteral("/store.db"));
    const TStoreLayout actual = TStoreLayout::Of(*m_app->Database());
    QVERIFY2(actual == expected, qPrintable(TStoreLayout::Difference(actual, expected)));
}

void tst_SampleStore::merchantDetailsAndLogo()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    QCOMPARE(merchant->Name(), QStringLiteral("Flowers Tolvane"));
    for (const QString& value : {merchant->ContactName(), merchant->Address(), merchant->City(), merchant->Postcode(),
                                 merchant->Phone(), merchant->BriefDescription(), merchant->Description(),
                                 merchant->KeywordsMetaTags(), merchant->Disclaimer()})
        QVERIFY(!value.trimmed().isEmpty());
    QVERIFY(merchant->EmailAddress().endsWith(QStringLiteral(".example")));
    QVERIFY(QUrl(merchant->WebPage()).host().endsWith(QStringLiteral(".example")));
    QCOMPARE(merchant->CountryID(), 36u); // Australia in the common database
    QCOMPARE(merchant->CurrencyID(), 36u); // the Australian dollar

    // A logo named without a folder is one of the merchant's own pictures,
    // which the site build publishes; the website selection points the record
    // at the copy under "Images" when it opens the sample.
    QCOMPARE(merchant->Field(QStringLiteral("MerchantLogoLocation")).AsString(), QStringLiteral("logo.gif"));
    for (const QString& stored : {QStringLiteral("HTML\\images\\logo.gif"), QStringLiteral("Images\\logo.gif")}) {
        const QImage picture(OnDisk(stored), "GIF");
        QVERIFY2(!picture.isNull(), qPrintable(stored));
        QVERIFY(picture.width() >= 100 && picture.height() >= 40);
    }
}

void tst_SampleStore::categoriesFormATreeOfTwoLevels()
{
    TRef<TCategories> categories = m_app->Categories();
    QVERIFY(categories->Count() >= 6);
    QMap<qint64, qint64> parents;
    QSet<QString> names;
    for (int i = 0; i < categories->Count(); ++i) {
        TRef<TCategory> c = categories->Items(i);
        parents.insert(c->ID(), c->ParentID());
        QVERIFY(!c->Name().trimmed().isEmpty());
        QVERIFY2(!names.contains(c->Name()), qPrintable(c->Name()));
        names.insert(c->Name());
        QCOMPARE(c->Status(), 0);
    }
    int topLevel = 0;
    int secondLevel = 0;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        if (it.value() == 0) {
            ++topLevel;
            QVERIFY2(parents.values().contains(it.key()), "a top-level category without sub-categories");
        } else {
            QVERIFY2(parents.contains(it.value()), "a category whose parent does not exist");
            QCOMPARE(parents.value(it.value()), 0);
            ++secondLevel;
        }
    }
    QVERIFY(topLevel >= 2);
    QVERIFY(secondLevel >= 4);
}

void tst_SampleStore::productsAreComplete()
{
    TRef<TProducts> products = m_app->Products();
    TRef<TCategories> categories = m_app->Categories();
    int enabled = 0;
    QSet<QString> codes;
    for (int i = 0; i < products->Count(); ++i) {
        TRef<TProduct> p = products->Items(i);
        const QByteArray name = p->Name().toUtf8();
        QVERIFY2(categories->FindByID(p->CategoryID()), name);
        QVERIFY2(!p->Code().isEmpty() && !codes.contains(p->Code()), name);
        codes.insert(p->Code());
        QVERIFY2(p->Cost() > TMoney(), name);
        QVERIFY2(p->ShortDescription().startsWith(u'<') && p->LongDescription().startsWith(u'<'), name);
        QVERIFY2(!p->Name().contains(QStringLiteral("&amp;")), name);
        if (p->Enabled())
            ++enabled;
    }
    QVERIFY2(enabled >= 40, qPrintable(QString::number(enabled)));
}

void tst_SampleStore::picturesLieInTheStoreFolder()
{
    TRef<TProducts> products = m_app->Products();
    QSet<QString> files;
    for (int i = 0; i < products->Count(); ++i) {
        TRef<TProduct> p = products->Items(i);
        for (const QString& stored : {p->LargeImage(), p->Thumbnail()}) {
            // Relative to the store folder, so that every copy of it finds them.
            QVERIFY2(!stored.isEmpty() && !QDir::isAbsolutePath(TPaths::FromWindows(stored)), qPrintable(stored));
            QVERIFY2(!files.contains(stored.toLower()), qPrintable(stored));
            files.insert(stored.toLower());
        }
        const QImage large(OnDisk(p->LargeImage()));
        const QImage thumbnail(OnDisk(p->Thumbnail()));
        QVERIFY2(!large.isNull(), qPrintable(p->LargeImage()));
        QVERIFY2(!thumbnail.isNull(), qPrintable(p->Thumbnail()));
        QVERIFY(large.width() >= 300 && large.height() >= 300);
        QVERIFY(thumbnail.width() <= 150 && thumbnail.width() >= 60);
    }
}

void tst_SampleStore::taxesNamedByProducts()
{
    TRef<TTaxes> taxes = m_app->Taxes();
    QMap<quint32, double> rates;
    for (int i = 0; i < taxes->Count(); ++i)
        rates.insert(taxes->Items(i)->ID(), taxes->Items(i)->DomesticRate());
    QVERIFY(rates.contains(0));
    QCOMPARE(rates.value(0), 0.0);
    QSet<quint32> used;
    TRef<TProducts> products = m_app->Products();
    for (int i = 0; i < products->Count(); ++i) {
        TRef<TProduct> p = products->Items(i);
        const quint32 tax = quint32(p->Field(QStringLiteral("CostExTax")).AsLargeInt());
        QVERIFY2(rates.contains(tax), qPrintable(p->Name()));
        used.insert(tax);
        // Prices are kept without tax; with it they are the shop's round shelf prices.
        const TMoney shelf = p->Cost() + p->Cost().PercentOf(qint64(rates.value(tax) * 100));
        QVERIFY2(shelf.Format(2).endsWith(u'0'), qPrintable(p->Name() + u' ' + shelf.Format(4)));
    }
    QVERIFY2(used.contains(0), "no product without tax");
    QVERIFY2(std::any_of(used.cbegin(), used.cend(), [&](quint32 t) { return rates.value(t) > 0; }), "no taxed product");
}

void tst_SampleStore::customFieldsAreLinked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("minimumLinks");
    QTest::newRow("Colour") << QStringLiteral("Colour") << true << 3;
    QTest::newRow("Size") << QStringLiteral("Size") << true << 2;
    QTest::newRow("Card message") << QStringLiteral("Card message") << false << 10;
}

void tst_SampleStore::customFieldsAreLinked()
{
    QFETCH(QString, name);
    QFETCH(bool, list);
    QFETCH(int, minimumLinks);
    TRef<TCustomFields> fields = m_app->CustomFields();
    TRef<TCustomField> field;
    for (int i = 0; i < fields->Count() && !field; ++i)
        if (fields->Items(i)->Name() == name)
            field = fields->Items(i);
    QVERIFY(field);
    if (list) {
        QVERIFY(field->FieldType().contains(QStringLiteral("list")));
        const QStringList values = field->ValueList().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(values.size() >= 2);
        QVERIFY(values.contains(field->DefaultValue()));
    }
    // Counted through the products, as the product window shows them.
    int links = 0;
    TRef<TProducts> products = m_app->Products();
    for (int i = 0; i < products->Count(); ++i) {
        TRef<TCustomFields> linked = products->Items(i)->CustomFields();
        for (int k = 0; k < linked->Count(); ++k)
            if (linked->Items(k)->ID() == field->ID())
                ++links;
    }
    QVERIFY2(links >= minimumLinks, qPrintable(QString::number(links)));
}

void tst_SampleStore::productFilesExistOnDisk()
{
    int files = 0;
    TRef<TProducts> products = m_app->Products();
    for (int i = 0; i < products->Count(); ++i) {
        TRef<TProductFiles> attached = products->Items(i)->ProductFiles();
        for (int k = 0; k < attached->Count(); ++k) {
            TRef<TProductFile> file = attached->Items(k);
            QCOMPARE(file->FileType(), QStringLiteral("File"));
            QVERIFY(!file->Title().isEmpty());
            QFile pdf(OnDisk(file->FileName()));
            QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(file->FileName()));
            QVERIFY(pdf.read(5) == "%PDF-");
            ++files;
        }
    }
    QVERIFY(files >= 1);
}

void tst_SampleStore::extraPages_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("About us") << QStringLiteral("About us");
    QTest::newRow("Delivery information") << QStringLiteral("Delivery information");
}

void tst_SampleStore::extraPages()
{
    QFETCH(QString, title);
    TRef<TAdditionalPages> pages = m_app->AdditionalPages();
    QVERIFY(pages->Count() >= 2);
    int homePages = 0;
    TRef<TAdditionalPage> page;
    for (int i = 0; i < pages->Count(); ++i) {
        if (pages->Items(i)->IsHomePage())
            ++homePages;
        if (pages->Items(i)->PageTitle() == title)
            page = pages->Items(i);
    }
    QCOMPARE(homePages, 1);
    QVERIFY(page);
    QVERIFY(page->IncludeInNavigationBar());
    QVERIFY(page->Description().contains(QStringLiteral("<BODY>")));
    // The site build reads the page from its file in the pages folder.
    QFile file(OnDisk(QStringLiteral("HTML\\Page%1.htm").arg(page->ID())));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QCOMPARE(QString::fromUtf8(file.readAll()), page->Description());
}

void tst_SampleStore::freightRangesByOrderAmount()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    TRef<TFreightRanges> ranges = m_app->FreightRanges();
    QVERIFY(ranges->Count() >= 2);
    QList<std::pair<double, double>> bounds;
    for (int i = 0; i < ranges->Count(); ++i) {
        TRef<TFreightRange> r = ranges->Items(i);
        QCOMPARE(int(r->ModeType()), merchant->FreightMode());
        QVERIFY(r->Minimum() < r->Maximum());
        QVERIFY(r->AmountDomestic() >= r->AmountLocal());
        bounds.append({r->Minimum(), r->Maximum()});
    }
    std::sort(bounds.begin(), bounds.end());
    QCOMPARE(bounds.first().first, 0.0);
    for (int i = 1; i < bounds.size(); ++i)
        QVERIFY2(bounds.at(i).first > bounds.at(i - 1).second, "freight ranges overlap");
}

void tst_SampleStore::promotionIsActiveBeyond2026()
{
    TRef<TPromotion> promotion = m_app->Promotion();
    QVERIFY(promotion->Active());
    QVERIFY(!promotion->Name().isEmpty());
    QVERIFY(promotion->ExpiryDate() > QDateTime(QDate(2026, 12, 31), QTime(23, 59)));
    QVERIFY(promotion->PromotionType() >= 1 && promotion->PromotionType() <= 5);
    QVERIFY(promotion->Percentage() > 0 && promotion->Percentage() <= 100);
}

void tst_SampleStore::paymentMethods_data()
{
    QTest::addColumn<uint>("code");
    QTest::newRow("credit card") << uint(TPaymentMethodCodes::ManualCard);
    QTest::newRow("cheque") << uint(TPaymentMethodCodes::Cheque);
    QTest::newRow("money order") << uint(TPaymentMethodCodes::MoneyOrder);
}

void tst_SampleStore::paymentMethods()
{
    QFETCH(uint, code);
    TRef<TPaymentMethod> method = m_app->PaymentMethods()->ItemByMethod(code);
    QVERIFY(method->Active());
    QVERIFY(!method->Instruction().isEmpty());
    if (TPaymentMethodCodes::IsCreditCard(code)) {
        TRef<TAcceptedCards> cards = m_app->AcceptedCards();
        QVERIFY(cards->Count() >= 2);
    }
}

QTEST_MAIN(tst_SampleStore)
#include "tst_SampleStore.moc"
