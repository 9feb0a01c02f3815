#include "TApp.h"
#include "TCommonDatabase.h"
#include "TProgramFolders.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class tst_CommonDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void referenceTablesAreFilledInFileOrder_data();
    void referenceTablesAreFilledInFileOrder();
    void namesAreStoredExactly();
    void existingTablesAreNeverRefilled();
    void aDroppedTableIsMadeAndFilledAgain();
    void damagedSeedChangesNothing_data();
    void damagedSeedChangesNothing();

private:
    static QString SeedFolder() { return TProgramFolders::ShippedData() + QStringLiteral("/commondb"); }
    // The data lines of a seed file, each split into its values.
    static QList<QStringList> SeedRows(const QString& file);
    static qint64 Count(TDatabase* db, const QString& table);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
};

void tst_CommonDatabase::init()
{
    QDir(m_env.Home() + QStringLiteral("/CommonDB")).removeRecursively();
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
}

void tst_CommonDatabase::cleanup()
{
    m_app.reset();
}

QList<QStringList> tst_CommonDatabase::SeedRows(const QString& file)
{
    QFile f(SeedFolder() + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(lines[i].split(u'\t'));
    return rows;
}

qint64 tst_CommonDatabase::Count(TDatabase* db, const QString& table)
{
    return db->Scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toLongLong();
}

void tst_CommonDatabase::referenceTablesAreFilledInFileOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("columns");
    QTest::newRow("currencies") << "Currencies" << "currencies.tsv" << "CurrencyID, Name, Unit";
    QTest::newRow("countries") << "Country" << "country.tsv" << "ID, CountryName, LCID";
    QTest::newRow("states") << "state" << "state.tsv" << "LCID, CountryID, ID, StateName";
    QTest::newRow("search engines") << "SearchEngines" << "searchengines.tsv" << "SearchEngineName, EngineURL, Description";
    QTest::newRow("banner programs") << "BannerPrograms" << "bannerprograms.tsv" << "BannerName, BannerURL, BannerDescription";
    QTest::newRow("counters") << "counter" << "counter.tsv" << "Name, URL, Description";
}

void tst_CommonDatabase::referenceTablesAreFilledInFileOrder()
{
    QFETCH(QString, table);
    QFETCH(QString, file);
    QFETCH(QString, columns);
    const QList<QStringList> expected = SeedRows(file);
    QVERIFY(expected.size() > 10);
    TDatabase* db = m_app->CommonDatabase();
    QList<QStringList> stored;
    TStatement s(*db, QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid").arg(columns, table));
    while (s.Step()) {
        QStringList row;
        for (int c = 0; c < s.ColumnCount(); ++c)
            row.append(s.Value(c).toString());
        stored.append(row);
    }
    QCOMPARE(stored, expected);
}

void tst_CommonDatabase::namesAreStoredExactly()
{
    TDatabase* db = m_app->CommonDatabase();
    QCOMPARE(db->Scalar("SELECT CountryName FROM Country WHERE ID = 384 AND LCID = 3081"), QVariant(QStringLiteral("Côte d'Ivoire")));
    QCOMPARE(db->Scalar("SELECT StateName FROM state WHERE ID = 84056 AND LCID = 1028"), QVariant(QStringLiteral("美屬維京群島")));
    QCOMPARE(db->Scalar("SELECT typeof(ID) FROM Country LIMIT 1"), QVariant(QStringLiteral("integer")));
    QCOMPARE(db->Scalar("SELECT Unit FROM Currencies WHERE CurrencyID = 36"), QVariant(QStringLiteral("AUD")));
}

void tst_CommonDatabase::existingTablesAreNeverRefilled()
{
    TDatabase* db = m_app->CommonDatabase();
    QVERIFY(TCommonDatabase::TablesCreatedAtOpen().contains(QStringLiteral("Websites")));
    const qint64 countries = Count(db, "Country");
    db->Exec("DELETE FROM counter WHERE rowid > 2");
    db->Exec("DELETE FROM BannerPrograms");
    db->Exec("INSERT INTO Websites (vchBusinessName, vchPath) VALUES ('Rosehill', '/shops/rosehill/')");
    m_app->CloseCommonDatabase();

    db = m_app->CommonDatabase();
    QCOMPARE(TCommonDatabase::TablesCreatedAtOpen(), QStringList());
    QCOMPARE(Count(db, "counter"), qint64(2));
    QCOMPARE(Count(db, "BannerPrograms"), qint64(0));
    QCOMPARE(Count(db, "Country"), countries);
    QCOMPARE(db->Scalar("SELECT autId || vchBusinessName FROM Websites"), QVariant(QStringLiteral("1Rosehill")));
}

void tst_CommonDatabase::aDroppedTableIsMadeAndFilledAgain()
{
    TDatabase* db = m_app->CommonDatabase();
    const qint64 states = Count(db, "state");
    db->Exec("DROP TABLE state");
    db->Exec("DELETE FROM Currencies");
    m_app->CloseCommonDatabase();

    db = m_app->CommonDatabase();
    QCOMPARE(TCommonDatabase::TablesCreatedAtOpen(), QStringList{QStringLiteral("state")});
    QCOMPARE(Count(db, "state"), states);
    QCOMPARE(Count(db, "Currencies"), qint64(0));
}

void tst_CommonDatabase::damagedSeedChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing
    QTest::newRow("missing file") << "state.tsv" << QByteArray();
    QTest::newRow("a value too many") << "counter.tsv" << QByteArray("Name\tURL\tDescription\nA\thttps://a.example/\tFirst\textra\n");
    QTest::newRow("unknown column") << "currencies.tsv" << QByteArray("CurrencyID\tName\tSymbol\n36\tAustralian Dollar\t$\n");
    QTest::newRow("not a number") << "country.tsv" << QByteArray("ID\tCountryName\tLCID\nAU\tAustralia\t3081\n");
}

void tst_CommonDatabase::damagedSeedChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    const QString seeds = m_env.NewFolder(QStringLiteral("seeds"));
    for (const QString& name : QDir(SeedFolder()).entryList(QDir::Files))
        QVERIFY(QFile::copy(SeedFolder() + u'/' + name, seeds + u'/' + name));
    QFile::remove(seeds + u'/' + file);
    if (!content.isEmpty()) {
        QFile f(seeds + u'/' + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    auto db = TDatabase::Open(m_env.NewFolder(QStringLiteral("common")) + QStringLiteral("/common.db"));
    try {
        TCommonDatabase::Prepare(*db, seeds);
        QFAIL("a damaged seed file was loaded");
    } catch (const EQuorvisError& e) {
        QVERIFY2(e.Message().contains(file), qPrintable(e.Message()));
    }
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM sqlite_master"), QVariant(qint64(0)));
}

QTEST_GUILESS_MAIN(tst_CommonDatabase)
#include "tst_CommonDatabase.moc"
