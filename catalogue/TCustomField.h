#pragma once

#include "TRecordDeclaration.h"

// A custom field: a named option that shoppers fill in for the products it is
// linked to (an engraving text, a choice from a list). Its values are set by
// the catalogue window and the import; none is published by name.
class TCustomField : public TRecord<TCustomField>
{
public:
    using TRecord::TRecord;

    qint64 ID() const;
    QString Name() const;
    void SetName(const QString& name);
    QString Description() const;
    void SetDescription(const QString& description);
    // One of the display types of the custom field dialog ("Single Line Edit box", ...).
    QString FieldType() const;
    void SetFieldType(const QString& type);
    // For edit boxes the width in characters; for multi-line boxes also the height in lines.
    int MinValue() const;
    void SetMinValue(int value);
    int MaxValue() const;
    void SetMaxValue(int value);
    bool Required() const;
    void SetRequired(bool required);
    QString DefaultValue() const;
    void SetDefaultValue(const QString& value);
    QString ValueList() const;
    void SetValueList(const QString& values);

    static const TRecordDeclaration& Declaration();
};
