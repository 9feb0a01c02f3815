#include "TAcceptedAccounts.h"

TRef<TAcceptedAccount> TAcceptedAccounts::Add()
{
    return StaticRefCast<TAcceptedAccount>(AppendBase());
}

void TAcceptedAccounts::Clear()
{
    if (!DataSet())
        return;
    DataSet()->Cancel(); // an unsaved row goes with the others
    DataSet()->Database().Exec(QStringLiteral("DELETE FROM AcceptedAccount"));
    Refresh();
}

TRef<TAcceptedAccount> TAcceptedAccounts::ItemByName(const QString& name)
{
    return StaticRefCast<TAcceptedAccount>(FindBase({QStringLiteral("AccountName")}, {name}));
}
