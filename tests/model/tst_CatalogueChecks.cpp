#include "TApp.h"
#include "TCatalogueChecks.h"
#include "TGlobalResourceManager.h"
#include "TProgress.h"
#include "TStoreSchema.h"
#include "TestSupport.h"

#include <QFile>
#include <QtTest>

namespace {

class TRecordingProgress : public TProgress
{
public:
    void Start(const QString& caption, int, bool) override { captions.append(caption); }
    void Finish() override { ++finished; }
    QStringList captions;
    int finished = 0;
};

} // namespace

class tst_CatalogueChecks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkRepairsEachTimeTheMarkerIsRemoved();
    void productCategoryMatchesAsANumber_data();
    void productCategoryMatchesAsANumber();
    void parentsThatLeadNowhereBecomeTopLevel_data();
    void parentsThatLeadNowhereBecomeTopLevel();
    void moduleStepsMendTheCatalogueTables();
    void noTaxIsNotForcedOverAnotherTaxZero();
    void failedCheckChangesNothingAndLeavesNoMarker();

private:
    TDatabase& Db() { return *m_app->Database(); }
    QStringList Column(const QString& sql);
    QString Marker() const { return ConsistencyMarkerFile(m_folder); }

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    QString m_folder;
};

void tst_CatalogueChecks::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_folder = m_env.NewFolder(QStringLiteral("shop"));
    TStoreSchema::CreateNewStore(m_folder + QStringLiteral("/store.db"));
    QVERIFY(OpenStoreDatabase(m_folder));
}

void tst_CatalogueChecks::cleanup()
{
    m_app.reset();
}

QStringList tst_CatalogueChecks::Column(const QString& sql)
{
    QStringList values;
    TStatement s(Db(), sql);
    while (s.Step())
        values.append(s.IsNull(0) ? QStringLiteral("NULL") : s.Value(0).toString());
    return values;
}

void tst_CatalogueChecks::checkRepairsEachTimeTheMarkerIsRemoved()
{
    Db().Exec("INSERT INTO Categories (CategoryID, ParentCategory) VALUES ('1', '0'), ('05', '1'), ('', '0'), (NULL, '0')");
    Db().Exec("INSERT INTO Products (ProductID, CategoryID, DetPage) VALUES ('1', '5', NULL), ('2', '42', 1), "
              "('3', '', 1), ('4', NULL, 1), ('5', '1', 0)");
    Db().Exec("INSERT INTO ProductsCustomFieldsMM VALUES (1, '1'), (1, '2'), (2, '02'), (1, '3')");
    Db().Exec("INSERT INTO ProductFiles (FilenameID, ProductID) VALUES (1, '2'), (2, '5'), (3, '4')");
    Db().Exec("UPDATE Taxes SET TaxID = 3 WHERE TaxName = 'No Tax'");

    TRecordingProgress progress;
    QVERIFY(RunCatalogueModuleSteps(*m_app, progress));
    QCOMPARE(progress.captions, QStringList{LangStr(975)});
    QCOMPARE(progress.finished, 1);
    QCOMPARE(Column("SELECT CategoryID FROM Categories ORDER BY rowid"), QStringList({"1", "05"}));
    QCOMPARE(Column("SELECT ProductID || ':' || DetPage FROM Products ORDER BY rowid"), QStringList({"1:1", "5:0"}));
    QCOMPARE(Column("SELECT CustomFieldID || ':' || ProductID FROM ProductsCustomFieldsMM"), QStringList{"1:1"});
    QCOMPARE(Column("SELECT ProductID FROM ProductFiles"), QStringList{"5"});
    QCOMPARE(Column("SELECT TaxID FROM Taxes WHERE TaxName = 'No Tax'"), QStringList{"0"});
    QFile marker(Marker());
    QVERIFY(marker.open(QIODevice::ReadOnly));
    QVERIFY(marker.readAll().startsWith("Verified : "));

    // With the marker in place the check does not run again...
    Db().Exec("INSERT INTO Products (ProductID, CategoryID) VALUES ('6', '77')");
    QVERIFY(!RunCatalogueModuleSteps(*m_app, progress));
    QCOMPARE(progress.captions.size(), 1);
    QCOMPARE(Column("SELECT ProductID FROM Products ORDER BY rowid"), QStringList({"1", "5", "6"}));
    // ...until "Verify Database" removes it.
    QVERIFY(QFile::remove(Marker()));
    QVERIFY(RunCatalogueModuleSteps(*m_app, progress));
    QCOMPARE(Column("SELECT ProductID FROM Products ORDER BY rowid"), QStringList({"1", "5"}));
    QVERIFY(QFile::exists(Marker()));
}

void tst_CatalogueChecks::productCategoryMatchesAsANumber_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QVariant>("productCategory");
    QTest::addColumn<bool>("kept");
    QTest::newRow("same text") << "5" << QVariant("5") << true;
    QTest::newRow("leading zero in the product") << "5" << QVariant("05") << true;
    QTest::newRow("leading zero in the category") << "05" << QVariant("5") << true;
    QTest::newRow("another number") << "5" << QVariant("6") << false;
    QTest::newRow("blank") << "5" << QVariant("  ") << false;
    QTest::newRow("missing") << "5" << QVariant() << false;
}

void tst_CatalogueChecks::productCategoryMatchesAsANumber()
{
    QFETCH(QString, category);
    QFETCH(QVariant, productCategory);
    QFETCH(bool, kept);
    Db().Exec("INSERT INTO Categories (CategoryID, ParentCategory) VALUES (?1, '0')", {category});
    Db().Exec("INSERT INTO Products (ProductID, CategoryID) VALUES ('1', ?1)", {productCategory});
    Db().Exec("INSERT INTO ProductsCustomFieldsMM VALUES (1, '1')");
    Db().Exec("INSERT INTO ProductFiles (FilenameID, ProductID) VALUES (1, '1')");
    RunConsistencyCheck(*m_app, TProgress::None());
    const qint64 expected = kept ? 1 : 0;
    QCOMPARE(Db().Scalar("SELECT COUNT(*) FROM Products"), QVariant(expected));
    QCOMPARE(Db().Scalar("SELECT COUNT(*) FROM ProductsCustomFieldsMM"), QVariant(expected));
    QCOMPARE(Db().Scalar("SELECT COUNT(*) FROM ProductFiles"), QVariant(expected));
    QCOMPARE(Db().Scalar("SELECT COUNT(*) FROM Categories"), QVariant(qint64(1)));
}

void tst_CatalogueChecks::parentsThatLeadNowhereBecomeTopLevel_data()
{
    QTest::addColumn<QStringList>("categories"); // id=parent
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a tree") << QStringList{"1=0", "2=1", "3=02"} << QStringList{"1=0", "2=1", "3=02"};
    QTest::newRow("own parent") << QStringList{"7=07"} << QStringList{"7=0"};
    QTest::newRow("missing parent") << QStringList{"1=0", "8=99"} << QStringList{"1=0", "8=0"};
    QTest::newRow("blank parent") << QStringList{"9= "} << QStringList{"9=0"};
    QTest::newRow("two in a ring") << QStringList{"11=10", "10=11", "12=11"} << QStringList{"11=10", "10=0", "12=11"};
    QTest::newRow("three in a ring") << QStringList{"4=6", "5=4", "6=5", "1=0"} << QStringList{"4=0", "5=4", "6=5", "1=0"};
}

void tst_CatalogueChecks::parentsThatLeadNowhereBecomeTopLevel()
{
    QFETCH(QStringList, categories);
    QFETCH(QStringList, expected);
    for (const QString& c : categories)
        Db().Exec("INSERT INTO Categories (CategoryID, ParentCategory) VALUES (?1, ?2)", {c.section(u'=', 0, 0), c.section(u'=', 1)});
    RunConsistencyCheck(*m_app, TProgress::None());
    QCOMPARE(Column("SELECT CategoryID || '=' || ParentCategory FROM Categories ORDER BY rowid"), expected);
}

void tst_CatalogueChecks::moduleStepsMendTheCatalogueTables()
{
    Db().Exec("DROP INDEX ByOrder");
    Db().Exec("CREATE INDEX IndexByCategory ON Products (CategoryID)");
    Db().Exec("INSERT INTO Categories (CategoryID, ParentCategory, Status) VALUES ('1', '0', NULL), ('2', '0', ''), ('3', '0', 1)");
    Db().Exec("DELETE FROM Taxes");
    QFile marker(Marker());
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();

    TRecordingProgress progress;
    QVERIFY(!RunCatalogueModuleSteps(*m_app, progress));
    QVERIFY(progress.captions.isEmpty());
    QCOMPARE(Column("SELECT name FROM sqlite_master WHERE name IN ('ByOrder', 'IndexByCategory')"), QStringList{"ByOrder"});
    QCOMPARE(Column("SELECT Status FROM Categories ORDER BY rowid"), QStringList({"0", "0", "1"}));
    QCOMPARE(Column("SELECT TaxID || TaxName || TaxPercentage FROM Taxes"), QStringList{"0No Tax0.0"});
}

void tst_CatalogueChecks::noTaxIsNotForcedOverAnotherTaxZero()
{
    Db().Exec("UPDATE Taxes SET TaxName = 'Exempt'");
    RunConsistencyCheck(*m_app, TProgress::None());
    QCOMPARE(Column("SELECT TaxID || TaxName FROM Taxes"), QStringList{"0Exempt"});
}

void tst_CatalogueChecks::failedCheckChangesNothingAndLeavesNoMarker()
{
    Db().Exec("INSERT INTO Categories (CategoryID, ParentCategory) VALUES ('1', '99')");
    Db().Exec("INSERT INTO Products (ProductID, CategoryID) VALUES ('1', '42')");
    Db().Exec("CREATE TRIGGER KeepProducts BEFORE DELETE ON Products BEGIN SELECT RAISE(ABORT, 'kept'); END");
    TRecordingProgress progress;
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, RunCatalogueModuleSteps(*m_app, progress));
    QCOMPARE(progress.finished, 1); // the status window does not stay up
    QVERIFY(!QFile::exists(Marker()));
    QCOMPARE(Column("SELECT ParentCategory FROM Categories"), QStringList{"99"});
    QCOMPARE(Column("SELECT TaxName FROM Taxes"), QStringList{"No Tax"});
}

QTEST_GUILESS_MAIN(tst_CatalogueChecks)
#include "tst_CatalogueChecks.moc"
