#include "TStoreSchema.h"

#include "TApp.h"
#include "TDataSet.h"
#include "TDatabase.h"
#include "TSchemaSnapshot.h"
#include "TGlobalResourceManager.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>


namespace TStoreSchema {

namespace {

// Text columns whose width no definition fixes are 255 wide, the widest fixed
// text a store has ever held.
const QString Text = QStringLiteral("VARCHAR(255)");
const QString Memo = QStringLiteral("TEXT");
const QString Integer = QStringLiteral("INTEGER");
const QString Money = QStringLiteral("MONEY");
const QString Float = QStringLiteral("FLOAT");
const QString Boolean = QStringLiteral("BOOLEAN");
const QString Timestamp = QStringLiteral("TIMESTAMP");
const QString AutoKey = QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");

QString Chars(int width)
{
    return QStringLiteral("VARCHAR(%1)").arg(width);
}

void Add(QList<TColumnDef>& columns, const QStringList& names, const QString& type, const QVariant& fill = {})
{
    for (const QString& n : names)
        columns.append({n, type, fill});
}

QList<TTableDef> MakeStoreTables()
{
    QList<TTableDef> tables;
    auto table = [&tables](const QString& name) -> QList<TColumnDef>& {
        tables.append({name, {}});
        return tables.last().columns;
    };
    using L = QStringList;

    {
        auto& c = table(QStringLiteral("MerchantSettings"));
        Add(c, {QStringLiteral("MerchantID")}, Integer);
        Add(c, L{"MerchantName", "ContactName", "Address", "MerchantCity", "MerchantZipCode", "Phone", "EmailAddress",
                 "MainURL", "BriefMerchantDesc", "DetailedMercDesc", "KeywordsMetatags", "Disclaimer", "MerchantLogoLocation"},
            Text);
        Add(c, L{"DefaultCurrency", "DefaultFreightMode"}, Integer);
        Add(c, L{"InitialFreightCharge", "InitialInterstateFreight", "InitialOverseasFreight"}, Money);
        // Columns of later releases, in the order the upgrade adds them.
        Add(c, L{"LanguageID"}, Integer, 3081);
        Add(c, L{"SecureServerActive"}, Boolean, 1);
        Add(c, L{"Fax"}, Chars(32));
        Add(c, L{"StateID", "CountryID"}, Integer);
        Add(c, L{"InstructTitle", "CheckoutLogo"}, Chars(255));
        Add(c, L{"AcceptLocal", "AcceptInterstate", "AcceptInternational", "BriefDescInSearch"}, Boolean);
        Add(c, L{"ChkoutBkColor"}, Chars(10));
        Add(c, L{"DomFreightTax", "IntFreightTax"}, Float);
        Add(c, L{"ShowPriceExTax", "ShowPriceIncTax", "ShowTaxAmt", "ShowTaxPercent", "ServerUpdated", "ShowQty",
                 "IntPriceInCat", "CreateDetPg"},
            Boolean);
        Add(c, L{"CounterText"}, Memo);
        Add(c, L{"CreateSearch"}, Boolean);
        Add(c, L{"TitleColor", "TitleFontColor", "CellColor", "CellFontColor"}, Chars(8));
        Add(c, L{"CartTitleText"}, Memo);
    }
    {
        auto& c = table(QStringLiteral("AdditionalPages"));
        Add(c, L{"PageID"}, Integer);
        Add(c, L{"PageTitle"}, Chars(150));
        Add(c, L{"Description"}, Memo);
        Add(c, L{"DescriptionType"}, Integer);
        Add(c, L{"IncludeInNavigationBar", "IsHomePage"}, Boolean);
        Add(c, L{"OrderPosition"}, Integer);
        Add(c, L{"PageOrder"}, Float);
        Add(c, L{"LineBreak"}, Boolean);
    }
    {
        auto& c = table(QStringLiteral("Taxes"));
        Add(c, L{"TaxID"}, Integer);
        Add(c, L{"TaxName"}, Text);
        Add(c, L{"TaxPercentage"}, Float);
        Add(c, L{"International"}, Float, 0.0);
    }
    {
        auto& c = table(QStringLiteral("CustomerOrderProducts"));
        Add(c, L{"OrderNumber", "Product", "ProductCode"}, Text);
        Add(c, L{"Quantity"}, Integer);
        Add(c, L{"UnitPrice", "UnitPriceExTax", "IncTaxPrice"}, Money);
        Add(c, L{"CustomFields"}, Text);
        Add(c, L{"TaxRate"}, Float);
    }
    {
        auto& c = table(QStringLiteral("CustomerOrders"));
        Add(c, L{"OrderNumber", "CustomerName", "CustomerAddress1", "CustomerAddress2", "City", "Province", "PostCode",
                 "Country", "PhoneNumber", "CustomerEmail", "Instructions"},
            Text);
        Add(c, L{"DateAndTime"}, Timestamp);
        Add(c, L{"SubTotal", "Freight", "Total"}, Money);
        Add(c, L{"CreditCardNumber", "CreditCardExpiry", "NameOnCreditCard", "CreditCardType"}, Text);
        Add(c, L{"FaxNumber"}, Chars(50));
        Add(c, L{"OrderStatus"}, Integer, 0);
        Add(c, L{"PromotionTotal", "TaxTotal"}, Money);
        Add(c, L{"Locality"}, Integer);
        Add(c, L{"Exported"}, Integer, 0);
    }
    {
        auto& c = table(QStringLiteral("Customers"));
        Add(c, L{"CustomerID"}, Integer);
        Add(c, L{"CustomerName", "EmailAddress", "Address1", "Address2", "City", "ProvinceState", "PostCode", "Country",
                 "PhoneNumber", "FaxNumber", "MobileNumber", "WebPage"},
            Text);
        Add(c, L{"Comments"}, Memo);
        Add(c, L{"ServerID"}, Integer);
    }
    {
        auto& c = table(QStringLiteral("Categories"));
        Add(c, L{"CategoryID"}, Chars(50));
        Add(c, L{"CategoryName"}, Chars(80));
        Add(c, L{"CategoryDescription"}, Memo);
        Add(c, L{"CategoryOrder"}, Integer);
        Add(c, L{"ParentCategory"}, Chars(50));
        Add(c, L{"CategoryImageFile", "CategoryImageOverText"}, Chars(250));
        Add(c, L{"CategoryGroup", "ThemeID"}, Integer);
        Add(c, L{"BriefStyle"}, Chars(50) + QStringLiteral(" DEFAULT ''"));
        Add(c, L{"Status"}, QStringLiteral("INTEGER DEFAULT 0"));
    }
    {
        auto& c = table(QStringLiteral("EmailGroups"));
        Add(c, L{"EmailGroupID"}, Integer);
        Add(c, L{"EmailGroupName"}, Text);
        Add(c, L{"ParentGroupID"}, Integer);
    }
    {
        auto& c = table(QStringLiteral("EmailTemplates"));
        Add(c, L{"TemplateNo"}, Integer);
        Add(c, L{"TemplateName", "TemplateSubject"}, Text);
        Add(c, L{"Content"}, Memo);
    }
    {
        auto& c = table(QStringLiteral("FreightModeRanges"));
        Add(c, L{"ModeType"}, Integer);
        Add(c, L{"Minimum", "Maximum", "MinWeight", "MaxWeight"}, Float);
        Add(c, L{"AmountLocal", "AmountInterstate", "AmountInternational", "WeightLocal", "WeightInterstate",
                 "WeightInternational"},
            Money);
        Add(c, L{"PercentageLocal", "PercentageInterstate", "PercentageInternational"}, Float);
    }
    {
        auto& c = table(QStringLiteral("Products"));
        Add(c, L{"ProductID", "CategoryID"}, Chars(50));
        Add(c, L{"ProductName"}, Chars(250));
        Add(c, L{"ProductCode"}, Chars(20));
        Add(c, L{"Cost"}, Money);
        // Holds the TaxID of the product's tax, not an amount: kept as the plain
        // number so that it compares equal to Taxes.TaxID in any statement.
        Add(c, L{"CostExTax"}, Integer);
        Add(c, L{"ShortDescription", "LongDescription"}, Memo);
        Add(c, L{"ShortDescriptionMode", "LongDescriptionMode"}, Integer);
        Add(c, L{"Service", "Backorderable", "Enabled", "UseColor", "UseSize"}, Boolean);
        Add(c, L{"FreightMode"}, Integer);
        Add(c, L{"PerUnitWeight", "Inventory"}, Float);
        Add(c, L{"PerUnitShippingCharge1", "PerUnitShippingCharge2", "PerUnitShippingCharge3"}, Money);
        Add(c, L{"ProductColor", "ProductSize"}, Memo);
        Add(c, L{"ImageFile", "ImageOverText"}, Chars(255));
        Add(c, L{"DetPage"}, QStringLiteral("BOOLEAN DEFAULT 1"));
        Add(c, L{"Order"}, QStringLiteral("INTEGER DEFAULT 0"));
    }
    {
        auto& c = table(QStringLiteral("OrderProperties"));
        Add(c, L{"intOrderId"}, Integer);
        Add(c, L{"vchKey", "vchValue"}, Chars(100));
    }
    {
        auto& c = table(QStringLiteral("PaymentMethods"));
        Add(c, L{"Method"}, Integer);
        Add(c, L{"Instruction", "rtMerchantID", "rtPassword", "rtAuthID"}, Chars(255));
        Add(c, L{"IsActive"}, Boolean);
    }
    Add(table(QStringLiteral("AcceptedCard")), L{"CardName"}, Chars(100));
    Add(table(QStringLiteral("AcceptedAccount")), L{"AccountName"}, Chars(100));
    {
        auto& c = table(QStringLiteral("Workflow"));
        Add(c, L{"WorkflowID"}, Integer);
        Add(c, L{"Name", "Description", "Subject", "WhoEmail", "WebPage"}, Text);
        Add(c, L{"Message"}, Memo);
        Add(c, L{"Action", "Mode", "Who"}, Integer);
    }
    {
        auto& c = table(QStringLiteral("ImportTemplate"));
        Add(c, L{"iImportTemplateID"}, AutoKey);
        Add(c, L{"vchName"}, Chars(100));
        Add(c, L{"vchDescription"}, Chars(200));
        Add(c, L{"vchConnectionString"}, Chars(255));
        Add(c, L{"vchSourcePath"}, Chars(254));
        Add(c, L{"vchTable"}, Chars(255));
        Add(c, L{"iDriverID", "iImportType"}, Integer);
        Add(c, L{"vchUserName", "vchPassword"}, Chars(30));
    }
    {
        auto& c = table(QStringLiteral("ImportTemplateColumnMap"));
        Add(c, L{"iTemplateID"}, Integer);
        Add(c, L{"vchSrcName", "vchDestName"}, Chars(254));
    }
    {
        auto& c = table(QStringLiteral("ExportTemplate"));
        Add(c, L{"iExportTemplateID"}, AutoKey);
        Add(c, L{"vchName"}, Chars(100));
        Add(c, L{"vchDescription"}, Chars(200));
        Add(c, L{"vchConnectionString"}, Chars(255));
        Add(c, L{"vchDestinationPath"}, Chars(200));
        Add(c, L{"vchTableName"}, Chars(30));
        Add(c, L{"iDriverID", "iExportType"}, Integer);
        Add(c, L{"vchUserName", "vchPassword"}, Chars(30));
    }
    {
        auto& c = table(QStringLiteral("ExportTemplateColumnMap"));
        Add(c, L{"iTemplateID"}, Integer);
        Add(c, L{"vchSrcName", "vchDestName"}, Chars(254));
    }
    {
        auto& c = table(QStringLiteral("UploadFile"));
        Add(c, L{"ID"}, Integer);
        Add(c, L{"vchName"}, Chars(254));
    }
    // Tables every store has had from the start and no upgrade step touches.
    {
        auto& c = table(QStringLiteral("CustomerGroupsMM"));
        Add(c, L{"CustomerID", "EmailGroupID"}, Integer);
    }
    {
        auto& c = table(QStringLiteral("Promotions"));
        Add(c, L{"PromotionID", "PromotionType", "PurchaseMoreThanItems"}, Integer);
        Add(c, L{"PromotionName", "PromotionDescription"}, Text);
        Add(c, L{"Active"}, Boolean);
        Add(c, L{"Percentage"}, Float);
        Add(c, L{"SpendMoreThanAmount", "Amount"}, Money);
        Add(c, L{"ExpiryDate"}, Timestamp);
    }
    {
        auto& c = table(QStringLiteral("FTPSites"));
        Add(c, L{"FTPSiteID"}, Integer);
        Add(c, L{"FTPSiteName"}, Chars(80));
        Add(c, L{"Host", "InitialDirectory"}, Chars(150));
        Add(c, L{"Login", "Password", "Port"}, Chars(20));
        Add(c, L{"HomePage"}, Chars(150));
        Add(c, L{"EmailAddress"}, Chars(80));
    }
    {
        auto& c = table(QStringLiteral("ProductFiles"));
        Add(c, L{"FilenameID"}, Integer);
        Add(c, L{"Filename", "Title"}, Chars(255));
        Add(c, L{"Description"}, Memo);
        Add(c, L{"DescriptionType", "FilenameImage"}, Integer);
        Add(c, L{"FileType"}, Chars(6));
        Add(c, L{"ProductID"}, Chars(50));
    }
    {
        auto& c = table(QStringLiteral("CustomFields"));
        Add(c, L{"CustomFieldID"}, Integer);
        Add(c, L{"CustomFieldName"}, Chars(30));
        Add(c, L{"CustomFieldDescription"}, Chars(100));
        Add(c, L{"MinValue", "MaxValue"}, Float);
        Add(c, L{"Required"}, Boolean);
        Add(c, L{"ValueList"}, Memo);
        Add(c, L{"DefaultValue"}, Chars(100));
        Add(c, L{"CustomFieldType"}, Chars(25));
    }
    {
        auto& c = table(QStringLiteral("ProductsCustomFieldsMM"));
        Add(c, L{"CustomFieldID"}, Integer);
        Add(c, L{"ProductID"}, Chars(50));
    }
    // The identifier tables: one row holding the last number issued.
    const QList<QPair<QString, QString>> identifierTables{
        {"CustomersGen", "CustomerID"},   {"EmailGroupsGen", "EmailGroupID"}, {"EmailTemplatesGen", "EmailTemplateID"},
        {"WorkFlowsGen", "WorkFlowID"},   {"TaxesGen", "TaxID"},              {"CategoryGen", "CategoryID"},
        {"ProductsGen", "ProductID"},     {"FTPSitesGen", "FTPSiteID"},       {"AdditionalPagesGen", "PageID"},
        {"ProductFilesGen", "ProductFileID"}, {"CustomFieldsGen", "CustomFieldID"},
    };
    for (const auto& [name, column] : identifierTables)
        Add(table(name), {column}, Integer);
    return tables;
}

// Orders whose card details still wait to be copied into their properties.
// The attach looks for them every time; a partial index over just those rows
// (normally none) keeps that look from reading every order.
const QString CardDataPending = QStringLiteral(
    "substr(CreditCardNumber, 1, 6) <> 'COPIED' AND TRIM(CreditCardNumber) <> '' AND CAST(OrderNumber AS INTEGER) > 0");

QList<TIndexDef> MakeStoreIndexes()
{
    auto unique = [](const char* name, const char* table, const char* terms) {
        return TIndexDef{QString::fromLatin1(name), QString::fromLatin1(table), QString::fromLatin1(terms), true, {}};
    };
    auto plain = [](const char* name, const char* table, const char* terms) {
        return TIndexDef{QString::fromLatin1(name), QString::fromLatin1(table), QString::fromLatin1(terms), false, {}};
    };
    return {
        // One record per identifier. Category and product identifiers are
        // numbers written as text, so "05" and "5" are the same identifier.
        unique("CustomersByID", "Customers", "CustomerID"),
        unique("EmailGroupsByID", "EmailGroups", "EmailGroupID"),
        unique("EmailTemplatesByID", "EmailTemplates", "TemplateNo"),
        unique("WorkflowByID", "Workflow", "WorkflowID"),
        unique("TaxesByID", "Taxes", "TaxID"),
        unique("CategoriesByNumber", "Categories", "CAST(CategoryID AS INTEGER)"),
        unique("ProductsByNumber", "Products", "CAST(ProductID AS INTEGER)"),
        unique("FTPSitesByID", "FTPSites", "FTPSiteID"),
        unique("AdditionalPagesByID", "AdditionalPages", "PageID"),
        unique("ProductFilesByID", "ProductFiles", "FilenameID"),
        unique("CustomFieldsByID", "CustomFields", "CustomFieldID"),
        unique("UploadFileByID", "UploadFile", "ID"),
        unique("CustomerOrdersByNumber", "CustomerOrders", "OrderNumber"),
        // Lookups by the text identifier itself (ItemByID, locate, filters).
        plain("CategoriesByID", "Categories", "CategoryID"),
        plain("ProductsByID", "Products", "ProductID"),
        // The secondary indexes the catalogue and the site generator read in.
        plain("ParentIndex", "Categories", "ParentCategory, CategoryOrder"),
        plain("ByOrder", "Products", "CategoryID, \"Order\""),
        plain("IndexByProduct", "ProductFiles", "ProductID"),
        // The rows that belong to one order, one product or one group.
        plain("CustomerOrderProductsByOrder", "CustomerOrderProducts", "OrderNumber"),
        plain("OrderPropertiesByOrder", "OrderProperties", "intOrderId"),
        plain("ProductsCustomFieldsMMByProduct", "ProductsCustomFieldsMM", "ProductID"),
        plain("CustomerGroupsMMByGroup", "CustomerGroupsMM", "EmailGroupID"),
        TIndexDef{QStringLiteral("CustomerOrdersCardDataPending"), QStringLiteral("CustomerOrders"), QStringLiteral("OrderNumber"),
                  false, CardDataPending},
    };
}

} // namespace

QString CreateTableSql(const TTableDef& def)
{
    QStringList columns;
    for (const TColumnDef& c : def.columns)
        columns.append(QuoteIdentifier(c.name) + u' ' + c.type);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QuoteIdentifier(def.name), columns.join(QStringLiteral(", ")));
}

QString CreateIndexSql(const TIndexDef& def, bool unique)
{
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)%5")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), QuoteIdentifier(def.name), QuoteIdentifier(def.table), def.terms,
             def.where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + def.where);
}

namespace {

// A column that cannot be added as it is declared (SQLite adds no key columns)
// is added as a plain integer.
QString AddableType(const QString& type)
{
    if (type.contains(QStringLiteral("PRIMARY KEY"), Qt::CaseInsensitive))
        return QStringLiteral("INTEGER");
    return type;
}

void InsertDefaultExportTemplates(TDatabase& db)
{
    TStatement insert(db, QStringLiteral("INSERT INTO ExportTemplate (vchName, vchDescription, iDriverID, iExportType) "
                                         "VALUES (?1, ?2, ?3, ?4)"));
    for (const TDefaultExportTemplate& t : DefaultExportTemplates())
        insert.Execute({QString::fromLatin1(t.name), QString::fromLatin1(t.description), t.driverID, t.exportType});
}

// The upgrade, step by step. Each step looks at the layout first, so that an
// up-to-date store is read and not written.
class TUpgrade
{
public:
    explicit TUpgrade(TDatabase& db) : m_db(db), m_schema(db) {}

    void Run()
    {
        EnsureTable(QStringLiteral("MerchantSettings"));
        EnsureTable(QStringLiteral("AdditionalPages"));
        EnsureTable(QStringLiteral("Taxes"));
        EnsureTable(QStringLiteral("CustomerOrderProducts"));
        // Older releases' index of order lines; the lines of an order are found
        // through CustomerOrderProductsByOrder instead.
        DropIndexOf(QStringLiteral("OrderNumberAsc"), QStringLiteral("CustomerOrderProducts"));
        EnsureTable(QStringLiteral("CustomerOrders"));
        EnsureTable(QStringLiteral("Customers"));
        EnsureTable(QStringLiteral("Categories"));
        TopLevelForBlankParents();
        EnsureTable(QStringLiteral("EmailGroups"));
        EnsureTable(QStringLiteral("EmailTemplates"));
        EnsureTable(QStringLiteral("FreightModeRanges"));
        EnsureTable(QStringLiteral("Products"));
        TaxNumberAsInteger();
        EnsureTable(QStringLiteral("OrderProperties"));
        MoveCardDataToOrderProperties();
        EnsureTable(QStringLiteral("PaymentMethods"));
        EnsureTable(QStringLiteral("AcceptedCard"));
        EnsureTable(QStringLiteral("AcceptedAccount"));
        EnsureTable(QStringLiteral("Workflow"));
        PurgeWorkflows();
        EnsureTable(QStringLiteral("ImportTemplate"));
        RenameImportTableColumn();
        EnsureTable(QStringLiteral("ImportTemplateColumnMap"));
        if (EnsureTable(QStringLiteral("ExportTemplate")))
            InsertDefaultExportTemplates(m_db);
        else
            ResetExportTemplatesWhenIncomplete();
        EnsureTable(QStringLiteral("ExportTemplateColumnMap"));
        EnsureTable(QStringLiteral("UploadFile"));
        // Whatever else the layout has: the catalogue's own tables, the
        // promotion, FTP sites, group links and the identifier tables.
        for (const TTableDef& def : StoreTables())
            EnsureTable(def.name);
        for (const TIndexDef& index : StoreIndexes())
            EnsureIndex(index);
    }

private:
    bool EnsureTable(const QString& name)
    {
        const TTableDef* def = StoreTable(name);
        Q_ASSERT(def);
        return TStoreSchema::EnsureTable(m_db, m_schema, *def);
    }

    void DropIndexOf(const QString& index, const QString& table)
    {
        const TSchemaSnapshot::TIndex* found = m_schema.Index(index);
        if (found && found->table.compare(table, Qt::CaseInsensitive) == 0) {
            m_db.Exec(QStringLiteral("DROP INDEX %1").arg(QuoteIdentifier(found->name)));
            m_schema.Reload();
        }
    }

    // A product's CostExTax names its tax by number. Stores of earlier layouts
    // declare it as money, where the number 2 is kept as 20000 ten-thousandths
    // and never equals Taxes.TaxID; the column is made an integer column again
    // with each stored value read back as the number it stood for. A whole
    // number that is no multiple of 10000 was written as the plain number
    // (a fraction of a cent names no tax), and is kept as it is.
    void TaxNumberAsInteger()
    {
        bool isMoney = false;
        for (const TDatabase::ColumnInfo& c : m_db.Columns(QStringLiteral("Products")))
            if (c.name.compare(QStringLiteral("CostExTax"), Qt::CaseInsensitive) == 0)
                isMoney = FieldStorage::TypeFromDeclared(c.declaredType) == TFieldType::Currency;
        if (!isMoney)
            return;
        const QString scratch = QStringLiteral("CostExTaxNumber");
        m_db.Exec(QStringLiteral("ALTER TABLE Products ADD %1 %2").arg(QuoteIdentifier(scratch), Integer));
        m_db.Exec(QStringLiteral(
                      "UPDATE Products SET %1 = CASE typeof(CostExTax) "
                      "WHEN 'integer' THEN CASE WHEN CostExTax % 10000 = 0 THEN CostExTax / 10000 ELSE CostExTax END "
                      "WHEN 'real' THEN CAST(ROUND(CostExTax) AS INTEGER) "
                      "WHEN 'text' THEN CASE WHEN TRIM(CostExTax) = '' THEN NULL "
                      "ELSE CAST(ROUND(CAST(TRIM(CostExTax) AS REAL)) AS INTEGER) END "
                      "ELSE NULL END")
                      .arg(QuoteIdentifier(scratch)));
        // An index of an earlier release over the column would stop it from being dropped.
        QStringList indexes;
        {
            TStatement s(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Products' "
                                              "COLLATE NOCASE AND sql LIKE '%CostExTax%'"));
            while (s.Step())
                indexes.append(s.Value(0).toString());
        }
        for (const QString& index : std::as_const(indexes))
            m_db.Exec(QStringLiteral("DROP INDEX %1").arg(QuoteIdentifier(index)));
        DropColumn(m_db, QStringLiteral("Products"), QStringLiteral("CostExTax"));
        m_db.Exec(QStringLiteral("ALTER TABLE Products RENAME COLUMN %1 TO CostExTax").arg(QuoteIdentifier(scratch)));
        m_db.TouchAll();
        m_schema.Reload();
    }

    // An empty parent, whether blank text or missing, means a top-level category.
    void TopLevelForBlankParents()
    {
        m_db.Exec(QStringLiteral("UPDATE Categories SET ParentCategory = ?1 WHERE ParentCategory IS NULL OR TRIM(ParentCategory) = ''"),
                  {QStringLiteral("0")});
    }

    // Older releases kept the card details in the order itself. Each order with
    // a card number and a positive number gets its four card properties once;
    // its card number is then marked so that the next attach leaves it alone.
    void MoveCardDataToOrderProperties()
    {
        const QString& pending = CardDataPending;
        if (m_db.Scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM CustomerOrders WHERE ") + pending + u')').toLongLong() == 0)
            return;
        const QList<QPair<QString, QString>> properties{
            {QStringLiteral("Credit Card"), QStringLiteral("CreditCardNumber")},
            {QStringLiteral("Expiry Date"), QStringLiteral("CreditCardExpiry")},
            {QStringLiteral("Name On Card"), QStringLiteral("NameOnCreditCard")},
            {QStringLiteral("Card Type"), QStringLiteral("CreditCardType")},
        };
        for (const auto& [key, column] : properties)
            m_db.Exec(QStringLiteral("INSERT INTO OrderProperties (intOrderId, vchKey, vchValue) "
                                     "SELECT CAST(OrderNumber AS INTEGER), ?1, %1 FROM CustomerOrders WHERE %2 ORDER BY rowid")
                          .arg(column, pending),
                      {key});
        m_db.Exec(QStringLiteral("UPDATE CustomerOrders SET CreditCardNumber = ?1 || CreditCardNumber WHERE ") + pending,
                  {QStringLiteral("COPIED")});
    }

    // The program makes workflow rules of mode 0 with one of the four actions;
    // rules of any other mode, or without a known action, are left-overs of
    // older releases.
    void PurgeWorkflows()
    {
        m_db.Exec(QStringLiteral("DELETE FROM Workflow WHERE Mode IS NULL OR Mode <> 0 OR Action IS NULL OR Action < 1 OR Action > 4"));
    }

    // Older import templates named the source table in vchTableName.
    void RenameImportTableColumn()
    {
        if (!m_schema.HasColumn(QStringLiteral("ImportTemplate"), QStringLiteral("vchTableName")))
            return;
        m_db.Exec(QStringLiteral("UPDATE ImportTemplate SET vchTable = vchTableName WHERE vchTable IS NULL OR TRIM(vchTable) = ''"));
        DropColumn(m_db, QStringLiteral("ImportTemplate"), QStringLiteral("vchTableName"));
        m_schema.Reload();
    }

    // A store of an older release holds fewer export templates than the program
    // offers: the table is refilled with the defaults. Column maps follow their
    // template to its new row (same name, else same driver and type); maps of
    // a template that has no counterpart go with it.
    void ResetExportTemplatesWhenIncomplete()
    {
        if (m_db.Scalar(QStringLiteral("SELECT COUNT(*) FROM ExportTemplate")).toLongLong() >= DefaultExportTemplates().size())
            return;
        struct Row {
            qint64 id;
            QString name;
            QVariant driver, type;
        };
        auto readTemplates = [this] {
            QList<Row> rows;
            TStatement s(m_db, QStringLiteral("SELECT iExportTemplateID, vchName, iDriverID, iExportType FROM ExportTemplate ORDER BY rowid"));
            while (s.Step())
                rows.append({s.Int64(0), s.Value(1).toString().trimmed(), s.Value(2), s.Value(3)});
            return rows;
        };
        const QList<Row> before = readTemplates();
        m_db.Exec(QStringLiteral("DELETE FROM ExportTemplate"));
        InsertDefaultExportTemplates(m_db);
        if (!m_schema.HasTable(QStringLiteral("ExportTemplateColumnMap")))
            return;
        const QList<Row> after = readTemplates();
        QHash<qint64, qint64> moved;
        for (const Row& old : before) {
            const Row* match = nullptr;
            for (const Row& n : after)
                if (n.name.compare(old.name, Qt::CaseInsensitive) == 0) {
                    match = &n;
                    break;
                }
            if (!match) {
                for (const Row& n : after)
                    if (!old.driver.isNull() && n.driver.toLongLong() == old.driver.toLongLong()
                        && !old.type.isNull() && n.type.toLongLong() == old.type.toLongLong()) {
                        match = &n;
                        break;
                    }
            }
            if (match)
                moved.insert(old.id, match->id);
        }
        QList<QPair<qint64, QVariant>> maps; // rowid, template
        {
            TStatement s(m_db, QStringLiteral("SELECT rowid, iTemplateID FROM ExportTemplateColumnMap"));
            while (s.Step())
                maps.append({s.Int64(0), s.Value(1)});
        }
        TStatement repoint(m_db, QStringLiteral("UPDATE ExportTemplateColumnMap SET iTemplateID = ?1 WHERE rowid = ?2"));
        TStatement remove(m_db, QStringLiteral("DELETE FROM ExportTemplateColumnMap WHERE rowid = ?1"));
        for (const auto& [rowid, templateId] : maps) {
            const auto it = templateId.isNull() ? moved.constEnd() : moved.constFind(templateId.toLongLong());
            if (it == moved.constEnd())
                remove.Execute({rowid});
            else if (it.value() != templateId.toLongLong())
                repoint.Execute({it.value(), rowid});
        }
        m_db.TouchAll();
    }

    void EnsureIndex(const TIndexDef& def)
    {
        TStoreSchema::EnsureIndex(m_db, m_schema, def);
    }

    TDatabase& m_db;
    TSchemaSnapshot m_schema;
};

} // namespace

const QList<TTableDef>& StoreTables()
{
    static const QList<TTableDef> tables = MakeStoreTables();
    return tables;
}

const TTableDef* StoreTable(const QString& name)
{
    for (const TTableDef& t : StoreTables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const QList<TIndexDef>& StoreIndexes()
{
    static const QList<TIndexDef> indexes = MakeStoreIndexes();
    return indexes;
}

const QList<TDefaultExportTemplate>& DefaultExportTemplates()
{
    static const QList<TDefaultExportTemplate> templates{
        {"Products CSV Export", "Export Products to CSV File", 1, 1},
        {"Customers CSV Export", "Export Customers to CSV File", 1, 2},
        {"Categories CSV Export", "Export Categories to CSV File", 1, 4},
        {"Orders CSV Export", "Export Orders to CSV File", 1, 3},
        {"MYOB Products Export", "Export Products to MYOB Compatible File", 2, 1},
        {"MYOB Customers Export", "Export Customers to MYOB Compatible File", 2, 2},
        {"MYOB Orders Export", "Export Orders to MYOB Compatible File", 2, 3},
    };
    return templates;
}

void CreateCurrentSchema(TDatabase& db)
{
    TTransaction transaction(db);
    for (const TTableDef& def : StoreTables())
        db.Exec(CreateTableSql(def));
    for (const TIndexDef& index : StoreIndexes())
        db.Exec(CreateIndexSql(index, index.unique));
    transaction.Commit();
}

void CreateNewStore(const QString& fileName)
{
    if (QFileInfo::exists(fileName))
        throw EQuorvisError(LangStr(5012).arg(fileName));
    // Built under a temporary name and renamed when complete, so that a failure
    // leaves no half-made store behind.
    const QString partial = fileName + QStringLiteral(".partial");
    auto removePartial = [&partial] {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(partial + QLatin1StringView(suffix));
    };
    removePartial();
    try {
        auto db = TDatabase::Open(partial, TDatabase::OpenMode::CreateIfMissing);
        TTransaction transaction(*db);
        CreateCurrentSchema(*db);
        db->Exec(QStringLiteral("INSERT INTO MerchantSettings (MerchantID, LanguageID, SecureServerActive, ServerUpdated) "
                                "VALUES (0, ?1, ?2, ?3)"),
                 {3081, true, false});
        db->Exec(QStringLiteral("INSERT INTO Taxes (TaxID, TaxName, TaxPercentage, International) VALUES (0, ?1, 0, 0)"),
                 {QStringLiteral("No Tax")});
        InsertDefaultExportTemplates(*db);
        db->Exec(QStringLiteral("INSERT INTO Promotions (PromotionID, Active) VALUES (1, ?1)"), {false});
        transaction.Commit();
    } catch (...) {
        removePartial();
        throw;
    }
    if (!QFile::rename(partial, fileName)) {
        removePartial();
        throw EQuorvisError(LangStr(5013).arg(fileName));
    }
}

void Upgrade(TDatabase& db)
{
    TTransaction transaction(db);
    TUpgrade(db).Run();
    transaction.Commit();
}

bool EnsureTable(TDatabase& db, TSchemaSnapshot& schema, const TTableDef& def)
{
    if (!schema.HasTable(def.name)) {
        db.Exec(CreateTableSql(def));
        schema.Reload();
        return true;
    }
    for (const TColumnDef& c : def.columns) {
        if (schema.HasColumn(def.name, c.name))
            continue;
        db.Exec(QStringLiteral("ALTER TABLE %1 ADD %2 %3").arg(QuoteIdentifier(def.name), QuoteIdentifier(c.name), AddableType(c.type)));
        if (c.fillWhenAdded.isValid())
            db.Exec(QStringLiteral("UPDATE %1 SET %2 = ?1").arg(QuoteIdentifier(def.name), QuoteIdentifier(c.name)), {c.fillWhenAdded});
        schema.AddColumn(def.name, c.name);
    }
    return false;
}

// Identifier indexes are unique. A store that already holds the same
// identifier twice keeps a plain index instead, so that it still opens; the
// index becomes unique at the first attach after the duplicates are gone.
void EnsureIndex(TDatabase& db, TSchemaSnapshot& schema, const TIndexDef& def)
{
    auto hasDuplicates = [&db, &def] {
        return db.Scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1 WHERE (%2) IS NOT NULL GROUP BY %2 HAVING COUNT(*) > 1)")
                             .arg(QuoteIdentifier(def.table), def.terms))
                   .toLongLong()
            != 0;
    };
    const TSchemaSnapshot::TIndex* existing = schema.Index(def.name);
    if (existing) {
        // An index of the same name on another table is someone else's.
        if (existing->table.compare(def.table, Qt::CaseInsensitive) != 0 || !def.unique || existing->unique)
            return;
        if (hasDuplicates())
            return;
        db.Exec(QStringLiteral("DROP INDEX %1").arg(QuoteIdentifier(existing->name)));
        db.Exec(CreateIndexSql(def, true));
        schema.Reload();
        return;
    }
    db.Exec(CreateIndexSql(def, def.unique && !hasDuplicates()));
    schema.Reload();
}

bool AddColumn(TDatabase& db, const QString& table, const QString& columnType, const QString& column)
{
    if (db.HasColumn(table, column))
        return false;
    db.Exec(QStringLiteral("ALTER TABLE %1 ADD %2 %3").arg(QuoteIdentifier(table), QuoteIdentifier(column), AddableType(columnType)));
    return true;
}

bool DropColumn(TDatabase& db, const QString& table, const QString& column)
{
    for (const TDatabase::ColumnInfo& c : db.Columns(table)) {
        if (c.name.compare(column, Qt::CaseInsensitive) == 0) {
            db.Exec(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(QuoteIdentifier(table), QuoteIdentifier(c.name)));
            return true;
        }
    }
    return false;
}

} // namespace TStoreSchema

// Brings an attached store to the current layout. Runs inside one transaction,
// so that a failure leaves the store exactly as it was.
void TApp::UpgradeAll()
{
    TTransaction transaction(*m_database);
    TStoreSchema::Upgrade(*m_database);
    transaction.Commit();
}
