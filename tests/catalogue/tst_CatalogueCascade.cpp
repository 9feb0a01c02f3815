#include "CatalogueStore.h"
#include "TAdditionalPages.h"
#include "TCatalogueCascade.h"
#include "TCategories.h"
#include "TGlobalResourceManager.h"
#include "TProducts.h"

namespace {

class TRecordedProgress : public TProgress
{
public:
    void Start(const QString& caption, int maximum, bool) override
    {
        captions.append(caption);
        this->maximum = maximum;
    }
    void Step(int by) override { steps += by; }
    void Finish() override { finished = true; }

    QStringList captions;
    int maximum = -1;
    int steps = 0;
    bool finished = false;
};

} // namespace

class tst_CatalogueCascade : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deleteCategory_data();
    void deleteCategory();
    void failingCascadeChangesNothing();
    void contentsLeaveTheCategoryRowToItsCaller();
    void deleteAllDeletesEveryPageWhereverTheCursorStood_data();
    void deleteAllDeletesEveryPageWhereverTheCursorStood();

private:
    // Categories "id:parent"; products "id:category"; each product gets one
    // custom-field link and one file.
    void Build(const QStringList& categories, const QStringList& products);
    QStringList Rows(const QString& sql) { return m_store->Column(sql); }

    TTestEnvironment m_env;
    std::unique_ptr<TCatalogueStore> m_store;
};

void tst_CatalogueCascade::init()
{
    m_store = std::make_unique<TCatalogueStore>(m_env);
    QVERIFY(m_store->App().IsOpen());
}

void tst_CatalogueCascade::cleanup()
{
    m_store.reset();
}

void tst_CatalogueCascade::Build(const QStringList& categories, const QStringList& products)
{
    m_store->Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (1, 'Engraving')"));
    for (const QString& c : categories)
        m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, ParentCategory, CategoryName) VALUES (?1, ?2, ?3)"),
                      {c.section(u':', 0, 0), c.section(u':', 1, 1), QStringLiteral("Category ") + c});
    int file = 0;
    for (const QString& p : products) {
        const QString id = p.section(u':', 0, 0);
        m_store->Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductCode) VALUES (?1, ?2, ?1)"),
                      {id, p.section(u':', 1, 1)});
        m_store->Exec(QStringLiteral("INSERT INTO ProductsCustomFieldsMM (CustomFieldID, ProductID) VALUES (1, ?1)"), {id});
        m_store->Exec(QStringLiteral("INSERT INTO ProductFiles (FilenameID, ProductID, Filename) VALUES (?1, ?2, 'f.pdf')"),
                      {++file, id});
    }
}

void tst_CatalogueCascade::deleteCategory_data()
{
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("remainingCategories");
    QTest::addColumn<QStringList>("remainingProducts");
    QTest::addColumn<int>("subtreeSize");

    // 1 ─ 2 ─ 3        and beside it 4 ─ 5
    //   └ 6
    const QStringList tree{"1:0", "2:1", "3:2", "6:1", "4:0", "5:4"};
    const QStringList goods{"10:1", "20:2", "30:3", "31:3", "60:6", "40:4", "50:5"};
    QTest::newRow("two levels below") << tree << goods << QStringLiteral("1") << QStringList({"4", "5"})
                                      << QStringList({"40", "50"}) << 4;
    QTest::newRow("a middle branch") << tree << goods << QStringLiteral("2") << QStringList({"1", "4", "5", "6"})
                                     << QStringList({"10", "40", "50", "60"}) << 2;
    QTest::newRow("a leaf") << tree << goods << QStringLiteral("5") << QStringList({"1", "2", "3", "4", "6"})
                            << QStringList({"10", "20", "30", "31", "40", "60"}) << 1;
    QTest::newRow("identifiers compared as text, not by prefix")
        << QStringList({"1:0", "11:0", "12:1"}) << QStringList({"100:1", "110:11", "120:12"}) << QStringLiteral("1")
        << QStringList({"11"}) << QStringList({"110"}) << 2;
    QTest::newRow("cycle of two (A under B under A)")
        << QStringList({"1:2", "2:1", "3:0"}) << QStringList({"10:1", "20:2", "30:3"}) << QStringLiteral("1")
        << QStringList({"3"}) << QStringList({"30"}) << 2;
    QTest::newRow("cycle of three (2 under 4 under 3 under 2)")
        << QStringList({"1:0", "2:4", "3:2", "4:3", "5:0"}) << QStringList({"10:1", "40:4"}) << QStringLiteral("2")
        << QStringList({"1", "5"}) << QStringList({"10"}) << 3;
    QTest::newRow("its own parent") << QStringList({"1:1", "2:1", "3:0"}) << QStringList({"10:1", "20:2", "30:3"})
                                    << QStringLiteral("1") << QStringList({"3"}) << QStringList({"30"}) << 2;
}

void tst_CatalogueCascade::deleteCategory()
{
    QFETCH(QStringList, categories);
    QFETCH(QStringList, products);
    QFETCH(QString, deleted);
    QFETCH(QStringList, remainingCategories);
    QFETCH(QStringList, remainingProducts);
    QFETCH(int, subtreeSize);
    Build(categories, products);

    TRef<TCategories> all = m_store->App().Categories();
    TRef<TProducts> shownProducts = m_store->App().Products();
    QCOMPARE(shownProducts->Count(), products.size());
    TRecordedProgress progress;
    all->ItemByID(deleted.toLongLong())->Delete(progress);

    QCOMPARE(Rows(QStringLiteral("SELECT CategoryID FROM Categories ORDER BY CategoryID")), remainingCategories);
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM Products ORDER BY ProductID")), remainingProducts);
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM ProductsCustomFieldsMM ORDER BY ProductID")), remainingProducts);
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM ProductFiles ORDER BY ProductID")), remainingProducts);
    QCOMPARE(Rows(QStringLiteral("SELECT CustomFieldID FROM CustomFields")), QStringList{"1"});
    // Open collections see the rows that are left.
    QCOMPARE(all->Count(), remainingCategories.size());
    QCOMPARE(shownProducts->Count(), remainingProducts.size());
    QCOMPARE(progress.captions, QStringList{LangStr(1384)});
    QCOMPARE(progress.maximum, subtreeSize);
    QCOMPARE(progress.steps, subtreeSize);
    QVERIFY(progress.finished);
}

void tst_CatalogueCascade::failingCascadeChangesNothing()
{
    Build({"1:0", "2:1", "3:2"}, {"10:1", "20:2", "30:3"});
    // The deepest product cannot be deleted: the whole removal must fail with it.
    m_store->Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON Products WHEN old.ProductID = '30' "
                                 "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    TRef<TCategories> all = m_store->App().Categories();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, all->ItemByID(1)->Delete());
    QCOMPARE(Rows(QStringLiteral("SELECT CategoryID FROM Categories ORDER BY CategoryID")), QStringList({"1", "2", "3"}));
    const QStringList products{"10", "20", "30"};
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM Products ORDER BY ProductID")), products);
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM ProductsCustomFieldsMM ORDER BY ProductID")), products);
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM ProductFiles ORDER BY ProductID")), products);
    QCOMPARE(m_store->Db().TransactionDepth(), 0);
    QCOMPARE(all->Count(), 3);
}

void tst_CatalogueCascade::contentsLeaveTheCategoryRowToItsCaller()
{
    Build({"1:0", "2:1", "3:0"}, {"10:1", "20:2", "30:3"});
    QCOMPARE(TCatalogueCascade::CategorySubtree(m_store->Db(), QStringLiteral("1")), QStringList({"1", "2"}));
    TCatalogueCascade::DeleteCategoryContents(m_store->Db(), QStringLiteral("1"), TProgress::None());
    QCOMPARE(Rows(QStringLiteral("SELECT CategoryID FROM Categories ORDER BY CategoryID")), QStringList({"1", "3"}));
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM Products")), QStringList{"30"});
    QCOMPARE(Rows(QStringLiteral("SELECT ProductID FROM ProductFiles")), QStringList{"30"});
}

void tst_CatalogueCascade::deleteAllDeletesEveryPageWhereverTheCursorStood_data()
{
    QTest::addColumn<int>("cursor");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 2;
    QTest::newRow("last") << 4;
}

void tst_CatalogueCascade::deleteAllDeletesEveryPageWhereverTheCursorStood()
{
    QFETCH(int, cursor);
    TRef<TAdditionalPages> pages = m_store->App().AdditionalPages();
    for (int i = 0; i < 5; ++i) {
        TRef<TAdditionalPage> page = pages->NewPage();
        page->SetPageTitle(QStringLiteral("Page %1").arg(i));
        page->Save();
        QCOMPARE(page->ID(), qint64(i + 1));
    }
    QCOMPARE(pages->Items(cursor)->PageTitle(), QStringLiteral("Page %1").arg(cursor));
    pages->DeleteAll();
    QCOMPARE(pages->Count(), 0);
    QCOMPARE(m_store->Scalar(QStringLiteral("SELECT COUNT(*) FROM AdditionalPages")).toInt(), 0);
}

QTEST_GUILESS_MAIN(tst_CatalogueCascade)
#include "tst_CatalogueCascade.moc"
