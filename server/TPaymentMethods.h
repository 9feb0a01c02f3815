#pragma once

#include "TCollection.h"
#include "TPaymentMethod.h"

// The shop's payment methods: the rows of "PaymentMethods". The checkout
// window rewrites them whole (Clear, then one Add per enabled kind).
class TPaymentMethods : public TCollectionOf<TPaymentMethod>
{
public:
    using TCollectionOf::TCollectionOf;

    // Appends a row (no identifier); the caller sets it and saves.
    TRef<TPaymentMethod> Add();
    // The method with that code; raises language string 1278 when there is none.
    TRef<TPaymentMethod> ItemByMethod(quint32 code);
    // Deletes every row of the table, whatever the filter.
    void Clear();
    // Shows only the active methods ("IsActive = ?1"), or all again.
    void SetActiveOnly(bool activeOnly);

protected:
    bool ItemsKeepsPosition() const override { return true; }
    QString IdColumn() const override { return QStringLiteral("Method"); }
};
