#pragma once

#include "TSiteGenSettings.h"
#include "TTagRegistry.h"

#include <QHash>
#include <QList>
#include <QString>

#include "TRef.h"

#include <memory>
#include <optional>

class TCatalogueTags;
class TDatabase;
class TMerchant;
class TProgress;
class TTheme;
class TThemeLayout;
class TUserSettings;

// One entry of the site's page list: an extra page, the cart or the search page.
struct TSitePage
{
    static constexpr qint64 CartEntry = -1;
    static constexpr qint64 SearchEntry = -2;

    QString title;   // "~~" at the end: a line break after it in the navigation bar
    qint64 pageId = 0;
};

enum class TNavHighlight { None, Search, Cart, Page };
enum class TProducerMode { Preview, Build };

// The site generator of one website: it answers the tags of the theme's
// templates from the store, the theme and the user's settings. The build,
// the generation window, page editing and the theme editor all work through
// it; it knows nothing of windows.
//
// The state below is set by whoever drives it (the build page by page, the
// generation window before a build, the theme editor before a preview) and is
// read by the tags at the moment each tag is met.
class TdmSiteProducer
{
public:
    TdmSiteProducer(std::shared_ptr<TDatabase> store, const TTheme& theme, TUserSettings& settings,
                    TProgress& progress);
    ~TdmSiteProducer();
    TdmSiteProducer(const TdmSiteProducer&) = delete;
    TdmSiteProducer& operator=(const TdmSiteProducer&) = delete;

    bool firstPage = true;
    QString pageBodyAttributes;
    QString pageHead;
    int pageNumber = 1;
    QString currentCategoryID;
    qint64 currentPageID = 0;
    TNavHighlight navHighlight = TNavHighlight::None;
    QString currentPageTitle;
    QString searchList;
    bool navAsText = false;
    int productsPerPage = 10;
    QString outputFolder;            // ends with "/"
    TProducerMode mode = TProducerMode::Build;
    TCartKind cartKind = TCartKind::Standard;
    // The script of the cart page whose tags CartScript answers (set by the build).
    QString cartTemplate;

    const TTheme& Theme() const { return m_theme; }
    // Layout 0 of the theme unless another was set; nullptr for a theme without layouts.
    const TThemeLayout* CurrentLayout() const { return m_layout; }
    void SetCurrentLayout(const TThemeLayout* layout) { m_layout = layout; }
    TMerchant& Merchant() const { return *m_merchant; }
    // "htm" for the standard cart, "asp" for the ASP cart.
    QString CartExtension() const;

    // The tags of the site's pages, answered without regard to letter case;
    // the product and category tags join them here.
    TTagRegistry& SiteTags() { return m_siteTags; }
    // The tags of the cart page's script, answered in their exact letter case.
    TTagRegistry& CartTags() { return m_cartTags; }
    QString Produce(const QString& templateText) const { return m_siteTags.Fill(templateText); }
    QString ProduceCart(const QString& text) const { return m_cartTags.Fill(text); }

    // The extra pages in their order (the home page first), then the cart and,
    // when the merchant builds one, the search page; without `all` only the
    // pages shown in the navigation bar.
    QList<TSitePage> ListPages(bool all) const;
    QString BuildNavigationBar(bool vertical) const;
    // Title, generator, keywords and description before "</HEAD>" (with the
    // cart script for the standard cart), link colours and the page's own
    // BODY attributes into "<BODY". Texts are escaped for their place.
    QString DecorateHead(const QString& html, const QString& title, const QString& keywords,
                         const QString& description) const;
    // The head of a product page (the product's name and short description)
    // and of a category page.
    QString DecorateProductHead(const QString& html, const QString& name, const QString& shortDescription) const;
    // DecorateHead with the merchant's name, keywords and description.
    QString DecorateSiteHead(const QString& html) const;

    // The layout's templates read into the producer for a build: the working
    // copies ("Mod" + name) of the product, category and content pages, made
    // from the theme's own when missing, and the style and common tables.
    // Missing pieces are left empty; the page that needs one shows that.
    void PrepareTemplates();
    // Forgets what every page of a build repeats (the page list, navigation
    // bars, category lists, breadcrumbs, taxes); PrepareTemplates does it, so
    // each build reads the store as it is then.
    void ClearCaches();
    // Copies the layout's template `name` to its working copy "Mod" + name
    // when that is missing; the merchant's page editing changes the copy only.
    void EnsureWorkingCopy(const QString& name) const;
    // One template file rendered whole with the site's head and written to
    // `output` as UTF-8 when its bytes differ; true when written.
    bool RenderTemplateFile(const QString& templateFile, const QString& output) const;

    const QString& ProductTemplate() const { return m_productTemplate; }
    const QString& DetailedStyleTemplate() const { return m_detailedStyle; }
    const QString& BriefStyleTemplate() const { return m_briefStyle; }
    const QString& BriefStyleFile() const { return m_briefStyleFile; }
    const QString& FilesTemplate() const { return m_filesTable; }
    const QString& FieldsTemplate() const { return m_fieldsTable; }
    const QString& CategoryTemplate() const { return m_categoryTemplate; }
    const QString& ContentTemplate() const { return m_contentTemplate; }
    // Where the common tables and scripts of every theme are ("CommonFiles"),
    // and the program folder that holds the button pictures ("Buttons").
    QString commonFilesFolder;
    QString programFolder;
    // The store file's folder, ending with "/".
    QString StoreFolder() const;
    TDatabase& Store() const { return *m_store; }
    const std::shared_ptr<TDatabase>& StorePtr() const { return m_store; }
    // The product and category tags, and the product and category they stand on.
    TCatalogueTags& Catalogue() { return *m_catalogue; }

    // A template's text: UTF-8 when it says so (or starts with the UTF-8
    // mark), else Windows-1252, the code page the shipped themes were written in.
    static QString ReadTemplate(const QString& file, bool* found = nullptr);
    // The page declares UTF-8, the encoding every page is written in: a
    // declaration of another charset is replaced, a missing one added.
    static QString DeclareUtf8(const QString& html);

    // Text as the search index and the page heads keep it: entities and
    // markup removed, then only letters, blanks, hyphens and "+" to ";".
    static QString CleanSearchText(const QString& text);
    // The currency symbol of prices on the pages: the system's, or "$" when it has none.
    static QString CurrencySymbol();
    // Text for element content and attribute values.
    static QString HtmlText(const QString& text);

private:
    void RegisterSiteTags();
    void RegisterCartTags();
    QString MerchantText(const char* column) const;
    QString MerchantLogo() const;
    QString PageContent();

    std::shared_ptr<TDatabase> m_store;
    const TTheme& m_theme;
    TUserSettings& m_settings;
    TProgress& m_progress;
    const TThemeLayout* m_layout = nullptr;
    TRef<TMerchant> m_merchant;
    TTagRegistry m_siteTags;
    TTagRegistry m_cartTags;
    std::unique_ptr<TCatalogueTags> m_catalogue;
    mutable std::optional<QList<TSitePage>> m_pages[2]; // without and with the pages off the bar
    mutable QHash<QString, QString> m_navigationBars;
    QString m_productTemplate, m_detailedStyle, m_briefStyle, m_briefStyleFile, m_filesTable, m_fieldsTable,
        m_categoryTemplate, m_contentTemplate;
};
