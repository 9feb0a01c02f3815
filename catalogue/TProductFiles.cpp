#include "TProductFiles.h"

#include "TIdentifiers.h"

TProductFiles::TProductFiles(std::shared_ptr<TDataSet> table, qint64 productId)
    : TCollectionOf(std::move(table)), m_productId(productId)
{
    SetFilter(QStringLiteral("ProductID = ?1"), {QString::number(productId)});
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
