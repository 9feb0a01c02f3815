#include "TCollection.h"

#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TIdentifiers.h"

TCollection::TCollection(std::shared_ptr<TDataSet> dataSet)
    : m_dataSet(std::move(dataSet))
{
    if (m_dataSet) {
        m_dataSet->Open();
        m_dataSet->AddObserver(this);
    }
}

TCollection::~TCollection()
{
    if (m_dataSet)
        m_dataSet->RemoveObserver(this);
}

int TCollection::Count() const
{
    return m_dataSet ? m_dataSet->RecordCount() : 0;
}

void TCollection::Refresh()
{
    if (m_dataSet)
        m_dataSet->Refresh();
}

QString TCollection::Filter() const
{
    return m_dataSet ? m_dataSet->Filter() : QString();
}

void TCollection::SetFilter(const QString& condition, const QVariantList& values)
{
    if (m_dataSet)
        m_dataSet->SetFilter(condition, values);
}

void TCollection::SetDataSet(std::shared_ptr<TDataSet> dataSet)
{
    beginResetModel();
    if (m_dataSet)
        m_dataSet->RemoveObserver(this);
    m_dataSet = std::move(dataSet);
    if (m_dataSet) {
        m_dataSet->Open();
        m_dataSet->AddObserver(this);
    }
    endResetModel();
}

void TCollection::GotoItem(const TItem* item)
{
    if (item && m_dataSet)
        m_dataSet->GotoBookmark(item->Bookmark());
}

void TCollection::DeleteAll()
{
    if (!m_dataSet)
        return;
    TTransaction transaction(m_dataSet->Database());
    m_dataSet->First();
    while (!m_dataSet->IsEmpty())
        m_dataSet->Delete();
    transaction.Commit();
}

TRef<TItem> TCollection::CurrentItemBase()
{
    return TRef<TItem>(MakeItem());
}

TRef<TItem> TCollection::ItemsBase(int index)
{
    if (!m_dataSet)
        throw EQuorvisError(LangStr(1277));
    if (!(ItemsKeepsPosition() && index >= 0 && m_dataSet->RecNo() == index + 1)) {
        m_dataSet->First();
        if (index < 0 || m_dataSet->MoveBy(index) != index || m_dataSet->IsEmpty())
            throw EQuorvisError(LangStr(1277));
    }
    return CurrentItemBase();
}

TRef<TItem> TCollection::ItemByIDBase(qint64 id)
{
    const QString column = IdColumn();
    if (!m_dataSet || column.isEmpty())
        throw EQuorvisError(LangStr(1278));
    const QVariant key = IdIsText() ? QVariant(QString::number(id)) : QVariant(id);
    if (m_dataSet->RecNo() > 0) {
        const TField field = m_dataSet->Field(column);
        if (!field.IsNull() && field.AsString().trimmed() == QString::number(id))
            return CurrentItemBase();
    }
    if (!m_dataSet->Locate(column, key))
        throw EQuorvisError(LangStr(1278));
    return CurrentItemBase();
}

TRef<TItem> TCollection::FindBase(const QStringList& columns, const QVariantList& values)
{
    if (!m_dataSet)
        return TRef<TItem>();
    TLocateOptions options;
    options.caseInsensitive = true;
    if (!m_dataSet->Locate(columns, values, options))
        return TRef<TItem>();
    return CurrentItemBase();
}

TRef<TItem> TCollection::NewRecordBase(const TIdentifierKind& kind)
{
    // Appending first posts a new record still pending on this dataset, so
    // that two new records in a row never get the same number.
    m_dataSet->Append();
    qint64 id = 0;
    try {
        id = TApp::NextFreeIdentifier(m_dataSet->Database(), kind);
    } catch (...) {
        m_dataSet->Cancel();
        throw;
    }
    m_dataSet->Field(kind.idColumn).SetValue(kind.textId ? QVariant(QString::number(id)) : QVariant(id));
    TRef<TItem> item = CurrentItemBase();
    if (!kind.identifierTable.isEmpty())
        item->SetPendingIdentifier(kind.identifierTable, kind.identifierColumn, id);
    return item;
}

TRef<TItem> TCollection::AppendBase()
{
    m_dataSet->Append();
    return CurrentItemBase();
}

int TCollection::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataSet)
        return 0;
    return m_dataSet->SnapshotCount();
}

int TCollection::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataSet)
        return 0;
    return m_dataSet->FieldCount();
}

QVariant TCollection::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_dataSet || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const TFieldDef& def = m_dataSet->FieldDef(index.column());
    const QVariant value = FieldStorage::FromStorage(def.type, m_dataSet->RawValueAt(index.row(), index.column()));
    if (role == Qt::DisplayRole && value.typeId() == qMetaTypeId<TMoney>())
        return value.value<TMoney>().Format(2);
    return value;
}

QVariant TCollection::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !m_dataSet)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_dataSet->FieldCount() ? QVariant(m_dataSet->FieldDef(section).name) : QVariant();
    return section + 1;
}

void TCollection::DataSetAboutToReset()
{
    beginResetModel();
}

void TCollection::DataSetReset()
{
    endResetModel();
}

void TCollection::RowAboutToBeInserted(int row)
{
    beginInsertRows(QModelIndex(), row, row);
}

void TCollection::RowInserted(int)
{
    endInsertRows();
}

void TCollection::RowAboutToBeRemoved(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
}

void TCollection::RowRemoved(int)
{
    endRemoveRows();
}

void TCollection::RowChanged(int row)
{
    if (m_dataSet && m_dataSet->FieldCount() > 0)
        emit dataChanged(index(row, 0), index(row, m_dataSet->FieldCount() - 1));
}
