#include "CatalogueStore.h"
#include "TCustomFields.h"
#include "TProductCustomFields.h"
#include "TProductFiles.h"
#include "TProducts.h"

#include <QAbstractItemModelTester>

namespace {

QList<qint64> FieldIds(TCustomFields& fields)
{
    QList<qint64> ids;
    for (int i = 0; i < fields.Count(); ++i)
        ids.append(fields.Items(i)->ID());
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class tst_TProducts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newProductIdentifiers_data();
    void newProductIdentifiers();
    void findByCodeAndCategory_data();
    void findByCodeAndCategory();
    void linkedAndAvailableFieldsCoverEveryFieldOnce_data();
    void linkedAndAvailableFieldsCoverEveryFieldOnce();
    void linkToProductLinksTheCurrentField();
    void linkToProductOnTheSharedCollectionAddsNothing();
    void doubleLinkIsRefused();
    void productCollectionsAreKeptByTheProduct();
    void newProductFile();
    void newCustomFieldAndItsValues();
    void deleteRemovesLinksAndFiles();
    void productsAreAWellBehavedModel();
    void walkingForwardReadsChangesMadeOnTheWay();

private:
    qint64 AddProduct(const QString& code, qint64 category);
    TTestEnvironment m_env;
    std::unique_ptr<TCatalogueStore> m_store;
};

void tst_TProducts::init()
{
    m_store = std::make_unique<TCatalogueStore>(m_env);
    QVERIFY(m_store->App().IsOpen());
}

void tst_TProducts::cleanup()
{
    m_store.reset();
}

qint64 tst_TProducts::AddProduct(const QString& code, qint64 category)
{
    TRef<TProduct> product = m_store->App().Products()->NewProduct();
    product->SetCode(code);
    product->SetName(QStringLiteral("Product ") + code);
    product->SetCategoryID(category);
    product->Save();
    return product->ID();
}

void tst_TProducts::newProductIdentifiers_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("expected");
    QTest::newRow("first product") << QStringList() << 1;
    QTest::newRow("numeric maximum") << QStringList({"9", "10", "2"}) << 11;
}

void tst_TProducts::newProductIdentifiers()
{
    QFETCH(QStringList, existing);
    QFETCH(int, expected);
    for (const QString& id : existing)
        m_store->Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID) VALUES (?1, '1')"), {id});
    TRef<TProduct> product = m_store->App().Products()->NewProduct();
    product->Save();
    QCOMPARE(product->ID(), qint64(expected));
    QCOMPARE(m_store->Column(QStringLiteral("SELECT ProductID FROM ProductsGen")), QStringList{QString::number(expected)});
}

void tst_TProducts::findByCodeAndCategory_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("expectedName"); // empty: none

    QTest::newRow("same code, first category") << QStringLiteral("ROSE-1") << QStringLiteral("1") << QStringLiteral("Red rose");
    QTest::newRow("same code, second category") << QStringLiteral("ROSE-1") << QStringLiteral("2") << QStringLiteral("Rose seeds");
    QTest::newRow("code in other letter case") << QStringLiteral("rose-1") << QStringLiteral("2") << QStringLiteral("Rose seeds");
    QTest::newRow("non-ASCII code") << QStringLiteral("ÄPFEL") << QStringLiteral("1") << QStringLiteral("Apples");
    QTest::newRow("code not in that category") << QStringLiteral("äpfel") << QStringLiteral("2") << QString();
    QTest::newRow("missing code") << QStringLiteral("TULIP") << QStringLiteral("1") << QString();
}

void tst_TProducts::findByCodeAndCategory()
{
    QFETCH(QString, code);
    QFETCH(QString, category);
    QFETCH(QString, expectedName);
    m_store->Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductCode, ProductName) VALUES "
                                 "('1', '1', 'ROSE-1', 'Red rose'), ('2', '2', 'Rose-1', 'Rose seeds'), ('3', '1', 'äpfel', 'Apples')"));
    TRef<TProduct> found = m_store->App().Products()->FindByCodeAndCategory(code, category);
    QCOMPARE(found ? found->Name() : QString(), expectedName);
}

void tst_TProducts::linkedAndAvailableFieldsCoverEveryFieldOnce_data()
{
    // Links as "field:product"; "null" stands for a missing identifier.
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QList<qint64>>("linked");
    QTest::addColumn<QList<qint64>>("available");

    const QList<qint64> all{1, 2, 3, 4};
    QTest::newRow("no links") << QStringList() << QList<qint64>() << all;
    QTest::newRow("two links") << QStringList({"1:7", "3:7"}) << QList<qint64>({1, 3}) << QList<qint64>({2, 4});
    QTest::newRow("links of another product only") << QStringList({"2:8"}) << QList<qint64>() << all;
    QTest::newRow("a link without a field") << QStringList({"null:7", "2:7"}) << QList<qint64>({2}) << QList<qint64>({1, 3, 4});
    QTest::newRow("a link without a field, of another product") << QStringList({"null:8"}) << QList<qint64>() << all;
    QTest::newRow("a link without a product") << QStringList({"1:null", "4:7"}) << QList<qint64>({4}) << QList<qint64>({1, 2, 3});
    QTest::newRow("a link stored twice") << QStringList({"3:7", "3:7"}) << QList<qint64>({3}) << QList<qint64>({1, 2, 4});
    QTest::newRow("every field") << QStringList({"1:7", "2:7", "3:7", "4:7"}) << all << QList<qint64>();
}

void tst_TProducts::linkedAndAvailableFieldsCoverEveryFieldOnce()
{
    QFETCH(QStringList, links);
    QFETCH(QList<qint64>, linked);
    QFETCH(QList<qint64>, available);
    for (int id = 1; id <= 4; ++id)
        m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (?1, ?2)"),
                      {id, QStringLiteral("Field %1").arg(id)});
    m_store->Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID) VALUES ('7', '1'), ('8', '1')"));
    for (const QString& link : links) {
        const QString field = link.section(u':', 0, 0);
        const QString product = link.section(u':', 1, 1);
        m_store->Exec(QStringLiteral("INSERT INTO ProductsCustomFieldsMM (CustomFieldID, ProductID) VALUES (?1, ?2)"),
                      {field == u"null" ? QVariant() : QVariant(field.toInt()), product == u"null" ? QVariant() : QVariant(product)});
    }
    TRef<TProduct> product = m_store->App().Products()->ItemByID(7);
    TRef<TCustomFields> linkedFields = product->CustomFields();
    TRef<TCustomFields> availableFields = product->AvailableCustomFields();
    QCOMPARE(linkedFields->ProductID(), qint64(7));
    QCOMPARE(availableFields->ProductID(), qint64(7));
    QCOMPARE(FieldIds(*linkedFields), linked);
    QCOMPARE(FieldIds(*availableFields), available);
}

void tst_TProducts::linkToProductLinksTheCurrentField()
{
    for (int id = 1; id <= 3; ++id)
        m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (?1, ?2)"),
                      {id, QStringLiteral("Field %1").arg(id)});
    const qint64 id = AddProduct(QStringLiteral("A"), 1);
    TRef<TProduct> product = m_store->App().Products()->ItemByID(id);
    TRef<TCustomFields> available = product->AvailableCustomFields();
    available->ItemByID(2);
    QVERIFY(available->LinkToProduct());
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CustomFieldID || ':' || ProductID FROM ProductsCustomFieldsMM")),
             QStringList{QStringLiteral("2:%1").arg(id)});
    available->Refresh();
    product->CustomFields()->Refresh();
    QCOMPARE(FieldIds(*available), QList<qint64>({1, 3}));
    QCOMPARE(FieldIds(*product->CustomFields()), QList<qint64>({2}));
}

void tst_TProducts::linkToProductOnTheSharedCollectionAddsNothing()
{
    m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (1, 'Engraving')"));
    AddProduct(QStringLiteral("A"), 1);
    TRef<TCustomFields> shared = m_store->App().CustomFields();
    QCOMPARE(shared->ProductID(), qint64(-1));
    QCOMPARE(shared->Count(), 1);
    QVERIFY(!shared->LinkToProduct());
    QCOMPARE(m_store->Scalar(QStringLiteral("SELECT COUNT(*) FROM ProductsCustomFieldsMM")).toInt(), 0);
}

void tst_TProducts::doubleLinkIsRefused()
{
    m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (1, 'Engraving'), (2, 'Colour')"));
    const qint64 id = AddProduct(QStringLiteral("A"), 1);
    const qint64 other = AddProduct(QStringLiteral("B"), 1);
    TRef<TProduct> product = m_store->App().Products()->ItemByID(id);
    // The same field reached twice: from a collection that has not been refreshed,
    // and through the links collection directly.
    TRef<TCustomFields> available = product->AvailableCustomFields();
    available->ItemByID(1);
    QVERIFY(available->LinkToProduct());
    QVERIFY(!available->LinkToProduct());
    TRef<TProductCustomFields> links(new TProductCustomFields(m_store->App().OpenSharedTable(QStringLiteral("ProductsCustomFieldsMM"))));
    QVERIFY(!links->Link(1, id));
    QVERIFY(links->Link(1, other));
    QVERIFY(links->Link(2, id));
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CustomFieldID || ':' || ProductID FROM ProductsCustomFieldsMM ORDER BY 1")),
             QStringList({QStringLiteral("1:%1").arg(id), QStringLiteral("1:%1").arg(other), QStringLiteral("2:%1").arg(id)}));
}

void tst_TProducts::productCollectionsAreKeptByTheProduct()
{
    const qint64 id = AddProduct(QStringLiteral("A"), 1);
    TRef<TProduct> product = m_store->App().Products()->ItemByID(id);
    TRef<TProductFiles> files = product->ProductFiles();
    QCOMPARE(product->ProductFiles().get(), files.get());
    QCOMPARE(files->RefCount(), 2); // the product's and ours
    QCOMPARE(product->CustomFields().get(), product->CustomFields().get());
    QCOMPARE(product->AvailableCustomFields().get(), product->AvailableCustomFields().get());
    QVERIFY(product->CustomFields().get() != product->AvailableCustomFields().get());
    // Through the by-name table as well.
    QCOMPARE(product->GetProperty(QStringLiteral("ProductFiles")).value<TCollection*>(), static_cast<TCollection*>(files.get()));
    product.Reset();
    QCOMPARE(files->RefCount(), 1); // still ours after the product has gone
    QCOMPARE(files->Count(), 0);
}

void tst_TProducts::newProductFile()
{
    const qint64 id = AddProduct(QStringLiteral("A"), 1);
    const qint64 other = AddProduct(QStringLiteral("B"), 1);
    m_store->Exec(QStringLiteral("INSERT INTO ProductFiles (FilenameID, ProductID, Filename) VALUES (4, ?1, 'other.pdf')"),
                  {QString::number(other)});
    TRef<TProduct> product = m_store->App().Products()->ItemByID(id);
    TRef<TProductFiles> files = product->ProductFiles();
    QCOMPARE(files->ProductID(), id);
    QCOMPARE(files->Count(), 0);
    TRef<TProductFile> file = files->NewProductFile();
    file->SetFileName(QStringLiteral("manual.pdf"));
    file->Save();
    QCOMPARE(file->ID(), qint64(5));
    QCOMPARE(file->FileType(), QStringLiteral("File"));
    QCOMPARE(file->ProductID(), QString::number(id));
    QCOMPARE(files->Count(), 1);
    QCOMPARE(m_store->Column(QStringLiteral("SELECT ProductFileID FROM ProductFilesGen")), QStringList{"5"});
}

void tst_TProducts::newCustomFieldAndItsValues()
{
    TRef<TCustomFields> fields = m_store->App().CustomFields();
    TRef<TCustomField> field = fields->NewCustomField();
    field->SetName(QStringLiteral("Engraving"));
    field->SetDescription(QStringLiteral("Up to \"20\" letters"));
    field->SetFieldType(QStringLiteral("Multiple Line Edit box"));
    field->SetMinValue(30);
    field->SetMaxValue(4);
    field->SetRequired(true);
    field->SetDefaultValue(QStringLiteral("ÆØÅ"));
    field->SetValueList(QStringLiteral("one\r\ntwo"));
    field->Save();
    QCOMPARE(field->ID(), qint64(1));
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CustomFieldID FROM CustomFieldsGen")), QStringList{"1"});

    TRef<TCustomFields> fresh(new TCustomFields(m_store->App().OpenSharedTable(QStringLiteral("CustomFields"))));
    TRef<TCustomField> reread = fresh->ItemByID(1);
    QCOMPARE(reread->Name(), QStringLiteral("Engraving"));
    QCOMPARE(reread->Description(), QStringLiteral("Up to \"20\" letters"));
    QCOMPARE(reread->FieldType(), QStringLiteral("Multiple Line Edit box"));
    QCOMPARE(reread->MinValue(), 30);
    QCOMPARE(reread->MaxValue(), 4);
    QCOMPARE(reread->Required(), true);
    QCOMPARE(reread->DefaultValue(), QStringLiteral("ÆØÅ"));
    QCOMPARE(reread->ValueList(), QStringLiteral("one\r\ntwo"));
}

void tst_TProducts::deleteRemovesLinksAndFiles()
{
    m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (1, 'Engraving')"));
    const qint64 doomed = AddProduct(QStringLiteral("A"), 1);
    const qint64 kept = AddProduct(QStringLiteral("B"), 1);
    for (const qint64 id : {doomed, kept}) {
        m_store->Exec(QStringLiteral("INSERT INTO ProductsCustomFieldsMM (CustomFieldID, ProductID) VALUES (1, ?1)"), {QString::number(id)});
        m_store->Exec(QStringLiteral("INSERT INTO ProductFiles (FilenameID, ProductID) VALUES (?1, ?2)"), {id, QString::number(id)});
    }
    TRef<TProducts> products = m_store->App().Products();
    products->ItemByID(doomed)->Delete();
    QCOMPARE(products->Count(), 1);
    const QStringList expected{QString::number(kept)};
    QCOMPARE(m_store->Column(QStringLiteral("SELECT ProductID FROM Products")), expected);
    QCOMPARE(m_store->Column(QStringLiteral("SELECT ProductID FROM ProductsCustomFieldsMM")), expected);
    QCOMPARE(m_store->Column(QStringLiteral("SELECT ProductID FROM ProductFiles")), expected);
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CustomFieldID FROM CustomFields")), QStringList{"1"});
}

void tst_TProducts::productsAreAWellBehavedModel()
{
    TRef<TProducts> products = m_store->App().Products();
    QAbstractItemModelTester tester(products.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 0; i < 6; ++i)
        AddProduct(QStringLiteral("P%1").arg(i), 1 + i % 2);
    QCOMPARE(products->rowCount(), 6);
    products->SetFilter(QStringLiteral("CategoryID = ?1"), {QStringLiteral("2")});
    QCOMPARE(products->rowCount(), 3);
    TRef<TProduct> second = products->Items(1);
    QCOMPARE(second->Code(), QStringLiteral("P3"));
    second->SetName(QStringLiteral("Renamed"));
    second->Save();
    second->Delete();
    QCOMPARE(products->rowCount(), 2);
    products->SetFilter(QString());
    QCOMPARE(products->rowCount(), 5);
}

void tst_TProducts::walkingForwardReadsChangesMadeOnTheWay()
{
    for (int i = 0; i < 40; ++i)
        AddProduct(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), 1);
    TRef<TProducts> products = m_store->App().Products();
    TRef<TProducts> elsewhere(new TProducts(m_store->App().OpenSharedTable(QStringLiteral("Products"))));
    // Walking forward reads the rows ahead of the cursor in one go; what
    // changes after that must still be what the walk sees.
    QCOMPARE(products->Items(0)->Code(), QStringLiteral("P00"));
    QCOMPARE(products->Items(1)->Code(), QStringLiteral("P01"));
    m_store->Exec(QStringLiteral("UPDATE Products SET ProductName = 'Changed by statement' WHERE ProductCode = 'P03'"));
    TRef<TProduct> other = elsewhere->FindByCodeAndCategory(QStringLiteral("p05"), QStringLiteral("1"));
    other->SetName(QStringLiteral("Changed by another record"));
    other->Save();
    m_store->Exec(QStringLiteral("DELETE FROM Products WHERE ProductCode = 'P04'"));
    QStringList names;
    for (int i = 2; i < 5; ++i)
        names.append(products->Items(i)->Name());
    QCOMPARE(names, QStringList({"Product P02", "Changed by statement", "Changed by another record"}));
    QCOMPARE(products->Count(), 39);
}

QTEST_GUILESS_MAIN(tst_TProducts)
#include "tst_TProducts.moc"
