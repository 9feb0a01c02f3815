#include "EarlierStores.h"
#include "TApp.h"
#include "TDataSet.h"
#include "TGlobalResourceManager.h"
#include "TIdentifiers.h"
#include "TStoreSchema.h"
#include "TestSupport.h"

#include <QtTest>

using namespace EarlierStores;

class tst_StoreSchema : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void upgradeReachesTheLayoutOfANewStore_data();
    void upgradeReachesTheLayoutOfANewStore();
    void secondAttachChangesNothing_data();
    void secondAttachChangesNothing();
    void columnsAddedWithTheirFirstValues();
    void cardDataMovesToOrderPropertiesOnce_data();
    void cardDataMovesToOrderPropertiesOnce();
    void blankParentsBecomeTopLevel_data();
    void blankParentsBecomeTopLevel();
    void workflowRulesTheServerCannotRunAreRemoved();
    void importTemplatesNameTheirTableInVchTable();
    void taxNumberStoredAsMoneyMatchesItsTaxAfterUpgrade();
    void exportTemplatesAreResetWithTheirColumnMaps();
    void exportTemplatesOfSevenOrMoreAreLeftAlone();
    void failedUpgradeLeavesTheStoreByteForByte_data();
    void failedUpgradeLeavesTheStoreByteForByte();
    void duplicateIdentifiersStillOpen();
    void textIdentifiersAreNumbers_data();
    void textIdentifiersAreNumbers();
    void newStoreHoldsWhatAWebsiteNeeds();
    void newStoreIsNotMadeOverAnExistingFile();
    void columnHelpers();

private:
    // A store folder built from the statements; the building connection is
    // closed before the test touches the file.
    QString MakeStore(const QString& name, const QStringList& statements);
    QString MakeNewStore(const QString& name);
    std::shared_ptr<TDatabase> Attach(const QString& folder);
    static QString StoreFile(const QString& folder) { return folder + QStringLiteral("/store.db"); }
    static QStringList ColumnNames(TDatabase& db, const QString& table);
    static QString DeclaredType(TDatabase& db, const QString& table, const QString& column);
    static QStringList ObjectNames(TDatabase& db, const QString& type);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
};

void tst_StoreSchema::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
}

void tst_StoreSchema::cleanup()
{
    m_app.reset();
}

QString tst_StoreSchema::MakeStore(const QString& name, const QStringList& statements)
{
    const QString folder = m_env.NewFolder(name);
    auto db = TDatabase::Open(StoreFile(folder));
    TTransaction transaction(*db); // one write to disk, not one per statement
    for (const QString& statement : statements)
        db->Exec(statement);
    transaction.Commit();
    return folder;
}

QString tst_StoreSchema::MakeNewStore(const QString& name)
{
    const QString folder = m_env.NewFolder(name);
    TStoreSchema::CreateNewStore(StoreFile(folder));
    return folder;
}

std::shared_ptr<TDatabase> tst_StoreSchema::Attach(const QString& folder)
{
    TMessageRecorder messages;
    if (!OpenStoreDatabase(folder)) {
        qWarning("the store did not open");
        return nullptr;
    }
    return m_app->DatabasePtr();
}

QStringList tst_StoreSchema::ColumnNames(TDatabase& db, const QString& table)
{
    QStringList names;
    for (const TDatabase::ColumnInfo& c : db.Columns(table))
        names.append(c.name.toLower());
    names.sort();
    return names;
}

QString tst_StoreSchema::DeclaredType(TDatabase& db, const QString& table, const QString& column)
{
    for (const TDatabase::ColumnInfo& c : db.Columns(table))
        if (c.name.compare(column, Qt::CaseInsensitive) == 0)
            return c.declaredType;
    return QString();
}

QStringList tst_StoreSchema::ObjectNames(TDatabase& db, const QString& type)
{
    QStringList names;
    TStatement s(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = ?1 AND name NOT LIKE 'sqlite_%'"));
    s.Bind(1, type);
    while (s.Step())
        names.append(s.Value(0).toString().toLower());
    names.sort();
    return names;
}

void tst_StoreSchema::upgradeReachesTheLayoutOfANewStore_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("first release") << FirstRelease();
    QTest::newRow("later release") << LaterRelease();
    QTest::newRow("bare file") << QStringList();
}

void tst_StoreSchema::upgradeReachesTheLayoutOfANewStore()
{
    QFETCH(QStringList, statements);
    auto fresh = TDatabase::Open(StoreFile(MakeNewStore(QStringLiteral("fresh"))));
    auto db = Attach(MakeStore(QStringLiteral("old"), statements));
    QVERIFY(db);

    QCOMPARE(ObjectNames(*db, QStringLiteral("table")), ObjectNames(*fresh, QStringLiteral("table")));
    for (const QString& table : ObjectNames(*fresh, QStringLiteral("table")))
        QCOMPARE(ColumnNames(*db, table), ColumnNames(*fresh, table));
    QStringList indexes = ObjectNames(*db, QStringLiteral("index"));
    QVERIFY(!indexes.contains(QStringLiteral("ordernumberasc")));
    QCOMPARE(indexes, ObjectNames(*fresh, QStringLiteral("index")));
    // Columns an upgrade adds get the types the record classes read them by.
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "MerchantSettings", "DomFreightTax")), TFieldType::Float);
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "MerchantSettings", "CounterText")), TFieldType::String);
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "CustomerOrders", "TaxTotal")), TFieldType::Currency);
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "Products", "DetPage")), TFieldType::Boolean);
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "Products", "Order")), TFieldType::Integer);
}

void tst_StoreSchema::secondAttachChangesNothing_data()
{
    QTest::addColumn<QStringList>("statements"); // empty: a new store
    QTest::newRow("first release") << FirstRelease();
    QTest::newRow("later release") << LaterRelease();
    QTest::newRow("new store") << QStringList();
}

void tst_StoreSchema::secondAttachChangesNothing()
{
    QFETCH(QStringList, statements);
    const QString folder = statements.isEmpty() ? MakeNewStore(QStringLiteral("s")) : MakeStore(QStringLiteral("s"), statements);
    QVERIFY(Attach(folder));
    m_app->CloseDatabase();
    const QString dump = Dump(StoreFile(folder));
    const QByteArray bytes = FileBytes(StoreFile(folder));

    QVERIFY(Attach(folder));
    m_app->CloseDatabase();
    QCOMPARE(Dump(StoreFile(folder)), dump);
    QCOMPARE(FileBytes(StoreFile(folder)), bytes);
}

void tst_StoreSchema::columnsAddedWithTheirFirstValues()
{
    auto db = Attach(MakeStore(QStringLiteral("s"), FirstRelease()));
    QVERIFY(db);
    QCOMPARE(db->Scalar("SELECT LanguageID FROM MerchantSettings"), QVariant(qint64(3081)));
    QCOMPARE(db->Scalar("SELECT SecureServerActive FROM MerchantSettings"), QVariant(qint64(1)));
    QCOMPARE(db->Scalar("SELECT MerchantName FROM MerchantSettings"), QVariant(QStringLiteral("Rosehill Nursery")));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM CustomerOrders WHERE OrderStatus = 0 AND Exported = 0"), QVariant(qint64(4)));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Taxes WHERE International = 0"), QVariant(qint64(2)));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Products WHERE DetPage = 1 AND \"Order\" = 0"), QVariant(qint64(2)));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Categories WHERE Status = 0"), QVariant(qint64(4)));

    // A value set by the release that added the column stays.
    m_app->CloseDatabase();
    db = Attach(MakeStore(QStringLiteral("later"), LaterRelease()));
    QVERIFY(db);
    QCOMPARE(db->Scalar("SELECT LanguageID FROM MerchantSettings"), QVariant(qint64(1028)));
    QCOMPARE(db->Scalar("SELECT SecureServerActive FROM MerchantSettings"), QVariant(qint64(0)));
}

void tst_StoreSchema::cardDataMovesToOrderPropertiesOnce_data()
{
    QTest::addColumn<QString>("orderNumber");
    QTest::addColumn<QVariant>("cardNumber");
    QTest::addColumn<bool>("copied");
    QTest::newRow("order with a card") << "12" << QVariant("4111111111111111") << true;
    QTest::newRow("order number 0") << "0" << QVariant("4111111111111111") << false;
    QTest::newRow("order number not a number") << "web" << QVariant("4111111111111111") << false;
    QTest::newRow("empty card number") << "12" << QVariant("") << false;
    QTest::newRow("blank card number") << "12" << QVariant("   ") << false;
    QTest::newRow("no card number") << "12" << QVariant() << false;
    QTest::newRow("already copied") << "12" << QVariant("COPIED4111111111111111") << false;
}

void tst_StoreSchema::cardDataMovesToOrderPropertiesOnce()
{
    QFETCH(QString, orderNumber);
    QFETCH(QVariant, cardNumber);
    QFETCH(bool, copied);
    QStringList statements = FirstRelease();
    statements.append("DELETE FROM CustomerOrders");
    const QString folder = MakeStore(QStringLiteral("s"), statements);
    TDatabase::Open(StoreFile(folder))->Exec(
        "INSERT INTO CustomerOrders (OrderNumber, CreditCardNumber, CreditCardExpiry, NameOnCreditCard, CreditCardType) "
        "VALUES (?1, ?2, '09/27', 'A O''LEE', 'Visa')",
        {orderNumber, cardNumber});

    for (int attach = 1; attach <= 2; ++attach) {
        auto db = Attach(folder);
        QVERIFY(db);
        QList<QStringList> properties;
        TStatement s(*db, "SELECT intOrderId, vchKey, vchValue FROM OrderProperties ORDER BY rowid");
        while (s.Step())
            properties.append({s.Value(0).toString(), s.Value(1).toString(), s.Value(2).toString()});
        if (copied) {
            const QList<QStringList> expected{{"12", "Credit Card", cardNumber.toString()},
                                              {"12", "Expiry Date", "09/27"},
                                              {"12", "Name On Card", "A O'LEE"},
                                              {"12", "Card Type", "Visa"}};
            QCOMPARE(properties, expected);
            QCOMPARE(db->Scalar("SELECT CreditCardNumber FROM CustomerOrders"), QVariant("COPIED" + cardNumber.toString()));
        } else {
            QCOMPARE(properties.size(), 0);
            QCOMPARE(db->Scalar("SELECT CreditCardNumber FROM CustomerOrders"), cardNumber.isNull() ? QVariant() : cardNumber);
        }
        m_app->CloseDatabase();
    }
}

void tst_StoreSchema::blankParentsBecomeTopLevel_data()
{
    QTest::addColumn<QVariant>("parent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QVariant("") << "0";
    QTest::newRow("blanks") << QVariant("  ") << "0";
    QTest::newRow("missing") << QVariant() << "0";
    QTest::newRow("a parent") << QVariant("7") << "7";
    QTest::newRow("top level") << QVariant("0") << "0";
}

void tst_StoreSchema::blankParentsBecomeTopLevel()
{
    QFETCH(QVariant, parent);
    QFETCH(QString, expected);
    const QString folder = MakeNewStore(QStringLiteral("s"));
    // The catalogue turns blank parents into "0" at every attach, not only the first.
    for (int attach = 1; attach <= 2; ++attach) {
        TDatabase::Open(StoreFile(folder))->Exec("INSERT INTO Categories (CategoryID, ParentCategory) VALUES (?1, ?2)",
                                                 {QString::number(attach), parent});
        auto db = Attach(folder);
        QVERIFY(db);
        QCOMPARE(db->Scalar("SELECT ParentCategory FROM Categories WHERE CategoryID = ?1", {QString::number(attach)}),
                 QVariant(expected));
        m_app->CloseDatabase();
    }
}

void tst_StoreSchema::workflowRulesTheServerCannotRunAreRemoved()
{
    auto db = Attach(MakeStore(QStringLiteral("s"), FirstRelease()));
    QVERIFY(db);
    QStringList kept;
    TStatement s(*db, "SELECT Name FROM Workflow ORDER BY WorkflowID");
    while (s.Step())
        kept.append(s.Value(0).toString());
    QCOMPARE(kept, QStringList({"Receipt", "Notify"}));
}

void tst_StoreSchema::taxNumberStoredAsMoneyMatchesItsTaxAfterUpgrade()
{
    // Earlier layouts declare CostExTax as money: tax 1 written through the
    // dataset layer is kept as 10000 ten-thousandths, by hand as 1.0 or "1".
    QStringList statements = FirstRelease();
    statements << "UPDATE Products SET CostExTax = 10000 WHERE ProductID = '1'"
               << "UPDATE Products SET CostExTax = 1.0 WHERE ProductID = '2'"
               << "INSERT INTO Products (ProductID, CategoryID, ProductName, CostExTax) VALUES ('3', '1', 'Tulip', ' 1 '), "
                  "('4', '1', 'Fern', NULL), ('5', '1', 'Moss', 0)"
               << "CREATE INDEX ByTax ON Products (CostExTax)"; // an index of its own over the column
    auto db = Attach(MakeStore(QStringLiteral("s"), statements));
    QVERIFY(db);
    QCOMPARE(FieldStorage::TypeFromDeclared(DeclaredType(*db, "Products", "CostExTax")), TFieldType::Integer);
    QStringList taxes;
    TStatement s(*db, "SELECT p.ProductID, t.TaxName FROM Products p LEFT JOIN Taxes t ON p.CostExTax = t.TaxID "
                      "ORDER BY CAST(p.ProductID AS INTEGER)");
    while (s.Step())
        taxes.append(s.Value(0).toString() + u'=' + s.Value(1).toString());
    QCOMPARE(taxes, QStringList({"1=GST", "2=GST", "3=GST", "4=", "5=No Tax"}));
    // The other columns and the rows' values are all still there.
    QCOMPARE(db->Scalar("SELECT Cost FROM Products WHERE ProductID = '2'").toLongLong(), 199500);
    QVERIFY(ColumnNames(*db, "Products").contains("costextax"));
}

void tst_StoreSchema::importTemplatesNameTheirTableInVchTable()
{
    auto db = Attach(MakeStore(QStringLiteral("s"), LaterRelease()));
    QVERIFY(db);
    QVERIFY(!db->HasColumn("ImportTemplate", "vchTableName"));
    QStringList tables;
    TStatement s(*db, "SELECT vchName, vchTable, vchSourcePath FROM ImportTemplate ORDER BY iImportTemplateID");
    while (s.Step())
        tables.append(s.Value(0).toString() + u'=' + s.Value(1).toString() + u'@' + s.Value(2).toString());
    QCOMPARE(tables, QStringList({"Stock list=stock#csv@/home/shop/stock.csv", "Price list=Sheet1$@/home/shop/prices.xls"}));
}

void tst_StoreSchema::exportTemplatesAreResetWithTheirColumnMaps()
{
    auto db = Attach(MakeStore(QStringLiteral("s"), LaterRelease()));
    QVERIFY(db);
    QStringList templates;
    TStatement s(*db, "SELECT vchName, vchDescription, iDriverID, iExportType FROM ExportTemplate ORDER BY iExportTemplateID");
    while (s.Step())
        templates.append(QStringLiteral("%1|%2|%3|%4").arg(s.Value(0).toString(), s.Value(1).toString()).arg(s.Int64(2)).arg(s.Int64(3)));
    QCOMPARE(templates, QStringList({
                            "Products CSV Export|Export Products to CSV File|1|1",
                            "Customers CSV Export|Export Customers to CSV File|1|2",
                            "Categories CSV Export|Export Categories to CSV File|1|4",
                            "Orders CSV Export|Export Orders to CSV File|1|3",
                            "MYOB Products Export|Export Products to MYOB Compatible File|2|1",
                            "MYOB Customers Export|Export Customers to MYOB Compatible File|2|2",
                            "MYOB Orders Export|Export Orders to MYOB Compatible File|2|3",
                        }));
    // The maps of "Orders CSV Export" follow it to its new row; the others had
    // no template left to belong to.
    QStringList maps;
    TStatement m(*db, "SELECT t.vchName, m.vchSrcName FROM ExportTemplateColumnMap AS m "
                      "LEFT JOIN ExportTemplate AS t ON t.iExportTemplateID = m.iTemplateID ORDER BY m.rowid");
    while (m.Step())
        maps.append(m.Value(0).toString() + u':' + m.Value(1).toString());
    QCOMPARE(maps, QStringList({"Orders CSV Export:ID", "Orders CSV Export:Total"}));
}

void tst_StoreSchema::exportTemplatesOfSevenOrMoreAreLeftAlone()
{
    QStringList statements = LaterRelease();
    statements.append("INSERT INTO ExportTemplate (vchName, iDriverID, iExportType) VALUES ('Seventh', 1, 4)");
    const QString folder = MakeStore(QStringLiteral("s"), statements);
    QStringList before;
    {
        auto db = TDatabase::Open(StoreFile(folder));
        TStatement s(*db, "SELECT iExportTemplateID || vchName FROM ExportTemplate ORDER BY 1");
        while (s.Step())
            before.append(s.Value(0).toString());
    }
    auto db = Attach(folder);
    QVERIFY(db);
    QStringList after;
    TStatement s(*db, "SELECT iExportTemplateID || vchName FROM ExportTemplate ORDER BY 1");
    while (s.Step())
        after.append(s.Value(0).toString());
    QCOMPARE(after, before);
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM ExportTemplateColumnMap"), QVariant(qint64(4)));
}

void tst_StoreSchema::failedUpgradeLeavesTheStoreByteForByte_data()
{
    QTest::addColumn<QStringList>("extra");
    // Each breaks one step: earlier steps have already changed the store by then.
    QTest::newRow("a view where a table is due") << QStringList{"CREATE VIEW AcceptedAccount AS SELECT 1 AS AccountName"};
    QTest::newRow("the last table") << QStringList{"CREATE VIEW UploadFile AS SELECT 1 AS ID"};
    QTest::newRow("a data step refused")
        << QStringList{"CREATE TRIGGER NoChange BEFORE UPDATE ON Categories BEGIN SELECT RAISE(ABORT, 'read only'); END"};
    QTest::newRow("an export reset refused")
        << QStringList{"CREATE TRIGGER Keep BEFORE DELETE ON ExportTemplate BEGIN SELECT RAISE(ABORT, 'kept'); END"};
}

void tst_StoreSchema::failedUpgradeLeavesTheStoreByteForByte()
{
    QFETCH(QStringList, extra);
    const QString good = MakeNewStore(QStringLiteral("good"));
    QVERIFY(Attach(good));

    const QString folder = MakeStore(QStringLiteral("s"), LaterRelease() + extra);
    const QByteArray before = FileBytes(StoreFile(folder));
    QVERIFY(!before.isEmpty());
    TMessageRecorder messages;
    QVERIFY(!OpenStoreDatabase(folder));
    QVERIFY(!m_app->IsOpen());
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].second.startsWith(LangStr(1338)));
    QVERIFY(messages.shown[0].second.contains(LangStr(5014))); // the upgrade failed, and says why
    QCOMPARE(FileBytes(StoreFile(folder)), before);
    QVERIFY(!QFile::exists(StoreFile(folder) + "-wal") || FileBytes(StoreFile(folder) + "-wal").isEmpty());
}

void tst_StoreSchema::duplicateIdentifiersStillOpen()
{
    QStringList statements = FirstRelease();
    statements += {"INSERT INTO Customers (CustomerID, CustomerName) VALUES (2, 'Bob Ray again')",
                   "INSERT INTO Categories (CategoryID, CategoryName) VALUES ('03', 'Climbers again')"};
    const QString folder = MakeStore(QStringLiteral("s"), statements);
    auto db = Attach(folder);
    QVERIFY(db);
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Customers"), QVariant(qint64(3)));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Categories"), QVariant(qint64(5)));
    const QString uniqueCustomers = "SELECT sql LIKE 'CREATE UNIQUE%' FROM sqlite_master WHERE name = 'CustomersByID'";
    QCOMPARE(db->Scalar(uniqueCustomers), QVariant(qint64(0)));
    QCOMPARE(db->Scalar("SELECT sql LIKE 'CREATE UNIQUE%' FROM sqlite_master WHERE name = 'CategoriesByNumber'"), QVariant(qint64(0)));
    QCOMPARE(db->Scalar("SELECT sql LIKE 'CREATE UNIQUE%' FROM sqlite_master WHERE name = 'ProductsByNumber'"), QVariant(qint64(1)));

    // Once the merchant has sorted the duplicates out, the index becomes unique.
    db->Exec("DELETE FROM Customers WHERE CustomerName = 'Bob Ray again'");
    m_app->CloseDatabase();
    db.reset();
    db = Attach(folder);
    QVERIFY(db);
    QCOMPARE(db->Scalar(uniqueCustomers), QVariant(qint64(1)));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db->Exec("INSERT INTO Customers (CustomerID) VALUES (1)"));
}

void tst_StoreSchema::textIdentifiersAreNumbers_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("categories") << "Categories" << "CategoryID";
    QTest::newRow("products") << "Products" << "ProductID";
}

void tst_StoreSchema::textIdentifiersAreNumbers()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    auto db = TDatabase::Open(StoreFile(MakeNewStore(QStringLiteral("s"))));
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (?1)").arg(table, column);
    for (const char* id : {"9", "10", "2"})
        db->Exec(insert, {QString::fromLatin1(id)});
    const TIdentifierKind* kind = TIdentifierKind::ByTable(table);
    QVERIFY(kind);
    QCOMPARE(TApp::NextFreeIdentifier(*db, *kind), qint64(11));
    // "010" is identifier 10 again.
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, db->Exec(insert, {QStringLiteral("010")}));

    // The highest number is read from the index, not by sorting the table.
    QStringList plan;
    TStatement s(*db, QStringLiteral("EXPLAIN QUERY PLAN SELECT CAST(%1 AS INTEGER) AS n FROM %2 ORDER BY n DESC LIMIT 1")
                          .arg(QuoteIdentifier(column), QuoteIdentifier(table)));
    while (s.Step())
        plan.append(s.Value(3).toString());
    QVERIFY2(plan.join(u' ').contains(QStringLiteral("INDEX %1ByNumber").arg(table)), qPrintable(plan.join(u' ')));
    QVERIFY2(!plan.join(u' ').contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan.join(u' ')));
}

void tst_StoreSchema::newStoreHoldsWhatAWebsiteNeeds()
{
    const QString folder = MakeNewStore(QStringLiteral("s"));
    auto db = Attach(folder);
    QVERIFY(db);
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM MerchantSettings"), QVariant(qint64(1)));
    QCOMPARE(db->Scalar("SELECT LanguageID FROM MerchantSettings"), QVariant(qint64(3081)));
    QCOMPARE(db->Scalar("SELECT TaxID || '|' || TaxName || '|' || TaxPercentage FROM Taxes"), QVariant("0|No Tax|0.0"));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM ExportTemplate"), QVariant(qint64(7)));
    QCOMPARE(db->Scalar("SELECT COUNT(*) FROM Promotions"), QVariant(qint64(1)));
    for (const char* empty : {"Categories", "Products", "Customers", "CustomerOrders", "CategoryGen", "ProductsGen"})
        QCOMPARE(db->Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1StringView(empty))), QVariant(qint64(0)));

    // The self-numbering key of the template tables numbers rows by itself.
    db->Exec("INSERT INTO ImportTemplate (vchName) VALUES ('a')");
    QCOMPARE(db->Scalar("SELECT iImportTemplateID FROM ImportTemplate"), QVariant(qint64(1)));

    // Read through the dataset layer, each kind of column comes out as its type.
    TTable products(db, QStringLiteral("Products"));
    products.Open();
    products.Append();
    products.Field("ProductID").SetValue(QStringLiteral("1"));
    products.Field("Cost").SetAsCurrency(TMoney::FromUnits(125000));
    products.Post();
    QCOMPARE(products.Field("Cost").AsCurrency(), TMoney::FromUnits(125000));
    QCOMPARE(products.Field("DetPage").AsBoolean(), true); // a new product gets its own page
    QCOMPARE(products.Field("Order").AsInteger(), qint64(0));
    QCOMPARE(db->Scalar("SELECT Cost FROM Products"), QVariant(qint64(125000)));
}

void tst_StoreSchema::newStoreIsNotMadeOverAnExistingFile()
{
    const QString folder = MakeStore(QStringLiteral("s"), {"CREATE TABLE Precious (x)", "INSERT INTO Precious VALUES (1)"});
    const QByteArray before = FileBytes(StoreFile(folder));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, TStoreSchema::CreateNewStore(StoreFile(folder)));
    QCOMPARE(FileBytes(StoreFile(folder)), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"store.db"});
}

void tst_StoreSchema::columnHelpers()
{
    auto db = TDatabase::Open(StoreFile(MakeStore(QStringLiteral("s"), {"CREATE TABLE UploadFile (ID INTEGER, vchName varchar(254))"})));
    QVERIFY(TStoreSchema::AddColumn(*db, "UploadFile", "TIMESTAMP", "DateTime3"));
    QVERIFY(!TStoreSchema::AddColumn(*db, "UploadFile", "TIMESTAMP", "datetime3"));
    QCOMPARE(DeclaredType(*db, "UploadFile", "DateTime3"), QStringLiteral("TIMESTAMP"));
    QVERIFY(TStoreSchema::DropColumn(*db, "UploadFile", "DATETIME3"));
    QVERIFY(!TStoreSchema::DropColumn(*db, "UploadFile", "DateTime3"));
    QCOMPARE(ColumnNames(*db, "UploadFile"), QStringList({"id", "vchname"}));
}

QTEST_GUILESS_MAIN(tst_StoreSchema)
#include "tst_StoreSchema.moc"
