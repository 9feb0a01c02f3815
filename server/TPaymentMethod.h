#pragma once

#include "TRecordDeclaration.h"

// One way the shop's customers can pay: a row of "PaymentMethods".
class TPaymentMethod : public TRecord<TPaymentMethod>
{
public:
    using TRecord::TRecord;

    // The payment method code (TPaymentMethodCodes).
    quint32 Method() const { return Read(Cols().Method); }
    void SetMethod(qint64 value) { Write(Cols().Method, value); }
    // What the customer is told at checkout.
    QString Instruction() const { return Read(Cols().Instruction); }
    void SetInstruction(const QString& value) { Write(Cols().Instruction, value); }
    bool Active() const { return Read(Cols().Active); }
    void SetActive(bool value) { Write(Cols().Active, value); }
    // The merchant's identifiers at a card gateway.
    QString RealTimeID() const { return Read(Cols().RealTimeID); }
    void SetRealTimeID(const QString& value) { Write(Cols().RealTimeID, value); }
    QString RealTimePassword() const { return Read(Cols().RealTimePassword); }
    void SetRealTimePassword(const QString& value) { Write(Cols().RealTimePassword, value); }
    QString RealTimeAuthID() const { return Read(Cols().RealTimeAuthID); }
    void SetRealTimeAuthID(const QString& value) { Write(Cols().RealTimeAuthID, value); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TPaymentMethod", "PaymentMethods") {}
        TColumn<quint32> Method{this, "Method", "Method", P::Unsigned};
        TColumn<QString> Instruction{this, "Instruction", "Instruction", P::String};
        TColumn<bool> Active{this, "Active", "IsActive", P::Boolean};
        TColumn<QString> RealTimeID{this, "RealTimeID", "rtMerchantID", P::String};
        TColumn<QString> RealTimePassword{this, "RealTimePassword", "rtPassword", P::String};
        TColumn<QString> RealTimeAuthID{this, "RealTimeAuthID", "rtAuthID", P::String};
    };
    static const Columns& Cols();
};
