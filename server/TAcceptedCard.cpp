#include "TAcceptedCard.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TAcceptedCard", "AcceptedCard") {}
    TColumn<QString> CardName{this, "CardName", "CardName", P::String};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TAcceptedCard::Declaration() { return Cols(); }

QString TAcceptedCard::CardName() const { return Read(Cols().CardName); }
void TAcceptedCard::SetCardName(const QString& value) { Write(Cols().CardName, value); }
