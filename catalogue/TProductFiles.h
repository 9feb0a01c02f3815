#pragma once

#include "TCollection.h"
#include "TProductFile.h"

// The files of one product.
class TProductFiles : public TCollectionOf<TProductFile>
{
public:
    // The table is narrowed to the rows of that product.
    TProductFiles(std::shared_ptr<TDataSet> table, qint64 productId);

    qint64 ProductID() const { return m_productId; }
    // A new file of the collection's product, of type "File", in insert state.
    TRef<TProductFile> NewProductFile();

protected:
    QString IdColumn() const override;

private:
    qint64 m_productId;
};
