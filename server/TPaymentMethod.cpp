#include "TPaymentMethod.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

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

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TPaymentMethod::Declaration() { return Cols(); }

quint32 TPaymentMethod::Method() const { return Read(Cols().Method); }
void TPaymentMethod::SetMethod(qint64 value) { Write(Cols().Method, value); }
QString TPaymentMethod::Instruction() const { return Read(Cols().Instruction); }
void TPaymentMethod::SetInstruction(const QString& value) { Write(Cols().Instruction, value); }
bool TPaymentMethod::Active() const { return Read(Cols().Active); }
void TPaymentMethod::SetActive(bool value) { Write(Cols().Active, value); }
QString TPaymentMethod::RealTimeID() const { return Read(Cols().RealTimeID); }
void TPaymentMethod::SetRealTimeID(const QString& value) { Write(Cols().RealTimeID, value); }
QString TPaymentMethod::RealTimePassword() const { return Read(Cols().RealTimePassword); }
void TPaymentMethod::SetRealTimePassword(const QString& value) { Write(Cols().RealTimePassword, value); }
QString TPaymentMethod::RealTimeAuthID() const { return Read(Cols().RealTimeAuthID); }
void TPaymentMethod::SetRealTimeAuthID(const QString& value) { Write(Cols().RealTimeAuthID, value); }
