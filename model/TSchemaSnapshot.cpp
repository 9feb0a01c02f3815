#include "TSchemaSnapshot.h"

#include "TDatabase.h"

TSchemaSnapshot::TSchemaSnapshot(TDatabase& db)
    : m_db(db)
{
    Reload();
}

void TSchemaSnapshot::Reload()
{
    m_columns.clear();
    m_indexes.clear();
    {
        TStatement s(m_db, QStringLiteral("SELECT m.name, p.name FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p "
                                          "WHERE m.type = 'table'"));
        while (s.Step())
            m_columns[s.Value(0).toString().toLower()].insert(s.Value(1).toString().toLower());
    }
    TStatement s(m_db, QStringLiteral("SELECT name, tbl_name, sql FROM sqlite_master WHERE type = 'index'"));
    while (s.Step()) {
        TIndex index;
        index.name = s.Value(0).toString();
        index.table = s.Value(1).toString();
        index.unique = s.Value(2).toString().trimmed().startsWith(QStringLiteral("CREATE UNIQUE"), Qt::CaseInsensitive);
        m_indexes.insert(index.name.toLower(), index);
    }
}

bool TSchemaSnapshot::HasTable(const QString& table) const
{
    return m_columns.contains(table.toLower());
}

bool TSchemaSnapshot::HasColumn(const QString& table, const QString& column) const
{
    const auto it = m_columns.constFind(table.toLower());
    return it != m_columns.constEnd() && it->contains(column.toLower());
}

void TSchemaSnapshot::AddColumn(const QString& table, const QString& column)
{
    m_columns[table.toLower()].insert(column.toLower());
}

const TSchemaSnapshot::TIndex* TSchemaSnapshot::Index(const QString& name) const
{
    const auto it = m_indexes.constFind(name.toLower());
    return it == m_indexes.constEnd() ? nullptr : &it.value();
}
