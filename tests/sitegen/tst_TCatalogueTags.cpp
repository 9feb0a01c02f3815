#include "TApp.h"
#include "TCatalogueTags.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TProduct.h"
#include "TProgress.h"
#include "TStoreSchema.h"
#include "TTheme.h"
#include "TdmSiteProducer.h"
#include "TestSupport.h"

#include <QtTest>

// The product and category tags over a small store made by the test: rows of
// template text and the exact output.
class tst_TCatalogueTags : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void productTags_data();
    void productTags();
    void detailPagesChangeTheLinks();
    void hiddenFieldsAreTheFormTheServerReads();
    void customFieldControls();
    void picturesAreFoundAndCopied();
    void productListFillsSlotsInRows_data();
    void productListFillsSlotsInRows();
    void nextPageOnlyWhileProductsRemain();
    void breadcrumbEndsOnARingOfParents();
    void categoryLists();

private:
    void Exec(const QString& sql, const QVariantList& values = {}) { m_app->Database()->Exec(sql, values); }
    void UseProduct(qint64 id);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::unique_ptr<TTheme> m_theme;
    std::unique_ptr<TdmSiteProducer> m_producer;
    QString m_store;
    QString m_out;
};

void tst_TCatalogueTags::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_store = m_env.NewFolder(QStringLiteral("store"));
    TStoreSchema::CreateNewStore(m_store + QStringLiteral("/store.db"));
    QVERIFY(OpenStoreDatabase(m_store));
    const QString theme = m_env.NewFolder(QStringLiteral("Themes/Garden"));
    WriteTestFile(theme + QStringLiteral("/settings.ini"), "[theme]\nname=Garden\nLayoutCount=1\n[layout1]\ndirectory=singlepage\\\n");
    m_theme = std::make_unique<TTheme>(theme);
    Exec(QStringLiteral("INSERT INTO Taxes (TaxID, TaxName, TaxPercentage, International) VALUES (1, 'GST', 10, 0)"));
    Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName, ParentCategory, CategoryOrder, Status) VALUES "
                        "('1', 'Roses', '0', 1, 0), ('2', 'Climbing <roses>', '1', 1, 0), ('3', 'Lilies', '0', 2, 0), "
                        "('4', 'Hidden', '0', 3, 1)"));
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetID(4242);
    merchant->SetAcceptInternationalOrders(true);
    merchant->Save();
    m_producer = std::make_unique<TdmSiteProducer>(m_app->DatabasePtr(), *m_theme, m_app->Settings(), TProgress::None());
    m_out = m_env.NewFolder(QStringLiteral("site"));
    m_producer->outputFolder = m_out + u'/';
    m_producer->programFolder = m_env.NewFolder(QStringLiteral("program")) + u'/';
}

void tst_TCatalogueTags::cleanup()
{
    m_producer.reset();
    m_theme.reset();
    m_app.reset();
}

void tst_TCatalogueTags::UseProduct(qint64 id)
{
    auto query = std::make_shared<TQuery>(m_app->DatabasePtr(), QStringLiteral("SELECT * FROM Products WHERE ProductID = ?1"),
                                          QVariantList{QString::number(id)});
    query->Open();
    m_producer->Catalogue().SetProduct(TRef<TProduct>(new TProduct(query)));
}

void tst_TCatalogueTags::productTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name escaped") << "<#ProductName>|<#productcode>" << "Rose &quot;Ann&#39;s&quot; &amp; co|R-1";
    QTest::newRow("prices with a point") << "<#Price> <#PriceExTax> <#LocalFreight> <#PerUnitWeight>" << "12.50 12.50 2.00 0.75";
    QTest::newRow("price with tax") << "<#DomPrice>" << "$13.75";
    QTest::newRow("international price only when it differs") << "<#IntPrice>" << "";
    QTest::newRow("tax text with its own international rate") << "<#TaxInfo>" << LangStr(1448).arg("GST", "Australia");
    QTest::newRow("no picture, no image") << "[<#LargeImage>][<#Thumbnail>]" << "[][]";
    QTest::newRow("inventory and back order") << "<#Inventory> <#Backorderable>" << "4 Yes";
    QTest::newRow("no detail page") << "<#LinkedProductName>|<#ProductLinkOnly>|<#InfoBtn>"
                                    << "Rose &quot;Ann&#39;s&quot; &amp; co||";
    QTest::newRow("default buy button") << "<#BuyBtn>" << "images/buy.gif";
    QTest::newRow("quantity hidden") << "<#quantity>" << "<br><input type=\"hidden\" name=\"qty\" value=\"1\">";
}

void tst_TCatalogueTags::productTags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, ProductCode, Cost, CostExTax, Enabled, "
                        "PerUnitShippingCharge1, PerUnitWeight, Inventory, Backorderable) "
                        "VALUES ('7', '1', ?1, 'R-1', 125000, 1, 1, 20000, 0.75, 3.6, 1)"),
         {QStringLiteral("Rose \"Ann's\" & co")});
    // A comma as the user's decimal separator never reaches the page's numbers.
    QLocale::setDefault(QLocale(QLocale::German));
    UseProduct(7);
    QCOMPARE(m_producer->Produce(text), expected);
    QLocale::setDefault(QLocale::c());
}

void tst_TCatalogueTags::detailPagesChangeTheLinks()
{
    Exec(QStringLiteral("UPDATE MerchantSettings SET CreateDetPg = 1"));
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, DetPage, ImageFile, Enabled) "
                        "VALUES ('8', '1', 'Lily', 1, 'lily.gif', 1)"));
    WriteTestFile(m_store + QStringLiteral("/images/lily.gif"), "GIF89a");
    UseProduct(8);
    QCOMPARE(m_producer->Produce(QStringLiteral("<#LinkedProductName>")), QStringLiteral("<a href=\"prod8.htm\">Lily</a>"));
    // SmallImage closes exactly the link ProductLinkOnly opened.
    QCOMPARE(m_producer->Produce(QStringLiteral("<#ProductLinkOnly><#SmallImage>")),
             QStringLiteral("<a href=\"prod8.htm\"><img src=\"images/lily.gif\"  ALT=\"Lily\" border=0></a>"));
    QCOMPARE(m_producer->Produce(QStringLiteral("<#SmallImage>")), QStringLiteral("<img src=\"images/lily.gif\"  ALT=\"Lily\" border=0>"));
    // The default info button is "images\Info.gif": the button file of that name.
    WriteTestFile(m_producer->programFolder + QStringLiteral("Buttons/info/Info.gif"), "GIF89a");
    QCOMPARE(m_producer->Produce(QStringLiteral("<#InfoBtn>")),
             QStringLiteral("<a href=\"prod8.htm\"><img src=\"images/Info.gif\" border = 0></a>"));
    QVERIFY(QFile::exists(m_out + QStringLiteral("/images/Info.gif")));
}

void tst_TCatalogueTags::hiddenFieldsAreTheFormTheServerReads()
{
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, ProductCode, Cost, CostExTax, Enabled, "
                        "PerUnitShippingCharge1, PerUnitShippingCharge2, PerUnitShippingCharge3, PerUnitWeight) "
                        "VALUES ('9', '1', 'Tulip <b>', 'T|1;x', 99900, 1, 1, 10000, 20000, 30000, 1.5), "
                        "('10', '1', 'No tax', 'N', 10000, 77, 1, 0, 0, 0, 0)"));
    UseProduct(9);
    QCOMPARE(m_producer->Produce(QStringLiteral("<#hiddenfields>")),
             QStringLiteral("<input type=\"hidden\" name=\"pid\" value=\"9\">\r\n"
                            "<input type=\"hidden\" name=\"pde\" value=\"Tulip &lt;b&gt;\">\r\n"
                            "<input type=\"hidden\" name=\"pdp\" value=\"9.99\">\r\n"
                            "<input type=\"hidden\" name=\"fpi1\" value=\"1.00\">\r\n"
                            "<input type=\"hidden\" name=\"fpi2\" value=\"2.00\">\r\n"
                            "<input type=\"hidden\" name=\"fpi3\" value=\"3.00\">\r\n"
                            "<input type=\"hidden\" name=\"mid\" value=\"4242\">\r\n"
                            "<input type=\"hidden\" name=\"puw\" value=\"1.50\">\r\n"
                            "<input type=\"hidden\" name=\"dtax\" value=\"0.1\">"
                            "<input type=\"hidden\" name=\"itax\" value=\"0\">"
                            "<input type=\"hidden\" name=\"pdpxtax\" value=\"9.99\">"
                            "<input type=\"hidden\" name=\"pcd\" value=\"T|1;x\">\r\n</FORM>"));
    // A tax that is gone: the page stays valid and no tax is charged.
    UseProduct(10);
    const QString form = m_producer->Produce(QStringLiteral("<#hiddenfields>"));
    QVERIFY(form.contains(QStringLiteral("name=\"dtax\" value=\"0\">")));
    QCOMPARE(m_producer->Produce(QStringLiteral("<#TaxInfo>")), QString());
}

void tst_TCatalogueTags::customFieldControls()
{
    WriteTestFile(m_env.NewFolder(QStringLiteral("CommonFiles")) + QStringLiteral("/fields.tbl"),
          "<tr><td><#CustomFieldName></td><td><#CustomFieldControl></td></tr>");
    m_producer->commonFilesFolder = m_env.Home() + QStringLiteral("/CommonFiles/");
    m_producer->PrepareTemplates();
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, UseColor, ProductColor, Enabled) "
                        "VALUES ('11', '1', 'Vase', 1, ?1, 1)"),
         {QStringLiteral("Red\r\nBlue <b>")});
    Exec(QStringLiteral("INSERT INTO CustomFields (CustomFieldID, CustomFieldName, CustomFieldType, MinValue, MaxValue, "
                        "DefaultValue, ValueList, CustomFieldDescription) VALUES "
                        "(1, 'Card', 'A drop down list', 0, 0, 'Two', ?1, ''), (2, 'Gift', 'Check box', 0, 0, 'true', '', 'Wrap it'), "
                        "(3, 'Note', 'Single Line Edit box', 20, 1, 'Hi \"there\"', '', '')"),
         {QStringLiteral("One\r\nTwo\r\nThree")});
    Exec(QStringLiteral("INSERT INTO ProductsCustomFieldsMM (CustomFieldID, ProductID) VALUES (1, '11'), (2, '11'), (3, '11')"));
    UseProduct(11);
    const QString fields = m_producer->Produce(QStringLiteral("<#CustomFields>"));
    QVERIFY2(fields.contains(QStringLiteral("<input type=\"hidden\" name=\"CF_Field0Name\" value=\"Color\"><select name=\"CF_Field0Value\" size=\"1\">"
                                            "<option>Red</option><option>Blue &lt;b&gt;</option></select>")),
             qPrintable(fields));
    QVERIFY(fields.contains(QStringLiteral("<select name=\"CF_Field1Value\" size=\"1\">\r\n<option>One</option>\r\n"
                                           "<option selected>Two</option>\r\n<option>Three</option>\r\n</select>")));
    QVERIFY(fields.contains(QStringLiteral("<input type=\"checkbox\" name=\"CF_Field2Value\" > Wrap it"))); // "true" is not "True"
    QVERIFY(fields.contains(QStringLiteral("<input type=\"text\" size=\"20\" name=\"CF_Field3Value\" value=\"Hi &quot;there&quot;\">")));
    QVERIFY(fields.endsWith(QStringLiteral("<input type=\"hidden\" name=\"CF_FieldCount\" value=\"4\">")));
}

void tst_TCatalogueTags::picturesAreFoundAndCopied()
{
    // A picture named by a folder that no longer exists is found by its trailing path under the store's images.
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, ImageOverText, Enabled) "
                        "VALUES ('12', '1', 'Fern', 'D:\\Old\\images\\ferns\\fern.jpg', 1)"));
    WriteTestFile(m_store + QStringLiteral("/images/ferns/fern.jpg"), "jpeg");
    UseProduct(12);
    QCOMPARE(m_producer->Produce(QStringLiteral("<#LargeImage>")), QStringLiteral("<img src=\"images/fern.jpg\"  ALT=\"Fern\" border=0>"));
    QVERIFY(QFile::exists(m_out + QStringLiteral("/images/fern.jpg")));
}

void tst_TCatalogueTags::productListFillsSlotsInRows_data()
{
    QTest::addColumn<int>("products");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("five in rows of three") << 5 << 10 << "[P1][P2][P3]<p>[P4][P5]<p>";
    QTest::newRow("rows of three at ten per page") << 12 << 10 << "[P1][P2][P3]<p>[P4][P5][P6]<p>[P7][P8][P9]<p>[P10][P11][P12]<p>";
    QTest::newRow("exactly one row") << 3 << 3 << "[P1][P2][P3]<p>";
    QTest::newRow("no products") << 0 << 10 << "";
}

void tst_TCatalogueTags::productListFillsSlotsInRows()
{
    QFETCH(int, products);
    QFETCH(int, perPage);
    QFETCH(QString, expected);
    const QString d = m_theme->Layout(0)->directory;
    // Slot n is the text between "~#n" and "~#/n", marked by its buy button.
    WriteTestFile(d + QStringLiteral("BriefStyle.tbl"),
          "~#1[#productname1#<img src=\"#BuyBtn1#\">]~#/1~#2[#ProductName2#<img src=\"#BUYBTN2#\">]~#/2"
          "~#3[#PRODUCTNAME3#<img src=\"#buybtn3#\">]~#/3");
    m_producer->PrepareTemplates();
    for (int i = 1; i <= products; ++i)
        Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, Enabled, \"Order\") VALUES (?1, '3', ?2, 1, ?1)"),
             {QString::number(100 + i), QStringLiteral("P%1").arg(i)});
    m_producer->productsPerPage = perPage;
    m_producer->Catalogue().SetCategory(QStringLiteral("3"));
    // The brief table holds the hidden-fields tag at its start; it closes an order form the table does not have.
    QString list = m_producer->Produce(QStringLiteral("<#ProductList>"));
    list.remove(QRegularExpression(QStringLiteral("<input[^>]*>\r?\n?|</FORM>")));
    list.remove(QStringLiteral("<img src=\"images/buy.gif\">"));
    QCOMPARE(list, expected);
}

void tst_TCatalogueTags::nextPageOnlyWhileProductsRemain()
{
    const QString d = m_theme->Layout(0)->directory;
    WriteTestFile(d + QStringLiteral("BriefStyle.tbl"), "<form>[<#ProductName>]</form>");
    m_producer->PrepareTemplates();
    for (int i = 1; i <= 4; ++i)
        Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, Enabled) VALUES (?1, '3', ?2, 1)"),
             {QString::number(200 + i), QStringLiteral("Q%1").arg(i)});
    m_producer->productsPerPage = 2;
    m_producer->currentCategoryID = QStringLiteral("3");
    m_producer->Catalogue().SetCategory(QStringLiteral("3"));
    const QString page = QStringLiteral("<#ProductList>|<#HorizontalCategoryNavigation>");
    QVERIFY(m_producer->Produce(page).endsWith(QStringLiteral("|<a href=\"category3_2.htm\">Next Page</a> &gt;<p>")));
    m_producer->pageNumber = 2;
    const QString second = m_producer->Produce(page);
    QVERIFY2(second.endsWith(QStringLiteral("|&lt; <a href=\"category3_1.htm\">Previous Page</a>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;")),
             qPrintable(second));
}

void tst_TCatalogueTags::breadcrumbEndsOnARingOfParents()
{
    Exec(QStringLiteral("INSERT INTO Products (ProductID, CategoryID, ProductName, Enabled) VALUES ('30', '2', 'Climber', 1)"));
    UseProduct(30);
    QCOMPARE(m_producer->Produce(QStringLiteral("<#HorizontalCategory>")),
             QStringLiteral("<a href=\"category1_1.htm\">Roses</a> &gt; <a href=\"category2_1.htm\">Climbing &lt;roses&gt;</a>"));
    Exec(QStringLiteral("UPDATE Categories SET ParentCategory = '2' WHERE CategoryID = '1'"));
    m_producer->ClearCaches(); // a new build reads the store as it is now
    QCOMPARE(m_producer->Produce(QStringLiteral("<#HorizontalCategory>")),
             QStringLiteral("<a href=\"category1_1.htm\">Roses</a> &gt; <a href=\"category2_1.htm\">Climbing &lt;roses&gt;</a>"));
}

void tst_TCatalogueTags::categoryLists()
{
    m_producer->Catalogue().SetCategory(QStringLiteral("1"));
    QCOMPARE(m_producer->Produce(QStringLiteral("<#CategoryName>/<#CategoryID>")), QStringLiteral("Roses/1"));
    QCOMPARE(m_producer->Produce(QStringLiteral("<#SubCategoriesHeading>:<#SubCategoriesTable>")),
             LangStr(1445) + QStringLiteral(":<a href=\"category2_1.htm\">Climbing &lt;roses&gt;</a><br>"));
    QCOMPARE(m_producer->Produce(QStringLiteral("<#VertCat>")),
             QStringLiteral("<a href=\"category1_1.htm\">Roses</a><br><a href=\"category3_1.htm\">Lilies</a><br>"));
    m_producer->Catalogue().SetCategory(QStringLiteral("3"));
    QCOMPARE(m_producer->Produce(QStringLiteral("[<#SubCategoriesHeading>]")), QStringLiteral("[]"));
}

QTEST_GUILESS_MAIN(tst_TCatalogueTags)
#include "tst_TCatalogueTags.moc"
