#pragma once

#include "TAdditionalPage.h"
#include "TCollection.h"

// The additional pages of the website. DeleteAll (of every collection) removes
// every page, wherever the cursor stands.
class TAdditionalPages : public TCollectionOf<TAdditionalPage>
{
public:
    using TCollectionOf::TCollectionOf;

    // A new page in insert state; the caller sets its properties and saves.
    TRef<TAdditionalPage> NewPage();

protected:
    QString IdColumn() const override;
};
