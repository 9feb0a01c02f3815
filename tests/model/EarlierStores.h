#pragma once

// Stores shaped like those of earlier releases, written with plain SQL in the
// types those releases declared, and helpers to compare a store file before and
// after something touched it.

#include "TDatabase.h"

#include <QFile>
#include <QStringList>

namespace EarlierStores {

// The oldest layout: the base tables of the template with none of the columns
// or tables later releases added, card data still kept in the orders.
inline QStringList FirstRelease()
{
    return {
        "CREATE TABLE MerchantSettings (MerchantID int, MerchantName varchar(255), ContactName varchar(255), "
        "Address varchar(255), MerchantCity varchar(255), MerchantZipCode varchar(255), Phone varchar(255), "
        "EmailAddress varchar(255), MainURL varchar(255), BriefMerchantDesc varchar(255), DetailedMercDesc varchar(255), "
        "KeywordsMetatags varchar(255), Disclaimer varchar(255), MerchantLogoLocation varchar(255), DefaultCurrency int, "
        "DefaultFreightMode int, InitialFreightCharge money, InitialInterstateFreight money, InitialOverseasFreight money)",
        "INSERT INTO MerchantSettings (MerchantID, MerchantName, InitialFreightCharge) VALUES (77, 'Rosehill Nursery', 125000)",
        "CREATE TABLE AdditionalPages (PageID int, PageTitle varchar(150), Description BLOB(240, 1), DescriptionType int, "
        "IncludeInNavigationBar BOOLEAN, IsHomePage BOOLEAN, OrderPosition int)",
        "INSERT INTO AdditionalPages (PageID, PageTitle) VALUES (1, 'About us')",
        "CREATE TABLE Taxes (TaxID int, TaxName varchar(255), TaxPercentage FLOAT)",
        "INSERT INTO Taxes VALUES (0, 'No Tax', 0), (1, 'GST', 10)",
        "CREATE TABLE CustomerOrderProducts (OrderNumber varchar(255), Product varchar(255), ProductCode varchar(255), "
        "Quantity int, UnitPrice money, UnitPriceExTax money, IncTaxPrice money, CustomFields varchar(255))",
        "CREATE INDEX OrderNumberAsc ON CustomerOrderProducts (OrderNumber)",
        "INSERT INTO CustomerOrderProducts (OrderNumber, Product, Quantity) VALUES ('12', 'Red rose', 3)",
        "CREATE TABLE CustomerOrders (OrderNumber varchar(255), CustomerName varchar(255), CustomerAddress1 varchar(255), "
        "CustomerAddress2 varchar(255), City varchar(255), Province varchar(255), PostCode varchar(255), "
        "Country varchar(255), PhoneNumber varchar(255), CustomerEmail varchar(255), Instructions varchar(255), "
        "DateAndTime timestamp, SubTotal money, Freight money, Total money, CreditCardNumber varchar(255), "
        "CreditCardExpiry varchar(255), NameOnCreditCard varchar(255), CreditCardType varchar(255))",
        "INSERT INTO CustomerOrders (OrderNumber, CustomerName, CreditCardNumber, CreditCardExpiry, NameOnCreditCard, CreditCardType) "
        "VALUES ('12', 'Ann Lee', '4111111111111111', '09/27', 'A LEE', 'Visa'), "
        "('0', 'Test order', '5500000000000004', '01/26', 'T EST', 'MasterCard'), "
        "('13', 'Bob Ray', '', '02/26', 'B RAY', 'Visa'), "
        "('14', 'Cy Dee', NULL, NULL, NULL, NULL)",
        "CREATE TABLE Customers (CustomerID int, CustomerName varchar(255), EmailAddress varchar(255), Address1 varchar(255), "
        "Address2 varchar(255), City varchar(255), ProvinceState varchar(255), PostCode varchar(255), Country varchar(255), "
        "PhoneNumber varchar(255), FaxNumber varchar(255), MobileNumber varchar(255), WebPage varchar(255), "
        "Comments BLOB(240, 1), ServerID int)",
        "INSERT INTO Customers (CustomerID, CustomerName) VALUES (1, 'Ann Lee'), (2, 'Bob Ray')",
        "CREATE TABLE Categories (CategoryID varchar(50), CategoryName varchar(80), CategoryDescription BLOB(240, 1), "
        "CategoryOrder int, ParentCategory varchar(50), CategoryImageFile varchar(250), CategoryImageOverText varchar(250), "
        "CategoryGroup int, ThemeID int)",
        "CREATE INDEX ParentIndex ON Categories (ParentCategory)",
        "INSERT INTO Categories (CategoryID, CategoryName, ParentCategory) VALUES ('1', 'Roses', ''), ('2', 'Lilies', NULL), "
        "('3', 'Climbers', '1'), ('4', 'Bulbs', '0')",
        "CREATE TABLE EmailGroups (EmailGroupID int, EmailGroupName varchar(255), ParentGroupID int)",
        "CREATE TABLE EmailTemplates (TemplateNo int, TemplateName varchar(255), TemplateSubject varchar(255), Content BLOB(240, 1))",
        "CREATE TABLE FreightModeRanges (ModeType int, Minimum FLOAT, Maximum FLOAT, MinWeight FLOAT, MaxWeight FLOAT, "
        "AmountLocal money, AmountInterstate money, AmountInternational money, WeightLocal money, WeightInterstate money, "
        "WeightInternational money, PercentageLocal FLOAT, PercentageInterstate FLOAT, PercentageInternational FLOAT)",
        "CREATE TABLE Products (ProductID varchar(50), CategoryID varchar(50), ProductName varchar(250), ProductCode varchar(20), "
        "Cost money, CostExTax money, ShortDescription BLOB(240, 1), LongDescription BLOB(240, 1), ShortDescriptionMode int, "
        "LongDescriptionMode int, Service BOOLEAN, Backorderable BOOLEAN, Enabled BOOLEAN, UseColor BOOLEAN, UseSize BOOLEAN, "
        "FreightMode int, PerUnitWeight FLOAT, Inventory FLOAT, PerUnitShippingCharge1 money, PerUnitShippingCharge2 money, "
        "PerUnitShippingCharge3 money, ProductColor BLOB(240, 1), ProductSize BLOB(240, 1), ImageFile varchar(255), "
        "ImageOverText varchar(255))",
        "INSERT INTO Products (ProductID, CategoryID, ProductName, Cost) VALUES ('1', '1', 'Red rose', 45000), ('2', '3', 'Wisteria', 199500)",
        "CREATE TABLE ProductFiles (FilenameID int, Filename varchar(255), Title varchar(255), Description BLOB(240, 1), "
        "DescriptionType int, FilenameImage int, FileType varchar(6), ProductID varchar(50))",
        "CREATE TABLE CustomFields (CustomFieldID int, CustomFieldName varchar(30), CustomFieldDescription varchar(100), "
        "MinValue FLOAT, MaxValue FLOAT, Required BOOLEAN, ValueList BLOB(240, 1), DefaultValue varchar(100), "
        "CustomFieldType varchar(25))",
        "CREATE TABLE ProductsCustomFieldsMM (CustomFieldID int, ProductID varchar(50))",
        "CREATE TABLE FTPSites (FTPSiteID int, FTPSiteName varchar(80), Host varchar(150), InitialDirectory varchar(150), "
        "Login varchar(20), Password varchar(20), Port varchar(20), HomePage varchar(150), EmailAddress varchar(80))",
        "CREATE TABLE Workflow (WorkflowID int, Name varchar(255), Description varchar(255), Subject varchar(255), "
        "WhoEmail varchar(255), WebPage varchar(255), Message BLOB(240, 1), Action int, Mode int, Who int)",
        "INSERT INTO Workflow (WorkflowID, Name, Action, Mode) VALUES (1, 'Receipt', 2, 0), (2, 'Old mode', 2, 1), "
        "(3, 'Old action', 5, 0), (4, 'No mode', 1, NULL), (5, 'No action', NULL, 0), (6, 'Notify', 4, 0)",
        "CREATE TABLE Promotions (PromotionID int, PromotionType int, PurchaseMoreThanItems int, PromotionName varchar(255), "
        "PromotionDescription varchar(255), Active BOOLEAN, Percentage FLOAT, SpendMoreThanAmount money, Amount money, "
        "ExpiryDate timestamp)",
        "CREATE TABLE CustomerGroupsMM (CustomerID int, EmailGroupID int)",
        "CREATE TABLE CustomersGen (CustomerID int)",
        "CREATE TABLE EmailGroupsGen (EmailGroupID int)",
        "CREATE TABLE EmailTemplatesGen (EmailTemplateID int)",
        "CREATE TABLE WorkFlowsGen (WorkFlowID int)",
        "CREATE TABLE TaxesGen (TaxID int)",
        "CREATE TABLE CategoryGen (CategoryID int)",
        "CREATE TABLE ProductsGen (ProductID int)",
        "CREATE TABLE FTPSitesGen (FTPSiteID int)",
        "CREATE TABLE AdditionalPagesGen (PageID int)",
        "CREATE TABLE ProductFilesGen (ProductFileID int)",
        "CREATE TABLE CustomFieldsGen (CustomFieldID int)",
    };
}

// A later release: some merchant columns, order properties with one order's
// card data already copied, payment methods without the gateway columns, import
// templates that still name their table in vchTableName, and the six export
// templates of that release with column maps.
inline QStringList LaterRelease()
{
    QStringList statements = FirstRelease();
    statements += {
        "ALTER TABLE MerchantSettings ADD LanguageID int",
        "ALTER TABLE MerchantSettings ADD SecureServerActive BOOLEAN",
        "ALTER TABLE MerchantSettings ADD Fax varchar(32)",
        "UPDATE MerchantSettings SET LanguageID = 1028, SecureServerActive = 0",
        "ALTER TABLE Categories ADD BriefStyle varchar(50)",
        "UPDATE CustomerOrders SET CreditCardNumber = 'COPIED' || CreditCardNumber WHERE OrderNumber = '12'",
        "CREATE TABLE OrderProperties (intOrderId int, vchKey varchar(100), vchValue varchar(100))",
        "INSERT INTO OrderProperties VALUES (12, 'Credit Card', '4111111111111111'), (12, 'Expiry Date', '09/27'), "
        "(12, 'Name On Card', 'A LEE'), (12, 'Card Type', 'Visa')",
        "CREATE TABLE PaymentMethods (Method int, Instruction varchar(255), IsActive BOOLEAN)",
        "INSERT INTO PaymentMethods VALUES (4, 'Cheques payable to Rosehill', 1)",
        "CREATE TABLE AcceptedCard (CardName varchar(100))",
        "CREATE TABLE ImportTemplate (iImportTemplateID INTEGER PRIMARY KEY AUTOINCREMENT, vchName varchar(100), "
        "vchDescription varchar(200), vchConnectionString varchar(255), vchSourcePath varchar(200), vchTableName varchar(30))",
        "INSERT INTO ImportTemplate (vchName, vchSourcePath, vchTableName) VALUES ('Stock list', '/home/shop/stock.csv', 'stock#csv'), "
        "('Price list', '/home/shop/prices.xls', 'Sheet1$')",
        "CREATE TABLE ImportTemplateColumnMap (iTemplateID INTEGER, vchSrcName varchar(254), vchDestName varchar(254))",
        "CREATE TABLE ExportTemplate (iExportTemplateID INTEGER PRIMARY KEY AUTOINCREMENT, vchName varchar(100), "
        "vchDescription varchar(200), vchConnectionString varchar(255), vchDestinationPath varchar(200), "
        "vchTableName varchar(30), iDriverID INTEGER, iExportType INTEGER, vchUserName varchar(30), vchPassword varchar(30))",
        "INSERT INTO ExportTemplate (vchName, vchDescription, iDriverID, iExportType) VALUES "
        "('Products CSV Export', 'Export Products to CSV File', 1, 1), "
        "('Customers CSV Export', 'Export Customers to CSV File', 1, 2), "
        "('Orders CSV Export', 'Export Orders to CSV File', 1, 3), "
        "('MYOB Products Export', 'Export Products to MYOB Compatible File', 2, 1), "
        "('MYOB Customers Export', 'Export Customers to MYOB Compatible File', 2, 2), "
        "('Old orders export', 'Made by hand', 7, 9)",
        "CREATE TABLE ExportTemplateColumnMap (iTemplateID INTEGER, vchSrcName varchar(254), vchDestName varchar(254))",
        // Maps of "Orders CSV Export" (3), of the hand-made template (6) and of a template long gone (40).
        "INSERT INTO ExportTemplateColumnMap VALUES (3, 'ID', 'Order number'), (3, 'Total', 'Total'), "
        "(6, 'ID', 'Number'), (40, 'Name', 'Name')",
    };
    return statements;
}

// Every schema object and every row, in a stable order, for comparing a store
// before and after.
inline QString Dump(const QString& storeFile)
{
    auto db = TDatabase::Open(storeFile, TDatabase::OpenMode::OpenExisting);
    QStringList out;
    QStringList tables;
    {
        TStatement s(*db, QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY type, name"));
        while (s.Step()) {
            out.append(s.Value(0).toString() + u' ' + s.Value(1).toString() + u' ' + s.Value(2).toString());
            if (s.Value(0).toString() == QLatin1StringView("table"))
                tables.append(s.Value(1).toString());
        }
    }
    for (const QString& table : tables) {
        TStatement s(*db, QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
        while (s.Step()) {
            QStringList row;
            for (int c = 0; c < s.ColumnCount(); ++c) {
                const QVariant v = s.Value(c);
                row.append(v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + u':' + v.toString());
            }
            out.append(table + QStringLiteral(": ") + row.join(u'|'));
        }
    }
    return out.join(u'\n');
}

inline QByteArray FileBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace EarlierStores
