#pragma once

#include "TColumn.h"
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

    // A declared column read as its value type, and written after the checks
    // its published type asks for (an Unsigned value must fit 32 bits).
    template <class V>
    V Read(const TColumn<V>& column) const;
    template <class V>
    void Write(const TColumn<V>& column, const typename TColumn<V>::Argument& value);

    // After Save, also set the kind's identifier table to this value (a new
    // record's identifier), in the same transaction as the row itself.
    void SetPendingIdentifier(const QString& identifierTable, const QString& column, qint64 value);

protected:
    // Called by Save before the row is posted: a record class refuses a change
    // that would break its rules (EQuorvisError); nothing is stored then.
    virtual void CheckBeforeSave() {}

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
    static void CheckUnsigned(qint64 value, const QString& property);

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

// A stored unsigned code; a negative or oversized value left by an older
// release reads as 0.
quint32 StoredUnsigned(qint64 value);

template <class V>
V TItem::Read(const TColumn<V>& column) const
{
    const TField field = Field(column.Name());
    if constexpr (std::is_same_v<V, QString>)
        return field.AsString();
    else if constexpr (std::is_same_v<V, bool>)
        return field.AsBoolean();
    else if constexpr (std::is_same_v<V, quint32>)
        return StoredUnsigned(field.AsLargeInt());
    else if constexpr (std::is_integral_v<V>)
        return V(field.AsLargeInt());
    else if constexpr (std::is_floating_point_v<V>)
        return V(field.AsFloat());
    else if constexpr (std::is_same_v<V, TMoney>)
        return field.AsCurrency();
    else if constexpr (std::is_same_v<V, QDateTime>)
        return field.AsDateTime();
    else
        static_assert(sizeof(V) == 0, "no column access for this value type");
}

template <class V>
void TItem::Write(const TColumn<V>& column, const typename TColumn<V>::Argument& value)
{
    using A = typename TColumn<V>::Argument;
    if constexpr (std::is_integral_v<A> && !std::is_same_v<A, bool>) {
        if (column.Type() == TPropertyType::Unsigned)
            CheckUnsigned(qint64(value), column.Property());
        SetValue(column.Name(), QVariant(qint64(value)));
    } else if constexpr (std::is_same_v<A, TMoney>) {
        SetValue(column.Name(), QVariant::fromValue(value));
    } else {
        SetValue(column.Name(), QVariant(value));
    }
}
