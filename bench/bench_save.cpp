// Creating and saving records through the object layer against a bare
// prepared SQLite insert, both durable (each row committed on its own), in the
// same run on the same kind of file.

#include "TApp.h"
#include "TCollection.h"
#include "TIdentifiers.h"
#include "TProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdio>
#include <optional>

namespace {

class TCustomer : public TItem
{
public:
    using TItem::TItem;
    void SetName(const QString& v) { SetValue(QStringLiteral("CustomerName"), v); }
    void SetCity(const QString& v) { SetValue(QStringLiteral("City"), v); }
    void SetBalance(TMoney v) { SetValue(QStringLiteral("Balance"), QVariant::fromValue(v)); }
};

class TCustomers : public TCollectionOf<TCustomer>
{
public:
    using TCollectionOf::TCollectionOf;
    TRef<TCustomer> NewCustomer() { return StaticRefCast<TCustomer>(NewRecordBase(IdentifierKinds::Customers)); }
};

const char* Schema =
    "CREATE TABLE Customers (CustomerID INTEGER UNIQUE, CustomerName VARCHAR(80), City VARCHAR(80), Balance MONEY);"
    "CREATE TABLE CustomersGen (CustomerID INTEGER);";

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double ViaObjectLayer(const QString& folder, int count, bool oneTransaction)
{
    QDir().mkpath(folder);
    TDatabase::Open(folder + QStringLiteral("/store.db"))->Exec(QString::fromLatin1(Schema).section(u';', 0, 0));
    TDatabase::Open(folder + QStringLiteral("/store.db"))->Exec(QString::fromLatin1(Schema).section(u';', 1, 1));
    TApp app(folder + QStringLiteral("/settings.ini"));
    if (!OpenStoreDatabase(folder))
        return -1;
    TRef<TCustomers> customers(new TCustomers(app.OpenSharedTable(QStringLiteral("Customers"))));
    QElapsedTimer timer;
    timer.start();
    std::optional<TTransaction> transaction;
    if (oneTransaction)
        transaction.emplace(*app.Database());
    for (int i = 0; i < count; ++i) {
        TRef<TCustomer> c = customers->NewCustomer();
        c->SetName(QStringLiteral("Customer %1").arg(i));
        c->SetCity(QStringLiteral("Tolvane"));
        c->SetBalance(TMoney::FromUnits(i * 125));
        c->Save();
    }
    if (transaction)
        transaction->Commit();
    return double(timer.nsecsElapsed()) / count;
}

double BarePrepared(const QString& folder, int count, bool oneTransaction)
{
    QDir().mkpath(folder);
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(folder + QStringLiteral("/store.db")).constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
    sqlite3_exec(db, Schema, nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Customers (CustomerID, CustomerName, City, Balance) VALUES (?1, ?2, ?3, ?4)", -1, &insert, nullptr);
    QElapsedTimer timer;
    timer.start();
    if (oneTransaction)
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (int i = 0; i < count; ++i) {
        const QByteArray name = QStringLiteral("Customer %1").arg(i).toUtf8();
        sqlite3_bind_int64(insert, 1, i + 1);
        sqlite3_bind_text(insert, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, "Tolvane", -1, SQLITE_STATIC);
        sqlite3_bind_int64(insert, 4, qint64(i) * 125);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    if (oneTransaction)
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double perRecord = double(timer.nsecsElapsed()) / count;
    sqlite3_finalize(insert);
    sqlite3_close(db);
    return perRecord;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    qputenv("QUORVIS_HOME", dir.path().toLocal8Bit());

    // Durable saves are dominated by the disk's flush, whose time varies from
    // run to run; the same work inside one transaction shows what the object
    // layer itself costs.
    for (const bool oneTransaction : {false, true}) {
        const QString tag = oneTransaction ? QStringLiteral("one") : QStringLiteral("each");
        const double bare = BarePrepared(dir.path() + QStringLiteral("/bare-") + tag, count, oneTransaction);
        const double items = ViaObjectLayer(dir.path() + QStringLiteral("/items-") + tag, count, oneTransaction);
        std::printf("%d records, %s\n", count,
                    oneTransaction ? "all in one transaction" : "each saved durably on its own (one flush per record)");
        std::printf("  bare prepared insert : %10.1f us per record\n", bare / 1000.0);
        std::printf("  TItem + Save         : %10.1f us per record\n", items / 1000.0);
        std::printf("  ratio (TItem / bare) : %10.2f\n", items / bare);
    }
    std::printf("peak memory            : %10ld kB\n", PeakKilobytes());
    return 0;
}
