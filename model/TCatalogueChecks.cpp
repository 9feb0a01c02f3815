#include "TCatalogueChecks.h"

#include "TApp.h"
#include "TDataSet.h"
#include "TDatabase.h"
#include "TGlobalResourceManager.h"
#include "TProgress.h"
#include "TSchemaSnapshot.h"
#include "TStoreSchema.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSaveFile>
#include <QSet>

#include <map>
#include <optional>
#include <vector>

namespace {

TDatabase& AttachedDatabase(TApp& app)
{
    if (!app.Database())
        throw EDatabaseError(LangStr(5000));
    return *app.Database();
}

const QString NoTax = QStringLiteral("No Tax");

// The "No Tax" tax is the one products without a tax point at (TaxID 0). When
// another tax already holds TaxID 0 it is left alone rather than duplicated.
void RestoreNoTax(TDatabase& db)
{
    if (db.Scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Taxes WHERE TaxName = ?1)"), {NoTax}).toLongLong() != 0)
        return;
    if (db.Scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Taxes WHERE TaxID = 0)")).toLongLong() != 0)
        return;
    db.Exec(QStringLiteral("INSERT INTO Taxes (TaxID, TaxName, TaxPercentage, International) VALUES (0, ?1, 0, 0)"), {NoTax});
}

// Categories whose chain of parents never reaches the top level sit on a cycle
// (or below one) and would never show in the tree. Each cycle is broken at its
// lowest-numbered member, which becomes top level.
void BreakParentCycles(TDatabase& db)
{
    struct Row {
        qint64 rowid;
        qint64 id;
        qint64 parent;
    };
    std::vector<Row> rows;
    {
        TStatement s(db, QStringLiteral("SELECT rowid, CAST(CategoryID AS INTEGER), CAST(ParentCategory AS INTEGER) FROM Categories"));
        while (s.Step())
            rows.push_back({s.Int64(0), s.Int64(1), s.Int64(2)});
    }
    std::multimap<qint64, size_t> children; // parent number -> row
    QHash<qint64, size_t> byId;
    for (size_t i = 0; i < rows.size(); ++i) {
        children.emplace(rows[i].parent, i);
        if (!byId.contains(rows[i].id))
            byId.insert(rows[i].id, i);
    }
    std::vector<bool> reached(rows.size(), false);
    auto reachFrom = [&](std::vector<size_t> pending) {
        while (!pending.empty()) {
            const size_t r = pending.back();
            pending.pop_back();
            if (reached[r])
                continue;
            reached[r] = true;
            const auto [first, last] = children.equal_range(rows[r].id);
            for (auto it = first; it != last; ++it)
                if (!reached[it->second])
                    pending.push_back(it->second);
        }
    };
    std::vector<size_t> roots;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].parent == 0)
            roots.push_back(i);
    reachFrom(roots);

    TStatement lift(db, QStringLiteral("UPDATE Categories SET ParentCategory = '0' WHERE rowid = ?1"));
    for (size_t start = 0; start < rows.size(); ++start) {
        if (reached[start])
            continue;
        // Walk up until a category repeats: that one lies on the cycle.
        QSet<size_t> seen;
        size_t r = start;
        while (!seen.contains(r)) {
            seen.insert(r);
            const auto parent = byId.constFind(rows[r].parent);
            if (parent == byId.constEnd())
                break; // cannot happen once missing parents are top level
            r = parent.value();
        }
        size_t lowest = r;
        for (size_t c = byId.value(rows[r].parent, r); c != r; c = byId.value(rows[c].parent, r))
            if (rows[c].id < rows[lowest].id)
                lowest = c;
        lift.Execute({rows[lowest].rowid});
        rows[lowest].parent = 0;
        reachFrom({lowest});
    }
}

void CheckConsistency(TDatabase& db)
{
    db.Exec(QStringLiteral("DELETE FROM Categories WHERE CategoryID IS NULL OR TRIM(CategoryID) = ''"));
    db.Exec(QStringLiteral("UPDATE Categories SET ParentCategory = '0' "
                           "WHERE CAST(CategoryID AS INTEGER) = CAST(ParentCategory AS INTEGER) AND ParentCategory IS NOT '0'"));
    db.Exec(QStringLiteral("UPDATE Products SET DetPage = 1 WHERE DetPage IS NULL OR DetPage = ''"));

    // A product without a category (blank, or one that does not exist) goes,
    // and its custom-field links and file rows go with it, unless another
    // product still answers to the same number.
    const QString orphan = QStringLiteral(
        "(CategoryID IS NULL OR TRIM(CategoryID) = '' "
        "OR CAST(CategoryID AS INTEGER) NOT IN (SELECT CAST(CategoryID AS INTEGER) FROM Categories))");
    for (const char* table : {"ProductsCustomFieldsMM", "ProductFiles"})
        db.Exec(QStringLiteral("DELETE FROM %1 WHERE CAST(ProductID AS INTEGER) IN "
                               "(SELECT CAST(ProductID AS INTEGER) FROM Products WHERE %2) "
                               "AND CAST(ProductID AS INTEGER) NOT IN "
                               "(SELECT CAST(ProductID AS INTEGER) FROM Products WHERE ProductID IS NOT NULL AND NOT %2)")
                    .arg(QLatin1StringView(table), orphan));
    db.Exec(QStringLiteral("DELETE FROM Products WHERE ") + orphan);

    // A parent that is blank or names no category makes the category top level.
    db.Exec(QStringLiteral("UPDATE Categories SET ParentCategory = '0' WHERE ParentCategory IS NOT '0' AND "
                           "(ParentCategory IS NULL OR CAST(ParentCategory AS INTEGER) = 0 "
                           "OR CAST(ParentCategory AS INTEGER) NOT IN (SELECT CAST(CategoryID AS INTEGER) FROM Categories))"));
    BreakParentCycles(db);

    db.Exec(QStringLiteral("DELETE FROM Taxes WHERE TaxName = ?1"), {NoTax});
    RestoreNoTax(db);
}

void WriteMarker(const QString& storeFolder)
{
    QSaveFile file(ConsistencyMarkerFile(storeFolder));
    const QString line = QStringLiteral("Verified : ") + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) + u'\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(line.toUtf8()) < 0 || !file.commit())
        throw EQuorvisError(LangStr(5017).arg(file.fileName(), file.errorString()));
}

// Shows "checking the database" for as long as it lives.
class TCheckingShown
{
public:
    explicit TCheckingShown(TProgress& progress) : m_progress(progress) { m_progress.Start(LangStr(975), 0, false); }
    ~TCheckingShown() { m_progress.Finish(); }
    TCheckingShown(const TCheckingShown&) = delete;
    TCheckingShown& operator=(const TCheckingShown&) = delete;

private:
    TProgress& m_progress;
};

} // namespace

QString ConsistencyMarkerFile(const QString& storeFolder)
{
    QString folder = storeFolder;
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return folder + QStringLiteral("datalog1.txt");
}

bool RunCatalogueModuleSteps(TApp& app, TProgress& progress)
{
    TDatabase& db = AttachedDatabase(app);
    const bool check = !QFile::exists(ConsistencyMarkerFile(app.StoreFolder()));
    std::optional<TCheckingShown> shown;
    if (check)
        shown.emplace(progress);
    {
        TTransaction transaction(db);
        TSchemaSnapshot schema(db);
        struct CatalogueColumn {
            const char* table;
            const char* column;
            QVariant defaultValue;
        };
        const CatalogueColumn columns[] = {
            {"Categories", "Status", 0},
            {"Categories", "BriefStyle", QString()},
            {"Products", "DetPage", true},
            {"Products", "Order", 0},
        };
        for (const CatalogueColumn& c : columns) {
            const QString table = QLatin1StringView(c.table);
            const QString column = QLatin1StringView(c.column);
            if (!schema.HasColumn(table, column)) {
                for (const TStoreSchema::TColumnDef& def : TStoreSchema::StoreTable(table)->columns)
                    if (def.name == column)
                        TStoreSchema::AddColumn(db, table, def.type, column);
                schema.AddColumn(table, column);
            }
            db.Exec(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE rowid = (SELECT MIN(rowid) FROM %1) AND (%2 IS NULL OR %2 = '')")
                        .arg(QuoteIdentifier(table), QuoteIdentifier(column)),
                    {c.defaultValue.typeId() == QMetaType::QString ? QVariant(QStringLiteral("")) : c.defaultValue});
        }
        const TSchemaSnapshot::TIndex* old = schema.Index(QStringLiteral("IndexByCategory"));
        if (old && old->table.compare(QStringLiteral("Products"), Qt::CaseInsensitive) == 0) {
            db.Exec(QStringLiteral("DROP INDEX \"IndexByCategory\""));
            schema.Reload();
        }
        for (const TStoreSchema::TIndexDef& index : TStoreSchema::StoreIndexes())
            if (index.name == QLatin1StringView("ByOrder"))
                TStoreSchema::EnsureIndex(db, schema, index);

        db.Exec(QStringLiteral("UPDATE Categories SET Status = 0 WHERE Status IS NULL OR Status = ''"));
        if (check)
            CheckConsistency(db);
        RestoreNoTax(db);
        transaction.Commit();
    }
    if (check)
        WriteMarker(app.StoreFolder());
    return check;
}

void RunConsistencyCheck(TApp& app, TProgress& progress)
{
    TDatabase& db = AttachedDatabase(app);
    TCheckingShown shown(progress);
    {
        TTransaction transaction(db);
        CheckConsistency(db);
        transaction.Commit();
    }
    WriteMarker(app.StoreFolder());
}
