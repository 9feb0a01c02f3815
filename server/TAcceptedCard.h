#pragma once

#include "TRecordDeclaration.h"

// A card type offered with manual card processing: a row of "AcceptedCard".
class TAcceptedCard : public TRecord<TAcceptedCard>
{
public:
    using TRecord::TRecord;

    QString CardName() const { return Read(Cols().CardName); }
    void SetCardName(const QString& value) { Write(Cols().CardName, value); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TAcceptedCard", "AcceptedCard") {}
        TColumn<QString> CardName{this, "CardName", "CardName", P::String};
    };
    static const Columns& Cols();
};
