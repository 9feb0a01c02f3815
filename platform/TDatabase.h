#pragma once

#include "EQuorvisError.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class TDatabase;
class TStatementLease;

// One prepared SQLite statement. Values are always bound, never spliced into
// the text. Columns come back as raw storage values: qint64, double, QString,
// QByteArray or a null QVariant.
class TStatement
{
public:
    TStatement(TDatabase& db, const QString& sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    void Bind(int index, const QVariant& value); // 1-based
    void BindAll(const QVariantList& values);
    // Runs to the next row; false when the statement is done.
    bool Step();
    void Reset();
    // Steps once and resets; for statements that return nothing.
    void Execute(const QVariantList& values = {});

    int ColumnCount() const;
    QString ColumnName(int column) const;
    QString ColumnDeclaredType(int column) const;
    QVariant Value(int column) const;
    qint64 Int64(int column) const;
    bool IsNull(int column) const;

    const QString& Sql() const { return m_sql; }

private:
    friend class TDatabase;
    friend class TStatementLease;
    TDatabase& m_db;
    bool m_leased = false; // handed out by TDatabase::Cached and not yet given back
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

// One SQLite file: a store database or the common database. Every write through
// it is on disk when the statement returns (write-ahead log, full sync), which
// is what makes a record's Save durable.
class TDatabase : public std::enable_shared_from_this<TDatabase>
{
public:
    enum class OpenMode { OpenExisting, CreateIfMissing };

    static std::shared_ptr<TDatabase> Open(const QString& fileName, OpenMode mode = OpenMode::CreateIfMissing);
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    const QString& FileName() const { return m_fileName; }
    // The folder that holds the file, ending with "/".
    QString Folder() const;
    sqlite3* Handle() const { return m_db; }

    // Runs one statement that returns no rows. Errors raise EDatabaseError.
    void Exec(const QString& sql, const QVariantList& values = {});
    // Runs a statement and returns the first column of its first row (null when none).
    QVariant Scalar(const QString& sql, const QVariantList& values = {});
    // A statement prepared once per database and reused. The lease gives it
    // back (reset) when it ends; a use nested inside another use of the same
    // SQL (a recursive walk) gets a statement of its own, so the outer walk
    // keeps its place.
    TStatementLease Cached(const QString& sql);

    bool TableExists(const QString& table);
    struct ColumnInfo {
        QString name;
        QString declaredType;
    };
    QList<ColumnInfo> Columns(const QString& table);
    bool HasColumn(const QString& table, const QString& column);
    qint64 LastInsertRowId() const;
    int Changes() const;

    // Nested transactions: the outermost one is BEGIN IMMEDIATE, inner ones savepoints.
    void Begin();
    void Commit();
    void Rollback();
    int TransactionDepth() const { return m_depth; }

    // Counters that let open datasets notice writes made around them: the table's
    // counter moves on every insert or delete made through a dataset, the global
    // one on every statement run through Exec and on every rollback.
    quint64 TableVersion(const QString& table) const;
    void TouchTable(const QString& table);
    quint64 GlobalVersion() const { return m_globalVersion; }
    void TouchAll() { ++m_globalVersion; ++m_dataVersion; }
    // Moves on every write of any kind, so that a dataset knows when the row it
    // holds in its buffer may have changed under it.
    quint64 DataVersion() const { return m_dataVersion; }
    void TouchData() { ++m_dataVersion; }

    [[noreturn]] void Fail(const QString& context) const;
    QString LastError() const;

    void SetBusyTimeout(int milliseconds);

private:
    TDatabase() = default;

    sqlite3* m_db = nullptr;
    QString m_fileName;
    int m_depth = 0;
    quint64 m_globalVersion = 1;
    quint64 m_dataVersion = 1;
    QHash<QString, quint64> m_tableVersions;
    QHash<QString, std::vector<std::shared_ptr<TStatement>>> m_cache;
};

// A cached statement on loan; see TDatabase::Cached.
class TStatementLease
{
public:
    explicit TStatementLease(std::shared_ptr<TStatement> statement);
    ~TStatementLease();
    TStatementLease(TStatementLease&& other) noexcept = default;
    TStatementLease(const TStatementLease&) = delete;
    TStatementLease& operator=(const TStatementLease&) = delete;
    TStatementLease& operator=(TStatementLease&&) = delete;

    TStatement& operator*() const { return *m_statement; }
    TStatement* operator->() const { return m_statement.get(); }

    void Bind(int index, const QVariant& value) { m_statement->Bind(index, value); }
    void BindAll(const QVariantList& values) { m_statement->BindAll(values); }
    bool Step() { return m_statement->Step(); }
    void Reset() { m_statement->Reset(); }
    void Execute(const QVariantList& values = {}) { m_statement->Execute(values); }
    QVariant Value(int column) const { return m_statement->Value(column); }
    qint64 Int64(int column) const { return m_statement->Int64(column); }
    bool IsNull(int column) const { return m_statement->IsNull(column); }
    int ColumnCount() const { return m_statement->ColumnCount(); }
    QString ColumnName(int column) const { return m_statement->ColumnName(column); }

private:
    std::shared_ptr<TStatement> m_statement;
};

// RAII transaction: rolled back unless Commit was called.
class TTransaction
{
public:
    explicit TTransaction(TDatabase& db) : m_db(db) { m_db.Begin(); }
    ~TTransaction();
    void Commit();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

private:
    TDatabase& m_db;
    bool m_done = false;
};

// The write lock a numbering routine holds while it reads and bumps an identifier.
// SQLite locks the whole file; the lock is asked for at most `attempts` times,
// each attempt waiting a few milliseconds for another program to let go.
class TTableLock
{
public:
    TTableLock(TDatabase& db, int attempts = 100);
    ~TTableLock();
    void Release();
    TTableLock(const TTableLock&) = delete;
    TTableLock& operator=(const TTableLock&) = delete;

private:
    TDatabase& m_db;
    bool m_held = false;
};
