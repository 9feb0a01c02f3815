#include "CommerceStore.h"
#include "TDataSet.h"
#include "TGlobalResourceManager.h"
#include "TTaxes.h"
#include "TestSupport.h"

#include <QtTest>

class tst_TTaxes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deleteTax_data();
    void deleteTax();
    void newTaxesAreNumberedAfterTheHighest();
    void deleteAllDeletesEveryTax();

private:
    void AddProduct(const QString& productId, qint64 taxId);
    TRef<TTax> AddTax(const QString& name, double rate);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
    TRef<TTaxes> m_taxes;
};

void tst_TTaxes::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("store")), TStoreKind::NewWebsite);
    m_taxes = m_app->Taxes();
}

void tst_TTaxes::cleanup()
{
    m_taxes.Reset();
    m_app.reset();
    m_db.reset();
}

// A product naming its tax the way product records store it.
void tst_TTaxes::AddProduct(const QString& productId, qint64 taxId)
{
    TTable products(m_db, QStringLiteral("Products"));
    products.Open();
    products.Append();
    products.Field(QStringLiteral("ProductID")).SetValue(productId);
    products.Field(QStringLiteral("CategoryID")).SetValue(QStringLiteral("1"));
    products.Field(QStringLiteral("CostExTax")).SetValue(taxId);
    products.Post();
}

TRef<TTax> tst_TTaxes::AddTax(const QString& name, double rate)
{
    TRef<TTax> tax = m_taxes->Add();
    tax->SetName(name);
    tax->SetDomesticRate(rate);
    tax->Save();
    return tax;
}

void tst_TTaxes::deleteTax_data()
{
    QTest::addColumn<int>("productsUsingIt");
    QTest::addColumn<int>("productsUsingAnother");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("unused") << 0 << 0 << true;
    QTest::newRow("unused while others are used") << 0 << 3 << true;
    QTest::newRow("used by one product") << 1 << 0 << false;
    QTest::newRow("used by two products") << 2 << 1 << false;
}

void tst_TTaxes::deleteTax()
{
    QFETCH(int, productsUsingIt);
    QFETCH(int, productsUsingAnother);
    QFETCH(bool, deleted);

    TRef<TTax> gst = AddTax(QStringLiteral("GST"), 15.0);
    TRef<TTax> vat = AddTax(QStringLiteral("VAT"), 20.0);
    int product = 0;
    for (int i = 0; i < productsUsingIt; ++i)
        AddProduct(QString::number(++product), gst->ID());
    for (int i = 0; i < productsUsingAnother; ++i)
        AddProduct(QString::number(++product), vat->ID());
    const qint64 before = RowCount(*m_db, QStringLiteral("Taxes"));

    if (deleted) {
        gst->Delete();
        QCOMPARE(RowCount(*m_db, QStringLiteral("Taxes")), before - 1);
        QCOMPARE(m_db->Scalar(QStringLiteral("SELECT COUNT(*) FROM Taxes WHERE TaxName = 'GST'")).toInt(), 0);
    } else {
        try {
            gst->Delete();
            QFAIL("a tax that products use was deleted");
        } catch (const EQuorvisError& e) {
            QCOMPARE(e.Message(), LangStr(1280));
        }
        QCOMPARE(RowCount(*m_db, QStringLiteral("Taxes")), before);
        QCOMPARE(gst->Name(), QStringLiteral("GST")); // the tax is kept, its item still good
    }
    QCOMPARE(vat->Name(), QStringLiteral("VAT"));
}

void tst_TTaxes::newTaxesAreNumberedAfterTheHighest()
{
    // A new website holds "No Tax" as tax 0.
    QCOMPARE(m_taxes->Count(), 1);
    QCOMPARE(m_taxes->ItemByID(0)->Name(), QStringLiteral("No Tax"));
    QCOMPARE(AddTax(QStringLiteral("GST"), 15.0)->ID(), 1u);
    m_db->Exec(QStringLiteral("INSERT INTO Taxes (TaxID, TaxName) VALUES (7, 'Old')"));
    QCOMPARE(AddTax(QStringLiteral("VAT"), 20.0)->ID(), 8u);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT TaxID FROM TaxesGen")).toLongLong(), 8);
    // "No Tax" is used by products too and is kept the same way.
    AddProduct(QStringLiteral("1"), 0);
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, m_taxes->ItemByID(0)->Delete());
}

void tst_TTaxes::deleteAllDeletesEveryTax()
{
    AddTax(QStringLiteral("GST"), 15.0);
    AddTax(QStringLiteral("VAT"), 20.0);
    m_taxes->SetFilter(QStringLiteral("TaxName = ?1"), {QStringLiteral("GST")});
    QCOMPARE(m_taxes->Count(), 1);
    m_taxes->DeleteAll();
    QCOMPARE(RowCount(*m_db, QStringLiteral("Taxes")), 0);
    m_taxes->SetFilter(QString());
    QCOMPARE(m_taxes->Count(), 0);
}

QTEST_GUILESS_MAIN(tst_TTaxes)
#include "tst_TTaxes.moc"
