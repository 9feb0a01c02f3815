#pragma once

#include "TRecordDeclaration.h"

// One tax: a row of "Taxes". A product names its tax by the tax's ID, kept in
// the product's CostExTax column.
class TTax : public TRecord<TTax>
{
public:
    using TRecord::TRecord;

    quint32 ID() const { return Read(Cols().ID); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& value) { Write(Cols().Name, value); }
    // Percentages: 12.5 is 12.5 %.
    double DomesticRate() const { return Read(Cols().DomesticRate); }
    void SetDomesticRate(double value) { Write(Cols().DomesticRate, value); }
    double InternationalRate() const { return Read(Cols().InternationalRate); }
    void SetInternationalRate(double value) { Write(Cols().InternationalRate, value); }

    // Deletes the tax; raises language string 1280 and keeps it while any
    // product still uses it.
    void Delete();

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TTax", "Taxes") {}
        TColumn<quint32> ID{this, "ID", "TaxID", P::Unsigned, ReadOnly};
        TColumn<QString> Name{this, "Name", "TaxName", P::String};
        TColumn<double> DomesticRate{this, "DomesticRate", "TaxPercentage", P::Float};
        TColumn<double> InternationalRate{this, "InternationalRate", "International", P::Float};
    };
    static const Columns& Cols();
};
