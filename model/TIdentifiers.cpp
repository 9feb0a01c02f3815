#include "TIdentifiers.h"

#include <QList>

namespace IdentifierKinds {
const TIdentifierKind Customers{"Customers", "CustomerID", false, "CustomersGen", "CustomerID"};
const TIdentifierKind EmailGroups{"EmailGroups", "EmailGroupID", false, "EmailGroupsGen", "EmailGroupID"};
const TIdentifierKind EmailTemplates{"EmailTemplates", "TemplateNo", false, "EmailTemplatesGen", "EmailTemplateID"};
const TIdentifierKind WorkFlows{"Workflow", "WorkflowID", false, "WorkFlowsGen", "WorkFlowID"};
const TIdentifierKind Taxes{"Taxes", "TaxID", false, "TaxesGen", "TaxID"};
const TIdentifierKind Categories{"Categories", "CategoryID", true, "CategoryGen", "CategoryID"};
const TIdentifierKind Products{"Products", "ProductID", true, "ProductsGen", "ProductID"};
const TIdentifierKind FTPSites{"FTPSites", "FTPSiteID", false, "FTPSitesGen", "FTPSiteID"};
const TIdentifierKind AdditionalPages{"AdditionalPages", "PageID", false, "AdditionalPagesGen", "PageID"};
const TIdentifierKind ProductFiles{"ProductFiles", "FilenameID", false, "ProductFilesGen", "ProductFileID"};
const TIdentifierKind CustomFields{"CustomFields", "CustomFieldID", false, "CustomFieldsGen", "CustomFieldID"};
const TIdentifierKind UploadFiles{"UploadFile", "ID", false, "", ""};
} // namespace IdentifierKinds

namespace {

const QList<const TIdentifierKind*>& AllKinds()
{
    using namespace IdentifierKinds;
    static const QList<const TIdentifierKind*> all{&Customers, &EmailGroups, &EmailTemplates, &WorkFlows,
                                                   &Taxes, &Categories, &Products, &FTPSites,
                                                   &AdditionalPages, &ProductFiles, &CustomFields, &UploadFiles};
    return all;
}

} // namespace

const TIdentifierKind* TIdentifierKind::ByIdentifierTable(const QString& name)
{
    QString n = name;
    // Stored names sometimes carry the old file extension ("CategoryGen.DB").
    if (n.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
        n.chop(3);
    for (const TIdentifierKind* k : AllKinds())
        if (!k->identifierTable.isEmpty() && k->identifierTable.compare(n, Qt::CaseInsensitive) == 0)
            return k;
    return nullptr;
}

const TIdentifierKind* TIdentifierKind::ByTable(const QString& name)
{
    for (const TIdentifierKind* k : AllKinds())
        if (k->table.compare(name, Qt::CaseInsensitive) == 0)
            return k;
    return nullptr;
}
