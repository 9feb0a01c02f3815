#include "TCustomField.h"

namespace {
const QString colID = QStringLiteral("CustomFieldID");
const QString colName = QStringLiteral("CustomFieldName");
const QString colDescription = QStringLiteral("CustomFieldDescription");
const QString colType = QStringLiteral("CustomFieldType");
const QString colMin = QStringLiteral("MinValue");
const QString colMax = QStringLiteral("MaxValue");
const QString colRequired = QStringLiteral("Required");
const QString colDefault = QStringLiteral("DefaultValue");
const QString colValueList = QStringLiteral("ValueList");
} // namespace

qint64 TCustomField::ID() const { return GetInteger(colID); }
QString TCustomField::Name() const { return GetString(colName); }
void TCustomField::SetName(const QString& name) { SetValue(colName, name); }
QString TCustomField::Description() const { return GetString(colDescription); }
void TCustomField::SetDescription(const QString& description) { SetValue(colDescription, description); }
QString TCustomField::FieldType() const { return GetString(colType); }
void TCustomField::SetFieldType(const QString& type) { SetValue(colType, type); }
int TCustomField::MinValue() const { return int(GetInteger(colMin)); }
void TCustomField::SetMinValue(int value) { SetValue(colMin, value); }
int TCustomField::MaxValue() const { return int(GetInteger(colMax)); }
void TCustomField::SetMaxValue(int value) { SetValue(colMax, value); }
bool TCustomField::Required() const { return GetBoolean(colRequired); }
void TCustomField::SetRequired(bool required) { SetValue(colRequired, required); }
QString TCustomField::DefaultValue() const { return GetString(colDefault); }
void TCustomField::SetDefaultValue(const QString& value) { SetValue(colDefault, value); }
QString TCustomField::ValueList() const { return GetString(colValueList); }
void TCustomField::SetValueList(const QString& values) { SetValue(colValueList, values); }

const TPropertyTable& TCustomField::PropertyTable()
{
    static const TPropertyTable none{};
    return none;
}
