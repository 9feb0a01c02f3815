#include "TAdditionalPages.h"

#include "TIdentifiers.h"

TRef<TAdditionalPage> TAdditionalPages::NewPage()
{
    return StaticRefCast<TAdditionalPage>(NewRecordBase(IdentifierKinds::AdditionalPages));
}

QString TAdditionalPages::IdColumn() const
{
    return QStringLiteral("PageID");
}
