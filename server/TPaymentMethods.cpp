#include "TPaymentMethods.h"

TRef<TPaymentMethod> TPaymentMethods::Add()
{
    return StaticRefCast<TPaymentMethod>(AppendBase());
}

TRef<TPaymentMethod> TPaymentMethods::ItemByMethod(quint32 code)
{
    return StaticRefCast<TPaymentMethod>(ItemByIDBase(qint64(code)));
}

void TPaymentMethods::Clear()
{
    if (!DataSet())
        return;
    DataSet()->Cancel(); // an unsaved row goes with the others
    DataSet()->Database().Exec(QStringLiteral("DELETE FROM PaymentMethods"));
    Refresh();
}

void TPaymentMethods::SetActiveOnly(bool activeOnly)
{
    if (activeOnly)
        SetFilter(QStringLiteral("IsActive = ?1"), {true});
    else
        SetFilter(QString());
}
