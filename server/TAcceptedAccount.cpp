#include "TAcceptedAccount.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TAcceptedAccount", "AcceptedAccount") {}
    // Accounts are imported by their name alone, which must be mapped.
    TColumn<QString> AccountName{this, "AccountName", "AccountName", P::String, Import | Required};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TAcceptedAccount::Declaration() { return Cols(); }

QString TAcceptedAccount::AccountName() const { return Read(Cols().AccountName); }
void TAcceptedAccount::SetAccountName(const QString& value) { Write(Cols().AccountName, value); }
