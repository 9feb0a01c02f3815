#include "TdmSiteProducer.h"

#include "TCatalogueTags.h"
#include "TColourText.h"
#include "TDataSet.h"
#include "TFileWriter.h"
#include "TGifWriter.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TPageText.h"
#include "TPaths.h"
#include "TProgramFolders.h"
#include "TProgress.h"
#include "TTheme.h"
#include "TUserSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// Page heads take the first 2500 characters of a text.
QString Cut(const QString& text)
{
    return text.left(2500);
}

QString WithoutMarkup(const QString& text)
{
    static const QRegularExpression entities(QStringLiteral("&(nbsp|lt|gt);"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
    QString t = text;
    t.remove(entities);
    t.remove(markup);
    return t;
}

// Text inside a JavaScript string of either quote, also inside a script
// element ("</script>" cannot end it).
QString ScriptText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '"': out += QStringLiteral("\\\""); break;
        case '\'': out += QStringLiteral("\\'"); break;
        case '<': out += QStringLiteral("\\x3C"); break;
        case '>': out += QStringLiteral("\\x3E"); break;
        case '\r':
        case '\n': break;
        default: out += c;
        }
    }
    return out;
}

bool ValueOfBoolean(const QVariant& stored)
{
    return FieldStorage::FromStorage(TFieldType::Boolean, stored).toBool();
}

QString TrueFalse(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

TdmSiteProducer::TdmSiteProducer(std::shared_ptr<TDatabase> store, const TTheme& theme, TUserSettings& settings,
                                 TProgress& progress)
    : m_store(std::move(store)), m_theme(theme), m_settings(settings), m_progress(progress), m_layout(theme.Layout(0))
{
    m_merchant = TRef<TMerchant>(new TMerchant(std::make_shared<TTable>(m_store, QStringLiteral("MerchantSettings"))));
    programFolder = TProgramFolders::ProgramFolder();
    commonFilesFolder = programFolder + QStringLiteral("CommonFiles/");
    RegisterSiteTags();
    RegisterCartTags();
    m_catalogue = std::make_unique<TCatalogueTags>(*this);
}

TdmSiteProducer::~TdmSiteProducer() = default;

QString TdmSiteProducer::CartExtension() const
{
    return cartKind == TCartKind::Asp ? QStringLiteral("asp") : QStringLiteral("htm");
}

QString TdmSiteProducer::StoreFolder() const
{
    return m_store->Folder();
}

QString TdmSiteProducer::MerchantText(const char* column) const
{
    return m_merchant->Field(QString::fromLatin1(column)).AsString();
}

QString TdmSiteProducer::CurrencySymbol()
{
    const QString symbol = QLocale::system().currencySymbol();
    return symbol.isEmpty() || symbol == u"\u00a4" ? QStringLiteral("$") : symbol;
}

QString TdmSiteProducer::HtmlText(const QString& text)
{
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
}

QString TdmSiteProducer::CleanSearchText(const QString& text)
{
    const QString plain = WithoutMarkup(text);
    QString out;
    out.reserve(plain.size());
    for (const QChar c : plain) {
        const char16_t u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == ' ' || u == '-' || (u >= '+' && u <= ';'))
            out += c;
    }
    return out;
}

void TdmSiteProducer::ClearCaches()
{
    m_pages[0].reset();
    m_pages[1].reset();
    m_navigationBars.clear();
    m_catalogue->ClearCaches();
}

QList<TSitePage> TdmSiteProducer::ListPages(bool all) const
{
    std::optional<QList<TSitePage>>& cached = m_pages[all ? 1 : 0];
    if (cached)
        return *cached;
    QList<TSitePage> pages;
    TStatement s(*m_store, QStringLiteral("SELECT PageID, PageTitle, IsHomePage, LineBreak, IncludeInNavigationBar "
                                          "FROM AdditionalPages ORDER BY PageOrder, rowid"));
    while (s.Step()) {
        const bool shown = ValueOfBoolean(s.Value(4));
        if (!all && !shown)
            continue;
        TSitePage page{s.Value(1).toString(), s.Int64(0)};
        if (ValueOfBoolean(s.Value(3)))
            page.title += QStringLiteral("~~");
        if (ValueOfBoolean(s.Value(2)))
            pages.prepend(page);
        else
            pages.append(page);
    }
    pages.append({LangStr(1450), TSitePage::CartEntry});
    if (m_merchant->Field(QStringLiteral("CreateSearch")).AsBoolean())
        pages.append({QStringLiteral("Search"), TSitePage::SearchEntry});
    cached = pages;
    return pages;
}

QString TdmSiteProducer::BuildNavigationBar(bool vertical) const
{
    const QString key = QStringLiteral("%1|%2|%3|%4|").arg(vertical).arg(navAsText).arg(int(navHighlight)).arg(int(cartKind))
        + currentPageTitle;
    const auto known = m_navigationBars.constFind(key);
    if (known != m_navigationBars.constEnd())
        return known.value();
    const QList<TSitePage> pages = ListPages(false);
    const QString ext = CartExtension();
    QString bar;
    for (int i = 0; i < pages.size(); ++i) {
        QString title = pages[i].title;
        const bool lineBreak = title.contains(QStringLiteral("~~"));
        if (lineBreak)
            title.chop(2);
        const qint64 id = pages[i].pageId;
        QString link = i == 0 ? QStringLiteral("index.") + ext : QStringLiteral("webcontent%1.%2").arg(id).arg(ext);
        QString picture;
        if (id == TSitePage::CartEntry) {
            link = QStringLiteral("viewcart.") + ext;
            picture = navHighlight == TNavHighlight::Cart ? QStringLiteral("images/webnavoncart.gif")
                                                          : QStringLiteral("images/webnavoffcart.gif");
        } else if (id == TSitePage::SearchEntry) {
            link = QStringLiteral("search.htm");
            picture = navHighlight == TNavHighlight::Search ? QStringLiteral("images/webnavonsearch.gif")
                                                            : QStringLiteral("images/webnavoffsearch.gif");
        } else {
            const bool on = navHighlight == TNavHighlight::Page && title == currentPageTitle;
            picture = QStringLiteral("images/webnav%1%2.gif").arg(on ? QStringLiteral("on") : QStringLiteral("off")).arg(id);
        }
        const QString text = HtmlText(title);
        if (!navAsText) {
            bar += QStringLiteral("<a href=\"%1\"><img border=\"0\" align=\"top\" src=\"%2\" alt=\"%3\"></a>").arg(link, picture, text);
            if (vertical)
                bar += QStringLiteral("<br>");
            else if (lineBreak)
                bar += QStringLiteral("<BR>");
        } else if (vertical) {
            bar += QStringLiteral("[ <a href=\"%1\">%2</a> ]<br>").arg(link, text);
        } else {
            bar += QStringLiteral("<a href=\"%1\">%2</a>").arg(link, text);
            if (i + 1 < pages.size())
                bar += QStringLiteral(" | ");
            if (lineBreak)
                bar += QStringLiteral("<BR>");
        }
    }
    m_navigationBars.insert(key, bar);
    return bar;
}

QString TdmSiteProducer::DecorateHead(const QString& html, const QString& title, const QString& keywords,
                                      const QString& description) const
{
    QString page = html;
    const qsizetype head = page.indexOf(QStringLiteral("</HEAD>"), 0, Qt::CaseInsensitive);
    if (head >= 0) {
        QString insert;
        if (cartKind == TCartKind::Standard)
            insert += QStringLiteral("<SCRIPT language=JAVASCRIPT   SRC=\"addproduct.js\"></SCRIPT>");
        insert += QStringLiteral("<TITLE>") + HtmlText(Cut(title)) + QStringLiteral("</TITLE>\r");
        insert += QStringLiteral("<META name=\"GENERATOR\" content=\"Quorvis Professional 3.00 [6th February 2001]\">\r");
        insert += QStringLiteral("<META name=\"keywords\" content=\"") + HtmlText(Cut(keywords)) + QStringLiteral("\">\r");
        insert += QStringLiteral("<META name=\"description\" content=\"") + HtmlText(Cut(description)) + QStringLiteral("\">");
        page.insert(head, insert);
    }
    const qsizetype body = page.indexOf(QStringLiteral("<BODY"), 0, Qt::CaseInsensitive);
    if (body >= 0 && m_layout) {
        const QString attributes = QStringLiteral(" Link=\"%1\" vlink=\"%2\" alink=\"%3\" ")
                                       .arg(ColourForPage(m_layout->linkColour), ColourForPage(m_layout->visitedLinkColour),
                                            ColourForPage(m_layout->activeLinkColour))
            + pageBodyAttributes;
        page.insert(body + 5, attributes);
    }
    return page;
}

QString TdmSiteProducer::DecorateProductHead(const QString& html, const QString& name, const QString& shortDescription) const
{
    const QString cleaned = CleanSearchText(Cut(shortDescription));
    return DecorateHead(html, name, cleaned, cleaned);
}

QString TdmSiteProducer::DecorateSiteHead(const QString& html) const
{
    QString keywords = Cut(m_merchant->KeywordsMetaTags());
    keywords.replace(QStringLiteral("\r\n"), QStringLiteral(",")).replace(u'\r', u',').replace(u'\n', u',');
    return DecorateHead(html, m_merchant->Name(), keywords, WithoutMarkup(Cut(m_merchant->BriefDescription())).simplified());
}

QString TdmSiteProducer::MerchantLogo() const
{
    const QString location = MerchantText("MerchantLogoLocation");
    const QString url = TPageText::GetURLforFile(location);
    if (url.isEmpty())
        return QString();
    const QString border = m_layout && m_layout->borderMerchant ? QStringLiteral("border=1") : QStringLiteral("border=0");
    if (mode == TProducerMode::Build && !outputFolder.isEmpty()) {
        // A stored logo is an absolute path, or a name under the store's HTML/images.
        const QString path = TPaths::FromWindows(location);
        const QString source = QFileInfo(path).isAbsolute()
            ? path
            : TPaths::Resolve(StoreFolder() + QStringLiteral("HTML/images"), path);
        const QString target = TPaths::WithTrailingSlash(outputFolder) + url;
        // A bitmap is linked as GIF, so it is written as one; a logo that
        // cannot be copied leaves the page naming it.
        if (!source.isEmpty() && location.endsWith(QStringLiteral(".bmp"))) {
            const QImage image(source);
            if (!image.isNull())
                TGifWriter::Write(image, target);
        } else if (!source.isEmpty()) {
            TFileWriter::CopyKeepingDate(source, target);
        }
    }
    return QStringLiteral("<img src=\"%1\" ALT=\"%2\" %3>").arg(HtmlText(url), HtmlText(m_merchant->Name()), border);
}

QString TdmSiteProducer::PageContent()
{
    const QVariant found = m_store->Scalar(QStringLiteral("SELECT PageID FROM AdditionalPages WHERE PageID = ?1"), {currentPageID});
    if (!found.isValid() || found.isNull())
        return HtmlText(LangStr(1444));
    const QString file = StoreFolder() + QStringLiteral("HTML/Page%1.htm").arg(currentPageID);
    QString text;
    {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly))
            text = QString::fromUtf8(f.readAll());
    }
    const QString localised = TPageText::LocaliseImageReferences(
        text, QStringLiteral("images/"), StoreFolder() + QStringLiteral("HTML/"),
        outputFolder.isEmpty() ? QString() : TPaths::WithTrailingSlash(outputFolder) + QStringLiteral("images/"));
    if (localised != text && QFileInfo::exists(file))
        TFileWriter::WriteAtomically(file, localised.toUtf8());
    pageHead = TPageText::ExtractHeadContent(localised);
    pageBodyAttributes = TPageText::extractBODYTag(localised);
    return TPageText::extractHTMLContentOnly(localised);
}

void TdmSiteProducer::RegisterSiteTags()
{
    auto add = [this](std::initializer_list<const char*> names, std::function<QString()> answer) {
        for (const char* name : names)
            m_siteTags.Add(QString::fromLatin1(name), TTagCase::Insensitive, [answer](const TTag&) { return answer(); });
    };
    add({"SearchCode"}, [] { return QStringLiteral("<script LANGUAGE=\"javascript\" SRC=\"search.js\"></script>"); });
    add({"SearchForm"}, [this] {
        return QStringLiteral("<FORM NAME=\"database\"><INPUT TYPE=\"hidden\" NAME=\"list\" VALUE='") + HtmlText(searchList)
            + QStringLiteral("'></FORM>");
    });
    add({"CartScript"}, [this] { return ProduceCart(cartTemplate); });
    add({"HeaderScript"}, [this] {
        return cartKind == TCartKind::Standard ? QStringLiteral("<SCRIPT language=JAVASCRIPT   SRC=\"addproduct.js\"></SCRIPT>")
                                               : QString();
    });
    add({"Form"}, [this] {
        return cartKind == TCartKind::Standard
            ? QStringLiteral("<form method=\"GET\" action=\"viewcart.htm\" name=\"form_1\" onSubmit=\"return addProductToCart(this)\">")
            : QStringLiteral("<form method=\"POST\" action=\"viewcart.asp\">");
    });
    add({"MerchantName", "BusinessName", "WebSiteName", "WWWTitle"}, [this] { return HtmlText(m_merchant->Name()); });
    add({"MerchantID"}, [this] { return QString::number(m_merchant->ID()); });
    // The store keeps no business type or banner text; the tags give nothing.
    add({"BusinessType", "BannerText"}, [] { return QString(); });
    add({"BusinessAddress"}, [this] { return HtmlText(m_merchant->Address()); });
    add({"BusinessPhoneNumber"}, [this] { return HtmlText(m_merchant->Phone()); });
    add({"BusinessEmailAddress", "MerchantEmail"}, [this] { return HtmlText(m_merchant->EmailAddress()); });
    // The merchant's descriptions are HTML the merchant wrote.
    add({"BusinessBriefDescription"}, [this] { return TPageText::extractHTMLContentOnly(m_merchant->BriefDescription()); });
    add({"BusinessCompanyDescription"}, [this] { return TPageText::extractHTMLContentOnly(m_merchant->Description()); });
    add({"BusinessDisclaimer"}, [this] { return TPageText::extractHTMLContentOnly(m_merchant->Disclaimer()); });
    add({"WebSiteLogo"}, [this] { return HtmlText(TPageText::GetURLforFile(MerchantText("MerchantLogoLocation"))); });
    add({"LogoLocation"}, [this] {
        const QString location = MerchantText("MerchantLogoLocation");
        if (mode == TProducerMode::Build || location.isEmpty())
            return QString();
        return QStringLiteral("<IMG SRC = \"") + HtmlText(location) + QStringLiteral("\">");
    });
    add({"MerchantLogo"}, [this] { return MerchantLogo(); });
    add({"Counter"}, [this] { return firstPage ? MerchantText("CounterText") : QString(); });
    add({"ThemeName"}, [this] { return HtmlText(m_theme.name); });
    add({"ThemeAuthor"}, [this] { return HtmlText(m_theme.author); });
    add({"PageContent"}, [this] { return PageContent(); });
    auto colour = [this](QString TThemeLayout::*member) {
        return [this, member] { return m_layout ? ColourForPage(m_layout->*member) : QString(); };
    };
    add({"LinksColor"}, colour(&TThemeLayout::linkColour));
    add({"VisitedLinksColor"}, colour(&TThemeLayout::visitedLinkColour));
    add({"ActiveLinksColor"}, colour(&TThemeLayout::activeLinkColour));
    add({"BackGround"}, colour(&TThemeLayout::pageBackgroundColour));
    add({"OptionalColor1"}, colour(&TThemeLayout::optionalColour1));
    // There is no third colour: the third tag gives the second.
    add({"OptionalColor2", "OptionalColor3"}, colour(&TThemeLayout::optionalColour2));
    add({"SelectedFont"}, [this] {
        if (!m_layout)
            return QString();
        return QStringLiteral("<font face=\"%1\" size=%2>").arg(HtmlText(m_layout->fontName)).arg(m_layout->fontSize);
    });
    // Both follow the small pictures' setting.
    add({"SmallImagesBorder", "LargeImagesBorder"}, [this] {
        return m_layout && m_layout->borderSmallImages ? QStringLiteral("border=1") : QStringLiteral("border=0");
    });
    add({"VerticalNavBar"}, [this] { return BuildNavigationBar(true); });
    add({"HorizontalNavBar"}, [this] { return BuildNavigationBar(false); });
    add({"GenByLink"}, [] {
        return QStringLiteral("<p><a href=\"") + HtmlText(LangStr(902))
            + QStringLiteral("\" target=\"_blank\"><img src=\"images/genby.jpg\" width=\"71\" height=\"24\" border=\"0\"></a><br>"
                             "<font color=\"#FFFFFF\" size=\"1\"><em><font color=\"#999999\">")
            + HtmlText(LangStr(904)) + QStringLiteral("</font></em></font></p>");
    });
    add({"BackBtn"}, [] { return QStringLiteral("images/back.gif"); });
    add({"RecalculateBtn"}, [] { return QStringLiteral("images/recalculate.gif"); });
    add({"HomeBtn"}, [] { return QStringLiteral("images/home.gif"); });
    add({"CheckoutBtn"}, [] { return QStringLiteral("images/checkout.gif"); });
}

void TdmSiteProducer::RegisterCartTags()
{
    auto add = [this](const char* name, std::function<QString()> answer) {
        m_cartTags.Add(QString::fromLatin1(name), TTagCase::Sensitive, [answer](const TTag&) { return answer(); });
    };
    add("TitleColor", [this] { return ColourForPage(m_merchant->TitleColor(), QStringLiteral("#000080")); });
    add("TitleFontColor", [this] { return ColourForPage(m_merchant->TitleFontColor(), QStringLiteral("#ffffff")); });
    add("CellColor", [this] { return ColourForPage(m_merchant->CellColor(), QStringLiteral("#c0c0c0")); });
    add("CellFontColor", [this] { return ColourForPage(m_merchant->CellFontCOlor(), QStringLiteral("#000000")); });
    // Written into a script string by the cart page.
    add("ShoppingCartText", [this] { return ScriptText(m_merchant->CartTitleText()); });
    add("MerchantID", [this] { return QString::number(m_merchant->ID()); });
    add("ProVersion", [] { return QStringLiteral("aotAdz278"); });
    add("ActionURL", [this] {
        // A host name with an optional port: nothing else may reach the
        // page's form address or the cart script.
        static const QRegularExpression notHost(QStringLiteral("[^A-Za-z0-9.:\\[\\]-]"));
        QString host = m_settings.Read(QStringLiteral("Settings"), QStringLiteral("servername")).trimmed();
        host.remove(notHost);
        return QStringLiteral("https://") + host + QStringLiteral("/Vadurizavozud/GetOrderInfoFwd.asp");
    });
    add("Country", [this] { return ScriptText(m_merchant->CountryName()); });
    add("AcceptInternational", [this] { return TrueFalse(m_merchant->AcceptInternationalOrders()); });
    add("ShowExTax", [this] { return TrueFalse(m_merchant->ShowPriceExTax()); });
    add("ShowIncTax", [this] { return TrueFalse(m_merchant->ShowPriceIncTax()); });
    add("ShowTaxAmount", [this] { return TrueFalse(m_merchant->ShowTaxAmount()); });
    add("ShowTaxPercent", [this] { return TrueFalse(m_merchant->ShowTaxPercent()); });
    add("CurrencySymbol", [] { return ScriptText(CurrencySymbol()); });
}

QString TdmSiteProducer::ReadTemplate(const QString& file, bool* found)
{
    QFile f(file);
    const bool open = f.open(QIODevice::ReadOnly);
    if (found)
        *found = open;
    if (!open)
        return QString();
    const QByteArray bytes = f.readAll();
    static const QRegularExpression utf8(QStringLiteral("charset\\s*=\\s*[\"']?utf-?8"), QRegularExpression::CaseInsensitiveOption);
    if (bytes.startsWith("\xef\xbb\xbf"))
        return QString::fromUtf8(bytes.mid(3));
    if (utf8.match(QString::fromLatin1(bytes.left(4096))).hasMatch())
        return QString::fromUtf8(bytes);
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QString TdmSiteProducer::DeclareUtf8(const QString& html)
{
    static const QRegularExpression declared(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)[^>]*>"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = declared.match(html);
    if (m.hasMatch()) {
        if (m.captured(1).compare(QStringLiteral("utf-8"), Qt::CaseInsensitive) == 0)
            return html;
        QString page = html;
        page.replace(m.capturedStart(0), m.capturedLength(0), QStringLiteral("<meta charset=\"utf-8\">"));
        return page;
    }
    static const QRegularExpression head(QStringLiteral("<head[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch h = head.match(html);
    if (!h.hasMatch())
        return html;
    QString page = html;
    page.insert(h.capturedEnd(0), QStringLiteral("<meta charset=\"utf-8\">"));
    return page;
}

void TdmSiteProducer::EnsureWorkingCopy(const QString& name) const
{
    if (!m_layout)
        return;
    const QString folder = m_layout->directory;
    const QString copy = TPaths::Resolve(folder, QStringLiteral("Mod") + name);
    if (copy.isEmpty() || QFileInfo::exists(copy))
        return;
    const QString original = TPaths::Resolve(folder, name);
    if (!original.isEmpty() && QFileInfo(original).isFile())
        QFile::copy(original, copy); // a theme folder that cannot be written keeps using the original below
}

void TdmSiteProducer::PrepareTemplates()
{
    ClearCaches();
    if (!m_layout)
        return;
    const QString d = m_layout->directory;
    // A template: its working copy, unescaped, or the theme's own when the
    // copy could not be made.
    auto page = [&](const QString& name) {
        EnsureWorkingCopy(name);
        QString file = TPaths::Resolve(d, QStringLiteral("Mod") + name);
        if (file.isEmpty() || !QFileInfo(file).isFile())
            file = TPaths::Resolve(d, name);
        TPageText::UnescapeTemplate(file);
        return TPageText::UnescapeTemplateText(ReadTemplate(file));
    };
    auto style = [&](const QString& chosen, const QString& defaultName, const QString& fallback, QString* path) {
        QString file;
        if (!chosen.trimmed().isEmpty() && chosen.compare(QStringLiteral("Default"), Qt::CaseInsensitive) != 0)
            file = TPaths::Resolve(d, chosen + QStringLiteral(".tbl"));
        else {
            file = TPaths::Resolve(d, defaultName);
            const QString common = TPaths::Resolve(commonFilesFolder, fallback);
            if (!file.isEmpty() && !QFileInfo::exists(file) && !common.isEmpty())
                QFile::copy(common, file);
        }
        if (path)
            *path = file;
        TPageText::UnescapeTemplate(file);
        TPageText::EnsureHiddenFieldsTag(file);
        bool found = false;
        const QString text = ReadTemplate(file, &found);
        return found ? TPageText::EnsureHiddenFieldsTagText(TPageText::UnescapeTemplateText(text)) : QString();
    };
    m_productTemplate = page(QStringLiteral("productpage.htm"));
    m_detailedStyle = style(m_layout->detailedStyle, QStringLiteral("DetailedStyle.tbl"), QStringLiteral("prods.tbl"), nullptr);
    m_briefStyle = style(m_layout->briefStyle, QStringLiteral("BriefStyle.tbl"), QStringLiteral("prodslong.tbl"), &m_briefStyleFile);
    m_filesTable = TPageText::UnescapeTemplateText(ReadTemplate(TPaths::Resolve(commonFilesFolder, QStringLiteral("files.tbl"))));
    m_fieldsTable = TPageText::UnescapeTemplateText(ReadTemplate(TPaths::Resolve(commonFilesFolder, QStringLiteral("fields.tbl"))));
    m_categoryTemplate = page(QStringLiteral("categorypage.htm"));
    m_contentTemplate = page(QStringLiteral("content.htm"));
}

bool TdmSiteProducer::RenderTemplateFile(const QString& templateFile, const QString& output) const
{
    const QString text = TCatalogueTags::ExpandAllSlots(TPageText::UnescapeTemplateText(ReadTemplate(templateFile)));
    const QString page = DeclareUtf8(DecorateSiteHead(Produce(text)));
    return TFileWriter::WriteIfChanged(output, page.toUtf8());
}
