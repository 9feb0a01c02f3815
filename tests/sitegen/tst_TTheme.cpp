#include "EThemeError.h"
#include "TApp.h"
#include "TColourText.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TPluginColours.h"
#include "TSiteGenSettings.h"
#include "TStoreSchema.h"
#include "TTheme.h"
#include "TestSupport.h"

#include <QtTest>

class tst_TTheme : public QObject
{
    Q_OBJECT

private slots:
    void parseColour_data();
    void parseColour();
    void colourThatIsNoColourIsRefused_data();
    void colourThatIsNoColourIsRefused();
    void colourForPageHasOneForm_data();
    void colourForPageHasOneForm();
    void toolkitColours_data();
    void toolkitColours();
    void layoutSettings_data();
    void layoutSettings();
    void themeReadsEveryLayout();
    void themeWithoutSettingsCannotBeOpened();
    void listingShowsOnlyThemes();
    void choiceFallsBackToTheShippedTheme_data();
    void choiceFallsBackToTheShippedTheme();
    void rememberedChoices();
    void pluginColoursMoveIntoTheMerchantOnce();

private:
    QString MakeTheme(const QString& name, const QByteArray& settings);

    TTestEnvironment m_env;
};

QString tst_TTheme::MakeTheme(const QString& name, const QByteArray& settings)
{
    const QString folder = m_env.NewFolder(name);
    if (!settings.isNull())
        WriteTestFile(folder + QStringLiteral("/settings.ini"), settings);
    return folder;
}

void tst_TTheme::parseColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("name") << "blue" << "0000ff";
    QTest::newRow("hash and digits") << "#0000FF" << "0000ff";
    QTest::newRow("digits alone") << "0000FF" << "0000ff";
    QTest::newRow("silver") << "silver" << "c0c0c0";
    QTest::newRow("empty is black") << "" << "000000";
    QTest::newRow("one-digit blue") << "#12345" << "123405";
    QTest::newRow("teal") << "teal" << "008080";
}

void tst_TTheme::parseColour()
{
    QFETCH(QString, text);
    QFETCH(QString, formatted);
    QCOMPARE(FormatColour(ParseColour(text)), formatted);
}

void tst_TTheme::colourThatIsNoColourIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("name in capitals") << "Blue";
    QTest::newRow("not hexadecimal") << "#00GG00";
    QTest::newRow("too short") << "#1234";
    QTest::newRow("too long") << "#0000FF00";
    QTest::newRow("signed pair") << "#-10000";
}

void tst_TTheme::colourThatIsNoColourIsRefused()
{
    QFETCH(QString, text);
    try {
        ParseColour(text);
        QFAIL("a colour came back");
    } catch (const EQuorvisError& e) {
        QVERIFY2(e.Message().contains(text), qPrintable(e.Message()));
    }
}

void tst_TTheme::colourForPageHasOneForm_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("page");
    QTest::newRow("cart colour with hash") << "#000080" << "#000080";
    QTest::newRow("stored without hash") << "000080" << "#000080";
    QTest::newRow("doubled hash") << "##000080" << "#000080";
    QTest::newRow("name") << "navy" << "#000080";
    QTest::newRow("capitals") << " #C0C0C0 " << "#c0c0c0";
    QTest::newRow("blank") << "" << "#000000";
    QTest::newRow("no colour") << "\"><script>" << "#000000";
}

void tst_TTheme::colourForPageHasOneForm()
{
    QFETCH(QString, stored);
    QFETCH(QString, page);
    QCOMPARE(ColourForPage(stored), page);
}

void tst_TTheme::toolkitColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatted"); // empty: no colour
    QTest::newRow("constant") << "clNavy" << "000080";
    QTest::newRow("constant any case") << "CLSILVER" << "c0c0c0";
    QTest::newRow("blue green red") << "$00800000" << "000080";
    QTest::newRow("red") << "$000000FF" << "ff0000";
    QTest::newRow("short") << "$FF" << "ff0000";
    QTest::newRow("system colour") << "$FF000005" << "";
    QTest::newRow("no dollar") << "800000" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_TTheme::toolkitColours()
{
    QFETCH(QString, text);
    QFETCH(QString, formatted);
    const auto colour = ParseToolkitColour(text);
    QCOMPARE(colour ? FormatColour(*colour) : QString(), formatted);
}

void tst_TTheme::layoutSettings_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");

    QTest::newRow("current colour over the theme's") << QByteArray("CurrLinkColor=#112233\nLinkColor=#445566\n")
                                                     << "link" << "#112233 #445566";
    QTest::newRow("theme's colour alone") << QByteArray("LinkColor=#445566\n") << "link" << "#445566 #445566";
    QTest::newRow("no colour") << QByteArray() << "link" << "#0000FF #0000FF";
    QTest::newRow("font size 10 reads the theme's") << QByteArray("CurrFontSize=10\nDefaultFontSize=14\n") << "font size" << "14";
    QTest::newRow("font size of its own") << QByteArray("CurrFontSize=12\nDefaultFontSize=14\n") << "font size" << "12";
    QTest::newRow("no font size") << QByteArray("DefaultFontSize=9\n") << "font size" << "9";
    QTest::newRow("border only for 1") << QByteArray("CurrBorderAroundMerchant=2\n") << "merchant border" << "false";
    QTest::newRow("border 1") << QByteArray("CurrBorderAroundMerchant=1\n") << "merchant border" << "true";
    QTest::newRow("caption from the left") << QByteArray("offbuttonAlignment=1\n") << "alignment" << "left";
    QTest::newRow("caption from the right") << QByteArray("offbuttonAlignment=2\n") << "alignment" << "right";
    QTest::newRow("caption centred") << QByteArray("offbuttonAlignment=7\n") << "alignment" << "centre";
    QTest::newRow("button picture with slashes") << QByteArray("offButton=singlepage/images/off.gif\n") << "off picture"
                                                 << "singlepage/images/off.gif";
    QTest::newRow("button picture with backslashes") << QByteArray("offButton=singlepage\\images\\off.gif\n")
                                                     << "off picture" << "singlepage/images/off.gif";
    QTest::newRow("defaults") << QByteArray() << "defaults" << "Default Default Arial Verdana -1 layout1";
    QTest::newRow("malformed number reads its default") << QByteArray("offbuttonXPos=left\n") << "x" << "-1";
    QTest::newRow("name") << QByteArray("Name=Wide\n") << "name" << "Wide";
}

void tst_TTheme::layoutSettings()
{
    QFETCH(QByteArray, section);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    const QString folder = MakeTheme(QStringLiteral("T"), "[theme]\nLayoutCount=1\n[layout1]\ndirectory=singlepage\\\n" + section);
    const TTheme theme(folder);
    const TThemeLayout* l = theme.Layout(0);
    QVERIFY(l);
    QString got;
    if (what == u"link")
        got = l->linkColour + u' ' + l->themeLinkColour;
    else if (what == u"font size")
        got = QString::number(l->fontSize);
    else if (what == u"merchant border")
        got = l->borderMerchant ? QStringLiteral("true") : QStringLiteral("false");
    else if (what == u"alignment")
        got = l->offButton.alignment == TCaptionAlignment::Left    ? QStringLiteral("left")
            : l->offButton.alignment == TCaptionAlignment::Right ? QStringLiteral("right")
                                                                 : QStringLiteral("centre");
    else if (what == u"off picture")
        got = l->offButton.picture;
    else if (what == u"defaults")
        got = QStringList{l->buyButton, l->briefStyle, l->fontName, l->offButton.fontName, QString::number(l->offButton.x), l->name}
                  .join(u' ');
    else if (what == u"x")
        got = QString::number(l->offButton.x);
    else if (what == u"name")
        got = l->name;
    QCOMPARE(got, expected);
    QCOMPARE(l->directory, theme.Folder() + QStringLiteral("singlepage/"));
}

void tst_TTheme::themeReadsEveryLayout()
{
    const QString folder = MakeTheme(QStringLiteral("Garden"),
                                     "[Theme]\nname=Garden\nauthor=Quorvis\nDescriptionLines=2\nDescription1=Green\n"
                                     "Description2=and calm\nVersionMajor=2\nVersionMinor=5\nLayoutCount=2\n"
                                     "[layout1]\nName=Narrow\nPreviewImage=preview\\narrow.png\n"
                                     "onButton=singlepage\\images\\on.gif\nonbuttonBold=1\nonButtonFontSize=12\n"
                                     "[LAYOUT2]\nName=Wide\n");
    const TTheme theme(folder);
    QCOMPARE(theme.name, QStringLiteral("Garden"));
    QCOMPARE(theme.author, QStringLiteral("Quorvis"));
    QCOMPARE(theme.description, QStringList({"Green", "and calm"}));
    QCOMPARE(theme.versionMajor, 2);
    QCOMPARE(theme.versionMinor, 5);
    QCOMPARE(theme.LayoutsRead(), 2);
    QCOMPARE(theme.Layout(1)->name, QStringLiteral("Wide"));
    QVERIFY(!theme.Layout(2));
    const TThemeLayout* first = theme.Layout(0);
    QCOMPARE(first->previewImage, theme.Folder() + QStringLiteral("preview/narrow.png"));
    QCOMPARE(first->onButton.picture, theme.Folder() + QStringLiteral("singlepage/images/on.gif"));
    QCOMPARE(first->OnButtonFont().pointSize(), 12);
    QVERIFY(first->OnButtonFont().bold());
    QVERIFY(!first->OffButtonFont().bold());
    QVERIFY(theme.Folder().endsWith(u'/'));
    QVERIFY(theme.File(QStringLiteral("..\\..\\etc\\passwd")).isEmpty()); // never outside the theme
}

void tst_TTheme::themeWithoutSettingsCannotBeOpened()
{
    const QString folder = MakeTheme(QStringLiteral("Empty"), QByteArray());
    try {
        TTheme theme(folder);
        QFAIL("a theme without settings opened");
    } catch (const EThemeError& e) {
        QCOMPARE(e.Message(), LangStr(1447));
    }
    QVERIFY_THROWS_EXCEPTION(EThemeError, TThemeLayout(folder, 1));
}

void tst_TTheme::listingShowsOnlyThemes()
{
    MakeTheme(QStringLiteral("listing/Zinnia"), "[theme]\n");
    MakeTheme(QStringLiteral("listing/Aster"), "[theme]\n");
    MakeTheme(QStringLiteral("listing/NoSettings"), QByteArray());
    MakeTheme(QStringLiteral("listing/.Hidden"), "[theme]\n");
    QCOMPARE(TTheme::List(m_env.Home() + QStringLiteral("/listing")), QStringList({"Aster", "Zinnia"}));
    QCOMPARE(TTheme::List(m_env.Home() + QStringLiteral("/NoSuchFolder")), QStringList());
}

void tst_TTheme::choiceFallsBackToTheShippedTheme_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the remembered theme") << "Garden" << "Garden";
    QTest::newRow("nothing remembered") << "" << "Fallback";
    QTest::newRow("a theme that is gone") << "Gone" << "Fallback";
    QTest::newRow("a folder without settings") << "Broken" << "Fallback";
    QTest::newRow("a path out of the themes") << "../Themes/Garden" << "Fallback";
}

void tst_TTheme::choiceFallsBackToTheShippedTheme()
{
    QFETCH(QString, remembered);
    QFETCH(QString, chosen);
    const QString themes = m_env.NewFolder(QStringLiteral("choice/Themes"));
    auto write = [&](const QString& name, const QByteArray& settings) {
        WriteTestFile(themes + u'/' + name + QStringLiteral("/settings.ini"), settings);
    };
    write(QStringLiteral("Garden"), "[theme]\nname=Garden\n");
    write(QLatin1StringView(TTheme::FallbackName), "[theme]\nname=Fallback\n");
    QDir().mkpath(themes + QStringLiteral("/Broken"));
    TUserSettings settings(m_env.SettingsFile());
    TSiteGenSettings(settings).SetLastTheme(42, remembered);
    QCOMPARE(TTheme::Choose(themes, settings, 42)->name, chosen);
    // Another merchant's choice is its own.
    QCOMPARE(TTheme::Choose(themes, settings, 7)->name, QStringLiteral("Fallback"));
    QFile::remove(themes + u'/' + QLatin1StringView(TTheme::FallbackName) + QStringLiteral("/settings.ini"));
    if (chosen == u"Fallback")
        QVERIFY_THROWS_EXCEPTION(EThemeError, TTheme::Choose(themes, settings, 42));
}

void tst_TTheme::rememberedChoices()
{
    TUserSettings settings(m_env.SettingsFile());
    TSiteGenSettings siteGen(settings);
    QCOMPARE(siteGen.LastCart(1), TCartKind::Standard);
    settings.Write(QStringLiteral("SiteGen\\LastCart"), QStringLiteral("1"), QStringLiteral("my ASP cart"));
    QCOMPARE(siteGen.LastCart(1), TCartKind::Asp);
    siteGen.SetLastCart(2, TCartKind::Standard);
    QCOMPARE(settings.Read(QStringLiteral("SiteGen\\LastCart"), QStringLiteral("2")), QStringLiteral("Standard Shopping Cart"));
    QCOMPARE(siteGen.PageCount(10), 10);
    siteGen.SetPageCount(24);
    QCOMPARE(settings.Read(QStringLiteral("SiteGen\\Theme"), QStringLiteral("PageCount")), QStringLiteral("24"));
    QCOMPARE(siteGen.PageCount(10), 24);
    settings.Write(QStringLiteral("SiteGen\\Theme"), QStringLiteral("PageCount"), QStringLiteral("-3"));
    QCOMPARE(siteGen.PageCount(10), 10);
    QVERIFY(!siteGen.NavAsImage());
    siteGen.SetNavAsImage(true);
    QVERIFY(siteGen.NavAsImage());
}

void tst_TTheme::pluginColoursMoveIntoTheMerchantOnce()
{
    const QString folder = m_env.NewFolder(QStringLiteral("store"));
    TStoreSchema::CreateNewStore(folder + QStringLiteral("/store.db"));
    TApp app(m_env.SettingsFile());
    QVERIFY(OpenStoreDatabase(folder));
    TRef<TMerchant> merchant = app.Merchant();
    merchant->SetID(77);
    merchant->Save();
    const QString key = QStringLiteral("PlugIns\\Standard\\77\\Colors");
    app.Settings().Write(key, QStringLiteral("TitleColor"), QStringLiteral("clMaroon"));
    app.Settings().Write(key, QStringLiteral("CellColor"), QStringLiteral("$00E1FFFF")); // light yellow
    app.Settings().Write(key, QStringLiteral("CellFontColor"), QStringLiteral("not a colour"));
    MigratePluginColours(*merchant, app.Settings());
    QCOMPARE(merchant->TitleColor(), QStringLiteral("#800000"));
    QCOMPARE(merchant->TitleFontColor(), QStringLiteral("#ffffff")); // missing: the default
    QCOMPARE(merchant->CellColor(), QStringLiteral("#ffffe1"));
    QCOMPARE(merchant->CellFontCOlor(), QStringLiteral("#000000"));
    QCOMPARE(app.Database()->Scalar(QStringLiteral("SELECT TitleColor FROM MerchantSettings")).toString(), QStringLiteral("#800000"));
    // Once the record holds colours the settings are not read again.
    app.Settings().Write(key, QStringLiteral("TitleColor"), QStringLiteral("clLime"));
    MigratePluginColours(*merchant, app.Settings());
    QCOMPARE(merchant->TitleColor(), QStringLiteral("#800000"));
}

QTEST_GUILESS_MAIN(tst_TTheme)
#include "tst_TTheme.moc"
