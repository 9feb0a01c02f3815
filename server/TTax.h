#pragma once

#include "TRecordDeclaration.h"

// One tax: a row of "Taxes". A product names its tax by the tax's ID, kept in
// the product's CostExTax column.
class TTax : public TRecord<TTax>
{
public:
    using TRecord::TRecord;

    quint32 ID() const;
    QString Name() const;
    void SetName(const QString& value);
    // Percentages: 12.5 is 12.5 %.
    double DomesticRate() const;
    void SetDomesticRate(double value);
    double InternationalRate() const;
    void SetInternationalRate(double value);

    // Deletes the tax; raises language string 1280 and keeps it while any
    // product still uses it.
    void Delete();

    static const TRecordDeclaration& Declaration();
};
