#include "CommerceStore.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TProgramFolders.h"
#include "TestSupport.h"

#include <QtTest>

class tst_TMerchant : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void merchantIdReading_data();
    void merchantIdReading();
    void merchantIdWriting_data();
    void merchantIdWriting();
    void cartTitleText_data();
    void cartTitleText();
    void countryName_data();
    void countryName();
    void oneMerchantRowAlways_data();
    void oneMerchantRowAlways();
    void cachedMerchantFollowsTheAttachedStore();
    void colourTexts_data();
    void colourTexts();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
};

void tst_TMerchant::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("store")), TStoreKind::NewWebsite);
}

void tst_TMerchant::cleanup()
{
    m_app.reset();
    m_db.reset();
}

void tst_TMerchant::merchantIdReading_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<qint64>("expected"); // -1: reported as unreadable

    QTest::newRow("empty") << QVariant() << 0LL;
    QTest::newRow("empty text") << QVariant(QString()) << 0LL;
    QTest::newRow("blank text") << QVariant(QStringLiteral("   ")) << 0LL;
    QTest::newRow("no account yet") << QVariant(0) << 0LL;
    QTest::newRow("an account") << QVariant(123456) << 123456LL;
    QTest::newRow("digits as text") << QVariant(QStringLiteral("678")) << 678LL;
    QTest::newRow("largest") << QVariant(4294967295LL) << 4294967295LL;
    QTest::newRow("garbage") << QVariant(QStringLiteral("abc")) << -1LL;
    QTest::newRow("digits then garbage") << QVariant(QStringLiteral("12abc")) << -1LL;
    QTest::newRow("negative") << QVariant(-5) << -1LL;
    QTest::newRow("too large") << QVariant(4294967296LL) << -1LL;
    QTest::newRow("fraction") << QVariant(12.5) << -1LL;
    QTest::newRow("bytes") << QVariant(QByteArray("\x01\x02", 2)) << -1LL;
}

void tst_TMerchant::merchantIdReading()
{
    QFETCH(QVariant, stored);
    QFETCH(qint64, expected);
    m_db->Exec(QStringLiteral("UPDATE MerchantSettings SET MerchantID = ?1"), {stored});
    TRef<TMerchant> merchant = m_app->Merchant();
    if (expected >= 0) {
        QCOMPARE(qint64(merchant->ID()), expected);
        QCOMPARE(merchant->GetProperty(QStringLiteral("ID")).toLongLong(), expected);
        return;
    }
    try {
        merchant->ID();
        QFAIL("an unreadable merchant ID was read as a number");
    } catch (const EQuorvisError& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("merchant ID")), qPrintable(e.Message()));
        if (stored.typeId() == QMetaType::QString)
            QVERIFY2(e.Message().contains(stored.toString()), qPrintable(e.Message()));
    }
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, merchant->GetProperty(QStringLiteral("ID")));
    // The rest of the record still reads, and a valid number mends the value.
    QCOMPARE(merchant->LanguageID(), 3081u);
    merchant->SetID(42);
    merchant->Save();
    QCOMPARE(merchant->ID(), 42u);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT MerchantID FROM MerchantSettings")).toLongLong(), 42);
}

void tst_TMerchant::merchantIdWriting_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<qint64>("expected"); // -1: refused

    QTest::newRow("number") << QVariant(987654) << 987654LL;
    QTest::newRow("text from an import") << QVariant(QStringLiteral(" 31337 ")) << 31337LL;
    QTest::newRow("largest") << QVariant(QStringLiteral("4294967295")) << 4294967295LL;
    QTest::newRow("empty text") << QVariant(QString()) << 0LL;
    QTest::newRow("negative") << QVariant(-1) << -1LL;
    QTest::newRow("too large") << QVariant(QStringLiteral("4294967296")) << -1LL;
    QTest::newRow("garbage") << QVariant(QStringLiteral("12x")) << -1LL;
}

void tst_TMerchant::merchantIdWriting()
{
    QFETCH(QVariant, value);
    QFETCH(qint64, expected);
    m_db->Exec(QStringLiteral("UPDATE MerchantSettings SET MerchantID = 777"));
    TRef<TMerchant> merchant = m_app->Merchant();
    if (expected < 0) {
        QVERIFY_THROWS_EXCEPTION(EQuorvisError, merchant->SetProperty(QStringLiteral("ID"), value));
        merchant->Cancel();
        expected = 777; // bad input loses nothing
    } else {
        merchant->SetProperty(QStringLiteral("ID"), value);
        merchant->Save();
    }
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT MerchantID FROM MerchantSettings")).toLongLong(), expected);
    QCOMPARE(qint64(merchant->ID()), expected);
}

void tst_TMerchant::cartTitleText_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("readsDefault");

    QTest::newRow("empty") << QVariant() << true;
    QTest::newRow("empty text") << QVariant(QString()) << true;
    QTest::newRow("only spaces") << QVariant(QStringLiteral("     ")) << true;
    QTest::newRow("spaces and line breaks") << QVariant(QStringLiteral(" \r\n\t ")) << true;
    QTest::newRow("a title") << QVariant(QStringLiteral("<b>Your basket</b>")) << false;
    QTest::newRow("a title with blanks around") << QVariant(QStringLiteral("  Cart  ")) << false;
}

void tst_TMerchant::cartTitleText()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, readsDefault);
    m_db->Exec(QStringLiteral("UPDATE MerchantSettings SET CartTitleText = ?1"), {stored});
    TRef<TMerchant> merchant = m_app->Merchant();
    QVERIFY(!LangStr(1522).isEmpty());
    QCOMPARE(merchant->CartTitleText(), readsDefault ? LangStr(1522) : stored.toString());
    QCOMPARE(merchant->GetProperty(QStringLiteral("CartTitleText")).toString(), merchant->CartTitleText());
    // Reading never writes the default back.
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT CartTitleText FROM MerchantSettings")), stored.isNull() ? QVariant() : stored);
}

void tst_TMerchant::countryName_data()
{
    QTest::addColumn<QString>("commonDatabase"); // "rows", "garbage", "folder is a file"
    QTest::addColumn<QVariant>("countryId");
    QTest::addColumn<QString>("expected");

    QTest::newRow("found") << "rows" << QVariant(554) << "New Zealand";
    QTest::newRow("name with an apostrophe") << "rows" << QVariant(384) << "Côte d'Ivoire";
    QTest::newRow("only in another language") << "rows" << QVariant(158) << "Australia";
    QTest::newRow("missing identifier") << "rows" << QVariant(9999) << "Australia";
    QTest::newRow("no country chosen") << "rows" << QVariant() << "Australia";
    QTest::newRow("damaged common database") << "garbage" << QVariant(554) << "Australia";
    QTest::newRow("unreachable common database") << "folder is a file" << QVariant(554) << "Australia";
}

void tst_TMerchant::countryName()
{
    QFETCH(QString, commonDatabase);
    QFETCH(QVariant, countryId);
    QFETCH(QString, expected);

    m_app->CloseCommonDatabase();
    const QString file = TProgramFolders::CommonDatabaseFile();
    const QString folder = QFileInfo(file).absolutePath();
    QDir(folder).removeRecursively();
    QFile::remove(folder);
    if (commonDatabase == u"folder is a file") {
        QFile f(folder);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a folder");
    } else if (commonDatabase == u"garbage") {
        QDir().mkpath(folder);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else {
        QDir().mkpath(folder);
        auto common = TDatabase::Open(file);
        common->Exec(QStringLiteral("CREATE TABLE Country (ID INTEGER, CountryName VARCHAR(255), LCID INTEGER)"));
        const QList<QVariantList> rows{{554, QStringLiteral("New Zealand"), 3081},
                                       {554, QStringLiteral("紐西蘭"), 1028},
                                       {384, QStringLiteral("Côte d'Ivoire"), 3081},
                                       {158, QStringLiteral("臺灣"), 1028}};
        for (const QVariantList& row : rows)
            common->Exec(QStringLiteral("INSERT INTO Country (ID, CountryName, LCID) VALUES (?1, ?2, ?3)"), row);
    }

    m_db->Exec(QStringLiteral("UPDATE MerchantSettings SET CountryID = ?1"), {countryId});
    TRef<TMerchant> merchant = m_app->Merchant();
    QCOMPARE(merchant->CountryName(), expected);
    QCOMPARE(merchant->GetProperty(QStringLiteral("CountryName")).toString(), expected);
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, merchant->SetProperty(QStringLiteral("CountryName"), QStringLiteral("Fiji")));
    m_app->CloseCommonDatabase();
}

void tst_TMerchant::oneMerchantRowAlways_data()
{
    QTest::addColumn<bool>("emptyTables");
    QTest::newRow("a new website's store") << false;
    QTest::newRow("a store that lost its merchant row") << true;
}

void tst_TMerchant::oneMerchantRowAlways()
{
    QFETCH(bool, emptyTables);
    if (emptyTables)
        m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("bare")), TStoreKind::EmptyTables);
    QCOMPARE(RowCount(*m_db, QStringLiteral("MerchantSettings")), emptyTables ? 0 : 1);
    TRef<TMerchant> merchant = m_app->Merchant();
    QCOMPARE(RowCount(*m_db, QStringLiteral("MerchantSettings")), 1);
    QCOMPARE(merchant->ID(), 0u);
    QCOMPARE(merchant->LanguageID(), 3081u);
    QVERIFY(merchant->Active());
    QVERIFY(!merchant->ServerUpdated());
    merchant->SetName(QStringLiteral("Fern & Frond"));
    merchant->Save();
    // Another merchant object over its own table finds the same row.
    TMerchant other(m_app->OpenSharedTable(QStringLiteral("MerchantSettings")));
    QCOMPARE(other.Name(), QStringLiteral("Fern & Frond"));
    QCOMPARE(RowCount(*m_db, QStringLiteral("MerchantSettings")), 1);
}

void tst_TMerchant::cachedMerchantFollowsTheAttachedStore()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetName(QStringLiteral("First shop"));
    merchant->Save();
    QCOMPARE(m_app->Merchant().get(), merchant.get());

    auto second = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("second")), TStoreKind::NewWebsite);
    second->Exec(QStringLiteral("UPDATE MerchantSettings SET MerchantName = ?1"), {QStringLiteral("Second shop")});
    QCOMPARE(m_app->Merchant().get(), merchant.get());
    QCOMPARE(merchant->Name(), QStringLiteral("Second shop"));
}

void tst_TMerchant::colourTexts_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("digits");
    QTest::newRow("navy") << 0 << 0 << 128 << "000080";
    QTest::newRow("white") << 255 << 255 << 255 << "ffffff";
    QTest::newRow("small components keep two digits") << 10 << 171 << 5 << "0aab05";
}

void tst_TMerchant::colourTexts()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, digits);
    QCOMPARE(TMerchant::BGColorText(red, green, blue), digits);
    QCOMPARE(TMerchant::CartColorText(red, green, blue), u'#' + digits);
}

QTEST_GUILESS_MAIN(tst_TMerchant)
#include "tst_TMerchant.moc"
