#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class TDatabase;

// What a database holds, read once: its tables with their columns and its
// indexes. Two statements in all, so that checking a whole store's layout at
// every attach costs next to nothing. Names compare without regard to case, as
// SQLite's do.
class TSchemaSnapshot
{
public:
    struct TIndex
    {
        QString name;
        QString table;
        bool unique = false;
    };

    explicit TSchemaSnapshot(TDatabase& db);
    void Reload();

    bool HasTable(const QString& table) const;
    bool HasColumn(const QString& table, const QString& column) const;
    // Records a column added since the last reload.
    void AddColumn(const QString& table, const QString& column);
    // nullptr when there is no index of that name.
    const TIndex* Index(const QString& name) const;

private:
    TDatabase& m_db;
    QHash<QString, QSet<QString>> m_columns; // lower-case table -> lower-case columns
    QHash<QString, TIndex> m_indexes;        // lower-case name
};
