#pragma once

#include <QString>

// How records of one kind are numbered: the identifier column of their table
// (text holding decimal digits for categories and products) and the one-row
// identifier table that remembers the last number issued.
struct TIdentifierKind
{
    QString table;
    QString idColumn;
    bool textId = false;
    QString identifierTable;  // empty: the kind has none
    QString identifierColumn;

    // The kind of an identifier table ("CategoryGen"), or of a record table
    // ("Categories"); nullptr when unknown. Names match without regard to case.
    static const TIdentifierKind* ByIdentifierTable(const QString& name);
    static const TIdentifierKind* ByTable(const QString& name);
};

namespace IdentifierKinds {
extern const TIdentifierKind Customers;
extern const TIdentifierKind EmailGroups;
extern const TIdentifierKind EmailTemplates;
extern const TIdentifierKind WorkFlows;
extern const TIdentifierKind Taxes;
extern const TIdentifierKind Categories;
extern const TIdentifierKind Products;
extern const TIdentifierKind FTPSites;
extern const TIdentifierKind AdditionalPages;
extern const TIdentifierKind ProductFiles;
extern const TIdentifierKind CustomFields;
extern const TIdentifierKind UploadFiles; // maximum plus one, no identifier table
} // namespace IdentifierKinds
