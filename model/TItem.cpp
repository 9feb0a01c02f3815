#include "TItem.h"

#include "TApp.h"
#include "TGlobalResourceManager.h"

#include <limits>

TItem::TItem(std::shared_ptr<TDataSet> table)
    : m_table(std::move(table))
{
    if (m_table && m_table->Active())
        m_bookmark = m_table->Bookmark();
}

TItem::~TItem() = default;

void TItem::Rebind(std::shared_ptr<TDataSet> table)
{
    m_table = std::move(table);
    m_bookmark = (m_table && m_table->Active()) ? m_table->Bookmark() : TBookmark();
    m_pendingIdentifier.reset();
    m_editing = false;
}

void TItem::Position() const
{
    if (!m_table)
        throw EQuorvisError(LangStr(1275));
    // Any difference moves the cursor back: the item reads and writes only its own row.
    if (!m_table->IsOnRow(m_bookmark))
        m_table->GotoBookmark(m_bookmark);
}

TField TItem::Field(const QString& column) const
{
    Position();
    return m_table->Field(column);
}

void TItem::BeginEdit()
{
    Position();
    if (m_table->State() != TDataSetState::Edit && m_table->State() != TDataSetState::Insert) {
        m_table->Edit();
        m_bookmark = m_table->Bookmark();
    }
    m_editing = true;
}

void TItem::SetValue(const QString& column, const QVariant& value)
{
    BeginEdit();
    m_table->Field(column).SetValue(value);
}

void TItem::Save()
{
    if (!m_table)
        throw EQuorvisError(LangStr(1275));
    const TDataSetState state = m_table->State();
    const bool rowBeingEdited = (state == TDataSetState::Edit || state == TDataSetState::Insert) && m_table->IsOnRow(m_bookmark);
    // Another item moving the cursor has already posted this item's change.
    const bool postedEarly = m_editing && !rowBeingEdited && !m_bookmark.IsNull();
    if (!rowBeingEdited && !postedEarly)
        throw EQuorvisError(LangStr(1276));
    if (rowBeingEdited) {
        try {
            CheckBeforeSave();
        } catch (...) {
            // Left in edit state, the refused change would be posted by the
            // next move of any item over the same table.
            Cancel();
            throw;
        }
    }
    m_editing = false;
    TDatabase& db = m_table->Database();
    TTransaction transaction(db);
    // A refused post leaves the dataset browsing with the change discarded
    // (TDataSet::Post), so the shared collection stays usable.
    if (rowBeingEdited)
        m_table->Post();
    if (m_pendingIdentifier) {
        // A failing identifier table never stops the record itself.
        try {
            TApp::WriteIdentifierTable(db, m_pendingIdentifier->table, m_pendingIdentifier->column,
                                       m_pendingIdentifier->value);
        } catch (const EQuorvisError&) {
            // The row is stored; numbering goes on from the column's maximum
            // (TApp::NextFreeIdentifier), so a missing identifier table loses nothing.
        }
        m_pendingIdentifier.reset();
    }
    transaction.Commit();
}

void TItem::Cancel()
{
    if (m_table && m_table->IsOnRow(m_bookmark))
        m_table->Cancel();
    m_pendingIdentifier.reset();
    m_editing = false;
}

const TPropertyTable& TItem::Properties() const
{
    static const TPropertyTable none{};
    return none;
}

QVariant TItem::GetProperty(const QString& name) const
{
    const TPropertyInfo* p = Properties().Find(name);
    if (!p || !p->CanRead())
        return QVariant();
    return p->read(*this);
}

void TItem::SetProperty(const QString& name, const QVariant& value)
{
    const TPropertyInfo* p = Properties().Find(name);
    if (!p || !p->CanWrite())
        throw EQuorvisError(LangStr(5009).arg(name));
    p->write(*this, value);
}

void TItem::SetPendingIdentifier(const QString& identifierTable, const QString& column, qint64 value)
{
    m_pendingIdentifier = PendingIdentifier{identifierTable, column, value};
}

void TItem::DeleteRecord()
{
    Position();
    m_table->Delete();
    m_pendingIdentifier.reset();
}

void TItem::CheckUnsigned(qint64 value, const QString& property)
{
    // Identifiers and codes are unsigned 32-bit numbers on the secure server; a
    // value outside that range would be sent as something else, so it is refused.
    if (value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        throw EQuorvisError(LangStr(5008).arg(value).arg(property).arg(std::numeric_limits<quint32>::max()));
}

quint32 StoredUnsigned(qint64 value)
{
    if (value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        return 0;
    return quint32(value);
}
