#include "TCommonDatabase.h"

#include "TGlobalResourceManager.h"

#include "TDataSet.h"
#include "TDatabase.h"
#include "TProgramFolders.h"
#include "TSchemaSnapshot.h"

#include <QFile>

namespace TCommonDatabase {

namespace {

using TStoreSchema::TColumnDef;
using TStoreSchema::TIndexDef;
using TStoreSchema::TTableDef;

QList<TColumnDef> Columns(std::initializer_list<std::pair<const char*, const char*>> columns)
{
    QList<TColumnDef> result;
    for (const auto& [name, type] : columns)
        result.append({QString::fromLatin1(name), QString::fromLatin1(type), {}});
    return result;
}

struct TSeed
{
    const char* table;
    const char* file;
};

// Every reference table is filled only when it is created: the marketing window
// lets the merchant edit the counter list, and a refill would undo that.
const TSeed Seeds[] = {
    {"Currencies", "currencies.tsv"},       {"Country", "country.tsv"},
    {"state", "state.tsv"},                 {"SearchEngines", "searchengines.tsv"},
    {"BannerPrograms", "bannerprograms.tsv"}, {"counter", "counter.tsv"},
};

const QList<TIndexDef>& Indexes()
{
    static const QList<TIndexDef> indexes{
        {QStringLiteral("CountryByID"), QStringLiteral("Country"), QStringLiteral("ID, LCID"), false, {}},
        {QStringLiteral("StateByCountry"), QStringLiteral("state"), QStringLiteral("LCID, CountryID"), false, {}},
    };
    return indexes;
}

QStringList s_createdAtOpen;

[[noreturn]] void BadSeed(const QString& file, int line, const QString& what)
{
    throw EQuorvisError(LangStr(5015).arg(file).arg(line).arg(what));
}

void Seed(TDatabase& db, const TTableDef& table, const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw EQuorvisError(LangStr(5016).arg(file, f.errorString()));
    const QString text = QString::fromUtf8(f.readAll());
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        BadSeed(file, 1, QStringLiteral("no header"));

    const QStringList header = lines.first().trimmed().split(u'\t');
    QList<bool> integer;
    for (const QString& name : header) {
        const TColumnDef* column = nullptr;
        for (const TColumnDef& c : table.columns)
            if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                column = &c;
        if (!column)
            BadSeed(file, 1, QStringLiteral("unknown column \"%1\"").arg(name));
        integer.append(column->type.startsWith(QStringLiteral("INTEGER"), Qt::CaseInsensitive));
    }
    QStringList columns, marks;
    for (int i = 0; i < header.size(); ++i) {
        columns.append(QuoteIdentifier(header[i]));
        marks.append(QStringLiteral("?%1").arg(i + 1));
    }
    TStatement insert(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(QuoteIdentifier(table.name), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    QVariantList values;
    for (int n = 1; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList fields = line.split(u'\t');
        if (fields.size() != header.size())
            BadSeed(file, n + 1, QStringLiteral("%1 values where %2 were expected").arg(fields.size()).arg(header.size()));
        values.clear();
        for (int i = 0; i < fields.size(); ++i) {
            if (!integer[i]) {
                values.append(fields[i]);
                continue;
            }
            bool ok = false;
            const qint64 number = fields[i].toLongLong(&ok);
            if (!ok)
                BadSeed(file, n + 1, QStringLiteral("\"%1\" is not a number").arg(fields[i]));
            values.append(number);
        }
        insert.Execute(values);
    }
}

} // namespace

const QList<TTableDef>& Tables()
{
    static const QList<TTableDef> tables{
        {QStringLiteral("Websites"), Columns({{"autId", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                                              {"vchBusinessName", "VARCHAR(200)"},
                                              {"vchBusinessDesc", "VARCHAR(255)"},
                                              {"vchPath", "VARCHAR(255)"}})},
        {QStringLiteral("InstalledTools"), Columns({{"ToolID", "INTEGER"}, {"ToolName", "VARCHAR(100)"}, {"ToolFilename", "VARCHAR(255)"}})},
        {QStringLiteral("InstalledToolDir"), Columns({{"ToolID", "INTEGER"}})},
        {QStringLiteral("Currencies"), Columns({{"CurrencyID", "INTEGER"}, {"Name", "VARCHAR(40)"}, {"Unit", "VARCHAR(20)"}})},
        {QStringLiteral("Country"), Columns({{"ID", "INTEGER"}, {"CountryName", "VARCHAR(255)"}, {"LCID", "INTEGER"}})},
        {QStringLiteral("state"), Columns({{"LCID", "INTEGER"}, {"CountryID", "INTEGER"}, {"ID", "INTEGER"}, {"StateName", "VARCHAR(255)"}})},
        {QStringLiteral("SearchEngines"),
         Columns({{"SearchEngineName", "VARCHAR(200)"}, {"EngineURL", "VARCHAR(255)"}, {"Description", "VARCHAR(255)"}})},
        {QStringLiteral("BannerPrograms"),
         Columns({{"BannerName", "VARCHAR(255)"}, {"BannerURL", "VARCHAR(255)"}, {"BannerDescription", "VARCHAR(255)"}})},
        {QStringLiteral("counter"), Columns({{"Name", "VARCHAR(255)"}, {"URL", "VARCHAR(255)"}, {"Description", "VARCHAR(255)"}})},
    };
    return tables;
}

QStringList Prepare(TDatabase& db, const QString& seedFolder)
{
    const QString folder = seedFolder.isEmpty() ? TProgramFolders::ShippedData() + QStringLiteral("/commondb") : seedFolder;
    QStringList created;
    TTransaction transaction(db);
    TSchemaSnapshot schema(db);
    for (const TTableDef& table : Tables()) {
        if (!TStoreSchema::EnsureTable(db, schema, table))
            continue;
        created.append(table.name);
        for (const TSeed& seed : Seeds)
            if (table.name == QLatin1StringView(seed.table))
                Seed(db, table, folder + u'/' + QLatin1StringView(seed.file));
    }
    for (const TIndexDef& index : Indexes())
        TStoreSchema::EnsureIndex(db, schema, index);
    transaction.Commit();
    s_createdAtOpen = created;
    return created;
}

const QStringList& TablesCreatedAtOpen()
{
    return s_createdAtOpen;
}

} // namespace TCommonDatabase
