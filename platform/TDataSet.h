#pragma once

#include "TDatabase.h"
#include "TMoney.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

enum class TFieldType { Unknown, String, Integer, Float, Currency, Boolean, DateTime, Blob };
enum class TDataSetState { Inactive, Browse, Edit, Insert };

struct TFieldDef
{
    QString name;
    TFieldType type = TFieldType::Unknown;
    QString declaredType;
};

// How a value of each field type is kept in SQLite, and back. Money is an
// integer count of ten-thousandths, Booleans 0 or 1, dates ISO text.
namespace FieldStorage {
TFieldType TypeFromDeclared(const QString& declaredType);
// Converts a value given in any reasonable form to the storage form of the type;
// raises EDatabaseError for text that is not a value of the type.
QVariant ToStorage(TFieldType type, const QVariant& value, const QString& fieldName);
// The stored value as the natural Qt value of the type (TMoney for money).
QVariant FromStorage(TFieldType type, const QVariant& raw);
QString DateTimeText(const QDateTime& value);
} // namespace FieldStorage

// Marks one row of one dataset. A row appended but not yet posted gets its key
// when it is posted, so that an item made for a new row stays bound to it.
class TBookmark
{
public:
    TBookmark() = default;
    bool IsNull() const { return !m_key || m_key->id < 0; }
    qint64 Key() const { return m_key ? m_key->id : -1; }
    bool operator==(const TBookmark& other) const;

private:
    friend class TDataSet;
    struct RowKey {
        qint64 id = -1;
    };
    explicit TBookmark(std::shared_ptr<RowKey> key) : m_key(std::move(key)) {}
    std::shared_ptr<RowKey> m_key;
};

class TDataSet;

// The value of one column of a dataset's current row (or of the row being edited).
class TField
{
public:
    TField(TDataSet* dataSet, int index) : m_dataSet(dataSet), m_index(index) {}

    const QString& FieldName() const;
    TFieldType DataType() const;
    int Index() const { return m_index; }

    bool IsNull() const;
    QVariant Value() const; // natural value of the type, null when empty
    QString AsString() const;
    qint64 AsLargeInt() const;
    int AsInteger() const { return int(AsLargeInt()); }
    double AsFloat() const;
    bool AsBoolean() const;
    TMoney AsCurrency() const;
    QDateTime AsDateTime() const;

    // Writing needs the dataset in edit or insert state.
    void SetValue(const QVariant& value) const;
    void SetAsString(const QString& value) const { SetValue(value); }
    void SetAsInteger(qint64 value) const { SetValue(value); }
    void SetAsFloat(double value) const { SetValue(value); }
    void SetAsBoolean(bool value) const { SetValue(value); }
    void SetAsCurrency(TMoney value) const { SetValue(QVariant::fromValue(value)); }
    void SetAsDateTime(const QDateTime& value) const { SetValue(value); }
    void Clear() const { SetValue(QVariant()); }

private:
    QVariant Raw() const;
    TDataSet* m_dataSet;
    int m_index;
};

// Told of changes in a dataset's rows, so that a view over it can follow.
class TDataSetObserver
{
public:
    virtual ~TDataSetObserver() = default;
    virtual void DataSetAboutToReset() {}
    virtual void DataSetReset() {}
    virtual void RowAboutToBeInserted(int row) {}
    virtual void RowInserted(int row) {}
    virtual void RowAboutToBeRemoved(int row) {}
    virtual void RowRemoved(int row) {}
    virtual void RowChanged(int row) {}
};

struct TLocateOptions
{
    bool caseInsensitive = false;
    bool partialKey = false;
};

// A cursor over the rows of a table or a query: it holds the keys of its rows
// (in order, after its filter) and the values of the current row only.
class TDataSet
{
public:
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    TDatabase& Database() const { return *m_db; }
    const std::shared_ptr<TDatabase>& DatabasePtr() const { return m_db; }
    virtual QString Name() const = 0;
    virtual bool IsReadOnly() const = 0;

    bool Active() const { return m_state != TDataSetState::Inactive; }
    void Open();
    void Close();
    void Refresh();

    int FieldCount() const { return int(m_fields.size()); }
    const TFieldDef& FieldDef(int index) const { return m_fields[index]; }
    int FieldIndex(const QString& name) const; // -1 when absent
    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    TField Field(const QString& name); // raises EDatabaseError for an unknown column
    TField FieldAt(int index) { return TField(this, index); }

    int RecordCount();
    bool IsEmpty() { return RecordCount() == 0; }
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance); // returns how far the cursor moved
    bool Eof() const { LoadIfNeeded(); return m_eof; }
    bool Bof() const { LoadIfNeeded(); return m_bof; }
    int RecNo(); // 1-based position of the current row; 0 when there is none

    TBookmark Bookmark(); // the current row (or the row being inserted)
    bool IsOnRow(const TBookmark& bookmark) const;
    // Moves to the marked row; raises EDatabaseError when it no longer exists.
    void GotoBookmark(const TBookmark& bookmark);

    bool Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options = {});
    bool Locate(const QString& field, const QVariant& value, TLocateOptions options = {})
    {
        return Locate(QStringList{field}, QVariantList{value}, options);
    }

    // The filter is an SQL condition whose values are bound, never spliced in.
    void SetFilter(const QString& condition, const QVariantList& values = {});
    const QString& Filter() const { return m_filter; }
    bool Filtered() const { return !m_filter.isEmpty(); }

    TDataSetState State() const { return m_state; }
    void Edit();   // on an empty dataset this appends, as the desktop engines did
    void Append();
    void Post();
    void Cancel();
    void Delete();

    // Raw storage value of a field of the current row (or of the edit buffer).
    QVariant RawValue(int index);
    void SetRawValue(int index, const QVariant& raw);

    // Row access for views: no cursor move and no reload, so that painting a
    // grid never disturbs the records that hold the cursor.
    int SnapshotCount() const { LoadIfNeeded(); return int(m_keys.size()); }
    QVariant RawValueAt(int row, int index);

    void AddObserver(TDataSetObserver* observer);
    void RemoveObserver(TDataSetObserver* observer);

protected:
    explicit TDataSet(std::shared_ptr<TDatabase> db);

    virtual QVector<TFieldDef> LoadFields() = 0;
    virtual std::vector<qint64> LoadKeys() = 0;
    virtual QVector<QVariant> FetchRow(qint64 key) = 0;
    // The rows of several keys, in the order given (an empty row for a key
    // that is gone); one FetchRow each unless the dataset can do better.
    virtual QVector<QVector<QVariant>> FetchRows(const std::vector<qint64>& keys);
    virtual qint64 InsertRow(const QVector<QVariant>& values, const QVector<bool>& assigned);
    virtual void UpdateRow(qint64 key, const QVector<QVariant>& values, const QVector<bool>& assigned);
    virtual void DeleteRow(qint64 key);
    // The first row, in dataset order, whose fields match; -1 when none.
    virtual qint64 FindRow(const QList<int>& fields, const QVariantList& values, TLocateOptions options) = 0;
    // Whether rows keep the order of their keys (plain tables, no sort).
    virtual bool KeysAscending() const = 0;
    virtual bool StructureChangedElsewhere() const = 0;
    // Whether the rows are read on first use (tables) or at opening (queries,
    // which answer for the moment they were opened).
    virtual bool LoadsLazily() const = 0;
    virtual void NoteOwnStructureChange() = 0;

    quint64 LoadedGlobalVersion() const { return m_loadedGlobalVersion; }

    QVariantList m_filterValues;
    QString m_filter;

private:
    friend class TField;
    void EnsureCurrent();
    void Reload(bool notify);
    // A table reads the keys of its rows when it is first used, not when it is
    // opened: attaching a store rebinds every shared collection, most of which
    // nobody looks at before the next store is attached. Until then no view
    // has seen a row, so the first reading tells nobody.
    void LoadIfNeeded() const;
    void FirstLoad();
    void CheckBrowseMode();
    void MoveTo(int position);
    int PositionOf(qint64 key);
    const QVector<QVariant>& CurrentRow();
    void RequireWritable() const;
    void NotifyReset(bool before);

    std::shared_ptr<TDatabase> m_db;
    TDataSetState m_state = TDataSetState::Inactive;
    QVector<TFieldDef> m_fields;
    QHash<QString, int> m_fieldIndex;

    std::vector<qint64> m_keys;
    QHash<qint64, int> m_positions; // built on demand when keys are not ascending
    bool m_positionsValid = false;
    bool m_loaded = false;
    quint64 m_loadedGlobalVersion = 0;

    int m_pos = -1;
    bool m_eof = true;
    bool m_bof = true;
    std::shared_ptr<TBookmark::RowKey> m_currentKey;

    QVector<QVariant> m_row;
    qint64 m_rowKey = -1;
    quint64 m_rowDataVersion = 0;
    // Rows read ahead while the cursor walks forward, valid until the next write.
    QHash<qint64, QVector<QVariant>> m_readAhead;
    quint64 m_readAheadVersion = 0;
    int m_lastReadPosition = -2;

    QVector<QVariant> m_buffer;
    QVector<bool> m_assigned;
    std::shared_ptr<TBookmark::RowKey> m_insertKey;
    int m_positionBeforeInsert = -1;

    QVector<QVariant> m_viewRow;
    qint64 m_viewKey = -1;
    quint64 m_viewDataVersion = 0;

    QList<TDataSetObserver*> m_observers;
};

// A live table: every row of it (after the filter), in row order or sorted by
// the index fields.
class TTable : public TDataSet
{
public:
    TTable(std::shared_ptr<TDatabase> db, const QString& tableName);
    QString Name() const override { return m_table; }
    bool IsReadOnly() const override { return false; }
    // Sort order, as "CategoryID;Order"; takes effect at the next open or refresh.
    void SetIndexFieldNames(const QString& fields);
    qint64 RowIdOf(const TBookmark& bookmark) const { return bookmark.Key(); }

protected:
    QVector<TFieldDef> LoadFields() override;
    std::vector<qint64> LoadKeys() override;
    QVector<QVariant> FetchRow(qint64 key) override;
    QVector<QVector<QVariant>> FetchRows(const std::vector<qint64>& keys) override;
    qint64 InsertRow(const QVector<QVariant>& values, const QVector<bool>& assigned) override;
    void UpdateRow(qint64 key, const QVector<QVariant>& values, const QVector<bool>& assigned) override;
    void DeleteRow(qint64 key) override;
    qint64 FindRow(const QList<int>& fields, const QVariantList& values, TLocateOptions options) override;
    bool KeysAscending() const override { return m_order.isEmpty(); }
    bool LoadsLazily() const override { return true; }
    bool StructureChangedElsewhere() const override;
    void NoteOwnStructureChange() override;

private:
    QString Where() const;
    QString OrderBy() const;
    QString m_table;
    QString m_tableKey; // lower case: the database's table counters are kept so
    QString m_quotedTable;
    QString m_columnList;
    QString m_fetchSql;
    QString m_fetchManySql;
    QStringList m_quotedColumns;
    // INSERT statements by the set of columns they assign (most tables see one or two sets).
    QHash<QByteArray, QString> m_insertSql;
    QStringList m_order;
    quint64 m_loadedTableVersion = 0;
};

// The rows a SELECT statement returned when it was opened (or refreshed).
// Read-only: writes go through tables or statements.
class TQuery : public TDataSet
{
public:
    TQuery(std::shared_ptr<TDatabase> db, const QString& sql, const QVariantList& values = {});
    QString Name() const override { return m_sql; }
    bool IsReadOnly() const override { return true; }

protected:
    QVector<TFieldDef> LoadFields() override;
    std::vector<qint64> LoadKeys() override;
    QVector<QVariant> FetchRow(qint64 key) override;
    qint64 FindRow(const QList<int>& fields, const QVariantList& values, TLocateOptions options) override;
    bool KeysAscending() const override { return true; }
    bool LoadsLazily() const override { return false; }
    bool StructureChangedElsewhere() const override { return false; }
    void NoteOwnStructureChange() override {}

private:
    QString m_sql;
    QVariantList m_values;
    QVector<QVector<QVariant>> m_rows;
};

QString QuoteIdentifier(const QString& name);
