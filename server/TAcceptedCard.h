#pragma once

#include "TRecordDeclaration.h"

// A card type offered with manual card processing: a row of "AcceptedCard".
class TAcceptedCard : public TRecord<TAcceptedCard>
{
public:
    using TRecord::TRecord;

    QString CardName() const;
    void SetCardName(const QString& value);

    static const TRecordDeclaration& Declaration();
};
