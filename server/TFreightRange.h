#pragma once

#include "TRecordDeclaration.h"

// One freight range: a row of "FreightModeRanges". Which bounds and values a
// range uses depends on its mode (TFreightModes).
class TFreightRange : public TRecord<TFreightRange>
{
public:
    using TRecord::TRecord;

    quint32 ModeType() const { return Read(Cols().ModeType); }
    void SetModeType(qint64 value) { Write(Cols().ModeType, value); }
    // Order amount bounds (modes 1 and 5).
    double Minimum() const { return Read(Cols().Minimum); }
    void SetMinimum(double value) { Write(Cols().Minimum, value); }
    double Maximum() const { return Read(Cols().Maximum); }
    void SetMaximum(double value) { Write(Cols().Maximum, value); }
    TMoney AmountLocal() const { return Read(Cols().AmountLocal); }
    void SetAmountLocal(TMoney value) { Write(Cols().AmountLocal, value); }
    TMoney AmountDomestic() const { return Read(Cols().AmountDomestic); }
    void SetAmountDomestic(TMoney value) { Write(Cols().AmountDomestic, value); }
    TMoney AmountInternational() const { return Read(Cols().AmountInternational); }
    void SetAmountInternational(TMoney value) { Write(Cols().AmountInternational, value); }
    // Weight bounds (mode 3), stored as entered, the larger possibly first.
    double MinWeight() const { return Read(Cols().MinWeight); }
    void SetMinWeight(double value) { Write(Cols().MinWeight, value); }
    double MaxWeight() const { return Read(Cols().MaxWeight); }
    void SetMaxWeight(double value) { Write(Cols().MaxWeight, value); }
    TMoney WeightLocal() const { return Read(Cols().WeightLocal); }
    void SetWeightLocal(TMoney value) { Write(Cols().WeightLocal, value); }
    TMoney WeightDomestic() const { return Read(Cols().WeightDomestic); }
    void SetWeightDomestic(TMoney value) { Write(Cols().WeightDomestic, value); }
    TMoney WeightInternational() const { return Read(Cols().WeightInternational); }
    void SetWeightInternational(TMoney value) { Write(Cols().WeightInternational, value); }
    // Percentages of the order amount (mode 5): 12.5 is 12.5 %.
    double PercentageLocal() const { return Read(Cols().PercentageLocal); }
    void SetPercentageLocal(double value) { Write(Cols().PercentageLocal, value); }
    double PercentageDomestic() const { return Read(Cols().PercentageDomestic); }
    void SetPercentageDomestic(double value) { Write(Cols().PercentageDomestic, value); }
    double PercentageInternational() const { return Read(Cols().PercentageInternational); }
    void SetPercentageInternational(double value) { Write(Cols().PercentageInternational, value); }

    void Delete();

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TFreightRange", "FreightModeRanges") {}
        TColumn<quint32> ModeType{this, "ModeType", "ModeType", P::Unsigned};
        TColumn<double> Minimum{this, "Minimum", "Minimum", P::Float};
        TColumn<double> Maximum{this, "Maximum", "Maximum", P::Float};
        TColumn<TMoney> AmountLocal{this, "AmountLocal", "AmountLocal", P::Currency};
        TColumn<TMoney> AmountDomestic{this, "AmountDomestic", "AmountInterstate", P::Currency};
        TColumn<TMoney> AmountInternational{this, "AmountInternational", "AmountInternational", P::Currency};
        TColumn<double> MinWeight{this, "MinWeight", "MinWeight", P::Float};
        TColumn<double> MaxWeight{this, "MaxWeight", "MaxWeight", P::Float};
        TColumn<TMoney> WeightLocal{this, "WeightLocal", "WeightLocal", P::Currency};
        TColumn<TMoney> WeightDomestic{this, "WeightDomestic", "WeightInterstate", P::Currency};
        TColumn<TMoney> WeightInternational{this, "WeightInternational", "WeightInternational", P::Currency};
        TColumn<double> PercentageLocal{this, "PercentageLocal", "PercentageLocal", P::Float};
        TColumn<double> PercentageDomestic{this, "PercentageDomestic", "PercentageInterstate", P::Float};
        TColumn<double> PercentageInternational{this, "PercentageInternational", "PercentageInternational", P::Float};
    };
    static const Columns& Cols();
};
