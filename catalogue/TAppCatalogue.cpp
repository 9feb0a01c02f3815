// The application object's shared catalogue collections.

#include "TAdditionalPages.h"
#include "TApp.h"
#include "TCategories.h"
#include "TCustomFields.h"
#include "TProducts.h"

TRef<TCategories> TApp::Categories()
{
    return CachedCollection<TCategories>(QStringLiteral("Categories"), QStringLiteral("Categories"));
}

TRef<TProducts> TApp::Products()
{
    return CachedCollection<TProducts>(QStringLiteral("Products"), QStringLiteral("Products"));
}

TRef<TAdditionalPages> TApp::AdditionalPages()
{
    return CachedCollection<TAdditionalPages>(QStringLiteral("AdditionalPages"), QStringLiteral("AdditionalPages"));
}

// Opened for no product (-1): every custom field of the store.
TRef<TCustomFields> TApp::CustomFields()
{
    return CachedCollection<TCustomFields>(QStringLiteral("CustomFields"), QStringLiteral("CustomFields"));
}
