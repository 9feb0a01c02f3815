#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TestRecords.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class tst_TApp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readSettingOfAnAbsentKeyCreatesNothing();
    void openStoreDatabase_data();
    void openStoreDatabase();
    void unopenableStoreReports1338_data();
    void unopenableStoreReports1338();
    void cachedCollectionsFollowTheAttachedDatabase();
    void tablesAndQueriesNeedADatabase();
    void nextIdGivesUpAfterRefusedLocks();
    void identifierTablesAnsweredByTheirFileNames();
    void quoteHelpers_data();
    void quoteHelpers();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
};

void tst_TApp::init()
{
    QFile::remove(m_env.SettingsFile());
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
}

void tst_TApp::cleanup()
{
    m_app.reset();
}

void tst_TApp::readSettingOfAnAbsentKeyCreatesNothing()
{
    m_app->WriteSetting(QStringLiteral("Settings"), QStringLiteral("ServerName"), QStringLiteral("secure.example"));
    QCOMPARE(m_app->ReadSetting(QStringLiteral("settings"), QStringLiteral("servername")), QStringLiteral("secure.example"));
    QCOMPARE(m_app->ReadSetting(QStringLiteral("NeverWritten"), QStringLiteral("x")), QString());
    QVERIFY(!m_app->Settings().KeyExists(QStringLiteral("NeverWritten")));
    QFile f(m_env.SettingsFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(!f.readAll().contains("NeverWritten"));
}

void tst_TApp::openStoreDatabase_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << "WebSites/Website1";
    QTest::newRow("spaces") << "My Shops/Flower Shop (old copy)";
    QTest::newRow("non-ASCII") << "Läden/花店";
}

void tst_TApp::openStoreDatabase()
{
    QFETCH(QString, folder);
    const QString path = m_env.NewFolder(folder);
    CreateStoreFile(path, TestStoreTables());
    QSignalSpy changed(m_app.get(), &TApp::DatabaseChanged);
    QVERIFY(OpenStoreDatabase(path + QStringLiteral("\\")));
    QVERIFY(m_app->IsOpen());
    QCOMPARE(m_app->StoreFolder(), path + u'/');
    QCOMPARE(m_app->CurrentWebsiteFolder(), path + u'/');
    QVERIFY(QDir(path + QStringLiteral("/HTML/images")).exists());
    QCOMPARE(changed.count(), 1);
}

void tst_TApp::unopenableStoreReports1338_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no store file at all
    QTest::newRow("damaged file") << QByteArray("this is not a database, it is a shopping list\n").repeated(200);
    QTest::newRow("no store file") << QByteArray();
}

void tst_TApp::unopenableStoreReports1338()
{
    QFETCH(QByteArray, content);
    // A good store first, so that the failure must also let go of it.
    const QString good = m_env.NewFolder(QStringLiteral("good"));
    CreateStoreFile(good, TestStoreTables());
    QVERIFY(OpenStoreDatabase(good));

    const QString bad = m_env.NewFolder(QStringLiteral("bad"));
    if (!content.isEmpty()) {
        QFile f(bad + QStringLiteral("/store.db"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    TMessageRecorder messages;
    QVERIFY(!OpenStoreDatabase(bad));
    QVERIFY(!m_app->IsOpen());
    QCOMPARE(m_app->StoreFolder(), QString());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].first, TMessenger::Kind::Error);
    // The message keeps the reason, so that a damaged store can be diagnosed.
    QVERIFY(messages.shown[0].second.startsWith(LangStr(1338)));
    QVERIFY(messages.shown[0].second.contains(LangStr(5011).arg(QString())));
    QVERIFY(!messages.shown[0].second.isEmpty());
    if (content.isEmpty())
        QVERIFY(!QFile::exists(bad + QStringLiteral("/store.db"))); // nothing made up on the way
}

void tst_TApp::cachedCollectionsFollowTheAttachedDatabase()
{
    const QString a = m_env.NewFolder(QStringLiteral("a"));
    const QString b = m_env.NewFolder(QStringLiteral("b"));
    CreateStoreFile(a, TestStoreTables())->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'In A')"));
    CreateStoreFile(b, TestStoreTables())->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'In B'), (2, 'Also B')"));

    QVERIFY(OpenStoreDatabase(a));
    TPlants* first = nullptr;
    {
        TRef<TPlants> plants = m_app->CachedCollection<TPlants>(QStringLiteral("Plants"), QStringLiteral("Customers"));
        first = plants.get();
        QCOMPARE(plants->RefCount(), 2); // the cache's own and ours
        QCOMPARE(plants->Items(0)->Name(), QStringLiteral("In A"));
    }
    QVERIFY(OpenStoreDatabase(b));
    TRef<TPlants> plants = m_app->CachedCollection<TPlants>(QStringLiteral("Plants"), QStringLiteral("Customers"));
    QCOMPARE(plants.get(), first);
    QCOMPARE(plants->Count(), 2);
    QCOMPARE(plants->Items(0)->Name(), QStringLiteral("In B"));
}

void tst_TApp::tablesAndQueriesNeedADatabase()
{
    QVERIFY(!m_app->OpenTable(QStringLiteral("Customers")));
    QVERIFY(!m_app->OpenQuery(QStringLiteral("SELECT 1")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, m_app->ExecSQL(QStringLiteral("DELETE FROM Customers")));
}

void tst_TApp::nextIdGivesUpAfterRefusedLocks()
{
    const QString folder = m_env.NewFolder(QStringLiteral("locked"));
    CreateStoreFile(folder, TestStoreTables());
    QVERIFY(OpenStoreDatabase(folder));
    auto other = TDatabase::Open(folder + QStringLiteral("/store.db"), TDatabase::OpenMode::OpenExisting);
    other->Begin();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")));
    other->Commit();
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")), qint64(1));
}

void tst_TApp::identifierTablesAnsweredByTheirFileNames()
{
    const QString folder = m_env.NewFolder(QStringLiteral("store"));
    CreateStoreFile(folder, TestStoreTables());
    QVERIFY(OpenStoreDatabase(folder));
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen.DB"), QStringLiteral("CustomerID")), qint64(1));
    QCOMPARE(m_app->NextID(QStringLiteral("customersgen.db"), QStringLiteral("CustomerID")), qint64(2));
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")), qint64(3));
    auto table = m_app->OpenTable(QStringLiteral("CustomersGen.DB"));
    QVERIFY(table);
    QCOMPARE(table->Name(), QStringLiteral("CustomersGen"));
    QCOMPARE(table->Field(QStringLiteral("CustomerID")).AsInteger(), 3);
}

void tst_TApp::quoteHelpers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("doubled");
    QTest::addColumn<QString>("single");
    QTest::newRow("plain") << "Rose" << "Rose" << "Rose";
    QTest::newRow("double") << "6\" pot" << "6\"\" pot" << "6\" pot";
    QTest::newRow("single") << "Baby's breath" << "Baby's breath" << "Baby''s breath";
}

void tst_TApp::quoteHelpers()
{
    QFETCH(QString, text);
    QFETCH(QString, doubled);
    QFETCH(QString, single);
    QCOMPARE(TApp::QuoteDouble(text), doubled);
    QCOMPARE(TApp::QuoteSingle(text), single);
}

QTEST_GUILESS_MAIN(tst_TApp)
#include "tst_TApp.moc"
