#include "TTax.h"

#include "CommerceValues.h"
#include "TGlobalResourceManager.h"

quint32 TTax::ID() const { return CommerceValues::StoredUnsigned(GetInteger(QStringLiteral("TaxID"))); }
QString TTax::Name() const { return GetString(QStringLiteral("TaxName")); }
void TTax::SetName(const QString& value) { SetValue(QStringLiteral("TaxName"), value); }
double TTax::DomesticRate() const { return GetFloat(QStringLiteral("TaxPercentage")); }
void TTax::SetDomesticRate(double value) { SetValue(QStringLiteral("TaxPercentage"), value); }
double TTax::InternationalRate() const { return GetFloat(QStringLiteral("International")); }
void TTax::SetInternationalRate(double value) { SetValue(QStringLiteral("International"), value); }

void TTax::Delete()
{
    const qint64 id = GetInteger(QStringLiteral("TaxID"));
    TDatabase& db = DataSet()->Database();
    // CostExTax holds a tax number; stores made before it was declared as an
    // integer keep it as money, so the number is compared in the column's own form.
    QVariant key = id;
    for (const TDatabase::ColumnInfo& column : db.Columns(QStringLiteral("Products"))) {
        if (column.name.compare(QStringLiteral("CostExTax"), Qt::CaseInsensitive) == 0)
            key = FieldStorage::ToStorage(FieldStorage::TypeFromDeclared(column.declaredType), id, column.name);
    }
    const qint64 users = db.Scalar(QStringLiteral("SELECT COUNT(*) FROM Products WHERE CostExTax = ?1"), {key}).toLongLong();
    if (users > 0)
        throw EQuorvisError(LangStr(1280));
    DeleteRecord();
}

const TPropertyTable& TTax::Properties() const
{
    return PropertyTable();
}

const TPropertyTable& TTax::PropertyTable()
{
    using T = TTax;
    using P = TPropertyType;
    static const TPropertyTable table{
        Published("ID", P::Unsigned, &T::ID),
        Published("Name", P::String, &T::Name, &T::SetName),
        Published("DomesticRate", P::Float, &T::DomesticRate, &T::SetDomesticRate),
        Published("InternationalRate", P::Float, &T::InternationalRate, &T::SetInternationalRate),
    };
    return table;
}
