#include "TItem.h"

#include "TApp.h"
#include "TGlobalResourceManager.h"

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
    m_editing = false;
    TDatabase& db = m_table->Database();
    TTransaction transaction(db);
    if (rowBeingEdited)
        m_table->Post();
    if (m_pendingIdentifier) {
        // A failing identifier table never stops the record itself.
        try {
            TApp::WriteIdentifierTable(db, m_pendingIdentifier->table, m_pendingIdentifier->column,
                                       m_pendingIdentifier->value);
        } catch (const EQuorvisError&) {
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
        throw EQuorvisError(QStringLiteral("Property '%1' cannot be written").arg(name));
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
