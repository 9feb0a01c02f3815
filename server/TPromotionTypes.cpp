#include "TPromotionTypes.h"

QString TPromotionTypes::Name(int type)
{
    const Type* t = Find(type);
    return t ? QString::fromLatin1(t->name) : QString();
}

QStringList TPromotionTypes::Names()
{
    QStringList names;
    for (const Type& t : All)
        names.append(QString::fromLatin1(t.name));
    return names;
}
