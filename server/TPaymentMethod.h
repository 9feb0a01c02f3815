#pragma once

#include "TRecordDeclaration.h"

// One way the shop's customers can pay: a row of "PaymentMethods".
class TPaymentMethod : public TRecord<TPaymentMethod>
{
public:
    using TRecord::TRecord;

    // The payment method code (TPaymentMethodCodes).
    quint32 Method() const;
    void SetMethod(qint64 value);
    // What the customer is told at checkout.
    QString Instruction() const;
    void SetInstruction(const QString& value);
    bool Active() const;
    void SetActive(bool value);
    // The merchant's identifiers at a card gateway.
    QString RealTimeID() const;
    void SetRealTimeID(const QString& value);
    QString RealTimePassword() const;
    void SetRealTimePassword(const QString& value);
    QString RealTimeAuthID() const;
    void SetRealTimeAuthID(const QString& value);

    static const TRecordDeclaration& Declaration();
};
