#include "TApp.h"

#include "TCommonDatabase.h"
#include "TGlobalResourceManager.h"
#include "TIdentifiers.h"
#include "TMessenger.h"
#include "TPaths.h"
#include "TProgramFolders.h"

#include <QDir>
#include <QFileInfo>

TApp* TApp::s_instance = nullptr;

TApp::TApp(const QString& settingsFile)
    : m_settings(settingsFile.isEmpty() ? TUserSettings() : TUserSettings(settingsFile))
{
    s_instance = this;
}

TApp::~TApp()
{
    ReleaseCache();
    if (s_instance == this)
        s_instance = nullptr;
}

TApp& TApp::Instance()
{
    Q_ASSERT(s_instance);
    return *s_instance;
}

bool TApp::Exists()
{
    return s_instance != nullptr;
}

void TApp::ReleaseCache()
{
    std::map<QString, CacheSlot> cache;
    cache.swap(m_cache);
    for (auto& [slot, entry] : cache)
        entry.object->Release();
}

QString TApp::TableName(const QString& name)
{
    // Older callers and stored templates name tables by their file ("CategoryGen.DB").
    if (name.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
        return name.chopped(3);
    return name;
}

std::unique_ptr<TTable> TApp::OpenTable(const QString& name)
{
    if (!m_database)
        return nullptr;
    auto table = std::make_unique<TTable>(m_database, TableName(name));
    table->Open();
    return table;
}

std::shared_ptr<TTable> TApp::OpenSharedTable(const QString& name)
{
    return std::shared_ptr<TTable>(OpenTable(name));
}

std::shared_ptr<TTable> TApp::RequireTable(const QString& name)
{
    if (!m_database)
        throw EDatabaseError(LangStr(5000));
    return OpenSharedTable(name);
}

std::unique_ptr<TQuery> TApp::OpenQuery(const QString& sql, const QVariantList& values)
{
    if (!m_database)
        return nullptr;
    auto query = std::make_unique<TQuery>(m_database, sql, values);
    query->Open();
    return query;
}

void TApp::ExecSQL(const QString& sql, const QVariantList& values)
{
    if (!m_database)
        throw EDatabaseError(LangStr(5000));
    m_database->Exec(sql, values);
}

QString TApp::StoreFolder() const
{
    return m_database ? m_database->Folder() : QString();
}

void TApp::SetDatabase(std::shared_ptr<TDatabase> database)
{
    if (m_database)
        CloseDatabase();
    m_database = std::move(database);
    m_lastAttachError.clear();
    try {
        RebindCollections();
    } catch (const std::exception& e) {
        // The store stays detached; the reason is kept for the merchant's
        // message (OpenStoreDatabase), so that a damaged store can be diagnosed.
        m_lastAttachError = QString::fromStdString(e.what());
        m_database.reset();
    }
    emit DatabaseChanged();
}

void TApp::CloseDatabase()
{
    m_database.reset();
}

void TApp::RebindCollections()
{
    try {
        UpgradeAll();
    } catch (const std::exception& e) {
        throw EDatabaseError(LangStr(5014) + u'\n' + QString::fromStdString(e.what()));
    }
    for (auto& [slot, entry] : m_cache)
        entry.rebind(RequireTable(entry.table));
}

TDatabase* TApp::CommonDatabase()
{
    if (!m_common) {
        const QString file = TProgramFolders::CommonDatabaseFile();
        QDir().mkpath(QFileInfo(file).absolutePath());
        auto common = TDatabase::Open(file);
        // The tables every website shares are made and filled on first use.
        TCommonDatabase::Prepare(*common);
        m_common = std::move(common);
    }
    return m_common.get();
}

void TApp::CloseCommonDatabase()
{
    m_common.reset();
}

QString TApp::ReadSetting(const QString& subkey, const QString& name) const
{
    return m_settings.Read(subkey, name);
}

void TApp::WriteSetting(const QString& subkey, const QString& name, const QString& value)
{
    m_settings.Write(subkey, name, value);
}

namespace {

struct IdentifierQueries {
    QString highestInColumn;
    QString identifierTableValue;
};

const IdentifierQueries& QueriesFor(const TIdentifierKind& kind)
{
    static QHash<const TIdentifierKind*, IdentifierQueries> queries;
    auto it = queries.find(&kind);
    if (it == queries.end()) {
        const QString column = QuoteIdentifier(kind.idColumn);
        IdentifierQueries q;
        // Text identifiers are numbers written as digits: "10" is above "9".
        q.highestInColumn = kind.textId
            ? QStringLiteral("SELECT CAST(%1 AS INTEGER) AS n FROM %2 ORDER BY n DESC LIMIT 1").arg(column, QuoteIdentifier(kind.table))
            : QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, QuoteIdentifier(kind.table));
        if (!kind.identifierTable.isEmpty())
            q.identifierTableValue = QStringLiteral("SELECT MAX(%1) FROM %2")
                                         .arg(QuoteIdentifier(kind.identifierColumn), QuoteIdentifier(kind.identifierTable));
        it = queries.insert(&kind, q);
    }
    return it.value();
}

} // namespace

qint64 TApp::NextFreeIdentifier(TDatabase& db, const TIdentifierKind& kind)
{
    const IdentifierQueries& queries = QueriesFor(kind);
    qint64 highest = db.Scalar(queries.highestInColumn).toLongLong();
    if (!queries.identifierTableValue.isEmpty()) {
        // A missing or damaged identifier table never stops numbering.
        try {
            highest = std::max(highest, db.Scalar(queries.identifierTableValue).toLongLong());
        } catch (const EDatabaseError&) {
            // The column's maximum alone still gives a number no row holds.
        }
    }
    return highest + 1;
}

void TApp::WriteIdentifierTable(TDatabase& db, const QString& table, const QString& column, qint64 value)
{
    const QString t = QuoteIdentifier(table);
    const QString c = QuoteIdentifier(column);
    db.Cached(QStringLiteral("UPDATE %1 SET %2 = ?1").arg(t, c)).Execute({value});
    if (db.Changes() == 0)
        db.Cached(QStringLiteral("INSERT INTO %1 (%2) VALUES (?1)").arg(t, c)).Execute({value});
    db.TouchData();
}

qint64 TApp::NextID(const QString& identifierTableName, const QString& field)
{
    const QString identifierTable = TableName(identifierTableName);
    if (!m_database)
        throw EDatabaseError(LangStr(5000));
    TDatabase& db = *m_database;
    TTableLock lock(db);
    qint64 last = 0;
    {
        TStatement read(db, QStringLiteral("SELECT %1 FROM %2 LIMIT 1").arg(QuoteIdentifier(field), QuoteIdentifier(identifierTable)));
        if (read.Step())
            last = read.Value(0).toLongLong();
    }
    if (const TIdentifierKind* kind = TIdentifierKind::ByIdentifierTable(identifierTable))
        last = std::max(last, NextFreeIdentifier(db, *kind) - 1);
    const qint64 next = last + 1;
    WriteIdentifierTable(db, identifierTable, field, next);
    lock.Release();
    return next;
}

QString TApp::QuoteDouble(const QString& text)
{
    QString quoted = text;
    return quoted.replace(u'"', QStringLiteral("\"\""));
}

QString TApp::QuoteSingle(const QString& text)
{
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

bool OpenStoreDatabase(const QString& websiteFolder)
{
    TApp& app = TApp::Instance();
    // The store connection is pointed at the new folder: whatever was attached
    // before is let go first, whether or not the new one opens.
    app.CloseDatabase();
    QString reason;
    try {
        const QString folder = TPaths::WithTrailingSlash(websiteFolder);
        auto database = TDatabase::Open(folder + QLatin1StringView(StoreFileName), TDatabase::OpenMode::OpenExisting);
        app.SetDatabase(database);
        if (app.IsOpen()) {
            QDir().mkpath(app.StoreFolder() + QStringLiteral("HTML/images"));
            app.SetCurrentWebsiteFolder(folder);
            return true;
        }
        reason = app.LastAttachError();
    } catch (const std::exception& e) {
        reason = QString::fromStdString(e.what());
    }
    QString message = LangStr(1338);
    if (!reason.isEmpty())
        message += QStringLiteral("\n\n") + LangStr(5011).arg(reason);
    TMessenger::Current().Show(TMessenger::Kind::Error, message);
    return false;
}
