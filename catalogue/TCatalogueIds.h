#pragma once

#include "EQuorvisError.h"

#include <QString>

// Category and product identifiers are whole numbers kept as decimal text.
namespace CatalogueIds {

// The identifier as the tables keep it; a negative number is refused.
inline QString Text(qint64 id, const char* property)
{
    if (id < 0)
        throw EQuorvisError(QStringLiteral("'%1' is not a valid value for %2").arg(id).arg(QLatin1StringView(property)));
    return QString::number(id);
}

} // namespace CatalogueIds
