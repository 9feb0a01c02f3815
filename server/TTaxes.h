#pragma once

#include "TCollection.h"
#include "TTax.h"

// The shop's taxes: the rows of "Taxes".
class TTaxes : public TCollectionOf<TTax>
{
public:
    using TCollectionOf::TCollectionOf;

    // A new tax numbered after the highest one (and recorded in "TaxesGen" when
    // saved); the caller sets it and saves.
    TRef<TTax> Add();
    // Deletes every tax of the table, whatever the collection's filter.
    void DeleteAll();

protected:
    QString IdColumn() const override { return QStringLiteral("TaxID"); }
};
