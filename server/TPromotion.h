#pragma once

#include "TRecordDeclaration.h"

#include <QDateTime>

// The shop's one promotion: the single row of "Promotions". The row is made
// (empty) when the table has none, so the promotion always exists.
class TPromotion : public TRecord<TPromotion>
{
public:
    explicit TPromotion(std::shared_ptr<TDataSet> table);
    void Rebind(std::shared_ptr<TDataSet> table) override;

    quint32 ID() const;
    void SetID(qint64 value);
    QString Name() const;
    void SetName(const QString& value);
    QString Description() const;
    void SetDescription(const QString& value);
    // 1 to 5 (TPromotionTypes); 0 when none was chosen.
    int PromotionType() const;
    void SetPromotionType(int value);
    bool Active() const;
    void SetActive(bool value);
    // 12.5 is 12.5 %; above 100 is refused (language string 865).
    double Percentage() const;
    void SetPercentage(double value);
    TMoney SpendThreshold() const;
    void SetSpendThreshold(TMoney value);
    TMoney Amount() const;
    void SetAmount(TMoney value);
    QDateTime ExpiryDate() const;
    void SetExpiryDate(const QDateTime& value);
    int PurchaseThreshold() const;
    void SetPurchaseThreshold(int value);

    static const TRecordDeclaration& Declaration();
};
