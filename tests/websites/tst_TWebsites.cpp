#include "EQuorvisError.h"
#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TProgramFolders.h"
#include "TShellState.h"
#include "TWebsites.h"
#include "TestSupport.h"
#include "WebsiteFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>

using namespace WebsiteFixtures;

// The website list and its folders without any window.
class tst_TWebsites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void normaliseFolder_data();
    void normaliseFolder();
    void newFoldersTakeTheFirstFreeNumber();
    void createExtractsTheTemplateAndListsTheWebsite();
    void failedCreationLeavesNoHalfMadeWebsite_data();
    void failedCreationLeavesNoHalfMadeWebsite();
    void deleteRemovesOnlyOwnWebsiteFolders_data();
    void deleteRemovesOnlyOwnWebsiteFolders();
    void deletingTheOpenWebsiteDetachesItsDatabase();
    void startupListIsTakenOverOnceIntoANewTable();
    void addExisting_data();
    void addExisting();
    void openingRemembersTheWebsiteAndReportsFailure();
    void sampleStoreSetsItsFlagAndItsLogo();
    void previewEscapesEveryText_data();
    void previewEscapesEveryText();
    void richTextDescriptionsAreConvertedOrKept_data();
    void richTextDescriptionsAreConvertedOrKept();

private:
    QString Home() const { return TProgramFolders::ProgramFolder(); }
    QString Sites() const { return TWebsites::WebsitesFolder(); }
    // Starts the common database afresh, as on a first start.
    void NewCommonDatabase();

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::unique_ptr<TMessageRecorder> m_messages;
    QString m_template;
};

void tst_TWebsites::initTestCase()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QCOMPARE(LangStr(1454), QStringLiteral("Website"));
    m_template = m_env.Home() + QStringLiteral("/../newsite.dat");
    MakeTemplate(m_template);
}

void tst_TWebsites::cleanupTestCase()
{
    m_messages.reset();
    m_app.reset();
}

void tst_TWebsites::init()
{
    // One recorder at a time: the old one uninstalls itself.
    m_messages.reset();
    m_messages = std::make_unique<TMessageRecorder>();
    m_app->CloseDatabase();
    TShellState::SetSampleStore(false);
    m_app->Settings().DeleteKey(QStringLiteral("StartupList"));
    m_app->Settings().DeleteKey(QStringLiteral("Settings"));
    m_app->CommonDatabase()->Exec(QStringLiteral("DELETE FROM Websites"));
    QDir(Sites()).removeRecursively();
    QDir(Home() + QStringLiteral("Samples")).removeRecursively();
    QDir(Home() + QStringLiteral("Elsewhere")).removeRecursively();
    QDir().mkpath(Sites());
}

void tst_TWebsites::NewCommonDatabase()
{
    m_app->CloseCommonDatabase();
    const QString file = TProgramFolders::CommonDatabaseFile();
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(file + suffix);
    QVERIFY(m_app->CommonDatabase());
}

void tst_TWebsites::normaliseFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("normal");

    QTest::newRow("adds the trailing slash") << "/srv/shops/Roses" << "/srv/shops/Roses/";
    QTest::newRow("keeps one of several") << "/srv/shops/Roses///" << "/srv/shops/Roses/";
    QTest::newRow("backslashes") << "\\srv\\shops\\Roses\\" << "/srv/shops/Roses/";
    QTest::newRow("doubled separators inside") << "/srv//shops/Roses" << "/srv/shops/Roses/";
    QTest::newRow("dot parts") << "/srv/./shops/old/../Roses" << "/srv/shops/Roses/";
    QTest::newRow("blanks are part of the name") << "/srv/my shops/Roses and Lilies" << "/srv/my shops/Roses and Lilies/";
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("empty stays empty") << "" << "";
}

void tst_TWebsites::normaliseFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, normal);
    QCOMPARE(TWebsites::NormaliseFolder(folder), normal);
    QCOMPARE(TWebsites::NormaliseFolder(normal), normal);
}

void tst_TWebsites::newFoldersTakeTheFirstFreeNumber()
{
    const QString first = TWebsites::NewWebsiteFolder();
    const QString second = TWebsites::NewWebsiteFolder();
    QCOMPARE(first, Sites() + QStringLiteral("Website1/"));
    QCOMPARE(second, Sites() + QStringLiteral("Website2/"));
    QVERIFY(QFileInfo(first).isDir());

    QVERIFY(QDir(first).removeRecursively());
    QCOMPARE(TWebsites::NewWebsiteFolder(), first);

    // A file of that name, or a listed website whose folder has gone, keeps its number.
    WriteFile(Sites() + QStringLiteral("Website3"), "not a folder");
    QCOMPARE(TWebsites::NewWebsiteFolder({Sites() + QStringLiteral("Website4/")}), Sites() + QStringLiteral("Website5/"));

    // Without a WebSites folder, it is made.
    QVERIFY(QDir(Sites()).removeRecursively());
    QCOMPARE(TWebsites::NewWebsiteFolder(), first);
}

void tst_TWebsites::createExtractsTheTemplateAndListsTheWebsite()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);

    // The progress follows the archive: its size, then a step per file.
    class TRecorder : public TProgress
    {
    public:
        void SetMaximum(int maximum) override { this->maximum = maximum; }
        void Step(int by) override { steps += by; }
        int maximum = -1;
        int steps = 0;
    } progress;
    const qint64 id = websites.Create(QStringLiteral("Roses & Co"), QStringLiteral("Cut flowers"), progress);
    QVERIFY(progress.maximum > 0);
    QCOMPARE(progress.steps, progress.maximum);

    const QList<TWebsite> list = websites.List();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().id, id);
    QCOMPARE(list.first().name, QStringLiteral("Roses & Co"));
    QCOMPARE(list.first().description, QStringLiteral("Cut flowers"));
    QCOMPARE(list.first().path, Sites() + QStringLiteral("Website1/"));
    QVERIFY(QFileInfo(list.first().path + QStringLiteral("store.db")).isFile());
    QVERIFY(QFileInfo(list.first().path + QStringLiteral("HTML/images")).isDir());
    // Not opened: the merchant chooses it first.
    QVERIFY(!m_app->IsOpen());

    QCOMPARE(websites.Find(websites.Create(QStringLiteral("Lilies"), QString()))->path, Sites() + QStringLiteral("Website2/"));
}

void tst_TWebsites::failedCreationLeavesNoHalfMadeWebsite_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing template") << "missing";
    QTest::newRow("not an archive") << "garbage";
    QTest::newRow("cut-off archive") << "truncated";
    QTest::newRow("entry climbing out of the folder") << "unsafe";
    QTest::newRow("file that cannot be written") << "unwritable";
    QTest::newRow("archive without a store") << "no store";
    QTest::newRow("store that is not a database") << "bad store";
}

void tst_TWebsites::failedCreationLeavesNoHalfMadeWebsite()
{
    QFETCH(QString, kind);
    const QString archive = m_env.NewFolder(QStringLiteral("templates")) + QStringLiteral("/newsite.dat");
    const QByteArray store = ReadFile(m_template);
    if (kind == QLatin1StringView("garbage")) {
        WriteFile(archive, QByteArray("PK\x03\x04 this is not what it seems", 30).repeated(50));
    } else if (kind == QLatin1StringView("truncated")) {
        WriteFile(archive, store.left(store.size() / 2));
    } else if (kind == QLatin1StringView("unsafe")) {
        MakeRawArchive(archive, {{"readme.txt", "first"}, {"../../escaped.txt", "out"}});
    } else if (kind == QLatin1StringView("unwritable")) {
        // A folder stands where the store file is to go.
        MakeRawArchive(archive, {{"store.db/", {}}, {"store.db", "bytes"}});
    } else if (kind == QLatin1StringView("no store")) {
        MakeRawArchive(archive, {{"HTML/", {}}, {"readme.txt", "nothing else"}});
    } else if (kind == QLatin1StringView("bad store")) {
        MakeRawArchive(archive, {{"store.db", QByteArray(4096, 'x')}});
    }

    TWebsites websites;
    websites.SetTemplateArchive(archive);
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, websites.Create(QStringLiteral("Half made"), QString()));

    QVERIFY(websites.List().isEmpty());
    QCOMPARE(Entries(Sites()), QStringList());
    QVERIFY(!QFileInfo::exists(Home() + QStringLiteral("escaped.txt")));
    QVERIFY(!QFileInfo::exists(Sites() + QStringLiteral("escaped.txt")));
    // The number was not used up.
    QCOMPARE(TWebsites::NewWebsiteFolder(), Sites() + QStringLiteral("Website1/"));
}

void tst_TWebsites::deleteRemovesOnlyOwnWebsiteFolders_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("fate");
    using F = TWebsites::TFolderFate;

    QTest::newRow("store under WebSites") << "own" << int(F::Removed);
    QTest::newRow("under WebSites without a store") << "no store" << int(F::KeptNotAWebsite);
    QTest::newRow("outside WebSites") << "outside" << int(F::KeptOutside);
    QTest::newRow("link under WebSites to a folder outside") << "link" << int(F::KeptOutside);
    QTest::newRow("path climbing out with ..") << "climbing" << int(F::KeptOutside);
    QTest::newRow("WebSites itself") << "websites" << int(F::KeptOutside);
    QTest::newRow("the program folder") << "home" << int(F::KeptOutside);
    QTest::newRow("folder already gone") << "gone" << int(F::Missing);
}

void tst_TWebsites::deleteRemovesOnlyOwnWebsiteFolders()
{
    QFETCH(QString, kind);
    QFETCH(int, fate);

    const QString outside = Home() + QStringLiteral("Elsewhere/Shop");
    MakeStore(outside, QStringLiteral("Elsewhere"));
    // Another website under WebSites, which must survive whatever happens.
    const QString neighbour = Sites() + QStringLiteral("Website9");
    MakeStore(neighbour, QStringLiteral("Neighbour"));

    QString path;
    QString mustStay = outside + QStringLiteral("/store.db");
    if (kind == QLatin1StringView("own")) {
        path = Sites() + QStringLiteral("Website1");
        MakeStore(path, QStringLiteral("Own"));
        mustStay.clear();
    } else if (kind == QLatin1StringView("no store")) {
        path = Sites() + QStringLiteral("Website1");
        QDir().mkpath(path);
        WriteFile(path + QStringLiteral("/notes.txt"), "the merchant's notes");
        mustStay = path + QStringLiteral("/notes.txt");
    } else if (kind == QLatin1StringView("outside")) {
        path = outside;
    } else if (kind == QLatin1StringView("link")) {
        path = Sites() + QStringLiteral("Website1");
        QVERIFY(QFile::link(outside, path));
    } else if (kind == QLatin1StringView("climbing")) {
        path = Sites() + QStringLiteral("Website9/../../Elsewhere/Shop");
    } else if (kind == QLatin1StringView("websites")) {
        path = Sites();
        mustStay = neighbour + QStringLiteral("/store.db");
    } else if (kind == QLatin1StringView("home")) {
        path = Home();
        mustStay = neighbour + QStringLiteral("/store.db");
    } else {
        path = Sites() + QStringLiteral("Website1");
    }
    // Stored as written: older lists were not normalised.
    TDatabase& common = *m_app->CommonDatabase();
    common.Exec(QStringLiteral("INSERT INTO Websites (vchBusinessName, vchBusinessDesc, vchPath) VALUES ('Doomed', '', ?1)"), {path});
    const qint64 id = common.LastInsertRowId();

    TWebsites websites;
    const TWebsites::TDeleteResult result = websites.Delete(id);
    QCOMPARE(int(result.folder), fate);
    QVERIFY(!websites.Find(id));
    QVERIFY(!result.closedOpenWebsite);
    if (mustStay.isEmpty())
        QVERIFY(!QFileInfo::exists(path));
    else
        QVERIFY2(QFileInfo(mustStay).isFile(), qPrintable(mustStay));
    QVERIFY(QFileInfo(outside + QStringLiteral("/store.db")).isFile());
    QVERIFY(QFileInfo(neighbour + QStringLiteral("/store.db")).isFile());
}

void tst_TWebsites::deletingTheOpenWebsiteDetachesItsDatabase()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    const qint64 id = websites.Create(QStringLiteral("Open Shop"), QString());
    const qint64 other = websites.Create(QStringLiteral("Other Shop"), QString());
    QVERIFY(websites.Open(id));
    QVERIFY(TWebsites::IsOpenWebsite(*websites.Find(id)));
    QVERIFY(!TWebsites::IsOpenWebsite(*websites.Find(other)));

    // Deleting another website leaves the open one alone.
    QVERIFY(!websites.Delete(other).closedOpenWebsite);
    QVERIFY(m_app->IsOpen());

    const TWebsites::TDeleteResult result = websites.Delete(id);
    QVERIFY(result.closedOpenWebsite);
    QCOMPARE(result.folder, TWebsites::TFolderFate::Removed);
    QVERIFY(!m_app->IsOpen());
    QVERIFY(!QFileInfo::exists(Sites() + QStringLiteral("Website1")));
    QVERIFY(websites.List().isEmpty());
}

void tst_TWebsites::startupListIsTakenOverOnceIntoANewTable()
{
    const QString florist = Home() + QStringLiteral("Elsewhere/Florist");
    const QString nameless = Home() + QStringLiteral("Elsewhere/Nameless");
    MakeStore(florist, QStringLiteral("Tolvane Florist"), QStringLiteral("Flowers for every day"));
    MakeStore(nameless, QStringLiteral("   "), QStringLiteral("No name given"));
    TUserSettings& settings = m_app->Settings();
    settings.Write(QStringLiteral("StartupList"), QStringLiteral("  ") + florist + QStringLiteral("  "), QString());
    settings.Write(QStringLiteral("StartupList"), Home() + QStringLiteral("Elsewhere/Gone"), QString());
    settings.Write(QStringLiteral("StartupList"), QString(nameless).replace(u'/', u'\\') + u'\\', QString());

    // A table that was there before takes nothing over.
    m_app->CloseCommonDatabase();
    QVERIFY(m_app->CommonDatabase());
    TWebsites websites;
    QCOMPARE(websites.TakeOverStartupList(), 0);
    QVERIFY(websites.List().isEmpty());

    NewCommonDatabase();
    QCOMPARE(websites.TakeOverStartupList(), 2);
    QList<TWebsite> list = websites.List();
    QCOMPARE(list.size(), 2);
    std::sort(list.begin(), list.end(), [](const TWebsite& a, const TWebsite& b) { return a.path < b.path; });
    QCOMPARE(list.at(0).path, florist + u'/');
    QCOMPARE(list.at(0).name, QStringLiteral("Tolvane Florist"));
    QCOMPARE(list.at(0).description, QStringLiteral("Flowers for every day"));
    QCOMPARE(list.at(1).path, nameless + u'/');
    QCOMPARE(list.at(1).name, QStringLiteral("Untitled -------"));
    QCOMPARE(list.at(1).description, QStringLiteral("No name given"));

    // Once only, also after the merchant deleted them all.
    QCOMPARE(websites.TakeOverStartupList(), 0);
    websites.Delete(list.at(0).id);
    websites.Delete(list.at(1).id);
    QCOMPARE(websites.TakeOverStartupList(), 0);
    QVERIFY(websites.List().isEmpty());
    // The folders outside the program's own stay.
    QVERIFY(QFileInfo(florist + QStringLiteral("/store.db")).isFile());
}

void tst_TWebsites::addExisting_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("refusal");

    const QString shop = QStringLiteral("@/Elsewhere/Shop");
    QTest::newRow("a new folder") << "@/Elsewhere/Other" << false << "";
    QTest::newRow("the listed folder") << shop << true << "";
    QTest::newRow("listed, with more slashes") << "@/Elsewhere//Shop///" << true << "";
    QTest::newRow("listed, with backslashes") << "@\\Elsewhere\\Shop" << true << "";
    QTest::newRow("listed, through a link") << "@/Elsewhere/ShopLink" << true << "";
    QTest::newRow("a folder without a store") << "@/Elsewhere/Empty" << false << "1392";
    QTest::newRow("a folder that is not there") << "@/Elsewhere/Nowhere" << false << "1392";
}

void tst_TWebsites::addExisting()
{
    QFETCH(QString, chosen);
    QFETCH(bool, listed);
    QFETCH(QString, refusal);
    const QString base = Home() + QStringLiteral("Elsewhere");
    chosen.replace(QStringLiteral("@"), Home().chopped(1));

    MakeStore(base + QStringLiteral("/Shop"), QStringLiteral("Shop"));
    MakeStore(base + QStringLiteral("/Other"), QString(), QStringLiteral("Other's description"));
    QDir().mkpath(base + QStringLiteral("/Empty"));
    QVERIFY(QFile::link(base + QStringLiteral("/Shop"), base + QStringLiteral("/ShopLink")));

    TWebsites websites;
    const qint64 shopId = websites.AddExisting(base + QStringLiteral("/Shop")).id;
    QVERIFY(shopId > 0);

    if (!refusal.isEmpty()) {
        try {
            websites.AddExisting(chosen);
            QFAIL("the folder was listed");
        } catch (const EQuorvisError& e) {
            QCOMPARE(e.Message(), LangStr(refusal.toInt()));
        }
        QCOMPARE(websites.List().size(), 1);
        return;
    }
    const TWebsites::TAddResult result = websites.AddExisting(chosen);
    QCOMPARE(result.alreadyListed, listed);
    QCOMPARE(websites.List().size(), listed ? 1 : 2);
    if (listed) {
        QCOMPARE(result.id, shopId);
    } else {
        const TWebsite added = *websites.Find(result.id);
        QCOMPARE(added.path, TWebsites::NormaliseFolder(chosen));
        QCOMPARE(added.name, QStringLiteral("Untitled -------"));
        QCOMPARE(added.description, QStringLiteral("Other's description"));
    }
}

void tst_TWebsites::openingRemembersTheWebsiteAndReportsFailure()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    const qint64 id = websites.Create(QStringLiteral("Shop"), QString());
    TShellState::SetSampleStore(true);
    QVERIFY(websites.Open(id));
    QVERIFY(m_app->IsOpen());
    QVERIFY(!TShellState::SampleStore());
    QCOMPARE(m_app->CurrentWebsiteFolder(), Sites() + QStringLiteral("Website1/"));
    QCOMPARE(TWebsites::LastWebID(), id);
    QCOMPARE(m_app->ReadSetting(QStringLiteral("Settings"), QStringLiteral("LastWebID")), QString::number(id));
    QVERIFY(m_messages->shown.isEmpty());

    // A folder that lost its store stays listed; the open website was let go.
    const qint64 broken = websites.Create(QStringLiteral("Broken"), QString());
    QVERIFY(QFile::remove(websites.Find(broken)->path + QStringLiteral("store.db")));
    QVERIFY(!websites.Open(broken));
    QVERIFY(!m_app->IsOpen());
    QCOMPARE(m_messages->shown.size(), 1);
    QVERIFY(m_messages->shown.first().second.startsWith(LangStr(1338)));
    QVERIFY(websites.Find(broken));
}

void tst_TWebsites::sampleStoreSetsItsFlagAndItsLogo()
{
    QVERIFY(!TWebsites::SampleStoreExists());
    const QString sample = Home() + QStringLiteral("Samples/Flowers Tolvane");
    MakeStore(sample, QStringLiteral("Flowers Tolvane"));
    QVERIFY(TWebsites::SampleStoreExists());
    QCOMPARE(TWebsites::SampleStoreFolder(), sample + u'/');

    QVERIFY(TWebsites::OpenSampleStore());
    QVERIFY(TShellState::SampleStore());
    QCOMPARE(m_app->CurrentWebsiteFolder(), sample + u'/');
    // Saved: another connection sees it.
    m_app->CloseDatabase();
    auto db = TDatabase::Open(sample + QStringLiteral("/store.db"), TDatabase::OpenMode::OpenExisting);
    QCOMPARE(db->Scalar(QStringLiteral("SELECT MerchantLogoLocation FROM MerchantSettings")).toString(),
             sample + QStringLiteral("/Images/logo.gif"));
    // The sample is not remembered as the last website.
    QCOMPARE(TWebsites::LastWebID(), 0);
}

void tst_TWebsites::previewEscapesEveryText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("script in the name") << "<script>alert('x')</script>" << "" << "/srv/a/"
                                        << QStringList{"<b>&lt;script&gt;alert('x')&lt;/script&gt;</b>"} << QStringList{"<script"};
    QTest::newRow("markup in the description") << "Shop" << "<img src=x onerror=alert(1)> & more"
                                               << "/srv/a/" << QStringList{"&lt;img src=x onerror=alert(1)&gt; &amp; more"}
                                               << QStringList{"<img"};
    QTest::newRow("line breaks of the description") << "Shop" << "first\r\nsecond\nthird" << "/srv/a/"
                                                    << QStringList{"first<br>\nsecond<br>\nthird"} << QStringList{};
    QTest::newRow("quotes and the path") << "\"Best\" Roses" << "" << "/srv/<odd> & \"path\"/"
                                         << QStringList{"&quot;Best&quot; Roses", "<b>Database Path :&nbsp</b>/srv/&lt;odd&gt; &amp; &quot;path&quot;/</font>"}
                                         << QStringList{"<odd>"};
    QTest::newRow("tag-like text is not filled again") << "<#Path>" << "<#BusinessName>" << "/srv/a/"
                                                       << QStringList{"<b>&lt;#Path&gt;</b>", "&lt;#BusinessName&gt;"}
                                                       << QStringList{};
}

void tst_TWebsites::previewEscapesEveryText()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);

    const QString html = TWebsites::PreviewHtml(name, description, path);
    QVERIFY(html.startsWith(QStringLiteral("<HTML>\r\n<body bgcolor = \"#E8E9FD\">\r\n")));
    QVERIFY(html.contains(QStringLiteral("<font face=\"verdana\" size=\"1\"><u>Merchant Details</u>:</font>")));
    QVERIFY(html.trimmed().endsWith(QStringLiteral("</body>\r\n</HTML>")));
    QVERIFY(!html.contains(QStringLiteral("<#")));
    for (const QString& text : expected)
        QVERIFY2(html.contains(text), qPrintable(text + QStringLiteral("\n---\n") + html));
    for (const QString& text : absent)
        QVERIFY2(!html.contains(text), qPrintable(text + QStringLiteral("\n---\n") + html));
}

void tst_TWebsites::richTextDescriptionsAreConvertedOrKept_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("contains");
    QTest::addColumn<bool>("unchanged");

    QTest::newRow("rich text") << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\b Fresh\\b0  flowers & more\\par}" << "Fresh" << false;
    QTest::newRow("plain text is kept") << "Fresh flowers <daily>" << "Fresh flowers <daily>" << true;
}

void tst_TWebsites::richTextDescriptionsAreConvertedOrKept()
{
    QFETCH(QString, text);
    QFETCH(QString, contains);
    QFETCH(bool, unchanged);
    const QString description = TWebsites::DescriptionFromRtf(text);
    QVERIFY2(description.contains(contains), qPrintable(description));
    QCOMPARE(description == text, unchanged);
    if (!unchanged) {
        QVERIFY(!description.contains(QStringLiteral("rtf1")));
        QVERIFY(description.contains(QStringLiteral("&amp;")));
    }
}

QTEST_GUILESS_MAIN(tst_TWebsites)
#include "tst_TWebsites.moc"
