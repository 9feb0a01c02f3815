#include "TFreightRange.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

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

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TFreightRange::Declaration() { return Cols(); }

quint32 TFreightRange::ModeType() const { return Read(Cols().ModeType); }
void TFreightRange::SetModeType(qint64 value) { Write(Cols().ModeType, value); }
double TFreightRange::Minimum() const { return Read(Cols().Minimum); }
void TFreightRange::SetMinimum(double value) { Write(Cols().Minimum, value); }
double TFreightRange::Maximum() const { return Read(Cols().Maximum); }
void TFreightRange::SetMaximum(double value) { Write(Cols().Maximum, value); }
TMoney TFreightRange::AmountLocal() const { return Read(Cols().AmountLocal); }
void TFreightRange::SetAmountLocal(TMoney value) { Write(Cols().AmountLocal, value); }
TMoney TFreightRange::AmountDomestic() const { return Read(Cols().AmountDomestic); }
void TFreightRange::SetAmountDomestic(TMoney value) { Write(Cols().AmountDomestic, value); }
TMoney TFreightRange::AmountInternational() const { return Read(Cols().AmountInternational); }
void TFreightRange::SetAmountInternational(TMoney value) { Write(Cols().AmountInternational, value); }
double TFreightRange::MinWeight() const { return Read(Cols().MinWeight); }
void TFreightRange::SetMinWeight(double value) { Write(Cols().MinWeight, value); }
double TFreightRange::MaxWeight() const { return Read(Cols().MaxWeight); }
void TFreightRange::SetMaxWeight(double value) { Write(Cols().MaxWeight, value); }
TMoney TFreightRange::WeightLocal() const { return Read(Cols().WeightLocal); }
void TFreightRange::SetWeightLocal(TMoney value) { Write(Cols().WeightLocal, value); }
TMoney TFreightRange::WeightDomestic() const { return Read(Cols().WeightDomestic); }
void TFreightRange::SetWeightDomestic(TMoney value) { Write(Cols().WeightDomestic, value); }
TMoney TFreightRange::WeightInternational() const { return Read(Cols().WeightInternational); }
void TFreightRange::SetWeightInternational(TMoney value) { Write(Cols().WeightInternational, value); }
double TFreightRange::PercentageLocal() const { return Read(Cols().PercentageLocal); }
void TFreightRange::SetPercentageLocal(double value) { Write(Cols().PercentageLocal, value); }
double TFreightRange::PercentageDomestic() const { return Read(Cols().PercentageDomestic); }
void TFreightRange::SetPercentageDomestic(double value) { Write(Cols().PercentageDomestic, value); }
double TFreightRange::PercentageInternational() const { return Read(Cols().PercentageInternational); }
void TFreightRange::SetPercentageInternational(double value) { Write(Cols().PercentageInternational, value); }

void TFreightRange::Delete()
{
    DeleteRecord();
}
