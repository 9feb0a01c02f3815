#pragma once

#include "TRef.h"

#include <QHash>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

class TCategory;
class TDataSet;
class TProduct;
struct TTag;
class TdmSiteProducer;

// The product and category tags of a site generator: pictures, prices and
// taxes, the order form with its hidden fields and custom-field controls,
// downloadable files, descriptions, breadcrumbs and category lists, and the
// product list of a category page with its numbered slots. They read the
// product and the category the build stands on.
class TCatalogueTags
{
public:
    // Registers the tags with the producer's site tags.
    explicit TCatalogueTags(TdmSiteProducer& producer);
    ~TCatalogueTags();

    // The category whose pages are built: its enabled products are what
    // <#ProductList> walks. Nothing when the identifier names no category.
    void SetCategory(const QString& categoryId);
    // The product the product tags describe.
    void SetProduct(TRef<TProduct> product);
    TProduct* Product() const { return m_product.get(); }

    // Forgets the category lists, breadcrumbs and taxes kept for a build.
    void ClearCaches();

    // Whether the product has a page of its own, and its file name.
    bool HasDetailPage() const;
    static QString DetailFileName(const QString& productId);

    // A slot of a brief style table filled with tags: its markers removed and
    // its placeholders ("#DomPrice2#") turned into tags, letters of any case.
    static QString ExpandSlot(const QString& text, int slot);
    // Every slot of a page template, 1 on, as long as its buy button marks it.
    static QString ExpandAllSlots(const QString& text);
    // Text with every slot from `from` on removed, markers and all.
    static QString RemoveSlots(const QString& text, int from);

    // <#ProductList>: up to ProductsPerPage products from where the walk
    // stands, rows laid out by the brief style table; detail pages written.
    QString ProductList();
    // Whether the category has products the list has not reached yet.
    bool ProductsRemain() const;

    // Where detail pages go: to this when set (a preview, a benchmark), else
    // to their files in the output folder.
    std::function<void(const QString& fileName, const QString& page)> detailPageSink;

    int customFieldCounter = 0;
    QString customFieldName;
    QString customFieldControl;

private:
    struct Tax {
        bool found = false;
        QString name;
        double rate = 0;          // per cent
        double international = 0; // per cent
    };
    void Register();
    const Tax& ProductTax();
    QString Picture(const QString& column, bool large, bool thumbnail);
    void CopyPicture(const QString& stored, const QString& url) const;
    QString MoneyText(qint64 units) const;
    QString Description(const QString& text) const;
    QString HiddenFields();
    QString CustomFields();
    QString ListControl(const QString& lines, const QString& name);
    QString CustomFieldControlFor(qint64 id, const QString& name) const;
    QString AdditionalFiles();
    QString FileLocation(bool copy) const;
    QString Breadcrumb(const QString& categoryId) const;
    QString CategoryLinks(const QString& condition, const QVariantList& values) const;
    void WriteDetailPage();

    TdmSiteProducer& m_producer;
    TRef<TProduct> m_product;
    TRef<TCategory> m_category;
    std::shared_ptr<TDataSet> m_products; // the category's enabled products, in their order
    int m_nextProduct = 0;
    QHash<qint64, Tax> m_taxes;           // read once per build
    mutable QHash<QString, QString> m_lists; // category lists and breadcrumbs, by what they list
    QString m_currentFile;                // the product file <#AdditionalFiles> stands on
    QString m_currentFileTitle;
    bool m_linkOpen = false;              // <#ProductLinkOnly> opened a link that <#SmallImage> closes
};
