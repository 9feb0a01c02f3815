#pragma once

#include "TCategory.h"
#include "TCollection.h"

// The categories of the store.
class TCategories : public TCollectionOf<TCategory>
{
public:
    using TCollectionOf::TCollectionOf;

    // While set, new categories take the identifiers their caller gives them
    // (an import copying another store's tree) and the category numbering is
    // left alone.
    bool KeepIdentifiers() const { return m_keepIdentifiers; }
    void SetKeepIdentifiers(bool keep) { m_keepIdentifiers = keep; }

    // A new top-level category (parent "0") in insert state; the caller sets
    // its properties and saves.
    TRef<TCategory> NewCategory();
    // Case-insensitive lookups; no category when nothing matches.
    TRef<TCategory> FindByName(const QString& name);
    TRef<TCategory> FindByID(qint64 id);

protected:
    QString IdColumn() const override;
    bool IdIsText() const override { return true; }

private:
    bool m_keepIdentifiers = false;
};
