#pragma once

#include "TDataSet.h"
#include "TItem.h"
#include "TRef.h"

#include <QAbstractTableModel>

#include <memory>

struct TIdentifierKind;

// A collection of records over one open table or query. It is also the model a
// grid shows directly: one row per record, one column per field. It holds the
// keys of its rows, never their data.
class TCollection : public QAbstractTableModel, public TRefCounted, private TDataSetObserver
{
    Q_OBJECT

public:
    // Takes the dataset over; opens it when it is closed.
    explicit TCollection(std::shared_ptr<TDataSet> dataSet);
    ~TCollection() override;

    int Count() const;
    void Refresh();
    QString Filter() const;
    // The condition is SQL with bound values ("ModeType = ?1", {3}); an empty
    // condition switches filtering off.
    void SetFilter(const QString& condition, const QVariantList& values = {});

    TDataSet* DataSet() const { return m_dataSet.get(); }
    const std::shared_ptr<TDataSet>& DataSetPtr() const { return m_dataSet; }
    // Hands the collection a freshly opened dataset (a database change).
    void SetDataSet(std::shared_ptr<TDataSet> dataSet);

    // Moves the cursor to the item's row (nothing for no item).
    void GotoItem(const TItem* item);

    // Deletes every row of the collection, wherever the cursor stands.
    void DeleteAll();

    // QAbstractItemModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    // A new item of the collection's record class bound to the current row.
    virtual TItem* MakeItem() = 0;
    // Whether Items(index) leaves the cursor alone when it already stands on that row.
    virtual bool ItemsKeepsPosition() const { return false; }
    // The identifier column that ItemByID compares and locates on.
    virtual QString IdColumn() const { return QString(); }
    virtual bool IdIsText() const { return false; }

    TRef<TItem> CurrentItemBase();
    TRef<TItem> ItemsBase(int index);
    TRef<TItem> ItemByIDBase(qint64 id);
    // Case-insensitive lookup on one or more columns; no item when nothing matches.
    TRef<TItem> FindBase(const QStringList& columns, const QVariantList& values);
    // Appends a row numbered as the kind's maximum identifier plus one (also
    // recorded in its identifier table when the row is saved). The row is in
    // insert state; the caller sets its properties and saves.
    TRef<TItem> NewRecordBase(const TIdentifierKind& kind);
    TRef<TItem> AppendBase();

private:
    void DataSetAboutToReset() override;
    void DataSetReset() override;
    void RowAboutToBeInserted(int row) override;
    void RowInserted(int row) override;
    void RowAboutToBeRemoved(int row) override;
    void RowRemoved(int row) override;
    void RowChanged(int row) override;

    std::shared_ptr<TDataSet> m_dataSet;
};

// The typed face of a collection for one record class.
template <class TRecord>
class TCollectionOf : public TCollection
{
public:
    using TCollection::TCollection;
    using Record = TRecord;

    TRef<TRecord> CurrentItem() { return StaticRefCast<TRecord>(CurrentItemBase()); }
    // Raises 1277 when there is no row at that position.
    TRef<TRecord> Items(int index) { return StaticRefCast<TRecord>(ItemsBase(index)); }
    // Raises 1278 when no row has that identifier.
    TRef<TRecord> ItemByID(qint64 id) { return StaticRefCast<TRecord>(ItemByIDBase(id)); }

protected:
    TItem* MakeItem() override { return new TRecord(DataSetPtr()); }
};
