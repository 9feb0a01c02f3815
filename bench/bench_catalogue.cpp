// The catalogue at the size of a large shop: 100,000 products in 1,000
// categories. Each operation runs through the record classes and, on a store
// of the same layout in the same run, as bare prepared SQLite statements doing
// the same work; both are printed, with their ratio, and the peak memory.
//
//   bench_catalogue [products per category]   (default 100)

#include "TApp.h"
#include "TCategories.h"
#include "TCustomFields.h"
#include "TProductCustomFields.h"
#include "TProductFiles.h"
#include "TProducts.h"
#include "TStoreSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>
#include <random>
#include <vector>

namespace {

// 10 top-level categories, 9 below each, 10 below each of those: 1,000 in all.
struct TTreeNode
{
    int id;
    int parent;
};

std::vector<TTreeNode> Tree()
{
    std::vector<TTreeNode> tree;
    int next = 1;
    for (int top = 0; top < 10; ++top) {
        const int topId = next++;
        tree.push_back({topId, 0});
        for (int middle = 0; middle < 9; ++middle) {
            const int middleId = next++;
            tree.push_back({middleId, topId});
            for (int leaf = 0; leaf < 10; ++leaf)
                tree.push_back({next++, middleId});
        }
    }
    return tree;
}

QString Code(int product)
{
    return QStringLiteral("P%1").arg(product, 6, 10, QLatin1Char('0'));
}

// Every tenth product has a custom field and a file.
bool HasExtras(int product)
{
    return product % 10 == 0;
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct TTiming
{
    double nanoseconds = 0;
    int operations = 0;
    double Each() const { return operations ? nanoseconds / operations : 0; }
};

struct TWorkload
{
    int perCategory = 100;
    std::vector<TTreeNode> tree = Tree();
    std::vector<int> lookups;          // product identifiers
    std::vector<int> listed;           // category identifiers
    int deletedCategory = 1;           // a top-level category: 100 categories below and in it
    int Products() const { return int(tree.size()) * perCategory; }
    int CategoryOf(int product) const { return tree[size_t((product - 1) / perCategory)].id; }
};

// ---------------------------------------------------------------- bare SQLite

class TBare
{
public:
    explicit TBare(const QString& file)
    {
        sqlite3_open(QFile::encodeName(file).constData(), &m_db);
        sqlite3_exec(m_db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
    }
    ~TBare()
    {
        for (sqlite3_stmt* s : m_statements)
            sqlite3_finalize(s);
        sqlite3_close(m_db);
    }
    sqlite3_stmt* Prepare(const char* sql)
    {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(m_db));
        m_statements.push_back(s);
        return s;
    }
    void Exec(const char* sql) { sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    static void Text(sqlite3_stmt* s, int index, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    static void Run(sqlite3_stmt* s)
    {
        while (sqlite3_step(s) == SQLITE_ROW) {
        }
        sqlite3_reset(s);
    }

private:
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_statements;
};

TTiming BareCreate(TBare& db, const TWorkload& w)
{
    QElapsedTimer timer;
    timer.start();
    db.Exec("BEGIN IMMEDIATE");
    sqlite3_stmt* category = db.Prepare(
        "INSERT INTO Categories (CategoryID, ParentCategory, CategoryName, CategoryOrder, Status) VALUES (?1, ?2, ?3, ?4, 0)");
    for (const TTreeNode& node : w.tree) {
        TBare::Text(category, 1, QString::number(node.id));
        TBare::Text(category, 2, QString::number(node.parent));
        TBare::Text(category, 3, QStringLiteral("Category %1").arg(node.id));
        sqlite3_bind_int(category, 4, node.id);
        TBare::Run(category);
    }
    sqlite3_stmt* field = db.Prepare("INSERT INTO CustomFields (CustomFieldID, CustomFieldName) VALUES (?1, ?2)");
    for (int f = 1; f <= 20; ++f) {
        sqlite3_bind_int(field, 1, f);
        TBare::Text(field, 2, QStringLiteral("Field %1").arg(f));
        TBare::Run(field);
    }
    sqlite3_stmt* product = db.Prepare(
        "INSERT INTO Products (ProductID, CategoryID, ProductName, ProductCode, Cost, Enabled, DetPage, \"Order\") "
        "VALUES (?1, ?2, ?3, ?4, ?5, 1, 1, ?6)");
    sqlite3_stmt* link = db.Prepare("INSERT INTO ProductsCustomFieldsMM (CustomFieldID, ProductID) VALUES (?1, ?2)");
    sqlite3_stmt* file = db.Prepare(
        "INSERT INTO ProductFiles (FilenameID, ProductID, Filename, FileType) VALUES (?1, ?2, ?3, 'File')");
    int files = 0;
    for (int p = 1; p <= w.Products(); ++p) {
        const QString id = QString::number(p);
        TBare::Text(product, 1, id);
        TBare::Text(product, 2, QString::number(w.CategoryOf(p)));
        TBare::Text(product, 3, QStringLiteral("Product %1").arg(p));
        TBare::Text(product, 4, Code(p));
        sqlite3_bind_int64(product, 5, qint64(p % 1000) * 10000 + 9500);
        sqlite3_bind_int(product, 6, p);
        TBare::Run(product);
        if (HasExtras(p)) {
            sqlite3_bind_int(link, 1, 1 + p % 20);
            TBare::Text(link, 2, id);
            TBare::Run(link);
            sqlite3_bind_int(file, 1, ++files);
            TBare::Text(file, 2, id);
            TBare::Text(file, 3, QStringLiteral("manual%1.pdf").arg(p));
            TBare::Run(file);
        }
    }
    db.Exec("DELETE FROM ProductsGen; INSERT INTO ProductsGen VALUES (100000)");
    db.Exec("COMMIT");
    return {double(timer.nsecsElapsed()), w.Products()};
}

TTiming BareLookupById(TBare& db, const TWorkload& w, qint64& checksum)
{
    sqlite3_stmt* s = db.Prepare("SELECT ProductName FROM Products WHERE ProductID = ?1");
    QElapsedTimer timer;
    timer.start();
    for (int id : w.lookups) {
        TBare::Text(s, 1, QString::number(id));
        if (sqlite3_step(s) == SQLITE_ROW)
            checksum += sqlite3_column_bytes(s, 0);
        sqlite3_reset(s);
    }
    return {double(timer.nsecsElapsed()), int(w.lookups.size())};
}

TTiming BareLookupByCode(TBare& db, const TWorkload& w, qint64& checksum)
{
    // Codes match without regard to case, as the merchant types them.
    sqlite3_stmt* s = db.Prepare(
        "SELECT ProductName FROM Products WHERE ProductCode = ?1 COLLATE NOCASE AND CategoryID = ?2 LIMIT 1");
    QElapsedTimer timer;
    timer.start();
    for (int id : w.lookups) {
        TBare::Text(s, 1, Code(id).toLower());
        TBare::Text(s, 2, QString::number(w.CategoryOf(id)));
        if (sqlite3_step(s) == SQLITE_ROW)
            checksum += sqlite3_column_bytes(s, 0);
        sqlite3_reset(s);
    }
    return {double(timer.nsecsElapsed()), int(w.lookups.size())};
}

TTiming BareList(TBare& db, const TWorkload& w, qint64& checksum)
{
    sqlite3_stmt* s = db.Prepare("SELECT ProductName, ProductCode, Cost FROM Products WHERE CategoryID = ?1");
    QElapsedTimer timer;
    timer.start();
    for (int category : w.listed) {
        TBare::Text(s, 1, QString::number(category));
        while (sqlite3_step(s) == SQLITE_ROW)
            checksum += sqlite3_column_bytes(s, 0) + sqlite3_column_bytes(s, 1) + sqlite3_column_int64(s, 2);
        sqlite3_reset(s);
    }
    return {double(timer.nsecsElapsed()), int(w.listed.size())};
}

// The same listing reading every column, as a record's row buffer does.
TTiming BareListWholeRows(TBare& db, const TWorkload& w, qint64& checksum)
{
    sqlite3_stmt* s = db.Prepare("SELECT * FROM Products WHERE CategoryID = ?1");
    QElapsedTimer timer;
    timer.start();
    for (int category : w.listed) {
        TBare::Text(s, 1, QString::number(category));
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                if (sqlite3_column_type(s, c) == SQLITE_TEXT)
                    checksum += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, c)),
                                                  sqlite3_column_bytes(s, c)).size();
                else
                    checksum += sqlite3_column_int64(s, c) & 1;
            }
        }
        sqlite3_reset(s);
    }
    return {double(timer.nsecsElapsed()), int(w.listed.size())};
}

TTiming BareDelete(TBare& db, const TWorkload& w)
{
    QElapsedTimer timer;
    timer.start();
    db.Exec("BEGIN IMMEDIATE");
    sqlite3_stmt* children = db.Prepare("SELECT CategoryID FROM Categories WHERE ParentCategory = ?1");
    sqlite3_stmt* links = db.Prepare(
        "DELETE FROM ProductsCustomFieldsMM WHERE ProductID IN (SELECT ProductID FROM Products WHERE CategoryID = ?1)");
    sqlite3_stmt* files = db.Prepare(
        "DELETE FROM ProductFiles WHERE ProductID IN (SELECT ProductID FROM Products WHERE CategoryID = ?1)");
    sqlite3_stmt* products = db.Prepare("DELETE FROM Products WHERE CategoryID = ?1");
    sqlite3_stmt* categories = db.Prepare("DELETE FROM Categories WHERE CategoryID = ?1");
    QStringList subtree{QString::number(w.deletedCategory)};
    for (qsizetype i = 0; i < subtree.size(); ++i) {
        TBare::Text(children, 1, subtree[i]);
        while (sqlite3_step(children) == SQLITE_ROW)
            subtree.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(children, 0))));
        sqlite3_reset(children);
    }
    for (const QString& id : subtree) {
        for (sqlite3_stmt* s : {links, files, products, categories}) {
            TBare::Text(s, 1, id);
            TBare::Run(s);
        }
    }
    db.Exec("COMMIT");
    return {double(timer.nsecsElapsed()), 1};
}

// ---------------------------------------------------------------- record classes

TTiming ItemsCreate(TApp& app, const TWorkload& w)
{
    QElapsedTimer timer;
    timer.start();
    // One outer transaction, as an import runs.
    TTransaction transaction(*app.Database());
    TRef<TCategories> categories = app.Categories();
    categories->SetKeepIdentifiers(true);
    for (const TTreeNode& node : w.tree) {
        TRef<TCategory> c = categories->NewCategory();
        c->SetID(node.id);
        c->SetParentID(node.parent);
        c->SetName(QStringLiteral("Category %1").arg(node.id));
        c->SetOrder(node.id);
        c->SetStatus(0);
        c->Save();
    }
    categories->SetKeepIdentifiers(false);
    TRef<TCustomFields> fields = app.CustomFields();
    for (int f = 1; f <= 20; ++f) {
        TRef<TCustomField> field = fields->NewCustomField();
        field->SetName(QStringLiteral("Field %1").arg(f));
        field->Save();
    }
    TRef<TProducts> products = app.Products();
    TRef<TProductCustomFields> links(new TProductCustomFields(app.OpenSharedTable(QStringLiteral("ProductsCustomFieldsMM"))));
    for (int p = 1; p <= w.Products(); ++p) {
        TRef<TProduct> product = products->NewProduct();
        product->SetCategoryID(w.CategoryOf(p));
        product->SetName(QStringLiteral("Product %1").arg(p));
        product->SetCode(Code(p));
        product->SetCost(TMoney::FromUnits(qint64(p % 1000) * 10000 + 9500));
        product->SetEnabled(true);
        product->SetDetPage(true);
        product->Save();
        if (HasExtras(p)) {
            links->Link(1 + p % 20, product->ID());
            TRef<TProductFiles> files = product->ProductFiles();
            TRef<TProductFile> file = files->NewProductFile();
            file->SetFileName(QStringLiteral("manual%1.pdf").arg(p));
            file->Save();
        }
    }
    transaction.Commit();
    return {double(timer.nsecsElapsed()), w.Products()};
}

TTiming ItemsLookupById(TApp& app, const TWorkload& w, qint64& checksum)
{
    TRef<TProducts> products = app.Products();
    QElapsedTimer timer;
    timer.start();
    for (int id : w.lookups)
        checksum += products->ItemByID(id)->Name().toUtf8().size();
    return {double(timer.nsecsElapsed()), int(w.lookups.size())};
}

TTiming ItemsLookupByCode(TApp& app, const TWorkload& w, qint64& checksum)
{
    TRef<TProducts> products = app.Products();
    QElapsedTimer timer;
    timer.start();
    for (int id : w.lookups) {
        TRef<TProduct> p = products->FindByCodeAndCategory(Code(id).toLower(), QString::number(w.CategoryOf(id)));
        if (p)
            checksum += p->Name().toUtf8().size();
    }
    return {double(timer.nsecsElapsed()), int(w.lookups.size())};
}

TTiming ItemsList(TApp& app, const TWorkload& w, qint64& checksum)
{
    TRef<TProducts> products = app.Products();
    QElapsedTimer timer;
    timer.start();
    for (int category : w.listed) {
        products->SetFilter(QStringLiteral("CategoryID = ?1"), {QString::number(category)});
        const int count = products->Count();
        for (int i = 0; i < count; ++i) {
            TRef<TProduct> p = products->Items(i);
            checksum += p->Name().toUtf8().size() + p->Code().toUtf8().size() + p->Cost().Units();
        }
    }
    products->SetFilter(QString());
    return {double(timer.nsecsElapsed()), int(w.listed.size())};
}

TTiming ItemsDelete(TApp& app, const TWorkload& w)
{
    TRef<TCategories> categories = app.Categories();
    QElapsedTimer timer;
    timer.start();
    categories->ItemByID(w.deletedCategory)->Delete();
    return {double(timer.nsecsElapsed()), 1};
}

void Print(const char* operation, const char* unit, const TTiming& bare, const TTiming& items)
{
    std::printf("%-34s %12.2f %12.2f %8.2f   us per %s\n", operation, bare.Each() / 1000.0, items.Each() / 1000.0,
                bare.Each() > 0 ? items.Each() / bare.Each() : 0.0, unit);
}

qint64 Count(TApp& app, const char* table)
{
    return app.Database()->Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1StringView(table)).toLongLong();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    qputenv("QUORVIS_HOME", dir.path().toLocal8Bit());

    TWorkload w;
    if (argc > 1)
        w.perCategory = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> anyProduct(1, w.Products());
    for (int i = 0; i < 10000; ++i)
        w.lookups.push_back(anyProduct(random));
    std::uniform_int_distribution<int> anyCategory(1, int(w.tree.size()));
    for (int i = 0; i < 200; ++i)
        w.listed.push_back(anyCategory(random));

    const QString bareFolder = dir.path() + QStringLiteral("/bare");
    const QString itemsFolder = dir.path() + QStringLiteral("/items");
    for (const QString& folder : {bareFolder, itemsFolder}) {
        QDir().mkpath(folder);
        TStoreSchema::CreateNewStore(folder + QStringLiteral("/store.db"));
    }

    TApp app(dir.path() + QStringLiteral("/settings.ini"));
    if (!OpenStoreDatabase(itemsFolder)) {
        std::fprintf(stderr, "the store would not open\n");
        return 1;
    }
    TBare bare(bareFolder + QStringLiteral("/store.db"));

    qint64 bareSum = 0;
    qint64 itemsSum = 0;
    std::printf("%d products in %d categories; %zu lookups, %zu category listings\n", w.Products(), int(w.tree.size()),
                w.lookups.size(), w.listed.size());
    std::printf("%-34s %12s %12s %8s\n", "operation", "bare SQL", "records", "ratio");

    const TTiming createBare = BareCreate(bare, w);
    const TTiming createItems = ItemsCreate(app, w);
    Print("create (one transaction)", "product", createBare, createItems);

    const TTiming byIdBare = BareLookupById(bare, w, bareSum);
    const TTiming byIdItems = ItemsLookupById(app, w, itemsSum);
    Print("look up by identifier", "lookup", byIdBare, byIdItems);

    const TTiming byCodeBare = BareLookupByCode(bare, w, bareSum);
    const TTiming byCodeItems = ItemsLookupByCode(app, w, itemsSum);
    Print("look up by code and category", "lookup", byCodeBare, byCodeItems);

    const TTiming listBare = BareList(bare, w, bareSum);
    const TTiming listItems = ItemsList(app, w, itemsSum);
    Print("list one category's products", "category", listBare, listItems);
    qint64 wholeRowsSum = 0;
    const TTiming listWholeRows = BareListWholeRows(bare, w, wholeRowsSum);
    Print("  (bare reading whole rows)", "category", listWholeRows, listItems);

    const TTiming deleteBare = BareDelete(bare, w);
    const TTiming deleteItems = ItemsDelete(app, w);
    Print("delete a category and its subtree", "delete", deleteBare, deleteItems);

    std::printf("rows left (records): %lld categories, %lld products, %lld links, %lld files\n", Count(app, "Categories"),
                Count(app, "Products"), Count(app, "ProductsCustomFieldsMM"), Count(app, "ProductFiles"));
    std::printf("checksums: bare %lld, records %lld%s\n", bareSum, itemsSum, bareSum == itemsSum ? "" : "  (DIFFER)");
    std::printf("peak memory: %ld kB\n", PeakKilobytes());
    return 0;
}
