#include "TDataSet.h"

#include "TValueText.h"


#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- storage forms

namespace {

// Text in a column, or given for one, that is no value of the column's type.
[[noreturn]] void Invalid(const QVariant& value, const QString& fieldName, const char* kind)
{
    throw EDatabaseError(QStringLiteral("'%1' is not a valid %2 value for field '%3'")
                             .arg(value.toString(), QString::fromLatin1(kind), fieldName));
}

} // namespace

namespace FieldStorage {

TFieldType TypeFromDeclared(const QString& declaredType)
{
    const QString d = declaredType.toUpper();
    if (d.isEmpty())
        return TFieldType::Unknown;
    if (d.contains(u"BOOL"))
        return TFieldType::Boolean;
    if (d.contains(u"MONEY") || d.contains(u"CURRENCY"))
        return TFieldType::Currency;
    if (d.contains(u"AUTOINC") || d.contains(u"INT"))
        return TFieldType::Integer;
    if (d.contains(u"CHAR") || d.contains(u"TEXT") || d.contains(u"CLOB") || d.contains(u"MEMO"))
        return TFieldType::String;
    if (d.startsWith(u"BLOB")) {
        // "BLOB(240, 1)" is the desktop engines' memo: text, not bytes.
        const qsizetype comma = d.indexOf(u',');
        if (comma > 0 && d.mid(comma + 1).trimmed().startsWith(u'1'))
            return TFieldType::String;
        return TFieldType::Blob;
    }
    if (d.contains(u"DATE") || d.contains(u"TIME"))
        return TFieldType::DateTime;
    if (d.contains(u"REAL") || d.contains(u"FLOA") || d.contains(u"DOUB") || d.contains(u"NUMERIC") || d.contains(u"DECIMAL"))
        return TFieldType::Float;
    return TFieldType::String;
}

QString DateTimeText(const QDateTime& value)
{
    if (value.time().msec() != 0)
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

bool IsText(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

} // namespace

QVariant ToStorage(TFieldType type, const QVariant& value, const QString& fieldName)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const bool isMoney = value.typeId() == qMetaTypeId<TMoney>();
    switch (type) {
    case TFieldType::String:
        if (isMoney)
            return value.value<TMoney>().Format(4);
        if (value.typeId() == QMetaType::QDateTime)
            return DateTimeText(value.toDateTime());
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    case TFieldType::Integer: {
        if (isMoney)
            return QVariant(qint64(value.value<TMoney>().Units() / TMoney::Scale));
        if (value.typeId() == QMetaType::Bool)
            return QVariant(qint64(value.toBool() ? 1 : 0));
        if (value.typeId() == QMetaType::Double)
            return QVariant(qint64(std::llround(value.toDouble())));
        if (IsText(value)) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return QVariant();
            const auto n = ValueText::Integer(t);
            if (!n)
                Invalid(value, fieldName, "integer");
            return QVariant(*n);
        }
        bool ok = false;
        const qint64 n = value.toLongLong(&ok);
        if (!ok)
            Invalid(value, fieldName, "integer");
        return QVariant(n);
    }
    case TFieldType::Float: {
        if (isMoney)
            return QVariant(value.value<TMoney>().ToDouble());
        if (IsText(value)) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return QVariant();
            const auto d = ValueText::Float(t);
            if (!d)
                Invalid(value, fieldName, "floating point");
            return QVariant(*d);
        }
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok)
            Invalid(value, fieldName, "floating point");
        return QVariant(d);
    }
    case TFieldType::Currency: {
        if (isMoney)
            return QVariant(value.value<TMoney>().Units());
        if (IsText(value)) {
            const QString t = value.toString().trimmed();
            if (t.isEmpty())
                return QVariant();
            const auto m = ValueText::Money(t);
            if (!m)
                Invalid(value, fieldName, "currency");
            return QVariant(m->Units());
        }
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            return QVariant(TMoney::FromDouble(value.toDouble()).Units());
        bool ok = false;
        const qint64 n = value.toLongLong(&ok);
        if (!ok)
            Invalid(value, fieldName, "currency");
        return QVariant(TMoney::FromWhole(n).Units());
    }
    case TFieldType::Boolean: {
        if (IsText(value)) {
            const auto b = ValueText::Boolean(value.toString());
            if (!b)
                Invalid(value, fieldName, "Boolean");
            return QVariant(qint64(*b ? 1 : 0));
        }
        return QVariant(qint64(value.toBool() ? 1 : 0));
    }
    case TFieldType::DateTime: {
        if (value.typeId() == QMetaType::QDateTime || value.typeId() == QMetaType::QDate) {
            const QDateTime dt = value.toDateTime();
            return dt.isValid() ? QVariant(DateTimeText(dt)) : QVariant();
        }
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return QVariant();
        const auto dt = ValueText::DateTime(t);
        if (!dt)
            Invalid(value, fieldName, "date");
        return QVariant(DateTimeText(*dt));
    }
    case TFieldType::Blob:
        return QVariant(value.toByteArray());
    case TFieldType::Unknown:
        if (isMoney)
            return QVariant(value.value<TMoney>().Units());
        return value;
    }
    return value;
}

QVariant FromStorage(TFieldType type, const QVariant& raw)
{
    if (!raw.isValid() || raw.isNull())
        return QVariant();
    switch (type) {
    case TFieldType::String:
        return raw.toString();
    case TFieldType::Integer:
        if (raw.typeId() == QMetaType::Double)
            return QVariant(qint64(std::llround(raw.toDouble())));
        return QVariant(raw.toLongLong());
    case TFieldType::Float:
        return QVariant(raw.toDouble());
    case TFieldType::Currency:
        if (raw.typeId() == QMetaType::QString) {
            const auto m = ValueText::Money(raw.toString());
            return m ? QVariant::fromValue(*m) : QVariant();
        }
        if (raw.typeId() == QMetaType::Double)
            return QVariant::fromValue(TMoney::FromUnits(std::llround(raw.toDouble())));
        return QVariant::fromValue(TMoney::FromUnits(raw.toLongLong()));
    case TFieldType::Boolean:
        if (raw.typeId() == QMetaType::QString)
            return QVariant(ValueText::Boolean(raw.toString()).value_or(false));
        return QVariant(raw.toLongLong() != 0);
    case TFieldType::DateTime:
        if (raw.typeId() == QMetaType::QString) {
            const auto dt = ValueText::DateTime(raw.toString());
            return dt ? QVariant(*dt) : QVariant();
        }
        return QVariant();
    case TFieldType::Blob:
        return QVariant(raw.toByteArray());
    case TFieldType::Unknown:
        return raw;
    }
    return raw;
}

} // namespace FieldStorage

QString QuoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// ---------------------------------------------------------------- TBookmark

bool TBookmark::operator==(const TBookmark& other) const
{
    if (m_key == other.m_key)
        return true;
    return !IsNull() && !other.IsNull() && m_key->id == other.m_key->id;
}

// ---------------------------------------------------------------- TField

const QString& TField::FieldName() const
{
    return m_dataSet->FieldDef(m_index).name;
}

TFieldType TField::DataType() const
{
    return m_dataSet->FieldDef(m_index).type;
}

QVariant TField::Raw() const
{
    return m_dataSet->RawValue(m_index);
}

bool TField::IsNull() const
{
    const QVariant raw = Raw();
    return !raw.isValid() || raw.isNull();
}

QVariant TField::Value() const
{
    return FieldStorage::FromStorage(DataType(), Raw());
}

QString TField::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::QDateTime:
        return FieldStorage::DateTimeText(v.toDateTime());
    default:
        if (v.typeId() == qMetaTypeId<TMoney>()) {
            QString text = v.value<TMoney>().Format(4);
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
            return text;
        }
        return v.toString();
    }
}

qint64 TField::AsLargeInt() const
{
    const QVariant raw = Raw();
    if (!raw.isValid() || raw.isNull())
        return 0;
    if (DataType() == TFieldType::Currency)
        return Value().value<TMoney>().Units() / TMoney::Scale;
    if (raw.typeId() == QMetaType::QString) {
        const QString t = raw.toString().trimmed();
        if (t.isEmpty())
            return 0;
        const auto n = ValueText::Integer(t);
        if (!n)
            Invalid(t, FieldName(), "integer");
        return *n;
    }
    if (raw.typeId() == QMetaType::Double)
        return qint64(std::llround(raw.toDouble()));
    return raw.toLongLong();
}

double TField::AsFloat() const
{
    const QVariant raw = Raw();
    if (!raw.isValid() || raw.isNull())
        return 0.0;
    if (DataType() == TFieldType::Currency)
        return Value().value<TMoney>().ToDouble();
    if (raw.typeId() == QMetaType::QString) {
        const QString t = raw.toString().trimmed();
        if (t.isEmpty())
            return 0.0;
        const auto d = ValueText::Float(t);
        if (!d)
            Invalid(t, FieldName(), "floating point");
        return *d;
    }
    return raw.toDouble();
}

bool TField::AsBoolean() const
{
    const QVariant v = FieldStorage::FromStorage(TFieldType::Boolean, Raw());
    return v.isValid() && v.toBool();
}

TMoney TField::AsCurrency() const
{
    const QVariant raw = Raw();
    if (!raw.isValid() || raw.isNull())
        return TMoney();
    switch (DataType()) {
    case TFieldType::Currency:
        return Value().value<TMoney>();
    case TFieldType::Float:
        return TMoney::FromDouble(raw.toDouble());
    default:
        if (raw.typeId() == QMetaType::QString) {
            const QString t = raw.toString().trimmed();
            if (t.isEmpty())
                return TMoney();
            const auto m = ValueText::Money(t);
            if (!m)
                Invalid(t, FieldName(), "currency");
            return *m;
        }
        if (raw.typeId() == QMetaType::Double)
            return TMoney::FromDouble(raw.toDouble());
        return TMoney::FromWhole(raw.toLongLong());
    }
}

QDateTime TField::AsDateTime() const
{
    return FieldStorage::FromStorage(TFieldType::DateTime, Raw()).toDateTime();
}

void TField::SetValue(const QVariant& value) const
{
    m_dataSet->SetRawValue(m_index, FieldStorage::ToStorage(DataType(), value, FieldName()));
}

// ---------------------------------------------------------------- TDataSet

TDataSet::TDataSet(std::shared_ptr<TDatabase> db)
    : m_db(std::move(db))
{
}

TDataSet::~TDataSet() = default;

void TDataSet::Open()
{
    if (Active())
        return;
    m_fields = LoadFields();
    m_fieldIndex.clear();
    // Found by the name as the table spells it, or in any letter case; the
    // first needs no lower-casing, which record properties do on every read.
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fieldIndex.insert(m_fields[i].name.toLower(), i);
        m_fieldIndex.insert(m_fields[i].name, i);
    }
    m_state = TDataSetState::Browse;
    m_loaded = false;
    m_pos = -1;
    m_eof = m_bof = true;
    if (!LoadsLazily()) {
        Reload(true);
        First();
    }
}

void TDataSet::LoadIfNeeded() const
{
    if (Active() && !m_loaded)
        const_cast<TDataSet*>(this)->FirstLoad();
}

void TDataSet::FirstLoad()
{
    m_pos = -1;
    Reload(false);
    m_bof = true;
    m_eof = m_keys.empty();
}

void TDataSet::Close()
{
    if (!Active())
        return;
    NotifyReset(true);
    m_state = TDataSetState::Inactive;
    m_keys.clear();
    m_positions.clear();
    m_positionsValid = false;
    m_loaded = false;
    m_pos = -1;
    m_eof = m_bof = true;
    m_currentKey.reset();
    m_rowKey = m_viewKey = -1;
    m_buffer.clear();
    m_insertKey.reset();
    m_readAhead.clear();
    NotifyReset(false);
}

void TDataSet::Refresh()
{
    if (!Active())
        return;
    CheckBrowseMode();
    Reload(true);
}

int TDataSet::FieldIndex(const QString& name) const
{
    const int index = m_fieldIndex.value(name, -1);
    return index >= 0 ? index : m_fieldIndex.value(name.toLower(), -1);
}

TField TDataSet::Field(const QString& name)
{
    const int index = FieldIndex(name);
    if (index < 0)
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(Name(), name));
    return TField(this, index);
}

void TDataSet::NotifyReset(bool before)
{
    for (TDataSetObserver* o : std::as_const(m_observers)) {
        if (before)
            o->DataSetAboutToReset();
        else
            o->DataSetReset();
    }
}

void TDataSet::Reload(bool notify)
{
    const qint64 keepKey = (m_pos >= 0 && m_pos < int(m_keys.size())) ? m_keys[size_t(m_pos)] : -1;
    const int keepPos = m_pos;
    if (notify)
        NotifyReset(true);
    m_keys = LoadKeys();
    m_positions.clear();
    m_positionsValid = false;
    m_loaded = true;
    m_loadedGlobalVersion = m_db->GlobalVersion();
    NoteOwnStructureChange();
    int position = -1;
    if (!m_keys.empty()) {
        position = keepKey >= 0 ? PositionOf(keepKey) : -1;
        if (position < 0)
            position = std::clamp(keepPos, 0, int(m_keys.size()) - 1);
    }
    m_pos = position;
    m_eof = m_bof = m_keys.empty();
    m_currentKey.reset();
    m_rowKey = m_viewKey = -1;
    if (notify)
        NotifyReset(false);
}

void TDataSet::EnsureCurrent()
{
    if (!Active())
        throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(Name()));
    if (!m_loaded)
        FirstLoad();
    else if (StructureChangedElsewhere())
        Reload(true);
}

void TDataSet::CheckBrowseMode()
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        Post();
}

int TDataSet::RecordCount()
{
    if (!Active())
        return 0;
    if (m_state != TDataSetState::Insert)
        EnsureCurrent();
    return int(m_keys.size());
}

void TDataSet::MoveTo(int position)
{
    m_pos = position;
    m_currentKey.reset();
}

void TDataSet::First()
{
    CheckBrowseMode();
    EnsureCurrent();
    MoveTo(m_keys.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_keys.empty();
}

void TDataSet::Last()
{
    CheckBrowseMode();
    EnsureCurrent();
    MoveTo(int(m_keys.size()) - 1);
    m_eof = true;
    m_bof = m_keys.empty();
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    CheckBrowseMode();
    EnsureCurrent();
    if (m_keys.empty()) {
        m_eof = m_bof = true;
        return 0;
    }
    const int last = int(m_keys.size()) - 1;
    const int target = std::clamp(m_pos + distance, 0, last);
    const int moved = target - m_pos;
    m_eof = distance > 0 && moved < distance;
    m_bof = distance < 0 && moved > distance;
    if (distance == 0)
        m_eof = m_bof = false;
    if (moved != 0) {
        MoveTo(target);
        if (distance > 0)
            m_bof = false;
        if (distance < 0)
            m_eof = false;
    }
    return moved;
}

int TDataSet::RecNo()
{
    if (!Active() || m_state == TDataSetState::Insert)
        return 0;
    EnsureCurrent();
    return m_pos < 0 ? 0 : m_pos + 1;
}

int TDataSet::PositionOf(qint64 key)
{
    if (KeysAscending()) {
        const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
        return (it != m_keys.end() && *it == key) ? int(it - m_keys.begin()) : -1;
    }
    if (!m_positionsValid) {
        m_positions.clear();
        m_positions.reserve(qsizetype(m_keys.size()));
        for (size_t i = 0; i < m_keys.size(); ++i)
            m_positions.insert(m_keys[i], int(i));
        m_positionsValid = true;
    }
    return m_positions.value(key, -1);
}

TBookmark TDataSet::Bookmark()
{
    if (m_state == TDataSetState::Insert)
        return TBookmark(m_insertKey);
    EnsureCurrent();
    if (m_pos < 0)
        return TBookmark();
    const qint64 key = m_keys[size_t(m_pos)];
    if (!m_currentKey || m_currentKey->id != key) {
        m_currentKey = std::make_shared<TBookmark::RowKey>();
        m_currentKey->id = key;
    }
    return TBookmark(m_currentKey);
}

bool TDataSet::IsOnRow(const TBookmark& bookmark) const
{
    if (!bookmark.m_key)
        return false;
    if (m_state == TDataSetState::Insert)
        return bookmark.m_key == m_insertKey;
    if (bookmark.IsNull() || m_pos < 0 || m_pos >= int(m_keys.size()))
        return false;
    if (!m_loaded || StructureChangedElsewhere())
        return false;
    return m_keys[size_t(m_pos)] == bookmark.Key();
}

void TDataSet::GotoBookmark(const TBookmark& bookmark)
{
    if (IsOnRow(bookmark))
        return;
    CheckBrowseMode();
    EnsureCurrent();
    if (bookmark.IsNull())
        throw EDatabaseError(QStringLiteral("%1: Record not found").arg(Name()));
    const int position = PositionOf(bookmark.Key());
    if (position < 0)
        throw EDatabaseError(QStringLiteral("%1: Record not found").arg(Name()));
    MoveTo(position);
    m_eof = m_bof = false;
}

bool TDataSet::Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options)
{
    CheckBrowseMode();
    EnsureCurrent();
    QList<int> indexes;
    QVariantList stored;
    for (int i = 0; i < fields.size(); ++i) {
        const int index = FieldIndex(fields[i]);
        if (index < 0)
            throw EDatabaseError(QStringLiteral("%1: Field '%2' not found").arg(Name(), fields[i]));
        indexes.append(index);
        const QVariant value = i < values.size() ? values[i] : QVariant();
        // Compared as the column keeps it, so that "5" finds the text "5" and 5 the number.
        const TFieldType type = m_fields[index].type;
        stored.append(type == TFieldType::Unknown || type == TFieldType::String
                          ? (value.isNull() ? QVariant() : QVariant(value.toString()))
                          : FieldStorage::ToStorage(type, value, m_fields[index].name));
    }
    const qint64 key = FindRow(indexes, stored, options);
    if (key < 0)
        return false;
    const int position = PositionOf(key);
    if (position < 0)
        return false;
    MoveTo(position);
    m_eof = m_bof = false;
    return true;
}

void TDataSet::SetFilter(const QString& condition, const QVariantList& values)
{
    CheckBrowseMode();
    m_filter = condition.trimmed();
    m_filterValues = m_filter.isEmpty() ? QVariantList() : values;
    if (Active()) {
        Reload(true);
        First();
    }
}

void TDataSet::RequireWritable() const
{
    if (IsReadOnly())
        throw EDatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
    if (!Active())
        throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(Name()));
}

void TDataSet::Edit()
{
    RequireWritable();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return;
    EnsureCurrent();
    if (m_keys.empty()) {
        Append();
        return;
    }
    m_buffer = CurrentRow();
    m_assigned = QVector<bool>(m_fields.size(), false);
    Bookmark(); // pin the key of the row being edited
    m_state = TDataSetState::Edit;
}

void TDataSet::Append()
{
    RequireWritable();
    CheckBrowseMode();
    EnsureCurrent();
    m_positionBeforeInsert = m_pos;
    m_buffer = QVector<QVariant>(m_fields.size());
    m_assigned = QVector<bool>(m_fields.size(), false);
    m_insertKey = std::make_shared<TBookmark::RowKey>();
    m_state = TDataSetState::Insert;
}

void TDataSet::Post()
{
    if (m_state == TDataSetState::Edit) {
        const qint64 key = m_keys[size_t(m_pos)];
        if (m_assigned.contains(true)) {
            try {
                UpdateRow(key, m_buffer, m_assigned);
            } catch (...) {
                // A refused change is dropped: left in edit state, the dataset
                // would refuse every later move and lookup with the same error.
                Cancel();
                throw;
            }
        }
        m_state = TDataSetState::Browse;
        m_buffer.clear();
        m_rowKey = m_viewKey = -1;
        for (TDataSetObserver* o : std::as_const(m_observers))
            o->RowChanged(m_pos);
        return;
    }
    if (m_state != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(Name()));

    const bool wasCurrent = m_loaded && !StructureChangedElsewhere();
    qint64 key = -1;
    try {
        key = InsertRow(m_buffer, m_assigned);
    } catch (...) {
        Cancel();
        throw;
    }
    m_insertKey->id = key;
    m_currentKey = m_insertKey;
    m_insertKey.reset();
    m_buffer.clear();
    m_state = TDataSetState::Browse;
    const bool appendsInOrder = KeysAscending() && m_filter.isEmpty() && wasCurrent
        && (m_keys.empty() || m_keys.back() < key);
    if (appendsInOrder) {
        const int row = int(m_keys.size());
        for (TDataSetObserver* o : std::as_const(m_observers))
            o->RowAboutToBeInserted(row);
        m_keys.push_back(key);
        NoteOwnStructureChange();
        m_pos = row;
        for (TDataSetObserver* o : std::as_const(m_observers))
            o->RowInserted(row);
    } else {
        Reload(true);
        const int position = PositionOf(key);
        if (position >= 0)
            m_pos = position;
    }
    m_eof = m_bof = false;
    m_rowKey = m_viewKey = -1;
}

void TDataSet::Cancel()
{
    if (m_state == TDataSetState::Insert) {
        m_insertKey.reset();
        m_pos = m_positionBeforeInsert;
        if (m_pos >= int(m_keys.size()))
            m_pos = int(m_keys.size()) - 1;
    }
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert) {
        m_state = TDataSetState::Browse;
        m_buffer.clear();
    }
}

void TDataSet::Delete()
{
    RequireWritable();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (m_state == TDataSetState::Edit)
        Cancel();
    EnsureCurrent();
    if (m_pos < 0)
        throw EDatabaseError(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(Name()));
    const int row = m_pos;
    DeleteRow(m_keys[size_t(row)]);
    for (TDataSetObserver* o : std::as_const(m_observers))
        o->RowAboutToBeRemoved(row);
    m_keys.erase(m_keys.begin() + row);
    m_positionsValid = false;
    NoteOwnStructureChange();
    for (TDataSetObserver* o : std::as_const(m_observers))
        o->RowRemoved(row);
    m_pos = m_keys.empty() ? -1 : std::min(row, int(m_keys.size()) - 1);
    m_eof = m_bof = m_keys.empty();
    m_currentKey.reset();
    m_rowKey = m_viewKey = -1;
}

const QVector<QVariant>& TDataSet::CurrentRow()
{
    EnsureCurrent();
    if (m_pos < 0)
        throw EDatabaseError(QStringLiteral("%1: No current record").arg(Name()));
    const qint64 key = m_keys[size_t(m_pos)];
    if (key != m_rowKey || m_rowDataVersion != m_db->DataVersion()) {
        if (m_readAheadVersion != m_db->DataVersion()) {
            m_readAhead.clear();
            m_readAheadVersion = m_db->DataVersion();
        }
        auto ahead = m_readAhead.constFind(key);
        if (ahead != m_readAhead.constEnd()) {
            m_row = *ahead;
        } else if (m_pos == m_lastReadPosition + 1) {
            // The cursor walks forward (a listing, an export): the next rows
            // come in one statement instead of one statement each.
            constexpr int ReadAheadRows = 32;
            const int end = std::min(int(m_keys.size()), m_pos + ReadAheadRows);
            const std::vector<qint64> keys(m_keys.begin() + m_pos, m_keys.begin() + end);
            const QVector<QVector<QVariant>> rows = FetchRows(keys);
            m_readAhead.clear();
            for (size_t i = 0; i < keys.size() && i < size_t(rows.size()); ++i)
                if (!rows[qsizetype(i)].isEmpty())
                    m_readAhead.insert(keys[i], rows[qsizetype(i)]);
            m_row = m_readAhead.value(key);
        } else {
            m_row = FetchRow(key);
        }
        m_lastReadPosition = m_pos;
        if (m_row.isEmpty())
            throw EDatabaseError(QStringLiteral("%1: Record not found").arg(Name()));
        m_rowKey = key;
        m_rowDataVersion = m_db->DataVersion();
    }
    return m_row;
}

QVariant TDataSet::RawValue(int index)
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return m_buffer.value(index);
    return CurrentRow().value(index);
}

void TDataSet::SetRawValue(int index, const QVariant& raw)
{
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(Name()));
    m_buffer[index] = raw;
    m_assigned[index] = true;
}

QVariant TDataSet::RawValueAt(int row, int index)
{
    LoadIfNeeded();
    if (row < 0 || row >= int(m_keys.size()))
        return QVariant();
    const qint64 key = m_keys[size_t(row)];
    if (key != m_viewKey || m_viewDataVersion != m_db->DataVersion()) {
        m_viewRow = FetchRow(key);
        m_viewKey = key;
        m_viewDataVersion = m_db->DataVersion();
    }
    return m_viewRow.value(index);
}

void TDataSet::AddObserver(TDataSetObserver* observer)
{
    if (!m_observers.contains(observer))
        m_observers.append(observer);
}

void TDataSet::RemoveObserver(TDataSetObserver* observer)
{
    m_observers.removeAll(observer);
}

QVector<QVector<QVariant>> TDataSet::FetchRows(const std::vector<qint64>& keys)
{
    QVector<QVector<QVariant>> rows;
    rows.reserve(qsizetype(keys.size()));
    for (const qint64 key : keys)
        rows.append(FetchRow(key));
    return rows;
}

qint64 TDataSet::InsertRow(const QVector<QVariant>&, const QVector<bool>&)
{
    throw EDatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
}

void TDataSet::UpdateRow(qint64, const QVector<QVariant>&, const QVector<bool>&)
{
    throw EDatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
}

void TDataSet::DeleteRow(qint64)
{
    throw EDatabaseError(QStringLiteral("Cannot modify a read-only dataset"));
}

// ---------------------------------------------------------------- TTable

TTable::TTable(std::shared_ptr<TDatabase> db, const QString& tableName)
    : TDataSet(std::move(db)), m_table(tableName), m_tableKey(tableName.toLower()), m_quotedTable(QuoteIdentifier(tableName))
{
}

void TTable::SetIndexFieldNames(const QString& fields)
{
    m_order.clear();
    for (const QString& f : fields.split(u';', Qt::SkipEmptyParts))
        m_order.append(f.trimmed());
}

QVector<TFieldDef> TTable::LoadFields()
{
    if (!Database().TableExists(m_table))
        throw EDatabaseError(QStringLiteral("Table does not exist: %1").arg(m_table));
    QVector<TFieldDef> fields;
    QStringList quoted;
    for (const TDatabase::ColumnInfo& c : Database().Columns(m_table)) {
        fields.append({c.name, FieldStorage::TypeFromDeclared(c.declaredType), c.declaredType});
        quoted.append(QuoteIdentifier(c.name));
    }
    m_columnList = quoted.join(u", ");
    m_quotedColumns = quoted;
    m_fetchSql = QStringLiteral("SELECT ") + m_columnList + QStringLiteral(" FROM ") + m_quotedTable + QStringLiteral(" WHERE rowid = ?1");
    QStringList marks;
    for (int i = 1; i <= 32; ++i)
        marks.append(QStringLiteral("?%1").arg(i));
    m_fetchManySql = QStringLiteral("SELECT rowid, ") + m_columnList + QStringLiteral(" FROM ") + m_quotedTable
        + QStringLiteral(" WHERE rowid IN (") + marks.join(u',') + u')';
    m_insertSql.clear();
    return fields;
}

QString TTable::Where() const
{
    return m_filter.isEmpty() ? QString() : QStringLiteral(" WHERE (") + m_filter + u')';
}

QString TTable::OrderBy() const
{
    QStringList terms;
    for (const QString& f : m_order)
        terms.append(QuoteIdentifier(f));
    terms.append(QStringLiteral("rowid"));
    return QStringLiteral(" ORDER BY ") + terms.join(u", ");
}

std::vector<qint64> TTable::LoadKeys()
{
    auto s = Database().Cached(QStringLiteral("SELECT rowid FROM ") + m_quotedTable + Where() + OrderBy());
    s.BindAll(m_filterValues);
    std::vector<qint64> keys;
    while (s.Step())
        keys.push_back(s.Int64(0));
    s.Reset();
    return keys;
}

QVector<QVariant> TTable::FetchRow(qint64 key)
{
    auto s = Database().Cached(m_fetchSql);
    s.Bind(1, key);
    QVector<QVariant> row;
    if (s.Step()) {
        row.reserve(s.ColumnCount());
        for (int i = 0; i < s.ColumnCount(); ++i)
            row.append(s.Value(i));
    }
    s.Reset();
    return row;
}

QVector<QVector<QVariant>> TTable::FetchRows(const std::vector<qint64>& keys)
{
    // A fixed number of placeholders, so that one prepared statement serves
    // every batch; the places a short batch leaves over stay NULL.
    constexpr int BatchSize = 32;
    QHash<qint64, QVector<QVariant>> found;
    for (size_t first = 0; first < keys.size(); first += BatchSize) {
        auto s = Database().Cached(m_fetchManySql);
        for (int i = 0; i < BatchSize; ++i)
            s.Bind(i + 1, first + size_t(i) < keys.size() ? QVariant(keys[first + size_t(i)]) : QVariant());
        while (s.Step()) {
            QVector<QVariant> row;
            row.reserve(s.ColumnCount() - 1);
            for (int i = 1; i < s.ColumnCount(); ++i)
                row.append(s.Value(i));
            found.insert(s.Int64(0), row);
        }
        s.Reset();
    }
    QVector<QVector<QVariant>> rows;
    rows.reserve(qsizetype(keys.size()));
    for (const qint64 key : keys)
        rows.append(found.value(key));
    return rows;
}

qint64 TTable::InsertRow(const QVector<QVariant>& values, const QVector<bool>& assigned)
{
    QByteArray mask(values.size(), '0');
    QVariantList bound;
    for (int i = 0; i < values.size(); ++i) {
        if (assigned[i]) {
            mask[i] = '1';
            bound.append(values[i]);
        }
    }
    auto it = m_insertSql.find(mask);
    if (it == m_insertSql.end()) {
        QStringList columns;
        QStringList marks;
        for (int i = 0; i < values.size(); ++i) {
            if (assigned[i]) {
                columns.append(m_quotedColumns[i]);
                marks.append(QStringLiteral("?%1").arg(marks.size() + 1));
            }
        }
        const QString sql = columns.isEmpty()
            ? QStringLiteral("INSERT INTO ") + m_quotedTable + QStringLiteral(" DEFAULT VALUES")
            : QStringLiteral("INSERT INTO ") + m_quotedTable + QStringLiteral(" (") + columns.join(u", ")
                + QStringLiteral(") VALUES (") + marks.join(u", ") + u')';
        it = m_insertSql.insert(mask, sql);
    }
    auto s = Database().Cached(it.value());
    s.Execute(bound);
    Database().TouchTable(m_tableKey);
    return Database().LastInsertRowId();
}

void TTable::UpdateRow(qint64 key, const QVector<QVariant>& values, const QVector<bool>& assigned)
{
    QStringList sets;
    QVariantList bound;
    for (int i = 0; i < values.size(); ++i) {
        if (!assigned[i])
            continue;
        bound.append(values[i]);
        sets.append(m_quotedColumns[i] + QStringLiteral(" = ?%1").arg(bound.size()));
    }
    bound.append(key);
    auto s = Database().Cached(QStringLiteral("UPDATE ") + m_quotedTable + QStringLiteral(" SET ")
                                      + sets.join(u", ") + QStringLiteral(" WHERE rowid = ?%1").arg(bound.size()));
    s.Execute(bound);
    Database().TouchData();
}

void TTable::DeleteRow(qint64 key)
{
    Database().Cached(QStringLiteral("DELETE FROM ") + m_quotedTable + QStringLiteral(" WHERE rowid = ?1")).Execute({key});
    Database().TouchTable(m_tableKey);
}

namespace {

// Whether comparing the value without regard to case can differ from comparing
// it exactly. Only ASCII letters and characters beyond ASCII have case (or are
// what another character folds to), so digits and punctuation never do.
bool MayHaveLetterCase(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return value.typeId() == QMetaType::QByteArray;
    for (const QChar c : value.toString()) {
        const char16_t lower = c.unicode() | 0x20;
        if (c.unicode() >= 0x80 || (lower >= u'a' && lower <= u'z'))
            return true;
    }
    return false;
}

} // namespace

qint64 TTable::FindRow(const QList<int>& fields, const QVariantList& values, TLocateOptions options)
{
    QStringList terms;
    QVariantList bound = m_filterValues;
    const int filterCount = int(bound.size());
    for (int i = 0; i < fields.size(); ++i) {
        const QString column = QuoteIdentifier(FieldDef(fields[i]).name);
        const QVariant& value = values[i];
        if (value.isNull()) {
            terms.append(column + QStringLiteral(" IS NULL"));
            continue;
        }
        bound.append(value);
        const QString mark = QStringLiteral("?%1").arg(bound.size());
        // Letter case means nothing to a value without letters (an identifier
        // written as digits): compared exactly, it can use the column's index.
        const bool caseMatters = options.caseInsensitive && MayHaveLetterCase(value);
        const QString collate = caseMatters ? QStringLiteral(" COLLATE UNOCASE") : QString();
        if (options.partialKey && value.typeId() == QMetaType::QString)
            terms.append(QStringLiteral("substr(%1, 1, length(%2)) = %2%3").arg(column, mark, collate));
        else
            terms.append(column + QStringLiteral(" = ") + mark + collate);
    }
    QString where = terms.join(QStringLiteral(" AND "));
    if (filterCount > 0 || !m_filter.isEmpty())
        where = u'(' + m_filter + QStringLiteral(") AND ") + where;
    auto s = Database().Cached(QStringLiteral("SELECT rowid FROM ") + m_quotedTable + QStringLiteral(" WHERE ")
                                      + where + OrderBy() + QStringLiteral(" LIMIT 1"));
    s.BindAll(bound);
    const qint64 key = s.Step() ? s.Int64(0) : -1;
    s.Reset();
    return key;
}

bool TTable::StructureChangedElsewhere() const
{
    return Database().TableVersion(m_tableKey) != m_loadedTableVersion
        || Database().GlobalVersion() != LoadedGlobalVersion();
}

void TTable::NoteOwnStructureChange()
{
    m_loadedTableVersion = Database().TableVersion(m_tableKey);
}

// ---------------------------------------------------------------- TQuery

TQuery::TQuery(std::shared_ptr<TDatabase> db, const QString& sql, const QVariantList& values)
    : TDataSet(std::move(db)), m_sql(sql), m_values(values)
{
}

QVector<TFieldDef> TQuery::LoadFields()
{
    TStatement s(Database(), m_sql);
    QVector<TFieldDef> fields;
    for (int i = 0; i < s.ColumnCount(); ++i) {
        const QString declared = s.ColumnDeclaredType(i);
        fields.append({s.ColumnName(i), FieldStorage::TypeFromDeclared(declared), declared});
    }
    return fields;
}

std::vector<qint64> TQuery::LoadKeys()
{
    const QString sql = m_filter.isEmpty()
        ? m_sql
        : QStringLiteral("SELECT * FROM (") + m_sql + QStringLiteral(") WHERE (") + m_filter + u')';
    TStatement s(Database(), sql);
    s.BindAll(m_values + m_filterValues);
    m_rows.clear();
    while (s.Step()) {
        QVector<QVariant> row;
        row.reserve(s.ColumnCount());
        for (int i = 0; i < s.ColumnCount(); ++i)
            row.append(s.Value(i));
        m_rows.append(row);
    }
    std::vector<qint64> keys(size_t(m_rows.size()));
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = qint64(i);
    return keys;
}

QVector<QVariant> TQuery::FetchRow(qint64 key)
{
    return m_rows.value(qsizetype(key));
}

qint64 TQuery::FindRow(const QList<int>& fields, const QVariantList& values, TLocateOptions options)
{
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        bool match = true;
        for (int i = 0; i < fields.size() && match; ++i) {
            const QVariant& have = m_rows[r].value(fields[i]);
            const QVariant& want = values[i];
            if (want.isNull()) {
                match = have.isNull();
            } else if (have.isNull()) {
                match = false;
            } else if (want.typeId() == QMetaType::QString || have.typeId() == QMetaType::QString) {
                const QString h = have.toString();
                const QString w = want.toString();
                const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
                match = options.partialKey ? h.startsWith(w, cs) : h.compare(w, cs) == 0;
            } else {
                match = have.toDouble() == want.toDouble();
            }
        }
        if (match)
            return r;
    }
    return -1;
}
