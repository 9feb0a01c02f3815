#include "TPaymentMethod.h"

#include "CommerceValues.h"

quint32 TPaymentMethod::Method() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("Method"))); }
void TPaymentMethod::SetMethod(qint64 value) { SetValue(QStringLiteral("Method"), CommerceValues::CheckedUnsigned(value, "Method")); }
QString TPaymentMethod::Instruction() const { return GetString(QStringLiteral("Instruction")); }
void TPaymentMethod::SetInstruction(const QString& value) { SetValue(QStringLiteral("Instruction"), value); }
bool TPaymentMethod::Active() const { return GetBoolean(QStringLiteral("IsActive")); }
void TPaymentMethod::SetActive(bool value) { SetValue(QStringLiteral("IsActive"), value); }
QString TPaymentMethod::RealTimeID() const { return GetString(QStringLiteral("rtMerchantID")); }
void TPaymentMethod::SetRealTimeID(const QString& value) { SetValue(QStringLiteral("rtMerchantID"), value); }
QString TPaymentMethod::RealTimePassword() const { return GetString(QStringLiteral("rtPassword")); }
void TPaymentMethod::SetRealTimePassword(const QString& value) { SetValue(QStringLiteral("rtPassword"), value); }
QString TPaymentMethod::RealTimeAuthID() const { return GetString(QStringLiteral("rtAuthID")); }
void TPaymentMethod::SetRealTimeAuthID(const QString& value) { SetValue(QStringLiteral("rtAuthID"), value); }

const TPropertyTable& TPaymentMethod::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TPaymentMethod::PropertyTable()
{
    using T = TPaymentMethod;
    using P = TPropertyType;
    static const TPropertyTable table{
        Published("Method", P::Unsigned, &T::Method, &T::SetMethod),
        Published("Instruction", P::String, &T::Instruction, &T::SetInstruction),
        Published("Active", P::Boolean, &T::Active, &T::SetActive),
        Published("RealTimeID", P::String, &T::RealTimeID, &T::SetRealTimeID),
        Published("RealTimePassword", P::String, &T::RealTimePassword, &T::SetRealTimePassword),
        Published("RealTimeAuthID", P::String, &T::RealTimeAuthID, &T::SetRealTimeAuthID),
    };
    return table;
}
