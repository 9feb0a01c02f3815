#pragma once

#include "TItem.h"

// A card type offered with manual card processing: a row of "AcceptedCard".
class TAcceptedCard : public TItem
{
public:
    using TItem::TItem;

    QString CardName() const;
    void SetCardName(const QString& value);

    const TPropertyTable& Properties() const override;
    static const TPropertyTable& PropertyTable();
};
