#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TestRecords.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class tst_TItemCollection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newIdentifiers_data();
    void newIdentifiers();
    void nextIdAndNewRecordFollowEachOther();
    void itemsByPosition();
    void itemByIdentifier();
    void lookupByNameReturnsNothingWhenMissing();
    void itemStaysOnItsRowWhateverTheCursorDid();
    void changePostedByAnotherItemStillSaves();
    void saveOutsideEditIsRefused();
    void itemWithoutTableIsRefused();
    void emptyFilterCountsAll();
    void deleteAllDeletesEveryRow();
    void propertiesByName();
    void referenceCountsDestroyAtZero();
    void collectionIsAWellBehavedModel();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
    TRef<TPlants> m_plants;
};

void tst_TItemCollection::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = CreateStoreFile(m_env.NewFolder(QStringLiteral("store")), TestStoreTables());
    m_app->SetDatabase(m_db);
    QVERIFY(m_app->IsOpen());
    m_plants = TRef<TPlants>(new TPlants(m_app->OpenSharedTable(QStringLiteral("Customers"))));
}

void tst_TItemCollection::cleanup()
{
    m_plants.Reset();
    m_app.reset();
    m_db.reset();
}

void tst_TItemCollection::newIdentifiers_data()
{
    QTest::addColumn<bool>("text");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("identifierTable"); // -1: empty table
    QTest::addColumn<int>("expected");

    QTest::newRow("first record") << false << QStringList() << -1 << 1;
    QTest::newRow("gaps are never reused") << false << QStringList({"1", "2", "5"}) << 5 << 6;
    QTest::newRow("text compared as numbers") << true << QStringList({"9", "10"}) << 10 << 11;
    QTest::newRow("identifier table ahead") << false << QStringList({"1", "2"}) << 7 << 8;
    QTest::newRow("identifier table behind") << true << QStringList({"3", "40"}) << 2 << 41;
}

void tst_TItemCollection::newIdentifiers()
{
    QFETCH(bool, text);
    QFETCH(QStringList, existing);
    QFETCH(int, identifierTable);
    QFETCH(int, expected);
    const QString table = text ? QStringLiteral("Categories") : QStringLiteral("Customers");
    const QString column = text ? QStringLiteral("CategoryID") : QStringLiteral("CustomerID");
    const QString gen = text ? QStringLiteral("CategoryGen") : QStringLiteral("CustomersGen");
    for (const QString& id : existing)
        m_db->Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?1)").arg(table, column), {text ? QVariant(id) : QVariant(id.toInt())});
    if (identifierTable >= 0)
        m_db->Exec(QStringLiteral("INSERT INTO %1 VALUES (?1)").arg(gen), {identifierTable});

    qint64 id = 0;
    if (text) {
        TRef<TBeds> beds(new TBeds(m_app->OpenSharedTable(table)));
        TRef<TBed> bed = beds->NewBed();
        bed->Save();
        id = bed->ID();
        QCOMPARE(m_db->Scalar(QStringLiteral("SELECT typeof(CategoryID) FROM Categories WHERE CategoryID = ?1"), {QString::number(id)}).toString(), QStringLiteral("text"));
    } else {
        TRef<TPlant> plant = m_plants->NewPlant();
        plant->SetName(QStringLiteral("Fern"));
        plant->Save();
        id = plant->ID();
    }
    QCOMPARE(id, qint64(expected));
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(gen)).toInt(), 1);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT %1 FROM %2").arg(column, gen)).toInt(), expected);
}

void tst_TItemCollection::nextIdAndNewRecordFollowEachOther()
{
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")), qint64(1));
    TRef<TPlant> plant = m_plants->NewPlant();
    plant->Save();
    QCOMPARE(plant->ID(), qint64(2));
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")), qint64(3));
    // A row written with a number from elsewhere still never collides.
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID) VALUES (10)"));
    QCOMPARE(m_app->NextID(QStringLiteral("CustomersGen"), QStringLiteral("CustomerID")), qint64(11));
    TRef<TPlant> next = m_plants->NewPlant();
    next->Save();
    QCOMPARE(next->ID(), qint64(12));
}

void tst_TItemCollection::itemsByPosition()
{
    for (const char* name : {"Rose", "Tulip", "Lily"}) {
        TRef<TPlant> p = m_plants->NewPlant();
        p->SetName(QString::fromLatin1(name));
        p->Save();
    }
    QCOMPARE(m_plants->Items(0)->Name(), QStringLiteral("Rose"));
    QCOMPARE(m_plants->Items(2)->Name(), QStringLiteral("Lily"));
    try {
        m_plants->Items(m_plants->Count());
        QFAIL("Items(Count) returned an item");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(1277));
        QVERIFY(!e.Message().isEmpty());
    }
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, m_plants->Items(-1));
}

void tst_TItemCollection::itemByIdentifier()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (4, 'Daisy'), (9, 'Iris')"));
    m_plants->Refresh();
    QCOMPARE(m_plants->ItemByID(9)->Name(), QStringLiteral("Iris"));
    QCOMPARE(m_plants->ItemByID(9)->Name(), QStringLiteral("Iris")); // already there
    QCOMPARE(m_plants->ItemByID(4)->Name(), QStringLiteral("Daisy"));
    try {
        m_plants->ItemByID(5);
        QFAIL("ItemByID of a missing identifier returned an item");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(1278));
    }
    m_db->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName) VALUES ('10', 'Ten'), ('9', 'Nine')"));
    TRef<TBeds> beds(new TBeds(m_app->OpenSharedTable(QStringLiteral("Categories"))));
    QCOMPARE(beds->ItemByID(10)->ID(), qint64(10));
}

void tst_TItemCollection::lookupByNameReturnsNothingWhenMissing()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'Flowers'), (2, 'Ünter Gärten')"));
    QVERIFY(!m_plants->FindByName(QStringLiteral("Weeds")));
    QCOMPARE(m_plants->FindByName(QStringLiteral("FLOWERS"))->ID(), qint64(1));
    QCOMPARE(m_plants->FindByName(QStringLiteral("ünter gärten"))->ID(), qint64(2));
}

void tst_TItemCollection::itemStaysOnItsRowWhateverTheCursorDid()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'A'), (2, 'B'), (3, 'C')"));
    m_plants->Refresh();
    TRef<TPlant> last = m_plants->Items(2);
    TRef<TPlant> first = m_plants->Items(0);
    // The cursor stands on the first row; the item of the last row must not read it.
    QCOMPARE(last->Name(), QStringLiteral("C"));
    m_plants->DataSet()->First();
    last->SetName(QStringLiteral("C2"));
    last->Save();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT group_concat(CustomerName, ',') FROM (SELECT CustomerName FROM Customers ORDER BY CustomerID)")).toString(),
             QStringLiteral("A,B,C2"));
    // Rows deleted before it do not shift it onto another row.
    m_db->Exec(QStringLiteral("DELETE FROM Customers WHERE CustomerID = 2"));
    QCOMPARE(last->Name(), QStringLiteral("C2"));
    QCOMPARE(first->Name(), QStringLiteral("A"));
    // Its own row gone, it reads nothing at all rather than a neighbour.
    m_db->Exec(QStringLiteral("DELETE FROM Customers WHERE CustomerID = 3"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, last->Name());
}

void tst_TItemCollection::changePostedByAnotherItemStillSaves()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'A'), (2, 'B')"));
    m_plants->Refresh();
    TRef<TPlant> a = m_plants->Items(0);
    TRef<TPlant> b = m_plants->Items(1);
    a->SetName(QStringLiteral("A2"));
    b->SetName(QStringLiteral("B2")); // moves the cursor: A's change is posted on the way
    b->Save();
    a->Save();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT CustomerName FROM Customers WHERE CustomerID = 1")).toString(), QStringLiteral("A2"));
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT CustomerName FROM Customers WHERE CustomerID = 2")).toString(), QStringLiteral("B2"));
}

void tst_TItemCollection::saveOutsideEditIsRefused()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID) VALUES (1)"));
    m_plants->Refresh();
    TRef<TPlant> p = m_plants->Items(0);
    try {
        p->Save();
        QFAIL("Save outside edit succeeded");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(1276));
    }
}

void tst_TItemCollection::itemWithoutTableIsRefused()
{
    TRef<TPlant> p(new TPlant(nullptr));
    try {
        p->Name();
        QFAIL("an item without a table read a field");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(1275));
    }
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, p->Save());
}

void tst_TItemCollection::emptyFilterCountsAll()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID, Enabled) VALUES (1, 1), (2, 0), (3, 1)"));
    m_plants->SetFilter(QStringLiteral("Enabled = ?1"), {true});
    QCOMPARE(m_plants->Count(), 2);
    m_plants->SetFilter(QString());
    QCOMPARE(m_plants->Filter(), QString());
    QCOMPARE(m_plants->Count(), 3);
}

void tst_TItemCollection::deleteAllDeletesEveryRow()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID) VALUES (1), (2), (3), (4)"));
    m_plants->Refresh();
    m_plants->Items(2); // the cursor in the middle
    m_plants->DeleteAll();
    QCOMPARE(m_plants->Count(), 0);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT COUNT(*) FROM Customers")).toInt(), 0);
}

void tst_TItemCollection::propertiesByName()
{
    TRef<TPlant> p = m_plants->NewPlant();
    p->SetProperty(QStringLiteral("name"), QStringLiteral("Orchid"));
    p->SetProperty(QStringLiteral("PRICE"), QStringLiteral("12.50"));
    p->SetProperty(QStringLiteral("Enabled"), QStringLiteral("True"));
    p->SetProperty(QStringLiteral("Order"), 3);
    p->Save();
    QCOMPARE(p->GetProperty(QStringLiteral("Name")).toString(), QStringLiteral("Orchid"));
    QCOMPARE(p->GetProperty(QStringLiteral("price")).value<TMoney>().Format(2), QStringLiteral("12.50"));
    QCOMPARE(p->GetProperty(QStringLiteral("enabled")).toBool(), true);
    QCOMPARE(p->GetProperty(QStringLiteral("ORDER")).toLongLong(), 3LL);
    QVERIFY(!p->GetProperty(QStringLiteral("NoSuch")).isValid());
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, p->SetProperty(QStringLiteral("ID"), 5)); // read-only
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, p->SetProperty(QStringLiteral("Order"), QStringLiteral("three")));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, p->SetProperty(QStringLiteral("Price"), QStringLiteral("a lot")));
    p->Cancel();
    QCOMPARE(p->GetProperty(QStringLiteral("Order")).toLongLong(), 3LL);
}

void tst_TItemCollection::referenceCountsDestroyAtZero()
{
    m_db->Exec(QStringLiteral("INSERT INTO Customers (CustomerID) VALUES (1)"));
    m_plants->Refresh();
    const int before = TPlant::s_destroyed;
    {
        TRef<TPlant> p = m_plants->Items(0);
        QCOMPARE(p->RefCount(), 1);
        TRef<TPlant> copy = p;
        QCOMPARE(p->RefCount(), 2);
    }
    QCOMPARE(TPlant::s_destroyed, before + 1);
}

void tst_TItemCollection::collectionIsAWellBehavedModel()
{
    QAbstractItemModelTester tester(m_plants.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 5; ++i) {
        TRef<TPlant> p = m_plants->NewPlant();
        p->SetName(QStringLiteral("Plant %1").arg(i));
        p->SetPrice(TMoney::FromUnits(12345 * i));
        p->Save();
    }
    QCOMPARE(m_plants->rowCount(), 5);
    QCOMPARE(m_plants->data(m_plants->index(4, 2)).toString(), QStringLiteral("4.94"));
    QCOMPARE(m_plants->headerData(1, Qt::Horizontal).toString(), QStringLiteral("CustomerName"));
    TRef<TPlant> p = m_plants->Items(1);
    p->SetName(QStringLiteral("Renamed"));
    p->Save();
    QCOMPARE(m_plants->data(m_plants->index(1, 1)).toString(), QStringLiteral("Renamed"));
    p->Delete();
    QCOMPARE(m_plants->rowCount(), 4);
    m_plants->SetFilter(QStringLiteral("CustomerID > ?1"), {3});
    QCOMPARE(m_plants->rowCount(), 2);
    m_plants->SetFilter(QString());
    m_plants->DeleteAll();
    QCOMPARE(m_plants->rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_TItemCollection)
#include "tst_TItemCollection.moc"
