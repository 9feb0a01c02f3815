#pragma once

#include "TRecordDeclaration.h"

// A custom field: a named option that shoppers fill in for the products it is
// linked to (an engraving text, a choice from a list). Its values are set by
// the catalogue window and the import; none is published by name.
class TCustomField : public TRecord<TCustomField>
{
public:
    using TRecord::TRecord;

    qint64 ID() const { return Read(Cols().ID); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& name) { Write(Cols().Name, name); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& description) { Write(Cols().Description, description); }
    // One of the display types of the custom field dialog ("Single Line Edit box", ...).
    QString FieldType() const { return Read(Cols().FieldType); }
    void SetFieldType(const QString& type) { Write(Cols().FieldType, type); }
    // For edit boxes the width in characters; for multi-line boxes also the height in lines.
    int MinValue() const { return Read(Cols().MinValue); }
    void SetMinValue(int value) { Write(Cols().MinValue, value); }
    int MaxValue() const { return Read(Cols().MaxValue); }
    void SetMaxValue(int value) { Write(Cols().MaxValue, value); }
    bool Required() const { return Read(Cols().Required); }
    void SetRequired(bool required) { Write(Cols().Required, required); }
    QString DefaultValue() const { return Read(Cols().DefaultValue); }
    void SetDefaultValue(const QString& value) { Write(Cols().DefaultValue, value); }
    QString ValueList() const { return Read(Cols().ValueList); }
    void SetValueList(const QString& values) { Write(Cols().ValueList, values); }

    // The declared columns and properties, in their order.
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
    static const Columns& Cols();
};
