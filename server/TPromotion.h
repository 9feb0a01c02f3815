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

    quint32 ID() const { return Read(Cols().ID); }
    void SetID(qint64 value) { Write(Cols().ID, value); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& value) { Write(Cols().Name, value); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& value) { Write(Cols().Description, value); }
    // 1 to 5 (TPromotionTypes); 0 when none was chosen.
    int PromotionType() const { return Read(Cols().PromotionType); }
    void SetPromotionType(int value) { Write(Cols().PromotionType, value); }
    bool Active() const { return Read(Cols().Active); }
    void SetActive(bool value) { Write(Cols().Active, value); }
    // 12.5 is 12.5 %; above 100 is refused (language string 865).
    double Percentage() const { return Read(Cols().Percentage); }
    void SetPercentage(double value);
    TMoney SpendThreshold() const { return Read(Cols().SpendThreshold); }
    void SetSpendThreshold(TMoney value) { Write(Cols().SpendThreshold, value); }
    TMoney Amount() const { return Read(Cols().Amount); }
    void SetAmount(TMoney value) { Write(Cols().Amount, value); }
    QDateTime ExpiryDate() const { return Read(Cols().ExpiryDate); }
    void SetExpiryDate(const QDateTime& value) { Write(Cols().ExpiryDate, value); }
    int PurchaseThreshold() const { return Read(Cols().PurchaseThreshold); }
    void SetPurchaseThreshold(int value) { Write(Cols().PurchaseThreshold, value); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TPromotion", "Promotions") {}
        TColumn<quint32> ID{this, "ID", "PromotionID", P::Unsigned};
        TColumn<QString> Name{this, "Name", "PromotionName", P::String};
        TColumn<QString> Description{this, "Description", "PromotionDescription", P::String};
        TColumn<int> PromotionType{this, "PromotionType", "PromotionType", P::Integer};
        TColumn<bool> Active{this, "Active", "Active", P::Boolean};
        // Written through SetPercentage, which refuses more than 100 %.
        TColumn<double> Percentage{this, "Percentage", "Percentage", P::Float, Unpublished};
        TPublished PercentageProperty{this, "Percentage", "Percentage", P::Float, &TPromotion::Percentage,
                                      &TPromotion::SetPercentage};
        TColumn<TMoney> SpendThreshold{this, "SpendThreshold", "SpendMoreThanAmount", P::Currency};
        TColumn<TMoney> Amount{this, "Amount", "Amount", P::Currency};
        TColumn<QDateTime> ExpiryDate{this, "ExpiryDate", "ExpiryDate", P::DateTime};
        TColumn<int> PurchaseThreshold{this, "PurchaseThreshold", "PurchaseMoreThanItems", P::Integer};
    };
    static const Columns& Cols();
};
