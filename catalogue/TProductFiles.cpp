#include "TProductFiles.h"

#include "TIdentifiers.h"

namespace {

// The filter is set before the collection opens the table, so that the rows of
// other products are never read (a store has files of thousands of products).
std::shared_ptr<TDataSet> OfProduct(std::shared_ptr<TDataSet> table, qint64 productId)
{
    if (table)
        table->SetFilter(QStringLiteral("ProductID = ?1"), {QString::number(productId)});
    return table;
}

} // namespace

TProductFiles::TProductFiles(std::shared_ptr<TDataSet> table, qint64 productId)
    : TCollectionOf(OfProduct(std::move(table), productId)), m_productId(productId)
{
}

TRef<TProductFile> TProductFiles::NewProductFile()
{
    TRef<TProductFile> file = StaticRefCast<TProductFile>(NewRecordBase(IdentifierKinds::ProductFiles));
    file->SetProductID(QString::number(m_productId));
    file->SetFileType(QStringLiteral("File"));
    return file;
}

QString TProductFiles::IdColumn() const
{
    return QStringLiteral("FilenameID");
}
