#pragma once

#include "TRecordDeclaration.h"

// One freight range: a row of "FreightModeRanges". Which bounds and values a
// range uses depends on its mode (TFreightModes).
class TFreightRange : public TRecord<TFreightRange>
{
public:
    using TRecord::TRecord;

    quint32 ModeType() const;
    void SetModeType(qint64 value);
    // Order amount bounds (modes 1 and 5).
    double Minimum() const;
    void SetMinimum(double value);
    double Maximum() const;
    void SetMaximum(double value);
    TMoney AmountLocal() const;
    void SetAmountLocal(TMoney value);
    TMoney AmountDomestic() const;
    void SetAmountDomestic(TMoney value);
    TMoney AmountInternational() const;
    void SetAmountInternational(TMoney value);
    // Weight bounds (mode 3), stored as entered, the larger possibly first.
    double MinWeight() const;
    void SetMinWeight(double value);
    double MaxWeight() const;
    void SetMaxWeight(double value);
    TMoney WeightLocal() const;
    void SetWeightLocal(TMoney value);
    TMoney WeightDomestic() const;
    void SetWeightDomestic(TMoney value);
    TMoney WeightInternational() const;
    void SetWeightInternational(TMoney value);
    // Percentages of the order amount (mode 5): 12.5 is 12.5 %.
    double PercentageLocal() const;
    void SetPercentageLocal(double value);
    double PercentageDomestic() const;
    void SetPercentageDomestic(double value);
    double PercentageInternational() const;
    void SetPercentageInternational(double value);

    void Delete();

    static const TRecordDeclaration& Declaration();
};
