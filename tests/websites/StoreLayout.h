#pragma once

// The layout of a store file as a comparable value: every table with its
// columns and declared types, and every named index, names in lower case.

#include "TDatabase.h"
#include "TStoreSchema.h"

#include <QMap>
#include <QStringList>

struct TStoreLayout
{
    QMap<QString, QStringList> tables; // table -> "column TYPE", in column order
    QStringList indexes;

    bool operator==(const TStoreLayout&) const = default;

    static TStoreLayout Of(TDatabase& db)
    {
        TStoreLayout layout;
        TStatement tables(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                             "AND name NOT LIKE 'sqlite_%' ORDER BY name"));
        QStringList names;
        while (tables.Step())
            names.append(tables.Value(0).toString());
        for (const QString& table : names) {
            QStringList columns;
            for (const TDatabase::ColumnInfo& c : db.Columns(table))
                columns.append(c.name.toLower() + u' ' + c.declaredType.toUpper());
            layout.tables.insert(table.toLower(), columns);
        }
        TStatement indexes(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                              "AND name NOT LIKE 'sqlite_%' ORDER BY name"));
        while (indexes.Step())
            layout.indexes.append(indexes.Value(0).toString().toLower());
        layout.indexes.sort();
        return layout;
    }

    // The layout the program makes today, in a scratch file of its own.
    static TStoreLayout Current(const QString& scratchFile)
    {
        auto db = TDatabase::Open(scratchFile);
        TStoreSchema::CreateCurrentSchema(*db);
        return Of(*db);
    }

    // What one layout has that the other lacks, for a readable failure.
    static QString Difference(const TStoreLayout& actual, const TStoreLayout& expected)
    {
        QStringList lines;
        for (auto it = expected.tables.cbegin(); it != expected.tables.cend(); ++it) {
            if (!actual.tables.contains(it.key()))
                lines.append(QStringLiteral("missing table ") + it.key());
            else if (actual.tables.value(it.key()) != it.value())
                lines.append(QStringLiteral("table %1 has %2, expected %3")
                                 .arg(it.key(), actual.tables.value(it.key()).join(u','), it.value().join(u',')));
        }
        for (auto it = actual.tables.cbegin(); it != actual.tables.cend(); ++it)
            if (!expected.tables.contains(it.key()))
                lines.append(QStringLiteral("extra table ") + it.key());
        if (actual.indexes != expected.indexes)
            lines.append(QStringLiteral("indexes %1, expected %2").arg(actual.indexes.join(u','), expected.indexes.join(u',')));
        return lines.join(u'\n');
    }
};
