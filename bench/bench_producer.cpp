// The page producer at the size of a large shop: the detail pages of 10,000
// products rendered through <#ProductList> into memory, once in a store of 10
// categories and once in one of 1,000, so that a cost per page that grows with
// the number of categories shows. The baseline is the same pages made by hand
// in the same run: the product rows read with one bare SQLite statement and
// the template's values put in with QString::arg. Prints pages per second,
// the ratio and the peak memory.
//
//   bench_producer [products]   (default 10000)

#include "TApp.h"
#include "TCatalogueTags.h"
#include "TMerchant.h"
#include "TProgress.h"
#include "TStoreSchema.h"
#include "TTheme.h"
#include "TdmSiteProducer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>

namespace {

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Write(const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file));
    f.write(bytes);
}

const char* ProductPage =
    "<html><head></head><body><#HorizontalNavBar><h1><#ProductName></h1><#HorizontalCategory>"
    "<#LargeImage><p><#BriefDescription></p><p>Price <#DomPrice> <#TaxInfo></p>"
    "<#Form><#quantity><#CustomFields><input type=image src=\"<#BuyBtn>\"><#hiddenfields><#VertCat></body></html>";

QString MakeStore(const QString& folder, int products, int categories)
{
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/store.db");
    TStoreSchema::CreateNewStore(file);
    auto db = TDatabase::Open(file, TDatabase::OpenMode::OpenExisting);
    TTransaction t(*db);
    db->Exec(QStringLiteral("INSERT INTO Taxes (TaxID, TaxName, TaxPercentage, International) VALUES (1, 'GST', 10, 0)"));
    db->Exec(QStringLiteral("UPDATE MerchantSettings SET MerchantName = 'Bench Shop', CreateDetPg = 1, MerchantID = 7"));
    for (int c = 1; c <= categories; ++c)
        db->Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory, CategoryOrder, Status) "
                                "VALUES (?1, ?2, ?3, ?1, 0)"),
                 {QString::number(c), QStringLiteral("Category %1").arg(c), c <= 10 ? QStringLiteral("0") : QString::number((c - 1) % 10 + 1)});
    // Every product in category 1, the one whose pages are built.
    TStatement insert(*db, QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, ProductCode, Cost, CostExTax, "
                                          "ShortDescription, Enabled, DetPage, \"Order\") VALUES (?1, '1', ?2, ?3, ?4, 1, ?5, 1, 1, ?1)"));
    for (int p = 1; p <= products; ++p)
        insert.Execute({QString::number(p), QStringLiteral("Product %1").arg(p), QStringLiteral("C%1").arg(p), qint64(p) * 10000,
                        QStringLiteral("A fine product number %1 for the garden.").arg(p)});
    t.Commit();
    return folder;
}

double Producer(const QString& store, const QString& themeFolder, int products, qint64* bytes)
{
    TApp app;
    if (!OpenStoreDatabase(store))
        qFatal("the store did not open");
    TTheme theme(themeFolder);
    TdmSiteProducer producer(app.DatabasePtr(), theme, app.Settings(), TProgress::None());
    producer.PrepareTemplates();
    producer.productsPerPage = products;
    producer.currentCategoryID = QStringLiteral("1");
    *bytes = 0;
    int pages = 0;
    producer.Catalogue().detailPageSink = [&](const QString&, const QString& page) {
        *bytes += page.size();
        ++pages;
    };
    QElapsedTimer timer;
    timer.start();
    producer.Catalogue().SetCategory(QStringLiteral("1"));
    producer.Produce(QStringLiteral("<#ProductList>"));
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (pages != products)
        qFatal("%d pages for %d products", pages, products);
    return pages / seconds;
}

double Bare(const QString& store, int products, qint64* bytes)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2((store + QStringLiteral("/store.db")).toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT ProductID, ProductName, ProductCode, Cost, ShortDescription FROM Products "
                           "WHERE Enabled = 1 AND CategoryID = '1' ORDER BY \"Order\"", -1, &s, nullptr);
    const QString page = QStringLiteral("<html><head><TITLE>%2</TITLE></head><body><h1>%2</h1><p>%5</p><p>Price $%4</p>"
                                        "<form><input type=\"hidden\" name=\"pid\" value=\"%1\"><input type=\"hidden\" name=\"pcd\" "
                                        "value=\"%3\"></form></body></html>");
    int pages = 0;
    *bytes = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        const QString text = page.arg(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))),
                                      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1))).toHtmlEscaped(),
                                      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2))).toHtmlEscaped(),
                                      QString::number(sqlite3_column_int64(s, 3) / 10000.0, 'f', 2),
                                      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 4))).toHtmlEscaped());
        *bytes += text.size();
        ++pages;
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    if (pages != products)
        qFatal("%d bare pages for %d products", pages, products);
    return pages / (timer.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int products = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    qputenv("QUORVIS_HOME", dir.path().toUtf8());
    const QString theme = dir.path() + QStringLiteral("/Themes/Bench");
    Write(theme + QStringLiteral("/settings.ini"), "[theme]\nname=Bench\nLayoutCount=1\n[layout1]\ndirectory=singlepage\\\n");
    Write(theme + QStringLiteral("/singlepage/productpage.htm"), ProductPage);
    Write(theme + QStringLiteral("/singlepage/BriefStyle.tbl"), "<#Form><#LinkedProductName> <#DomPrice><#hiddenfields>");
    std::printf("detail pages of %d products through <#ProductList>, into memory\n", products);
    std::printf("%-26s %14s %14s %8s\n", "store", "bare pages/s", "producer p/s", "ratio");
    for (int categories : {10, 1000}) {
        const QString store = MakeStore(dir.path() + QStringLiteral("/store%1").arg(categories), products, categories);
        qint64 bareBytes = 0, producerBytes = 0;
        const double bare = Bare(store, products, &bareBytes);
        const double produced = Producer(store, theme, products, &producerBytes);
        std::printf("%5d categories           %14.0f %14.0f %8.2f   (%lld and %lld characters)\n", categories, bare, produced,
                    bare / produced, static_cast<long long>(bareBytes), static_cast<long long>(producerBytes));
    }
    std::printf("peak memory: %ld kB\n", PeakKilobytes());
    return 0;
}
