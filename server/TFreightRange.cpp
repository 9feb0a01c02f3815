#include "TFreightRange.h"

#include "CommerceValues.h"

quint32 TFreightRange::ModeType() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("ModeType"))); }
void TFreightRange::SetModeType(qint64 value) { SetValue(QStringLiteral("ModeType"), CommerceValues::CheckedUnsigned(value, "ModeType")); }
double TFreightRange::Minimum() const { return GetFloat(QStringLiteral("Minimum")); }
void TFreightRange::SetMinimum(double value) { SetValue(QStringLiteral("Minimum"), value); }
double TFreightRange::Maximum() const { return GetFloat(QStringLiteral("Maximum")); }
void TFreightRange::SetMaximum(double value) { SetValue(QStringLiteral("Maximum"), value); }
TMoney TFreightRange::AmountLocal() const { return GetMoney(QStringLiteral("AmountLocal")); }
void TFreightRange::SetAmountLocal(TMoney value) { SetValue(QStringLiteral("AmountLocal"), QVariant::fromValue(value)); }
TMoney TFreightRange::AmountDomestic() const { return GetMoney(QStringLiteral("AmountInterstate")); }
void TFreightRange::SetAmountDomestic(TMoney value) { SetValue(QStringLiteral("AmountInterstate"), QVariant::fromValue(value)); }
TMoney TFreightRange::AmountInternational() const { return GetMoney(QStringLiteral("AmountInternational")); }
void TFreightRange::SetAmountInternational(TMoney value) { SetValue(QStringLiteral("AmountInternational"), QVariant::fromValue(value)); }
double TFreightRange::MinWeight() const { return GetFloat(QStringLiteral("MinWeight")); }
void TFreightRange::SetMinWeight(double value) { SetValue(QStringLiteral("MinWeight"), value); }
double TFreightRange::MaxWeight() const { return GetFloat(QStringLiteral("MaxWeight")); }
void TFreightRange::SetMaxWeight(double value) { SetValue(QStringLiteral("MaxWeight"), value); }
TMoney TFreightRange::WeightLocal() const { return GetMoney(QStringLiteral("WeightLocal")); }
void TFreightRange::SetWeightLocal(TMoney value) { SetValue(QStringLiteral("WeightLocal"), QVariant::fromValue(value)); }
TMoney TFreightRange::WeightDomestic() const { return GetMoney(QStringLiteral("WeightInterstate")); }
void TFreightRange::SetWeightDomestic(TMoney value) { SetValue(QStringLiteral("WeightInterstate"), QVariant::fromValue(value)); }
TMoney TFreightRange::WeightInternational() const { return GetMoney(QStringLiteral("WeightInternational")); }
void TFreightRange::SetWeightInternational(TMoney value) { SetValue(QStringLiteral("WeightInternational"), QVariant::fromValue(value)); }
double TFreightRange::PercentageLocal() const { return GetFloat(QStringLiteral("PercentageLocal")); }
void TFreightRange::SetPercentageLocal(double value) { SetValue(QStringLiteral("PercentageLocal"), value); }
double TFreightRange::PercentageDomestic() const { return GetFloat(QStringLiteral("PercentageInterstate")); }
void TFreightRange::SetPercentageDomestic(double value) { SetValue(QStringLiteral("PercentageInterstate"), value); }
double TFreightRange::PercentageInternational() const { return GetFloat(QStringLiteral("PercentageInternational")); }
void TFreightRange::SetPercentageInternational(double value) { SetValue(QStringLiteral("PercentageInternational"), value); }

void TFreightRange::Delete()
{
    DeleteRecord();
}

const TPropertyTable& TFreightRange::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TFreightRange::PropertyTable()
{
    using T = TFreightRange;
    using P = TPropertyType;
    static const TPropertyTable table{
        Published("ModeType", P::Unsigned, &T::ModeType, &T::SetModeType),
        Published("Minimum", P::Float, &T::Minimum, &T::SetMinimum),
        Published("Maximum", P::Float, &T::Maximum, &T::SetMaximum),
        Published("AmountLocal", P::Currency, &T::AmountLocal, &T::SetAmountLocal),
        Published("AmountDomestic", P::Currency, &T::AmountDomestic, &T::SetAmountDomestic),
        Published("AmountInternational", P::Currency, &T::AmountInternational, &T::SetAmountInternational),
        Published("MinWeight", P::Float, &T::MinWeight, &T::SetMinWeight),
        Published("MaxWeight", P::Float, &T::MaxWeight, &T::SetMaxWeight),
        Published("WeightLocal", P::Currency, &T::WeightLocal, &T::SetWeightLocal),
        Published("WeightDomestic", P::Currency, &T::WeightDomestic, &T::SetWeightDomestic),
        Published("WeightInternational", P::Currency, &T::WeightInternational, &T::SetWeightInternational),
        Published("PercentageLocal", P::Float, &T::PercentageLocal, &T::SetPercentageLocal),
        Published("PercentageDomestic", P::Float, &T::PercentageDomestic, &T::SetPercentageDomestic),
        Published("PercentageInternational", P::Float, &T::PercentageInternational, &T::SetPercentageInternational),
    };
    return table;
}
