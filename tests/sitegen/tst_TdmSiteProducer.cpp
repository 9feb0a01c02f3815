#include "TApp.h"
#include "TDatabase.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TPageText.h"
#include "TProgress.h"
#include "TStoreSchema.h"
#include "TTheme.h"
#include "TdmSiteProducer.h"
#include "TestSupport.h"

#include <QtTest>

// The site and cart tags of a small store of the current layout, with a theme
// made by the test.
class tst_TdmSiteProducer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void siteTags_data();
    void siteTags();
    void cartTags_data();
    void cartTags();
    void namesWithMarkupAreEscapedEverywhere();
    void navigationBar_data();
    void navigationBar();
    void decorateHead();
    void pageContentComesFromThePageFile();
    void templatesArePreparedFromWorkingCopies();
    void templatesOfEitherEncodingBecomeUtf8Pages();

private:
    void AddPage(qint64 id, const QString& title, double order, bool home, bool inBar, bool lineBreak);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::unique_ptr<TTheme> m_theme;
    std::unique_ptr<TdmSiteProducer> m_producer;
    QString m_store;
};

void tst_TdmSiteProducer::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_store = m_env.NewFolder(QStringLiteral("store"));
    TStoreSchema::CreateNewStore(m_store + QStringLiteral("/store.db"));
    QVERIFY(OpenStoreDatabase(m_store));
    const QString theme = m_env.NewFolder(QStringLiteral("Themes/Garden"));
    QFile settings(theme + QStringLiteral("/settings.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[theme]\nname=Garden\nauthor=Quorvis\nLayoutCount=1\n[layout1]\ndirectory=singlepage\\\n"
                   "CurrLinkColor=##112233\nVisitedLinkColor=navy\nActiveLinkColor=#FF3300\nCurrFontName=Georgia\n"
                   "CurrFontSize=12\nCurrBorderAroundSmallImages=1\nOptionalColor2=#003311\n");
    settings.close();
    m_theme = std::make_unique<TTheme>(theme);
    m_app->Settings().Write(QStringLiteral("Settings"), QStringLiteral("servername"), QStringLiteral("secure.example:8443"));
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetID(4242);
    merchant->SetName(QStringLiteral("Flowers Tolvane"));
    merchant->SetAddress(QStringLiteral("1 Garden Lane"));
    merchant->SetEmailAddress(QStringLiteral("shop@tolvane.example"));
    merchant->SetBriefDescription(QStringLiteral("<html><body><p>Fresh <b>flowers</b></p></body></html>"));
    merchant->SetKeywordsMetaTags(QStringLiteral("roses\r\nlilies"));
    merchant->SetTitleColor(QStringLiteral("##000080"));
    merchant->SetCellColor(QStringLiteral("c0c0c0"));
    merchant->SetShowPriceExTax(true);
    merchant->SetCartTitleText(QStringLiteral("Ann's \"best\" \\ cart</script>\r\nnext"));
    merchant->Field(QStringLiteral("MerchantLogoLocation")).SetAsString(QStringLiteral("C:\\Logos\\shop.bmp"));
    merchant->Save();
    m_producer = std::make_unique<TdmSiteProducer>(m_app->DatabasePtr(), *m_theme, m_app->Settings(), TProgress::None());
}

void tst_TdmSiteProducer::cleanup()
{
    m_producer.reset();
    m_theme.reset();
    m_app.reset();
}

void tst_TdmSiteProducer::AddPage(qint64 id, const QString& title, double order, bool home, bool inBar, bool lineBreak)
{
    m_app->Database()->Exec(QStringLiteral("INSERT INTO AdditionalPages (PageID, PageTitle, PageOrder, IsHomePage, "
                                           "IncludeInNavigationBar, LineBreak) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
                            {id, title, order, home, inBar, lineBreak});
}

void tst_TdmSiteProducer::siteTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("merchant name, any case") << "<h1><#merchantname></h1><#WWWTitle>" << "<h1>Flowers Tolvane</h1>Flowers Tolvane";
    QTest::newRow("merchant identifier") << "<#MerchantID>" << "4242";
    QTest::newRow("address and mail") << "<#BusinessAddress>|<#MerchantEmail>" << "1 Garden Lane|shop@tolvane.example";
    QTest::newRow("merchant's own HTML") << "<#BusinessBriefDescription>" << "<p>Fresh <b>flowers</b></p>";
    QTest::newRow("logo address") << "<#WebSiteLogo>" << "images/shop.gif";
    QTest::newRow("logo with no border") << "<#MerchantLogo>" << "<img src=\"images/shop.gif\" ALT=\"Flowers Tolvane\" border=0>";
    QTest::newRow("colours in one form") << "<#LinksColor> <#VisitedLinksColor> <#ActiveLinksColor> <#BackGround>"
                                         << "#112233 #000080 #ff3300 #ffffff";
    QTest::newRow("no third colour") << "<#OptionalColor3>" << "#003311";
    QTest::newRow("font") << "<#SelectedFont>" << "<font face=\"Georgia\" size=12>";
    QTest::newRow("borders follow the small pictures") << "<#SmallImagesBorder> <#LargeImagesBorder>" << "border=1 border=1";
    QTest::newRow("theme") << "<#ThemeName> by <#ThemeAuthor>" << "Garden by Quorvis";
    QTest::newRow("standard cart form") << "<#Form>"
                                        << "<form method=\"GET\" action=\"viewcart.htm\" name=\"form_1\" onSubmit=\"return addProductToCart(this)\">";
    QTest::newRow("header script") << "<#HeaderScript>" << "<SCRIPT language=JAVASCRIPT   SRC=\"addproduct.js\"></SCRIPT>";
    QTest::newRow("buttons") << "<#BackBtn> <#HomeBtn> <#RecalculateBtn> <#CheckoutBtn>"
                             << "images/back.gif images/home.gif images/recalculate.gif images/checkout.gif";
    QTest::newRow("unknown tag and no data") << "a<#Nothing>b<#BannerText>c" << "abc";
    QTest::newRow("search code") << "<#SearchCode>" << "<script LANGUAGE=\"javascript\" SRC=\"search.js\"></script>";
    QTest::newRow("cart tag is no site tag") << "<#ProVersion>" << "";
}

void tst_TdmSiteProducer::siteTags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(m_producer->Produce(text), expected);
}

void tst_TdmSiteProducer::cartTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("colours normalised") << "<#TitleColor> <#CellColor> <#TitleFontColor>" << "#000080 #c0c0c0 #ffffff";
    QTest::newRow("exact case only") << "<#CurrencySymbol>|<#currencysymbol>" << "$|";
    QTest::newRow("post address") << "<#ActionURL>" << "https://secure.example:8443/Vadurizavozud/GetOrderInfoFwd.asp";
    QTest::newRow("flags") << "<#ShowExTax> <#ShowIncTax> <#AcceptInternational>" << "true false false";
    QTest::newRow("version and merchant") << "<#ProVersion>/<#MerchantID>" << "aotAdz278/4242";
    QTest::newRow("cart title inside a script string") << "t=\"<#ShoppingCartText>\""
                                                       << "t=\"Ann\\'s \\\"best\\\" \\\\ cart\\x3C/script\\x3Enext\"";
}

void tst_TdmSiteProducer::cartTags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(m_producer->ProduceCart(text), expected);
}

void tst_TdmSiteProducer::namesWithMarkupAreEscapedEverywhere()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetName(QStringLiteral("<script>alert(1)</script> \"A&B\" Ann's"));
    merchant->Save();
    AddPage(1, QStringLiteral("Q&A <i>"), 1, true, true, false);
    const QString escaped = QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &quot;A&amp;B&quot; Ann&#39;s");
    QCOMPARE(m_producer->Produce(QStringLiteral("<#MerchantName>")), escaped);
    QVERIFY(m_producer->Produce(QStringLiteral("<#MerchantLogo>")).contains(QStringLiteral("ALT=\"") + escaped + u'"'));
    QVERIFY(m_producer->DecorateSiteHead(QStringLiteral("<head></head>")).contains(QStringLiteral("<TITLE>") + escaped + QStringLiteral("</TITLE>")));
    QVERIFY(m_producer->BuildNavigationBar(false).contains(QStringLiteral("alt=\"Q&amp;A &lt;i&gt;\"")));
}

void tst_TdmSiteProducer::navigationBar_data()
{
    QTest::addColumn<bool>("asText");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text across") << true << false
                                 << "<a href=\"index.htm\">Home</a> | <a href=\"webcontent3.htm\">About</a> | <BR>"
                                    "<a href=\"viewcart.htm\">View Cart</a>";
    QTest::newRow("text down") << true << true
                               << "[ <a href=\"index.htm\">Home</a> ]<br>[ <a href=\"webcontent3.htm\">About</a> ]<br>"
                                  "[ <a href=\"viewcart.htm\">View Cart</a> ]<br>";
    QTest::newRow("pictures across")
        << false << false
        << "<a href=\"index.htm\"><img border=\"0\" align=\"top\" src=\"images/webnavon2.gif\" alt=\"Home\"></a>"
           "<a href=\"webcontent3.htm\"><img border=\"0\" align=\"top\" src=\"images/webnavoff3.gif\" alt=\"About\"></a><BR>"
           "<a href=\"viewcart.htm\"><img border=\"0\" align=\"top\" src=\"images/webnavoffcart.gif\" alt=\"View Cart\"></a>";
}

void tst_TdmSiteProducer::navigationBar()
{
    QFETCH(bool, asText);
    QFETCH(bool, vertical);
    QFETCH(QString, expected);
    AddPage(3, QStringLiteral("About"), 1, false, true, true);
    AddPage(2, QStringLiteral("Home"), 2, true, true, false);
    AddPage(4, QStringLiteral("Hidden"), 3, false, false, false);
    m_producer->navAsText = asText;
    m_producer->navHighlight = TNavHighlight::Page;
    m_producer->currentPageTitle = QStringLiteral("Home");
    QCOMPARE(m_producer->BuildNavigationBar(vertical), expected);
    QCOMPARE(m_producer->ListPages(true).size(), 4); // with the hidden page and the cart
}

void tst_TdmSiteProducer::decorateHead()
{
    const QString page = QStringLiteral("<html><head></head><body bgcolor=\"#fff\"></body></html>");
    m_producer->pageBodyAttributes = QStringLiteral("onload=\"go()\"");
    QCOMPARE(m_producer->DecorateSiteHead(page),
             QStringLiteral("<html><head><SCRIPT language=JAVASCRIPT   SRC=\"addproduct.js\"></SCRIPT><TITLE>Flowers Tolvane</TITLE>\r"
                            "<META name=\"GENERATOR\" content=\"Quorvis Professional 3.00 [6th February 2001]\">\r"
                            "<META name=\"keywords\" content=\"roses,lilies\">\r"
                            "<META name=\"description\" content=\"Fresh flowers\"></head>"
                            "<body Link=\"#112233\" vlink=\"#000080\" alink=\"#ff3300\" onload=\"go()\" bgcolor=\"#fff\"></body></html>"));
    m_producer->cartKind = TCartKind::Asp;
    QVERIFY(!m_producer->DecorateSiteHead(page).contains(QStringLiteral("addproduct.js")));
}

void tst_TdmSiteProducer::pageContentComesFromThePageFile()
{
    AddPage(5, QStringLiteral("About"), 1, false, true, false);
    QDir().mkpath(m_store + QStringLiteral("/HTML/pics"));
    QFile picture(m_store + QStringLiteral("/HTML/pics/shop.jpg"));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("jpg");
    picture.close();
    QFile file(m_store + QStringLiteral("/HTML/Page5.htm"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><head><style>p{}</style></head><body class=\"about\"><p>Our shop <img src=\"pics/shop.jpg\"></p></body></html>");
    file.close();
    const QString out = m_env.NewFolder(QStringLiteral("site"));
    m_producer->outputFolder = out + u'/';
    m_producer->currentPageID = 5;
    QCOMPARE(m_producer->Produce(QStringLiteral("<#PageContent>")), QStringLiteral("<p>Our shop <img src=\"images/shop.jpg\"></p>"));
    QCOMPARE(m_producer->pageHead, QStringLiteral("<style>p{}</style>"));
    QCOMPARE(m_producer->pageBodyAttributes, QStringLiteral(" class=\"about\""));
    QVERIFY(QFile::exists(out + QStringLiteral("/images/shop.jpg")));
    m_producer->currentPageID = 99;
    QCOMPARE(m_producer->Produce(QStringLiteral("<#PageContent>")), LangStr(1444).toHtmlEscaped());
}

void tst_TdmSiteProducer::templatesArePreparedFromWorkingCopies()
{
    const QString d = m_theme->Layout(0)->directory;
    WriteTestFile(d + QStringLiteral("productpage.htm"), "<html>&lt;#MerchantName&gt;</html>");
    WriteTestFile(d + QStringLiteral("Modcategorypage.htm"), "merchant's own category page");
    WriteTestFile(d + QStringLiteral("content.htm"), "content");
    const QString common = m_env.NewFolder(QStringLiteral("CommonFiles"));
    WriteTestFile(common + QStringLiteral("/prods.tbl"), "<form><td><#ProductName></td></form>");
    WriteTestFile(common + QStringLiteral("/prodslong.tbl"), "<td>brief</td>");
    WriteTestFile(common + QStringLiteral("/files.tbl"), "&lt;#FileName&gt;");
    m_producer->commonFilesFolder = common + u'/';
    m_producer->PrepareTemplates();

    // Working copies are made once; the theme's own files stay as they were.
    QCOMPARE(m_producer->ProductTemplate(), QStringLiteral("<html><#MerchantName></html>"));
    QCOMPARE(ReadTestFile(d + QStringLiteral("Modproductpage.htm")), QByteArray("<html><#MerchantName></html>"));
    QCOMPARE(ReadTestFile(d + QStringLiteral("productpage.htm")), QByteArray("<html>&lt;#MerchantName&gt;</html>"));
    QCOMPARE(m_producer->CategoryTemplate(), QStringLiteral("merchant's own category page"));
    QCOMPARE(m_producer->ContentTemplate(), QStringLiteral("content"));
    // Style tables come from the common files when the layout has none, with the hidden fields.
    QCOMPARE(m_producer->DetailedStyleTemplate(), QStringLiteral("<form><td><#ProductName></td><#hiddenfields></form>"));
    QCOMPARE(m_producer->BriefStyleTemplate(), QStringLiteral("<#hiddenfields><td>brief</td>"));
    QCOMPARE(m_producer->BriefStyleFile(), d + QStringLiteral("BriefStyle.tbl"));
    QCOMPARE(m_producer->FilesTemplate(), QStringLiteral("<#FileName>"));
    QCOMPARE(m_producer->FieldsTemplate(), QString()); // missing: empty
}

void tst_TdmSiteProducer::templatesOfEitherEncodingBecomeUtf8Pages()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetName(QStringLiteral("花店 Tolvane"));
    merchant->Save();
    const QString d = m_env.NewFolder(QStringLiteral("templates"));
    // "Café" in Windows-1252, and a page that declares UTF-8.
    WriteTestFile(d + QStringLiteral("/old.htm"), "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                                         "</head><body>Caf\xe9 <#MerchantName></body></html>");
    WriteTestFile(d + QStringLiteral("/new.htm"), "<html><head><meta charset=\"utf-8\"></head><body>Caf\xc3\xa9</body></html>");
    const QString out = m_env.NewFolder(QStringLiteral("out"));
    QVERIFY(m_producer->RenderTemplateFile(d + QStringLiteral("/old.htm"), out + QStringLiteral("/old.htm")));
    const QString old = QString::fromUtf8(ReadTestFile(out + QStringLiteral("/old.htm")));
    QVERIFY2(old.contains(QStringLiteral("Café 花店 Tolvane")), qPrintable(old));
    QVERIFY(old.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(!old.contains(QStringLiteral("windows-1252")));
    QVERIFY(m_producer->RenderTemplateFile(d + QStringLiteral("/new.htm"), out + QStringLiteral("/new.htm")));
    QVERIFY(QString::fromUtf8(ReadTestFile(out + QStringLiteral("/new.htm"))).contains(QStringLiteral("Café")));
    // The same page again is not written: its file keeps its date.
    const QDateTime before = QFileInfo(out + QStringLiteral("/old.htm")).lastModified();
    QVERIFY(!m_producer->RenderTemplateFile(d + QStringLiteral("/old.htm"), out + QStringLiteral("/old.htm")));
    QCOMPARE(QFileInfo(out + QStringLiteral("/old.htm")).lastModified(), before);
    // Preparing a Windows-1252 template keeps its bytes in that encoding.
    WriteTestFile(d + QStringLiteral("/esc.htm"), "Caf\xe9 &lt;#MerchantName&gt;");
    TPageText::UnescapeTemplate(d + QStringLiteral("/esc.htm"));
    QCOMPARE(ReadTestFile(d + QStringLiteral("/esc.htm")), QByteArray("Caf\xe9 <#MerchantName>"));
}

QTEST_GUILESS_MAIN(tst_TdmSiteProducer)
#include "tst_TdmSiteProducer.moc"
