#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class TDatabase;
class TSchemaSnapshot;

// The layout of a website's store file and the upgrade that brings a store made
// by an earlier release to it.
//
// Declared types follow the dataset layer: money MONEY, Booleans BOOLEAN, memos
// TEXT, fixed-width text VARCHAR(n) (text of no fixed width is VARCHAR(255)),
// date-times TIMESTAMP, floating point FLOAT, self-numbered keys
// INTEGER PRIMARY KEY AUTOINCREMENT. Identifier tables are one-row tables inside
// the store file ("CategoryGen", "ProductsGen", ...).
//
// Category and product identifiers are text holding digits and are compared as
// numbers. Queries that want the numeric order or the numeric match should spell
// the cast exactly "CAST(CategoryID AS INTEGER)" / "CAST(ProductID AS INTEGER)":
// that expression is indexed, and SQLite only uses the index for the same spelling.
namespace TStoreSchema {

struct TColumnDef
{
    QString name;
    QString type;        // declared type, with a DEFAULT clause where the column has one
    QVariant fillWhenAdded; // written into every existing row when an upgrade adds the column
};

struct TTableDef
{
    QString name;
    QList<TColumnDef> columns;
};

struct TIndexDef
{
    QString name;
    QString table;
    QString terms;   // the indexed columns or expressions, as SQL
    bool unique = false;
    QString where;   // a partial index: only the rows meeting this condition
};

// Every store table of the current layout, identifier tables included.
const QList<TTableDef>& StoreTables();
const TTableDef* StoreTable(const QString& name);
const QList<TIndexDef>& StoreIndexes();

// Creates every store table, column, index and identifier table of the current
// layout in an empty database.
void CreateCurrentSchema(TDatabase& db);

// Makes a new store file of the current layout with the rows a new website
// needs: one merchant row, the "No Tax" tax with TaxID 0, the seven export
// templates and the promotion row. Refuses (EQuorvisError) when the file exists;
// a failure leaves no file behind.
void CreateNewStore(const QString& fileName);

// Brings a store to the current layout: the attach-time upgrade. Runs in one
// transaction (a savepoint when the caller has one open), so a failure changes
// nothing. On an up-to-date store it writes nothing.
void Upgrade(TDatabase& db);

// The statements that make a table or an index of the layout.
QString CreateTableSql(const TTableDef& def);
QString CreateIndexSql(const TIndexDef& def, bool unique);
// Creates the table when it is missing (true), or adds the columns it lacks in
// layout order, filling each added column's existing rows where the layout says so.
bool EnsureTable(TDatabase& db, TSchemaSnapshot& schema, const TTableDef& def);
// Creates the index when missing; a unique index that the rows would break is
// made plain instead (and made unique at a later call once they no longer do).
void EnsureIndex(TDatabase& db, TSchemaSnapshot& schema, const TIndexDef& def);

// Adds a column when the table lacks it; false when it was there already.
bool AddColumn(TDatabase& db, const QString& table, const QString& columnType, const QString& column);
// Drops a column when the table has it; false when it was missing.
bool DropColumn(TDatabase& db, const QString& table, const QString& column);

// The export templates every store holds, in their order.
struct TDefaultExportTemplate
{
    const char* name;
    const char* description;
    int driverID;   // 1 comma-separated text, 2 MYOB
    int exportType; // 1 products, 2 customers, 3 orders, 4 categories
};
const QList<TDefaultExportTemplate>& DefaultExportTemplates();

} // namespace TStoreSchema
