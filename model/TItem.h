#pragma once

#include "TDataSet.h"
#include "TPropertyTable.h"
#include "TRef.h"

#include <memory>
#include <optional>

class TDataSet;

// One row of one table. The item is bound to its row for life: every read and
// write first puts the table's cursor on that row, whatever the cursor did in
// the meantime, so an item can never touch another row. Nothing is stored until
// Save.
class TItem : public TRefCounted
{
public:
    // Binds to the row under the dataset's cursor (or the row being inserted).
    explicit TItem(std::shared_ptr<TDataSet> table);
    ~TItem() override;

    // The field of the item's row; raises 1275 without a table.
    TField Field(const QString& column) const;
    // Puts the table into edit state on the item's row, unless it is editing already.
    void BeginEdit();
    // Posts the pending change; it is on disk when Save returns. Raises 1276
    // when the row is not being edited.
    void Save();
    // Throws away a pending change (an unsaved new row disappears).
    void Cancel();
    TDataSet* DataSet() const { return m_table.get(); }
    const std::shared_ptr<TDataSet>& DataSetPtr() const { return m_table; }
    const TBookmark& Bookmark() const { return m_bookmark; }
    // Binds the item to the current row of another table (a database change).
    virtual void Rebind(std::shared_ptr<TDataSet> table);

    // The published properties of the record class, and access by name.
    virtual const TPropertyTable& Properties() const;
    QVariant GetProperty(const QString& name) const;
    void SetProperty(const QString& name, const QVariant& value);

    // After Save, also set the kind's identifier table to this value (a new
    // record's identifier), in the same transaction as the row itself.
    void SetPendingIdentifier(const QString& identifierTable, const QString& column, qint64 value);

protected:
    // Field helpers for property getters and setters.
    QString GetString(const QString& column) const { return Field(column).AsString(); }
    qint64 GetInteger(const QString& column) const { return Field(column).AsLargeInt(); }
    double GetFloat(const QString& column) const { return Field(column).AsFloat(); }
    bool GetBoolean(const QString& column) const { return Field(column).AsBoolean(); }
    TMoney GetMoney(const QString& column) const { return Field(column).AsCurrency(); }
    QDateTime GetDateTime(const QString& column) const { return Field(column).AsDateTime(); }
    void SetValue(const QString& column, const QVariant& value);
    // Deletes the item's row; the item is stale afterwards.
    void DeleteRecord();

private:
    void Position() const;

    std::shared_ptr<TDataSet> m_table;
    TBookmark m_bookmark;
    // Set by BeginEdit: the change may be posted early when another item moves
    // the cursor away, and Save must then still succeed.
    bool m_editing = false;
    struct PendingIdentifier {
        QString table;
        QString column;
        qint64 value;
    };
    std::optional<PendingIdentifier> m_pendingIdentifier;
};
