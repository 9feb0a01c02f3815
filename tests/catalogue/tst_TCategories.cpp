#include "CatalogueStore.h"
#include "TCategories.h"
#include "TGlobalResourceManager.h"

class tst_TCategories : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newCategoryIdentifiers_data();
    void newCategoryIdentifiers();
    void keepIdentifiersLeavesTheIdentifierTableAlone();
    void findByName_data();
    void findByName();
    void findByIdAndItemById();
    void blankParentReadsAsZero_data();
    void blankParentReadsAsZero();
    void negativeIdentifierIsRefused();
    void sharedCollectionIsCachedAndRebound();
    void failedSaveLeavesTheSharedCollectionUsable();
    void twoUnsavedNewCategoriesGetTheirOwnNumbers();
    void categoryCannotBecomeItsOwnAncestor_data();
    void categoryCannotBecomeItsOwnAncestor();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TCatalogueStore> m_store;
};

void tst_TCategories::init()
{
    m_store = std::make_unique<TCatalogueStore>(m_env);
    QVERIFY(m_store->App().IsOpen());
}

void tst_TCategories::cleanup()
{
    m_store.reset();
}

void tst_TCategories::newCategoryIdentifiers_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("identifierTable"); // -1: no row
    QTest::addColumn<int>("expected");

    QTest::newRow("first category of an empty store") << QStringList() << -1 << 1;
    QTest::newRow("numeric maximum, not text order") << QStringList({"2", "10"}) << 10 << 11;
    QTest::newRow("identifier table behind the rows") << QStringList({"2", "10"}) << 3 << 11;
    QTest::newRow("identifier table ahead of the rows") << QStringList({"2"}) << 30 << 31;
}

void tst_TCategories::newCategoryIdentifiers()
{
    QFETCH(QStringList, existing);
    QFETCH(int, identifierTable);
    QFETCH(int, expected);
    for (const QString& id : existing)
        m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES (?1, ?2, '0')"),
                      {id, QStringLiteral("Category ") + id});
    m_store->Exec(QStringLiteral("DELETE FROM CategoryGen"));
    if (identifierTable >= 0)
        m_store->Exec(QStringLiteral("INSERT INTO CategoryGen (CategoryID) VALUES (?1)"), {identifierTable});

    TRef<TCategories> categories = m_store->App().Categories();
    TRef<TCategory> category = categories->NewCategory();
    category->SetName(QStringLiteral("Flowers"));
    category->Save();

    QCOMPARE(category->ID(), qint64(expected));
    QCOMPARE(category->ParentID(), qint64(0));
    const QString id = QString::number(expected);
    QCOMPARE(m_store->Scalar(QStringLiteral("SELECT ParentCategory FROM Categories WHERE CategoryID = ?1"), {id}).toString(),
             QStringLiteral("0"));
    QCOMPARE(m_store->Scalar(QStringLiteral("SELECT typeof(CategoryID) FROM Categories WHERE CategoryID = ?1"), {id}).toString(),
             QStringLiteral("text"));
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryID FROM CategoryGen")), QStringList{id});
}

void tst_TCategories::keepIdentifiersLeavesTheIdentifierTableAlone()
{
    m_store->Exec(QStringLiteral("DELETE FROM CategoryGen"));
    m_store->Exec(QStringLiteral("INSERT INTO CategoryGen (CategoryID) VALUES (5)"));
    TRef<TCategories> categories = m_store->App().Categories();
    categories->SetKeepIdentifiers(true);
    {
        TRef<TCategory> parent = categories->NewCategory();
        QCOMPARE(parent->ParentID(), qint64(0));
        parent->SetID(40);
        parent->SetName(QStringLiteral("Imported"));
        parent->Save();
        TRef<TCategory> child = categories->NewCategory();
        child->SetID(41);
        child->SetParentID(40);
        child->SetName(QStringLiteral("Imported child"));
        child->Save();
    }
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryID FROM CategoryGen")), QStringList{"5"});
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryID || ':' || ParentCategory FROM Categories ORDER BY rowid")),
             QStringList({"40:0", "41:40"}));

    // Numbering afterwards still passes every identifier the import brought.
    categories->SetKeepIdentifiers(false);
    TRef<TCategory> next = categories->NewCategory();
    next->Save();
    QCOMPARE(next->ID(), qint64(42));
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryID FROM CategoryGen")), QStringList{"42"});
}

void tst_TCategories::findByName_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("expected"); // 0: none

    QTest::newRow("exact") << QStringLiteral("Flowers") << 1;
    QTest::newRow("upper case") << QStringLiteral("FLOWERS") << 1;
    QTest::newRow("accented letters") << QStringLiteral("ÉPICES & THÉS") << 2;
    QTest::newRow("cyrillic") << QStringLiteral("цветы") << 3;
    QTest::newRow("chinese") << QStringLiteral("花卉") << 4;
    QTest::newRow("missing") << QStringLiteral("Weeds") << 0;
    QTest::newRow("part of a name") << QStringLiteral("Flow") << 0;
}

void tst_TCategories::findByName()
{
    QFETCH(QString, asked);
    QFETCH(int, expected);
    m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES "
                                 "('1', 'Flowers', '0'), ('2', 'Épices & thés', '0'), ('3', 'ЦВЕТЫ', '0'), ('4', '花卉', '0')"));
    TRef<TCategories> categories = m_store->App().Categories();
    TRef<TCategory> found = categories->FindByName(asked);
    QCOMPARE(found ? found->ID() : 0, qint64(expected));
}

void tst_TCategories::findByIdAndItemById()
{
    m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES "
                                 "('9', 'Nine', '0'), ('10', 'Ten', '9')"));
    TRef<TCategories> categories = m_store->App().Categories();
    QCOMPARE(categories->FindByID(10)->Name(), QStringLiteral("Ten"));
    QVERIFY(!categories->FindByID(1));
    QCOMPARE(categories->ItemByID(9)->Name(), QStringLiteral("Nine"));
    QCOMPARE(categories->ItemByID(10)->ParentID(), qint64(9));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, categories->ItemByID(11));
}

void tst_TCategories::blankParentReadsAsZero_data()
{
    QTest::addColumn<QVariant>("parent");
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("blanks") << QVariant(QStringLiteral("   "));
    QTest::newRow("missing") << QVariant();
}

void tst_TCategories::blankParentReadsAsZero()
{
    QFETCH(QVariant, parent);
    m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES ('3', 'Loose', ?1)"),
                  {parent});
    TRef<TCategories> categories = m_store->App().Categories();
    QCOMPARE(categories->ItemByID(3)->ParentID(), qint64(0));
    QCOMPARE(categories->ItemByID(3)->GetProperty(QStringLiteral("ParentID")).toLongLong(), 0LL);
}

void tst_TCategories::negativeIdentifierIsRefused()
{
    TRef<TCategories> categories = m_store->App().Categories();
    TRef<TCategory> category = categories->NewCategory();
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, category->SetParentID(-1));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, category->SetProperty(QStringLiteral("ParentID"), QStringLiteral("-4")));
    category->Save();
    QCOMPARE(category->ParentID(), qint64(0));
}

void tst_TCategories::sharedCollectionIsCachedAndRebound()
{
    TRef<TCategories> first = m_store->App().Categories();
    TRef<TCategories> second = m_store->App().Categories();
    QCOMPARE(first.get(), second.get());
    QCOMPARE(first->RefCount(), 3); // two callers and the application object
    m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES ('1', 'A', '0')"));
    QCOMPARE(first->Count(), 1);

    // Another website: the same collection object, now over the other store.
    const QString other = m_env.NewFolder(QStringLiteral("other"));
    auto db = TDatabase::Open(other + QStringLiteral("/store.db"));
    TStoreSchema::CreateCurrentSchema(*db);
    m_store->App().SetDatabase(db);
    QVERIFY(m_store->App().IsOpen());
    QCOMPARE(m_store->App().Categories().get(), first.get());
    QCOMPARE(first->Count(), 0);
}

void tst_TCategories::failedSaveLeavesTheSharedCollectionUsable()
{
    TRef<TCategories> categories = m_store->App().Categories();
    TRef<TCategory> first = categories->NewCategory();
    first->SetName(QStringLiteral("Roses"));
    first->Save();
    const qint64 firstId = first->ID();

    // Identifiers are unique: taking the first one's is refused by the store.
    TRef<TCategory> clash = categories->NewCategory();
    clash->SetID(firstId);
    clash->SetName(QStringLiteral("Clash"));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, clash->Save());
    QCOMPARE(categories->DataSet()->State(), TDataSetState::Browse);

    // Lookups and new records on the same collection go on working.
    QCOMPARE(categories->ItemByID(firstId)->Name(), QStringLiteral("Roses"));
    QVERIFY(!categories->FindByName(QStringLiteral("Clash")));
    TRef<TCategory> next = categories->NewCategory();
    next->SetName(QStringLiteral("Lilies"));
    next->Save();
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryName FROM Categories ORDER BY CAST(CategoryID AS INTEGER)")),
             QStringList({"Roses", "Lilies"}));
}

void tst_TCategories::twoUnsavedNewCategoriesGetTheirOwnNumbers()
{
    TRef<TCategories> categories = m_store->App().Categories();
    TRef<TCategory> a = categories->NewCategory();
    a->SetName(QStringLiteral("A"));
    TRef<TCategory> b = categories->NewCategory();
    b->SetName(QStringLiteral("B"));
    b->Save();
    a->Save();
    QCOMPARE(m_store->Column(QStringLiteral("SELECT CategoryID || '=' || CategoryName FROM Categories ORDER BY CAST(CategoryID AS INTEGER)")),
             QStringList({"1=A", "2=B"}));
}

void tst_TCategories::categoryCannotBecomeItsOwnAncestor_data()
{
    QTest::addColumn<int>("moved");    // 1 top, 2 under 1, 3 under 2
    QTest::addColumn<int>("newParent");
    QTest::addColumn<bool>("refused");

    QTest::newRow("its own parent") << 1 << 1 << true;
    QTest::newRow("under its child") << 1 << 2 << true;
    QTest::newRow("under its grandchild") << 1 << 3 << true;
    QTest::newRow("middle under its child") << 2 << 3 << true;
    QTest::newRow("child to the top") << 3 << 0 << false;
    QTest::newRow("grandchild beside its parent") << 3 << 1 << false;
}

void tst_TCategories::categoryCannotBecomeItsOwnAncestor()
{
    QFETCH(int, moved);
    QFETCH(int, newParent);
    QFETCH(bool, refused);
    m_store->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) "
                                 "VALUES ('1', 'Plants', '0'), ('2', 'Roses', '1'), ('3', 'Climbers', '2')"));
    TRef<TCategories> categories = m_store->App().Categories();
    categories->Refresh();
    TRef<TCategory> category = categories->ItemByID(moved);
    const qint64 before = category->ParentID();
    category->SetParentID(newParent);
    if (!refused) {
        category->Save();
        QCOMPARE(categories->ItemByID(moved)->ParentID(), qint64(newParent));
        return;
    }
    try {
        category->Save();
        QFAIL("the ring was stored");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(5010));
    }
    // Nothing is stored, and the next move over the table posts nothing either.
    QCOMPARE(categories->ItemByID(2)->Name(), QStringLiteral("Roses"));
    QCOMPARE(m_store->Scalar(QStringLiteral("SELECT ParentCategory FROM Categories WHERE CategoryID = ?1"),
                             {QString::number(moved)}).toString(),
             QString::number(before));
}

QTEST_GUILESS_MAIN(tst_TCategories)
#include "tst_TCategories.moc"
