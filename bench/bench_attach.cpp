// Attaching a large store (upgrade check and rebinding of the cached
// collections, through OpenStoreDatabase) against a bare SQLite open of the same
// file, and the one-time upgrade of a store of the oldest layout.

#include "TApp.h"
#include "TCollection.h"
#include "TStoreSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>

namespace {

class TRow : public TItem
{
public:
    using TItem::TItem;
};

class TRows : public TCollectionOf<TRow>
{
public:
    using TCollectionOf::TCollectionOf;
};

constexpr int Categories = 1000;
constexpr int Orders = 10000;

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Fill(TDatabase& db, int products)
{
    TTransaction transaction(db);
    TStatement category(db, QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory, CategoryOrder) "
                                           "VALUES (?1, ?2, ?3, ?4)"));
    for (int c = 1; c <= Categories; ++c)
        category.Execute({QString::number(c), QStringLiteral("Category %1").arg(c),
                          c <= 20 ? QStringLiteral("0") : QString::number((c - 1) % 20 + 1), c});
    const QString description = QStringLiteral("A hardy plant for sunny borders, flowering from spring to autumn. ").repeated(3);
    TStatement product(db, QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, ProductCode, Cost, "
                                          "ShortDescription, Enabled) VALUES (?1, ?2, ?3, ?4, ?5, ?6, 1)"));
    for (int p = 1; p <= products; ++p)
        product.Execute({QString::number(p), QString::number((p - 1) % Categories + 1), QStringLiteral("Product %1").arg(p),
                         QStringLiteral("P%1").arg(p), qint64(p) * 1250, description});
    TStatement order(db, QStringLiteral("INSERT INTO CustomerOrders (OrderNumber, CustomerName, CreditCardNumber, OrderStatus) "
                                        "VALUES (?1, ?2, ?3, 0)"));
    for (int o = 1; o <= Orders; ++o)
        order.Execute({QString::number(o), QStringLiteral("Customer %1").arg(o), QStringLiteral("COPIED4111111111111111")});
    transaction.Commit();
}

// The first-release layout of the catalogue tables: the upgrade adds the
// catalogue columns and indexes to 100,000 products.
void MakeFirstReleaseStore(const QString& file, const QString& currentFile)
{
    QFile::copy(currentFile, file);
    auto db = TDatabase::Open(file);
    TTransaction transaction(*db);
    for (const char* index : {"ByOrder", "ProductsByNumber", "ProductsByID", "CategoriesByNumber", "CategoriesByID", "ParentIndex"})
        db->Exec(QStringLiteral("DROP INDEX %1").arg(QLatin1StringView(index)));
    TStoreSchema::DropColumn(*db, QStringLiteral("Products"), QStringLiteral("DetPage"));
    TStoreSchema::DropColumn(*db, QStringLiteral("Products"), QStringLiteral("Order"));
    TStoreSchema::DropColumn(*db, QStringLiteral("Categories"), QStringLiteral("Status"));
    TStoreSchema::DropColumn(*db, QStringLiteral("Categories"), QStringLiteral("BriefStyle"));
    db->Exec(QStringLiteral("DROP TABLE ExportTemplate"));
    db->Exec(QStringLiteral("DROP TABLE OrderProperties"));
    transaction.Commit();
}

double BareOpen(const QString& file, int times)
{
    const QByteArray name = QFile::encodeName(file);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    return double(timer.nsecsElapsed()) / times;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int products = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int times = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
    QTemporaryDir dir;
    qputenv("QUORVIS_HOME", dir.path().toLocal8Bit());
    const QString folder = dir.path() + QStringLiteral("/shop");
    const QString oldFolder = dir.path() + QStringLiteral("/oldshop");
    QDir().mkpath(folder);
    QDir().mkpath(oldFolder);
    const QString file = folder + QStringLiteral("/store.db");

    QElapsedTimer build;
    build.start();
    TStoreSchema::CreateNewStore(file);
    Fill(*TDatabase::Open(file), products);
    MakeFirstReleaseStore(oldFolder + QStringLiteral("/store.db"), file);
    std::printf("store of %d products in %d categories, %d orders: built in %.1f s, %.1f MB\n", products, Categories, Orders,
                build.elapsed() / 1000.0, QFileInfo(file).size() / 1048576.0);

    TApp app(dir.path() + QStringLiteral("/settings.ini"));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i)
        if (!OpenStoreDatabase(folder))
            return 1;
    const double attachAlone = double(timer.nsecsElapsed()) / times;
    // The collections the program keeps cached over the biggest tables.
    for (const char* table : {"Products", "Categories", "CustomerOrders", "Customers", "Taxes", "ExportTemplate"})
        app.CachedCollection<TRows>(QLatin1StringView(table), QLatin1StringView(table));

    timer.restart();
    for (int i = 0; i < times; ++i)
        if (!OpenStoreDatabase(folder))
            return 1;
    const double attach = double(timer.nsecsElapsed()) / times;
    timer.restart();
    for (int i = 0; i < times; ++i)
        TStoreSchema::Upgrade(*app.Database());
    const double upgrade = double(timer.nsecsElapsed()) / times;
    const double bare = BareOpen(file, times);

    timer.restart();
    const bool upgraded = OpenStoreDatabase(oldFolder);
    const double firstUpgrade = double(timer.nsecsElapsed());

    std::printf("bare SQLite open of the same file                 : %10.2f ms per open\n", bare / 1e6);
    std::printf("attach, no cached collection (open + upgrade check): %10.2f ms per attach (%.1f x bare open)\n",
                attachAlone / 1e6, attachAlone / bare);
    std::printf("  the upgrade check of an up-to-date store alone    : %10.2f ms\n", upgrade / 1e6);
    std::printf("attach + rebind of 6 cached collections           : %10.2f ms per attach (%.1f x bare open)\n",
                attach / 1e6, attach / bare);
    std::printf("first attach of the oldest layout (real upgrade)  : %10.2f ms%s\n", firstUpgrade / 1e6,
                upgraded ? "" : " (FAILED)");
    std::printf("peak memory                                       : %10ld kB\n", PeakKilobytes());
    return upgraded ? 0 : 1;
}
