#include "TCustomField.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TCustomField", "CustomFields") {}
    TColumn<qint64> ID{this, "ID", "CustomFieldID", P::Unsigned, Unpublished};
    TColumn<QString> Name{this, "Name", "CustomFieldName", P::String, Unpublished};
    TColumn<QString> Description{this, "Description", "CustomFieldDescription", P::String, Unpublished};
    TColumn<QString> FieldType{this, "FieldType", "CustomFieldType", P::String, Unpublished};
    TColumn<int> MinValue{this, "MinValue", "MinValue", P::Integer, Unpublished};
    TColumn<int> MaxValue{this, "MaxValue", "MaxValue", P::Integer, Unpublished};
    TColumn<bool> Required{this, "Required", "Required", P::Boolean, Unpublished};
    TColumn<QString> DefaultValue{this, "DefaultValue", "DefaultValue", P::String, Unpublished};
    TColumn<QString> ValueList{this, "ValueList", "ValueList", P::String, Unpublished};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TCustomField::Declaration() { return Cols(); }

qint64 TCustomField::ID() const { return Read(Cols().ID); }
QString TCustomField::Name() const { return Read(Cols().Name); }
void TCustomField::SetName(const QString& name) { Write(Cols().Name, name); }
QString TCustomField::Description() const { return Read(Cols().Description); }
void TCustomField::SetDescription(const QString& description) { Write(Cols().Description, description); }
QString TCustomField::FieldType() const { return Read(Cols().FieldType); }
void TCustomField::SetFieldType(const QString& type) { Write(Cols().FieldType, type); }
int TCustomField::MinValue() const { return Read(Cols().MinValue); }
void TCustomField::SetMinValue(int value) { Write(Cols().MinValue, value); }
int TCustomField::MaxValue() const { return Read(Cols().MaxValue); }
void TCustomField::SetMaxValue(int value) { Write(Cols().MaxValue, value); }
bool TCustomField::Required() const { return Read(Cols().Required); }
void TCustomField::SetRequired(bool required) { Write(Cols().Required, required); }
QString TCustomField::DefaultValue() const { return Read(Cols().DefaultValue); }
void TCustomField::SetDefaultValue(const QString& value) { Write(Cols().DefaultValue, value); }
QString TCustomField::ValueList() const { return Read(Cols().ValueList); }
void TCustomField::SetValueList(const QString& values) { Write(Cols().ValueList, values); }
