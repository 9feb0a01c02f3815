#pragma once

// A store for the commerce tests: either a new website's store (with its
// merchant, "No Tax" and promotion rows) or the bare current layout with every
// table empty, attached to the application object.

#include "TApp.h"
#include "TDatabase.h"
#include "TStoreSchema.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

enum class TStoreKind { NewWebsite, EmptyTables };

inline std::shared_ptr<TDatabase> AttachCommerceStore(TApp& app, const QString& folder, TStoreKind kind)
{
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/store.db");
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(file + QLatin1StringView(suffix));
    std::shared_ptr<TDatabase> db;
    if (kind == TStoreKind::NewWebsite) {
        TStoreSchema::CreateNewStore(file);
        db = TDatabase::Open(file, TDatabase::OpenMode::OpenExisting);
    } else {
        db = TDatabase::Open(file);
        TStoreSchema::CreateCurrentSchema(*db);
    }
    app.SetDatabase(db);
    if (!app.IsOpen())
        qFatal("the test store could not be attached");
    return db;
}

// The number of rows of a table, straight from the file.
inline qint64 RowCount(TDatabase& db, const QString& table)
{
    return db.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QuoteIdentifier(table)).toLongLong();
}
