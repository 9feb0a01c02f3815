#include "TTax.h"

#include "TGlobalResourceManager.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TTax", "Taxes") {}
    TColumn<quint32> ID{this, "ID", "TaxID", P::Unsigned, ReadOnly};
    TColumn<QString> Name{this, "Name", "TaxName", P::String};
    TColumn<double> DomesticRate{this, "DomesticRate", "TaxPercentage", P::Float};
    TColumn<double> InternationalRate{this, "InternationalRate", "International", P::Float};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TTax::Declaration() { return Cols(); }

quint32 TTax::ID() const { return Read(Cols().ID); }
QString TTax::Name() const { return Read(Cols().Name); }
void TTax::SetName(const QString& value) { Write(Cols().Name, value); }
double TTax::DomesticRate() const { return Read(Cols().DomesticRate); }
void TTax::SetDomesticRate(double value) { Write(Cols().DomesticRate, value); }
double TTax::InternationalRate() const { return Read(Cols().InternationalRate); }
void TTax::SetInternationalRate(double value) { Write(Cols().InternationalRate, value); }

void TTax::Delete()
{
    const qint64 id = GetInteger(Cols().ID.Name());
    TDatabase& db = DataSet()->Database();
    const qint64 users = db.Scalar(QStringLiteral("SELECT COUNT(*) FROM Products WHERE CostExTax = ?1"), {id}).toLongLong();
    if (users > 0)
        throw EQuorvisError(LangStr(1280));
    DeleteRecord();
}
