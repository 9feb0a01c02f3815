#include "TDataSet.h"
#include "TestSupport.h"

#include <QtTest>

#include <functional>

class tst_TDataSet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigationOverRows();
    void emptyTableIsAtBothEnds();
    void openedTableStandsOnItsFirstRow();
    void locate_data();
    void locate();
    void filterValuesAreBoundNotSpliced();
    void emptyFilterCountsAll();
    void editInsertPostCancel();
    void editOnEmptyTableAppends();
    void writeOutsideEditIsRefused();
    void postIsOnDiskWhenItReturns();
    void bookmarkOfDeletedRowIsAnError();
    void typedFieldsKeepTheirStorageForm();
    void unreadableIntegerIsReported();
    void otherDatasetSeesInsertsAndStatements();
    void rollbackLeavesTheFileAsItWas();
    void tableLockRetriesThenGivesUp();
    void queryKnowsMoneyColumnsAndIsReadOnly();
    void sortedTableFollowsIndexFields();
    void nestedUseOfACachedStatementKeepsTheOuterPlace();
    void refusedPostLeavesTheTableBrowsing();

private:
    std::unique_ptr<TTable> Open(const QString& name)
    {
        auto t = std::make_unique<TTable>(m_db, name);
        t->Open();
        return t;
    }

    TTestEnvironment m_env;
    QString m_folder;
    std::shared_ptr<TDatabase> m_db;
};

void tst_TDataSet::init()
{
    m_folder = m_env.NewFolder(QStringLiteral("store"));
    m_db = CreateStoreFile(m_folder, {
        QStringLiteral("CREATE TABLE Fruit (FruitID INTEGER UNIQUE, Name VARCHAR(40), Price MONEY, Fresh BOOLEAN, Picked TIMESTAMP, Weight FLOAT)"),
        QStringLiteral("INSERT INTO Fruit (FruitID, Name, Price, Fresh) VALUES (1, 'Apple', 12500, 1)"),
        QStringLiteral("INSERT INTO Fruit (FruitID, Name, Price, Fresh) VALUES (2, 'Äpfel', 30000, 0)"),
        QStringLiteral("INSERT INTO Fruit (FruitID, Name, Price, Fresh) VALUES (3, 'Banana', 5000, 1)"),
        QStringLiteral("INSERT INTO Fruit (FruitID, Name, Price, Fresh) VALUES (4, 'Cherry', 99999, 1)"),
        QStringLiteral("INSERT INTO Fruit (FruitID, Name, Price, Fresh) VALUES (5, 'banana split', 1, 0)"),
        QStringLiteral("CREATE TABLE Empty (ID INTEGER, Name TEXT)"),
    });
}

void tst_TDataSet::cleanup()
{
    m_db.reset();
}

void tst_TDataSet::navigationOverRows()
{
    auto t = Open(QStringLiteral("Fruit"));
    QCOMPARE(t->RecordCount(), 5);
    QVERIFY(t->Bof());
    QCOMPARE(t->RecNo(), 1);
    QCOMPARE(t->Field(QStringLiteral("name")).AsString(), QStringLiteral("Apple"));
    QCOMPARE(t->MoveBy(3), 3);
    QCOMPARE(t->RecNo(), 4);
    QCOMPARE(t->MoveBy(5), 1); // stops at the last row
    QVERIFY(t->Eof());
    QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), 5);
    t->Prior();
    QVERIFY(!t->Eof());
    QCOMPARE(t->RecNo(), 4);
    t->First();
    t->Prior();
    QVERIFY(t->Bof());
    QCOMPARE(t->RecNo(), 1);
}

void tst_TDataSet::emptyTableIsAtBothEnds()
{
    auto t = Open(QStringLiteral("Empty"));
    QVERIFY(t->IsEmpty());
    QVERIFY(t->Eof() && t->Bof());
    QCOMPARE(t->RecNo(), 0);
    QCOMPARE(t->MoveBy(1), 0);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("Name")).AsString());
}

void tst_TDataSet::openedTableStandsOnItsFirstRow()
{
    // Rows are read on first use; whatever is asked first must see them all.
    auto walked = Open(QStringLiteral("Fruit"));
    int rows = 0;
    while (!walked->Eof()) {
        ++rows;
        walked->Next();
    }
    QCOMPARE(rows, 5);
    auto viewed = Open(QStringLiteral("Fruit"));
    QCOMPARE(viewed->SnapshotCount(), 5);
    QCOMPARE(viewed->RawValueAt(4, 1).toString(), QStringLiteral("banana split"));
    auto read = Open(QStringLiteral("Fruit"));
    m_db->Exec(QStringLiteral("DELETE FROM Fruit WHERE FruitID = 1"));
    QVERIFY(read->Bof());
    QCOMPARE(read->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Äpfel"));
}

void tst_TDataSet::locate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("caseInsensitive");
    QTest::addColumn<bool>("partial");
    QTest::addColumn<int>("foundId"); // 0: not found

    QTest::newRow("exact text") << "Name" << QVariant("Banana") << false << false << 3;
    QTest::newRow("exact needs case") << "Name" << QVariant("BANANA") << false << false << 0;
    QTest::newRow("case-insensitive") << "Name" << QVariant("BANANA") << true << false << 3;
    QTest::newRow("case-insensitive beyond ASCII") << "Name" << QVariant("ÄPFEL") << true << false << 2;
    QTest::newRow("partial key") << "Name" << QVariant("banana s") << false << true << 5;
    QTest::newRow("number") << "FruitID" << QVariant(4) << false << false << 4;
    QTest::newRow("number given as text") << "FruitID" << QVariant("4") << false << false << 4;
    QTest::newRow("quote in value") << "Name" << QVariant("x' OR '1'='1") << true << false << 0;
    QTest::newRow("missing") << "Name" << QVariant("Durian") << true << false << 0;
}

void tst_TDataSet::locate()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(bool, caseInsensitive);
    QFETCH(bool, partial);
    QFETCH(int, foundId);
    auto t = Open(QStringLiteral("Fruit"));
    t->Last();
    TLocateOptions options;
    options.caseInsensitive = caseInsensitive;
    options.partialKey = partial;
    QCOMPARE(t->Locate(field, value, options), foundId != 0);
    if (foundId)
        QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), foundId);
    else
        QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), 5); // the cursor did not move
}

void tst_TDataSet::filterValuesAreBoundNotSpliced()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->SetFilter(QStringLiteral("Name = ?1"), {QStringLiteral("x' OR 1=1 --")});
    QCOMPARE(t->RecordCount(), 0);
    t->SetFilter(QStringLiteral("Fresh = ?1 AND Price > ?2"), {true, QVariant::fromValue(TMoney::FromWhole(1))});
    QCOMPARE(t->RecordCount(), 2);
    QCOMPARE(t->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Apple"));
    QVERIFY(!t->Locate(QStringLiteral("Name"), QStringLiteral("Äpfel"))); // outside the filter
}

void tst_TDataSet::emptyFilterCountsAll()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->SetFilter(QStringLiteral("FruitID > ?1"), {3});
    QCOMPARE(t->RecordCount(), 2);
    QVERIFY(t->Filtered());
    t->SetFilter(QString());
    QVERIFY(!t->Filtered());
    QCOMPARE(t->RecordCount(), 5);
}

void tst_TDataSet::editInsertPostCancel()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->Locate(QStringLiteral("FruitID"), 3);
    t->Edit();
    QCOMPARE(t->State(), TDataSetState::Edit);
    t->Field(QStringLiteral("Name")).SetAsString(QStringLiteral("Plantain"));
    QCOMPARE(t->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Plantain"));
    t->Cancel();
    QCOMPARE(t->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Banana"));

    t->Edit();
    t->Field(QStringLiteral("Name")).SetAsString(QStringLiteral("Plantain"));
    t->Post();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Name FROM Fruit WHERE FruitID = 3")).toString(), QStringLiteral("Plantain"));

    t->Append();
    QCOMPARE(t->State(), TDataSetState::Insert);
    const TBookmark pending = t->Bookmark();
    t->Field(QStringLiteral("FruitID")).SetAsInteger(6);
    t->Field(QStringLiteral("Name")).SetAsString(QStringLiteral("Date"));
    t->Post();
    QCOMPARE(t->RecordCount(), 6);
    QCOMPARE(t->RecNo(), 6);
    QVERIFY(!pending.IsNull()); // the new row's mark now names the posted row
    QVERIFY(t->IsOnRow(pending));

    t->Append();
    t->Field(QStringLiteral("Name")).SetAsString(QStringLiteral("Never"));
    t->Cancel();
    QCOMPARE(t->RecordCount(), 6);
    QCOMPARE(t->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Date"));
}

void tst_TDataSet::editOnEmptyTableAppends()
{
    auto t = Open(QStringLiteral("Empty"));
    t->Edit();
    QCOMPARE(t->State(), TDataSetState::Insert);
    t->Field(QStringLiteral("ID")).SetAsInteger(1);
    t->Post();
    QCOMPARE(t->RecordCount(), 1);
}

void tst_TDataSet::writeOutsideEditIsRefused()
{
    auto t = Open(QStringLiteral("Fruit"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("Name")).SetAsString(QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Post());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("NoSuchColumn")));
}

void tst_TDataSet::postIsOnDiskWhenItReturns()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->Append();
    t->Field(QStringLiteral("FruitID")).SetAsInteger(7);
    t->Post();
    // A second connection, as another program would have, sees the row at once.
    auto other = TDatabase::Open(m_db->FileName(), TDatabase::OpenMode::OpenExisting);
    QCOMPARE(other->Scalar(QStringLiteral("SELECT COUNT(*) FROM Fruit WHERE FruitID = 7")).toInt(), 1);
}

void tst_TDataSet::bookmarkOfDeletedRowIsAnError()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->Locate(QStringLiteral("FruitID"), 2);
    const TBookmark two = t->Bookmark();
    t->Locate(QStringLiteral("FruitID"), 4);
    const TBookmark four = t->Bookmark();
    t->GotoBookmark(two);
    t->Delete();
    QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), 3); // the next row
    t->GotoBookmark(four);
    QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), 4);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->GotoBookmark(two));
}

void tst_TDataSet::typedFieldsKeepTheirStorageForm()
{
    auto t = Open(QStringLiteral("Fruit"));
    QCOMPARE(t->Field(QStringLiteral("Price")).DataType(), TFieldType::Currency);
    QCOMPARE(t->Field(QStringLiteral("Price")).AsCurrency().Format(2), QStringLiteral("1.25"));
    QCOMPARE(t->Field(QStringLiteral("Fresh")).AsBoolean(), true);
    t->Edit();
    t->Field(QStringLiteral("Price")).SetAsString(QStringLiteral("19.99"));
    t->Field(QStringLiteral("Fresh")).SetAsBoolean(false);
    t->Field(QStringLiteral("Picked")).SetAsDateTime(QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    t->Field(QStringLiteral("Weight")).SetAsString(QStringLiteral("0.25"));
    t->Post();
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Price FROM Fruit WHERE FruitID = 1")).toLongLong(), 199900LL);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Fresh FROM Fruit WHERE FruitID = 1")).toLongLong(), 0LL);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT Picked FROM Fruit WHERE FruitID = 1")).toString(), QStringLiteral("2026-12-01 09:30:00"));
    QCOMPARE(t->Field(QStringLiteral("Picked")).AsDateTime(), QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    QCOMPARE(t->Field(QStringLiteral("Weight")).AsFloat(), 0.25);
    t->Edit();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("Price")).SetAsString(QStringLiteral("cheap")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("FruitID")).SetAsString(QStringLiteral("7x")));
    t->Cancel();
}

void tst_TDataSet::unreadableIntegerIsReported()
{
    m_db->Exec(QStringLiteral("CREATE TABLE Ids (ID TEXT)"));
    m_db->Exec(QStringLiteral("INSERT INTO Ids VALUES ('12'), ('  '), ('abc')"));
    auto t = Open(QStringLiteral("Ids"));
    QCOMPARE(t->Field(QStringLiteral("ID")).AsInteger(), 12);
    t->Next();
    QCOMPARE(t->Field(QStringLiteral("ID")).AsInteger(), 0); // blank reads as nothing
    t->Next();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Field(QStringLiteral("ID")).AsInteger());
}

void tst_TDataSet::otherDatasetSeesInsertsAndStatements()
{
    auto a = Open(QStringLiteral("Fruit"));
    auto b = Open(QStringLiteral("Fruit"));
    b->Locate(QStringLiteral("FruitID"), 4);
    a->Append();
    a->Field(QStringLiteral("FruitID")).SetAsInteger(8);
    a->Post();
    QCOMPARE(b->RecordCount(), 6);
    QCOMPARE(b->Field(QStringLiteral("FruitID")).AsInteger(), 4); // still on its row
    m_db->Exec(QStringLiteral("DELETE FROM Fruit WHERE FruitID < ?1"), {3});
    QCOMPARE(a->RecordCount(), 4);
    QCOMPARE(b->Field(QStringLiteral("FruitID")).AsInteger(), 4);
    m_db->Exec(QStringLiteral("UPDATE Fruit SET Name = 'Morello' WHERE FruitID = 4"));
    QCOMPARE(b->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Morello"));
}

void tst_TDataSet::rollbackLeavesTheFileAsItWas()
{
    auto t = Open(QStringLiteral("Fruit"));
    {
        TTransaction transaction(*m_db);
        t->Append();
        t->Field(QStringLiteral("FruitID")).SetAsInteger(9);
        t->Post();
        m_db->Exec(QStringLiteral("DELETE FROM Fruit WHERE FruitID = 1"));
        QCOMPARE(t->RecordCount(), 5);
    } // no commit
    QCOMPARE(t->RecordCount(), 5);
    QVERIFY(t->Locate(QStringLiteral("FruitID"), 1));
    QVERIFY(!t->Locate(QStringLiteral("FruitID"), 9));
}

void tst_TDataSet::tableLockRetriesThenGivesUp()
{
    auto other = TDatabase::Open(m_db->FileName(), TDatabase::OpenMode::OpenExisting);
    other->Begin(); // another program holds the write lock
    try {
        TTableLock lock(*m_db, 3);
        QFAIL("the lock was granted while another connection held it");
    } catch (const EDatabaseError& e) {
        QVERIFY((e.Code() & 0xff) == 5); // busy
    }
    other->Commit();
    TTableLock lock(*m_db, 3);
    m_db->Exec(QStringLiteral("UPDATE Fruit SET Name = 'Locked' WHERE FruitID = 1"));
    lock.Release();
    QCOMPARE(other->Scalar(QStringLiteral("SELECT Name FROM Fruit WHERE FruitID = 1")).toString(), QStringLiteral("Locked"));
}

void tst_TDataSet::queryKnowsMoneyColumnsAndIsReadOnly()
{
    TQuery q(m_db, QStringLiteral("SELECT Name, Price FROM Fruit WHERE Price > ?1 ORDER BY Price DESC"), {20000});
    q.Open();
    QCOMPARE(q.RecordCount(), 2);
    QCOMPARE(q.Field(QStringLiteral("Price")).DataType(), TFieldType::Currency);
    QCOMPARE(q.Field(QStringLiteral("Price")).AsCurrency().Format(4), QStringLiteral("9.9999"));
    QVERIFY(q.Locate(QStringLiteral("Name"), QStringLiteral("äpfel"), {true, false}));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, q.Edit());
}

void tst_TDataSet::sortedTableFollowsIndexFields()
{
    TTable t(m_db, QStringLiteral("Fruit"));
    t.SetIndexFieldNames(QStringLiteral("Fresh;Name"));
    t.Open();
    QStringList names;
    for (t.First(); !t.Eof(); t.Next())
        names << t.Field(QStringLiteral("Name")).AsString();
    QCOMPARE(names, QStringList({"banana split", "Äpfel", "Apple", "Banana", "Cherry"}));
    t.Append();
    t.Field(QStringLiteral("Name")).SetAsString(QStringLiteral("Avocado"));
    t.Field(QStringLiteral("Fresh")).SetAsBoolean(true);
    t.Post();
    QCOMPARE(t.RecNo(), 4); // in its sorted place
    QVERIFY(t.Locate(QStringLiteral("Name"), QStringLiteral("Cherry")));
    QCOMPARE(t.RecNo(), 6);
}

void tst_TDataSet::nestedUseOfACachedStatementKeepsTheOuterPlace()
{
    // A tree walked depth first with the same statement at every level, as
    // the page producer walks categories.
    m_db->Exec(QStringLiteral("CREATE TABLE Tree (ID INTEGER, Parent INTEGER)"));
    m_db->Exec(QStringLiteral("INSERT INTO Tree VALUES (1, 0), (2, 1), (3, 2), (4, 1), (5, 0), (6, 5)"));
    const QString children = QStringLiteral("SELECT ID FROM Tree WHERE Parent = ?1 ORDER BY ID");
    QStringList order;
    std::function<void(qint64, int)> walk = [&](qint64 parent, int depth) {
        auto s = m_db->Cached(children);
        s.BindAll({parent});
        while (s.Step()) {
            const qint64 id = s.Int64(0);
            order.append(QString(depth, u'-') + QString::number(id));
            walk(id, depth + 1);
        }
    };
    walk(0, 0);
    QCOMPARE(order, QStringList({"1", "-2", "--3", "-4", "5", "-6"}));
    // Every lease was given back: the next use needs no new statement and
    // starts from the beginning.
    auto again = m_db->Cached(children);
    again.BindAll({0});
    QVERIFY(again.Step());
    QCOMPARE(again.Int64(0), 1);
}

void tst_TDataSet::refusedPostLeavesTheTableBrowsing()
{
    auto t = Open(QStringLiteral("Fruit"));
    t->Append();
    t->Field(QStringLiteral("FruitID")).SetValue(1); // FruitID is unique
    t->Field(QStringLiteral("Name")).SetValue(QStringLiteral("Second apple"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Post());
    QCOMPARE(t->State(), TDataSetState::Browse);
    QCOMPARE(t->RecordCount(), 5);
    QVERIFY(t->Locate(QStringLiteral("Name"), QStringLiteral("Cherry")));
    t->Edit();
    t->Field(QStringLiteral("FruitID")).SetValue(2);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Post());
    QCOMPARE(t->State(), TDataSetState::Browse);
    QCOMPARE(t->Field(QStringLiteral("FruitID")).AsInteger(), 4); // the refused change is gone
    t->First();
    QCOMPARE(t->Field(QStringLiteral("Name")).AsString(), QStringLiteral("Apple"));
}

QTEST_GUILESS_MAIN(tst_TDataSet)
#include "tst_TDataSet.moc"
