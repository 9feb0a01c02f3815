#pragma once

#include <QStringList>

class TRecordDeclaration;

// Where a record class's declaration and the store layout (TStoreSchema)
// disagree: a table or column that the layout lacks, a column whose type the
// property cannot hold, a field-list name that names no property the list
// needs. One line per fault; empty when they agree.
QStringList RecordSchemaProblems(const TRecordDeclaration& declaration);
