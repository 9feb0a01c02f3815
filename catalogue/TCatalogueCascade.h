#pragma once

#include "TDatabase.h"
#include "TProgress.h"

#include <QString>
#include <QStringList>

// What goes with a category or a product when it is deleted. The catalogue
// window calls these just before it deletes the row itself; TCategory::Delete
// and TProduct::Delete call them and then delete their own row.
class TCatalogueCascade
{
public:
    // The category and every category below it, breadth first. Each category
    // appears once, so a damaged tree whose parents form a cycle still ends.
    static QStringList CategorySubtree(TDatabase& db, const QString& categoryId);

    // Deletes every category below the given one, every product of it and of
    // those categories, and those products' custom-field links and files; the
    // category's own row stays for its caller. One transaction: either all of
    // it is gone or nothing is. The progress counts categories.
    static void DeleteCategoryContents(TDatabase& db, const QString& categoryId, TProgress& progress);

    // Deletes the product's custom-field links and files (not the product).
    static void DeleteProductDependants(TDatabase& db, const QString& productId);
};
