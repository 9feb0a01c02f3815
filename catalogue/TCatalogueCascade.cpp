#include "TCatalogueCascade.h"

#include "TGlobalResourceManager.h"

#include <QSet>

QStringList TCatalogueCascade::CategorySubtree(TDatabase& db, const QString& categoryId)
{
    QStringList subtree{categoryId};
    QSet<QString> seen{categoryId};
    auto children = db.Cached(QStringLiteral("SELECT CategoryID FROM Categories WHERE ParentCategory = ?1"));
    for (qsizetype i = 0; i < subtree.size(); ++i) {
        children.BindAll({subtree[i]});
        while (children.Step()) {
            const QVariant child = children.Value(0);
            if (child.isNull())
                continue;
            const QString id = child.toString();
            // A category already in the list is not walked again: parents that
            // loop back (A under B under A) would otherwise never end.
            if (!seen.contains(id)) {
                seen.insert(id);
                subtree.append(id);
            }
        }
        children.Reset();
    }
    return subtree;
}

void TCatalogueCascade::DeleteCategoryContents(TDatabase& db, const QString& categoryId, TProgress& progress)
{
    TTransaction transaction(db);
    const QStringList subtree = CategorySubtree(db, categoryId);
    progress.Start(LangStr(1384), int(subtree.size()), false);
    auto links = db.Cached(QStringLiteral(
        "DELETE FROM ProductsCustomFieldsMM WHERE ProductID IN (SELECT ProductID FROM Products WHERE CategoryID = ?1)"));
    auto files = db.Cached(QStringLiteral(
        "DELETE FROM ProductFiles WHERE ProductID IN (SELECT ProductID FROM Products WHERE CategoryID = ?1)"));
    auto products = db.Cached(QStringLiteral("DELETE FROM Products WHERE CategoryID = ?1"));
    auto categories = db.Cached(QStringLiteral("DELETE FROM Categories WHERE CategoryID = ?1"));
    for (const QString& id : subtree) {
        const QVariantList key{id};
        links.Execute(key);
        files.Execute(key);
        products.Execute(key);
        // The category itself is its caller's to delete.
        if (id != categoryId)
            categories.Execute(key);
        progress.Step();
    }
    // Open tables and queries read their rows again.
    db.TouchAll();
    transaction.Commit();
    progress.Finish();
}

void TCatalogueCascade::DeleteProductDependants(TDatabase& db, const QString& productId)
{
    TTransaction transaction(db);
    const QVariantList key{productId};
    db.Cached(QStringLiteral("DELETE FROM ProductsCustomFieldsMM WHERE ProductID = ?1")).Execute(key);
    db.Cached(QStringLiteral("DELETE FROM ProductFiles WHERE ProductID = ?1")).Execute(key);
    db.TouchAll();
    transaction.Commit();
}
