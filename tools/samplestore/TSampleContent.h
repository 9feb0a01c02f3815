#pragma once

#include <QList>
#include <QString>

// What the sample store "Flowers Tolvane" sells and says: its categories,
// products, custom fields, downloadable guides and extra pages. The texts are
// the shop's own; descriptions and pages are HTML.
namespace TSampleContent {

struct TCategoryEntry
{
    const char* key;
    const char* parent; // key of the parent; nullptr for a top-level category
    const char* name;
    const char* description;
};

enum TOption : unsigned {
    NoOptions = 0,
    Colour = 1,
    Size = 2,
    CardMessage = 4,
    DeliveryDate = 8,
};

struct TProductEntry
{
    const char* code;
    const char* category;
    const char* name;
    int price;          // shelf price in cents, tax included
    bool taxFree;       // gift vouchers: the tax is charged when they are spent
    const char* picture; // TSamplePictures recipe
    unsigned options;   // TOption flags: the custom fields linked to the product
    const char* guide;  // key of a downloadable guide, or nullptr
    double weight;      // kilograms
    bool enabled;
    const char* brief;
    const char* detail;
};

struct TCustomFieldEntry
{
    TOption option;
    const char* name;
    const char* description;
    const char* type; // one of the custom field display types
    int minValue;
    int maxValue;
    const char* defaultValue;
    const char* values; // one per line
};

struct TGuideSection
{
    const char* heading;
    QList<const char*> paragraphs; // a paragraph beginning with "* " is a list item
};

struct TGuideEntry
{
    const char* key;
    const char* fileName; // under the store folder's "Files" folder
    const char* title;
    const char* description;
    QList<TGuideSection> sections;
};

struct TPageEntry
{
    const char* title;
    bool homePage;
    const char* body; // the page's body HTML
};

const QList<TCategoryEntry>& Categories();
const QList<TProductEntry>& Products();
const QList<TCustomFieldEntry>& CustomFields();
const QList<TGuideEntry>& Guides();
const QList<TPageEntry>& Pages();

} // namespace TSampleContent
