#include "TSampleStore.h"

#include "EQuorvisError.h"
#include "TAcceptedAccount.h"
#include "TAcceptedAccounts.h"
#include "TAcceptedCard.h"
#include "TAcceptedCards.h"
#include "TAdditionalPage.h"
#include "TAdditionalPages.h"
#include "TApp.h"
#include "TCategories.h"
#include "TCustomField.h"
#include "TCustomFields.h"
#include "TFreightRanges.h"
#include "TMerchant.h"
#include "TPaymentMethod.h"
#include "TPaymentMethodCodes.h"
#include "TPaymentMethods.h"
#include "TProduct.h"
#include "TProductCustomFields.h"
#include "TProductFile.h"
#include "TProductFiles.h"
#include "TProducts.h"
#include "TPromotion.h"
#include "TTax.h"
#include "TTaxes.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QTime>

namespace {

using namespace TSampleContent;

// Freight mode 1: charges by order amount.
constexpr quint32 FreightByAmount = 1;
// Common database codes: Australia, Tasmania, the Australian dollar.
constexpr int Australia = 36;
constexpr int Tasmania = 3606;
constexpr int AustralianDollar = 36;
constexpr double GstRate = 10.0;

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

TMoney Money(int cents)
{
    return TMoney::FromUnits(qint64(cents) * 100);
}

// Shelf prices include GST; the stored price is without it, to the nearest
// ten-thousandth, so that the site shows the shelf price again once it adds
// the tax.
TMoney PriceWithoutTax(int cents, bool taxFree)
{
    if (taxFree)
        return Money(cents);
    const qint64 units = qint64(cents) * 100;
    return TMoney::FromUnits((units * 100 + (100 + qint64(GstRate)) / 2) / (100 + qint64(GstRate)));
}

void FillMerchant(TApp& app)
{
    TRef<TMerchant> merchant = app.Merchant();
    merchant->SetName(QStringLiteral("Flowers Tolvane"));
    merchant->SetContactName(QStringLiteral("Maren Ashcombe"));
    merchant->SetAddress(QStringLiteral("27 Marigold Street"));
    merchant->SetCity(QStringLiteral("Tolvane"));
    merchant->SetPostcode(QStringLiteral("7316"));
    merchant->SetStateID(Tasmania);
    merchant->SetCountryID(Australia);
    merchant->SetCurrencyID(AustralianDollar);
    merchant->SetLanguageID(3081);
    merchant->SetPhone(QStringLiteral("(03) 6555 0142"));
    merchant->SetFax(QStringLiteral("(03) 6555 0143"));
    merchant->SetEmailAddress(QStringLiteral("orders@flowers-tolvane.example"));
    merchant->SetWebPage(QStringLiteral("https://www.flowers-tolvane.example/"));
    merchant->SetBriefDescription(QStringLiteral(
        "Fresh flowers, plants and gifts, arranged by hand in Tolvane and delivered across Tasmania."));
    merchant->SetDescription(QStringLiteral(
        "<p>Flowers Tolvane is an independent florist on Marigold Street, Tolvane, making bouquets, wedding "
        "flowers and plant gifts since 1998.</p>"
        "<p>We buy from Tasmanian growers first, make every bouquet on the day it is delivered, and deliver "
        "across the state six days a week. Plants, vases, gifts and vouchers travel further: to the rest of "
        "Australia and overseas.</p>"));
    merchant->SetKeywordsMetaTags(QStringLiteral(
        "florist, flowers, flower delivery, Tolvane, Tasmania, roses, bouquets, wedding flowers, indoor plants, "
        "gifts, gift vouchers"));
    merchant->SetDisclaimer(QStringLiteral(
        "<p>Flowers are natural products: colours, sizes and varieties change with the season. When a flower "
        "is not available we replace it with one of the same style and of equal or greater value. Pictures "
        "show a typical arrangement. Prices are in Australian dollars and include GST.</p>"));
    merchant->SetAdditionalInstruction(QStringLiteral("Delivery instructions and card wording"));
    merchant->SetActive(true);
    merchant->SetAcceptLocalOrders(true);
    merchant->SetAcceptDomesticOrders(true);
    merchant->SetAcceptInternationalOrders(true);
    merchant->SetFreightMode(int(FreightByAmount));
    merchant->SetInitialLocalFreight(TMoney());
    merchant->SetInitialDomesticFreight(TMoney());
    merchant->SetInitialInternationalFreight(TMoney());
    merchant->SetTaxOnFreightDomestic(GstRate);
    merchant->SetTaxOnFreightInternational(0.0);
    merchant->SetShowPriceExTax(false);
    merchant->SetShowPriceIncTax(true);
    merchant->SetShowTaxAmount(true);
    merchant->SetShowTaxPercent(false);
    merchant->SetServerUpdated(false);
    merchant->SetBGColor(TMerchant::BGColorText(0xFF, 0xF8, 0xF5));
    merchant->SetTitleColor(TMerchant::CartColorText(0x8A, 0x1C, 0x3C));
    merchant->SetTitleFontColor(TMerchant::CartColorText(0xFF, 0xFF, 0xFF));
    merchant->SetCellColor(TMerchant::CartColorText(0xFD, 0xF3, 0xF5));
    merchant->SetCellFontCOlor(TMerchant::CartColorText(0x3A, 0x2A, 0x2E));
    merchant->SetCartTitleText(QStringLiteral("<b>Your Flowers Tolvane basket</b>"));
    merchant->SetBriefDescInSearch(true);
    // Settings the site build reads that have no published property.
    merchant->BeginEdit();
    merchant->Field(QStringLiteral("MerchantLogoLocation")).SetValue(TSampleStore::StoredLogo());
    merchant->Field(QStringLiteral("CreateDetPg")).SetValue(true);
    merchant->Field(QStringLiteral("CreateSearch")).SetValue(true);
    merchant->Field(QStringLiteral("ShowQty")).SetValue(true);
    merchant->Field(QStringLiteral("IntPriceInCat")).SetValue(false);
    merchant->Save();
}

quint32 AddGst(TApp& app)
{
    TRef<TTax> gst = app.Taxes()->Add();
    gst->SetName(QStringLiteral("GST"));
    gst->SetDomesticRate(GstRate);
    // Exports are free of GST.
    gst->SetInternationalRate(0.0);
    gst->Save();
    return gst->ID();
}

QHash<QString, qint64> AddCategories(TApp& app)
{
    QHash<QString, qint64> ids;
    QHash<QString, int> siblings;
    TRef<TCategories> categories = app.Categories();
    for (const TCategoryEntry& entry : Categories()) {
        const QString parent = entry.parent ? Text(entry.parent) : QString();
        TRef<TCategory> category = categories->NewCategory();
        category->SetName(Text(entry.name));
        category->SetDescription(Text(entry.description));
        category->SetParentID(parent.isEmpty() ? 0 : ids.value(parent));
        category->SetOrder(++siblings[parent]);
        category->SetStatus(0);
        category->Save();
        ids.insert(Text(entry.key), category->ID());
    }
    return ids;
}

QHash<unsigned, qint64> AddCustomFields(TApp& app)
{
    QHash<unsigned, qint64> ids;
    TRef<TCustomFields> fields = app.CustomFields();
    for (const TCustomFieldEntry& entry : CustomFields()) {
        TRef<TCustomField> field = fields->NewCustomField();
        field->SetName(Text(entry.name));
        field->SetDescription(Text(entry.description));
        field->SetFieldType(Text(entry.type));
        field->SetMinValue(entry.minValue);
        field->SetMaxValue(entry.maxValue);
        field->SetRequired(false);
        field->SetDefaultValue(Text(entry.defaultValue));
        field->SetValueList(Text(entry.values));
        field->Save();
        ids.insert(entry.option, field->ID());
    }
    return ids;
}

const TGuideEntry* Guide(const char* key)
{
    for (const TGuideEntry& guide : Guides())
        if (key && qstrcmp(guide.key, key) == 0)
            return &guide;
    return nullptr;
}

void AddProducts(TApp& app, const QHash<QString, qint64>& categories, const QHash<unsigned, qint64>& fields, quint32 gst)
{
    TRef<TProducts> products = app.Products();
    TRef<TProductCustomFields> links(new TProductCustomFields(app.OpenSharedTable(QStringLiteral("ProductsCustomFieldsMM"))));
    QHash<QString, int> positions;
    for (const TProductEntry& entry : Products()) {
        const QString category = Text(entry.category);
        if (!categories.contains(category))
            throw EQuorvisError(QStringLiteral("The product %1 names an unknown category %2").arg(Text(entry.code), category));
        TRef<TProduct> product = products->NewProduct();
        product->SetCategoryID(categories.value(category));
        product->SetName(Text(entry.name));
        product->SetCode(Text(entry.code));
        product->SetCost(PriceWithoutTax(entry.price, entry.taxFree));
        product->SetShortDescription(Text(entry.brief));
        product->SetLongDescription(Text(entry.detail));
        product->SetPerUnitWeight(entry.weight);
        product->SetUseColor(false);
        product->SetUseSize(false);
        product->SetEnabled(entry.enabled);
        product->SetDetPage(true);
        product->SetLargeImage(TSampleStore::StoredPath(TSampleStore::PictureFile(entry, true)));
        product->SetThumbnail(TSampleStore::StoredPath(TSampleStore::PictureFile(entry, false)));
        // A product names its tax by number; "No Tax" is number 0.
        product->Field(QStringLiteral("CostExTax")).SetValue(qint64(entry.taxFree ? 0 : gst));
        product->Field(QStringLiteral("Order")).SetValue(++positions[category]);
        product->Field(QStringLiteral("Service")).SetValue(false);
        product->Field(QStringLiteral("Backorderable")).SetValue(false);
        product->Save();

        for (const TCustomFieldEntry& field : CustomFields())
            if (entry.options & field.option)
                links->Link(fields.value(field.option), product->ID());

        if (const TGuideEntry* guide = Guide(entry.guide)) {
            TRef<TProductFile> file = product->ProductFiles()->NewProductFile();
            file->SetFileName(TSampleStore::StoredPath(TSampleStore::GuideFile(*guide)));
            file->SetTitle(Text(guide->title));
            file->SetDescription(Text(guide->description));
            file->SetFileType(QStringLiteral("File"));
            file->Save();
        }
    }
}

QByteArray PageHtml(const TPageEntry& page)
{
    return "<HTML>\r\n<HEAD>\r\n<TITLE>" + QByteArray(page.title) + "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
           + QByteArray(page.body).replace("\n", "\r\n") + "</BODY>\r\n</HTML>\r\n";
}

QList<TSampleStore::TFile> AddPages(TApp& app)
{
    QList<TSampleStore::TFile> files;
    TRef<TAdditionalPages> pages = app.AdditionalPages();
    int position = 0;
    for (const TPageEntry& entry : Pages()) {
        const QByteArray html = PageHtml(entry);
        TRef<TAdditionalPage> page = pages->NewPage();
        page->SetPageTitle(Text(entry.title));
        page->SetDescription(QString::fromUtf8(html));
        page->SetDescriptionType(0);
        page->SetIncludeInNavigationBar(true);
        page->SetIsHomePage(entry.homePage);
        page->SetOrderPosition(position);
        page->SetPageOrder(++position);
        page->Field(QStringLiteral("LineBreak")).SetValue(false);
        page->Save();
        // The site build reads each page from its own file in the pages folder.
        files.append({QStringLiteral("HTML/Page%1.htm").arg(page->ID()), html});
    }
    return files;
}

void AddFreight(TApp& app)
{
    struct Range {
        double lower;
        double upper;
        int local;
        int domestic;
        int international;
    };
    const Range ranges[] = {
        {0.0, 49.99, 1200, 1800, 4500},
        {50.0, 99.99, 900, 1500, 4000},
        {100.0, 999999.0, 0, 1000, 3500},
    };
    TRef<TFreightRanges> freight = app.FreightRanges();
    for (const Range& r : ranges) {
        TFreightRangeEntry entry;
        entry.mode = FreightByAmount;
        entry.lower = r.lower;
        entry.upper = r.upper;
        entry.charges = {Money(r.local), Money(r.domestic), Money(r.international)};
        freight->AddRange(entry);
    }
}

void FillPromotion(TApp& app)
{
    TRef<TPromotion> promotion = app.Promotion();
    promotion->SetName(QStringLiteral("Spend $100, save 10%"));
    promotion->SetDescription(QStringLiteral("Take 10% off every order over $100 until the end of 2027."));
    promotion->SetPromotionType(2); // spend over X and get a percentage off
    promotion->SetSpendThreshold(Money(10000));
    promotion->SetPercentage(10.0);
    promotion->SetAmount(TMoney());
    promotion->SetPurchaseThreshold(0);
    promotion->SetActive(true);
    promotion->SetExpiryDate(QDateTime(QDate(2027, 12, 31), QTime(0, 0)));
    promotion->Save();
}

void AddPayments(TApp& app)
{
    using C = TPaymentMethodCodes;
    const struct {
        unsigned code;
        const char* instruction;
    } methods[] = {
        {C::ManualCard, "Pay by Visa, Mastercard or American Express. We charge your card when we confirm your order."},
        {C::Cheque, "Make your cheque payable to Flowers Tolvane and post it to 27 Marigold Street, Tolvane TAS 7316. "
                    "We deliver as soon as it clears."},
        {C::MoneyOrder, "Post an Australia Post money order to Flowers Tolvane, 27 Marigold Street, Tolvane TAS 7316."},
        {C::Account, "Business and wedding customers: name your Flowers Tolvane account and we invoice you monthly."},
    };
    TRef<TPaymentMethods> payments = app.PaymentMethods();
    for (const auto& m : methods) {
        TRef<TPaymentMethod> method = payments->Add();
        method->SetMethod(m.code);
        method->SetInstruction(Text(m.instruction));
        method->SetActive(true);
        method->Save();
    }
    TRef<TAcceptedCards> cards = app.AcceptedCards();
    for (const char* name : {"Visa", "MasterCard", "American Express"}) {
        TRef<TAcceptedCard> card = cards->Add();
        card->SetCardName(Text(name));
        card->Save();
    }
    TRef<TAcceptedAccounts> accounts = app.AcceptedAccounts();
    for (const char* name : {"Tolvane Business Account", "Weddings & Events Account"}) {
        TRef<TAcceptedAccount> account = accounts->Add();
        account->SetAccountName(Text(name));
        account->Save();
    }
}

} // namespace

QString TSampleStore::PictureFile(const TProductEntry& product, bool large)
{
    return QStringLiteral("Images/%1-%2.jpg").arg(Text(product.code).toLower(), large ? QStringLiteral("large") : QStringLiteral("thumb"));
}

QString TSampleStore::GuideFile(const TGuideEntry& guide)
{
    return QStringLiteral("Files/") + Text(guide.fileName);
}

QString TSampleStore::StoredPath(const QString& relativePath)
{
    return QString(relativePath).replace(u'/', u'\\');
}

QList<TSampleStore::TFile> TSampleStore::Fill(TApp& app)
{
    if (!app.IsOpen())
        throw EQuorvisError(QStringLiteral("No store is attached"));
    // One transaction for the whole shop: a failure leaves nothing half made,
    // and the file is written once instead of once per record.
    TTransaction transaction(*app.Database());
    FillMerchant(app);
    const quint32 gst = AddGst(app);
    const QHash<QString, qint64> categories = AddCategories(app);
    const QHash<unsigned, qint64> fields = AddCustomFields(app);
    AddProducts(app, categories, fields, gst);
    QList<TFile> pages = AddPages(app);
    AddFreight(app);
    FillPromotion(app);
    AddPayments(app);
    transaction.Commit();
    return pages;
}
