#include "TDatabase.h"

#include "TMoney.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

namespace {

// Case-insensitive comparison for every script, not only ASCII as SQLite's NOCASE.
int CompareNoCase(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    const QString left = QString::fromUtf8(static_cast<const char*>(a), lengthA);
    const QString right = QString::fromUtf8(static_cast<const char*>(b), lengthB);
    return left.compare(right, Qt::CaseInsensitive);
}

// A store file holds the merchant's gateway passwords: a new file is made
// readable by its owner only, whatever the umask says. SQLite gives its -wal
// and -shm files the mode of the database file, so they follow.
void CreateOwnerOnlyFile(const QString& fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return; // already there (or not creatable: SQLite reports that)
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::close(fd);
}

} // namespace

// ---------------------------------------------------------------- TStatement

TStatement::TStatement(TDatabase& db, const QString& sql)
    : m_db(db), m_sql(sql)
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db.Handle(), text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK)
        db.Fail(sql);
}

TStatement::~TStatement()
{
    sqlite3_finalize(m_stmt);
}

void TStatement::Bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_stmt, index, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDateTime:
        case QMetaType::QDate: {
            const QByteArray text = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        default:
            if (value.typeId() == qMetaTypeId<TMoney>()) {
                rc = sqlite3_bind_int64(m_stmt, index, value.value<TMoney>().Units());
            } else {
                const QByteArray text = value.toString().toUtf8();
                rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            }
        }
    }
    if (rc != SQLITE_OK)
        m_db.Fail(m_sql);
}

void TStatement::BindAll(const QVariantList& values)
{
    sqlite3_clear_bindings(m_stmt);
    for (int i = 0; i < values.size(); ++i)
        Bind(i + 1, values[i]);
}

bool TStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString error = m_db.LastError();
    const int code = sqlite3_extended_errcode(m_db.Handle());
    sqlite3_reset(m_stmt);
    throw EDatabaseError(error + QStringLiteral(" [") + m_sql + u']', code);
}

void TStatement::Reset()
{
    sqlite3_reset(m_stmt);
}

void TStatement::Execute(const QVariantList& values)
{
    Reset();
    BindAll(values);
    Step();
    Reset();
}

int TStatement::ColumnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString TStatement::ColumnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString TStatement::ColumnDeclaredType(int column) const
{
    return QString::fromUtf8(sqlite3_column_decltype(m_stmt, column));
}

QVariant TStatement::Value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)),
                                          sqlite3_column_bytes(m_stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default:
        return QVariant();
    }
}

qint64 TStatement::Int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool TStatement::IsNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

// ---------------------------------------------------------------- TDatabase

std::shared_ptr<TDatabase> TDatabase::Open(const QString& fileName, OpenMode mode)
{
    std::shared_ptr<TDatabase> db(new TDatabase);
    db->m_fileName = QFileInfo(fileName).absoluteFilePath();
    const int flags = SQLITE_OPEN_READWRITE | (mode == OpenMode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    if (mode == OpenMode::CreateIfMissing)
        CreateOwnerOnlyFile(db->m_fileName);
    if (sqlite3_open_v2(QFile::encodeName(db->m_fileName).constData(), &db->m_db, flags, nullptr) != SQLITE_OK) {
        const QString error = db->m_db ? db->LastError() : QStringLiteral("out of memory");
        const int code = db->m_db ? sqlite3_extended_errcode(db->m_db) : SQLITE_NOMEM;
        throw EDatabaseError(error + QStringLiteral(": ") + db->m_fileName, code);
    }
    sqlite3_extended_result_codes(db->m_db, 1);
    db->SetBusyTimeout(5000);
    sqlite3_create_collation(db->m_db, "UNOCASE", SQLITE_UTF8, nullptr, CompareNoCase);
    // Reading the schema here is what tells a damaged or foreign file from a store.
    db->Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    db->Exec(QStringLiteral("PRAGMA synchronous=FULL"));
    db->Scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return db;
}

TDatabase::~TDatabase()
{
    m_cache.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
}

QString TDatabase::Folder() const
{
    QString folder = QFileInfo(m_fileName).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

void TDatabase::Exec(const QString& sql, const QVariantList& values)
{
    TStatement statement(*this, sql);
    statement.BindAll(values);
    while (statement.Step()) {
    }
    TouchAll();
}

QVariant TDatabase::Scalar(const QString& sql, const QVariantList& values)
{
    auto statement = Cached(sql);
    statement.BindAll(values);
    QVariant value;
    if (statement.Step())
        value = statement.Value(0);
    statement.Reset();
    return value;
}

TStatementLease TDatabase::Cached(const QString& sql)
{
    std::vector<std::shared_ptr<TStatement>>& statements = m_cache[sql];
    for (const std::shared_ptr<TStatement>& statement : statements)
        if (!statement->m_leased)
            return TStatementLease(statement);
    statements.push_back(std::make_shared<TStatement>(*this, sql));
    return TStatementLease(statements.back());
}

TStatementLease::TStatementLease(std::shared_ptr<TStatement> statement)
    : m_statement(std::move(statement))
{
    m_statement->Reset();
    m_statement->m_leased = true;
}

TStatementLease::~TStatementLease()
{
    if (!m_statement)
        return;
    // Reset at once: a statement left part-way through its rows would keep a
    // read transaction open on the file.
    try {
        m_statement->Reset();
    } catch (...) {
        // A failed reset has already reported its error to the statement's user.
    }
    m_statement->m_leased = false;
}

bool TDatabase::TableExists(const QString& table)
{
    auto s = Cached(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
    s.Bind(1, table);
    const bool found = s.Step();
    s.Reset();
    return found;
}

QList<TDatabase::ColumnInfo> TDatabase::Columns(const QString& table)
{
    QList<ColumnInfo> result;
    TStatement s(*this, QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
    s.Bind(1, table);
    while (s.Step())
        result.append({s.Value(0).toString(), s.Value(1).toString()});
    return result;
}

bool TDatabase::HasColumn(const QString& table, const QString& column)
{
    for (const ColumnInfo& c : Columns(table))
        if (c.name.compare(column, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

qint64 TDatabase::LastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int TDatabase::Changes() const
{
    return sqlite3_changes(m_db);
}

// Transaction control changes no rows, so it leaves the datasets' counters alone.
void TDatabase::Begin()
{
    Cached(m_depth == 0 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT level%1").arg(m_depth)).Execute();
    ++m_depth;
}

void TDatabase::Commit()
{
    if (m_depth == 0)
        return;
    Cached(m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE level%1").arg(m_depth - 1)).Execute();
    --m_depth;
}

void TDatabase::Rollback()
{
    if (m_depth == 0)
        return;
    --m_depth;
    // A rollback must not throw: it runs from destructors while an error unwinds.
    const QByteArray sql = m_depth == 0
        ? QByteArray("ROLLBACK")
        : QStringLiteral("ROLLBACK TO level%1; RELEASE level%1").arg(m_depth).toUtf8();
    sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
    TouchAll();
}

quint64 TDatabase::TableVersion(const QString& table) const
{
    return m_tableVersions.value(table.toLower(), 0);
}

void TDatabase::TouchTable(const QString& table)
{
    ++m_tableVersions[table.toLower()];
    ++m_dataVersion;
}

void TDatabase::Fail(const QString& context) const
{
    throw EDatabaseError(LastError() + QStringLiteral(" [") + context + u']', sqlite3_extended_errcode(m_db));
}

QString TDatabase::LastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

void TDatabase::SetBusyTimeout(int milliseconds)
{
    sqlite3_busy_timeout(m_db, milliseconds);
}

// ---------------------------------------------------------------- TTransaction

TTransaction::~TTransaction()
{
    if (!m_done)
        m_db.Rollback();
}

void TTransaction::Commit()
{
    m_db.Commit();
    m_done = true;
}

// ---------------------------------------------------------------- TTableLock

TTableLock::TTableLock(TDatabase& db, int attempts)
    : m_db(db)
{
    if (db.TransactionDepth() > 0) {
        // Already inside a write transaction: the file is locked for us.
        db.Begin();
        m_held = true;
        return;
    }
    // Another program holding the file answers "busy"; each attempt waits a
    // little so that the bounded number of attempts means a bounded time.
    db.SetBusyTimeout(20);
    for (int attempt = 1;; ++attempt) {
        try {
            db.Begin();
            m_held = true;
            break;
        } catch (const EDatabaseError& e) {
            if (attempt >= attempts || (e.Code() & 0xff) != SQLITE_BUSY) {
                db.SetBusyTimeout(5000);
                throw;
            }
        }
    }
    db.SetBusyTimeout(5000);
}

TTableLock::~TTableLock()
{
    if (m_held)
        m_db.Rollback();
}

void TTableLock::Release()
{
    if (m_held) {
        m_db.Commit();
        m_held = false;
    }
}
