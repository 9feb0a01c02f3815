#include "TTaxes.h"

#include "TIdentifiers.h"

TRef<TTax> TTaxes::Add()
{
    return StaticRefCast<TTax>(NewRecordBase(IdentifierKinds::Taxes));
}

void TTaxes::DeleteAll()
{
    if (!DataSet())
        return;
    DataSet()->Cancel(); // an unsaved row goes with the others
    DataSet()->Database().Exec(QStringLiteral("DELETE FROM Taxes"));
    Refresh();
}
