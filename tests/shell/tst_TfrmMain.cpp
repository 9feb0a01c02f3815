#include "TApp.h"
#include "TCommandRegistry.h"
#include "TGlobalResourceManager.h"
#include "THomePage.h"
#include "TMerchant.h"
#include "TResourceSchemeHandler.h"
#include "TShellState.h"
#include "TStoreSchema.h"
#include "TestSupport.h"
#include "TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QtTest>

#include <memory>

// Stands in for the feature windows and for the desktop's default programs:
// it writes down what would have been opened.
class TOpenedLog : public QObject
{
    Q_OBJECT

public:
    QList<QPair<QString, int>> opened;

public slots:
    void Open(const QUrl& url) { opened.append({url.toString(), -1}); }
};

class tst_TfrmMain : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        PrepareBrowserEnvironment();
        TResourceSchemeHandler::RegisterScheme();
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void homePageLinkOpensItsWindow_data();
    void homePageLinkOpensItsWindow();
    void linkWithoutKeywordIsCancelledAndTheHomePageStays();
    void busyProgramStartsNothingFromLinksOrMenus();
    void languageSwitchRelabelsTheOpenWindow();
    void toolsAreListedLastRowFirstWithoutMissingFiles();
    void uploadSettings_data();
    void uploadSettings();
    void closing_data();
    void closing();
    void warnToggleWritesItsSetting();
    void helpMenuOpensItsPages_data();
    void helpMenuOpensItsPages();
    void briefDescriptionToggleIsStoredInTheMerchantRecord();
    void selectionWithoutAWebsiteEndsTheProgram();
    void unregisteredWindowSaysItIsNotAvailable_data();
    void unregisteredWindowSaysItIsNotAvailable();

private:
    QVariant RunScript(const QString& script);
    bool ClickLink(const QString& href);
    bool HomePageReady();
    void SetServerUpdated(bool updated);
    QList<QAction*> ToolEntries() const;
    void RegisterLoggingOpener(const QString& window);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    TOpenedLog m_log;
    TfrmMain* m_main = nullptr;
    QString m_storeFolder;
};

QVariant tst_TfrmMain::RunScript(const QString& script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    m_main->HomePage->runJavaScript(script, [result](const QVariant& v) { *result = v; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, 10000))
        return QStringLiteral("no answer");
    return **result;
}

bool tst_TfrmMain::HomePageReady()
{
    const QVariant ready = RunScript(QStringLiteral(
        "(function() { try { return frames.length === 2 && frames['main'].document.readyState === 'complete'"
        " && frames['top'].document.readyState === 'complete' && !!frames['main'].document.querySelector('a[href]'); }"
        " catch (e) { return 'error: ' + e; } })()"));
    return ready.toBool() && ready.typeId() == QMetaType::Bool;
}

// Clicks the link as the merchant would, in whichever frame has it.
bool tst_TfrmMain::ClickLink(const QString& href)
{
    const QString script = QStringLiteral(
        "(function() { for (const name of ['main', 'top']) {"
        " const link = frames[name].document.querySelector('a[href=\"%1\"]');"
        " if (link) { link.click(); return true; } } return false; })()").arg(href);
    return RunScript(script).toBool();
}

void tst_TfrmMain::SetServerUpdated(bool updated)
{
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetServerUpdated(updated);
    merchant->Save();
}

QList<QAction*> tst_TfrmMain::ToolEntries() const
{
    const QList<QAction*> items = m_main->mnuUtilities->actions();
    QList<QAction*> tools;
    for (qsizetype i = items.indexOf(m_main->mnuConfigureTools) + 1; i < items.size(); ++i)
        if (!items.at(i)->isSeparator())
            tools.append(items.at(i));
    return tools;
}

void tst_TfrmMain::RegisterLoggingOpener(const QString& window)
{
    TCommandRegistry::Instance().Register(window, [this, window](QWidget* owner, int page) {
        QCOMPARE(owner, m_main);
        m_log.opened.append({window, page});
    });
}

void tst_TfrmMain::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QVERIFY2(!LangStr(441).isEmpty(), "the shipped language library is needed");
    m_storeFolder = m_env.NewFolder(QStringLiteral("WebSites/Website1"));
    TStoreSchema::CreateNewStore(m_storeFolder + QStringLiteral("/store.db"));
    QVERIFY(OpenStoreDatabase(m_storeFolder));

    namespace W = WindowNames;
    for (const char* window : {W::SelectSite, W::MerchantSettings, W::Categories, W::ModifyCheckout, W::Marketing, W::CustomerList,
                               W::Orders, W::Import, W::SiteGeneration, W::ImageResizer, W::MailSettings, W::VerifyDatabase,
                               W::BackupDatabase, W::SendToServer}) {
        RegisterLoggingOpener(QString::fromLatin1(window));
    }
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_log, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_log, "Open");

    m_main = new TfrmMain;
    QSignalSpy loaded(m_main, &TfrmMain::HomePageLoaded);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_main->activateWindow();
    // The first activation opens the website selection, once.
    QTRY_COMPARE(m_log.opened.size(), 1);
    QCOMPARE(m_log.opened.first().first, QStringLiteral("TfrmSelectSite"));
    QVERIFY(m_main->windowTitle().startsWith(LangStr(754) + QStringLiteral(" [")));
    QVERIFY(m_main->windowTitle().contains(QStringLiteral("Website1")));
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 30000);
    QTRY_VERIFY(HomePageReady());
}

void tst_TfrmMain::cleanupTestCase()
{
    delete m_main;
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    TCommandRegistry::Instance().Clear();
    m_app.reset();
}

void tst_TfrmMain::init()
{
    m_log.opened.clear();
    TShellState::SetSampleStore(false);
}

void tst_TfrmMain::homePageLinkOpensItsWindow_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<int>("page");

    QTest::newRow("selectwebsite") << "selectwebsite.htm" << "TfrmSelectSite" << 0;
    QTest::newRow("merchantset") << "merchantset.htm" << "TfrmMerchantSettings" << 0;
    QTest::newRow("websiteset") << "websiteset.htm" << "TfrmMerchantSettings" << 1;
    QTest::newRow("secureset") << "secureset.htm" << "TfrmMerchantSettings" << 2;
    QTest::newRow("product") << "product.htm" << "TfrmCategories" << 0;
    QTest::newRow("promotions") << "promotions.htm" << "TfrmCategories" << 1;
    QTest::newRow("prodfreight is the catalogue's freight") << "prodfreight.htm" << "TfrmCategories" << 2;
    QTest::newRow("freight is the checkout's freight") << "freight.htm" << "TfrmModifyCheckout" << 4;
    QTest::newRow("keyword") << "keyword.htm" << "TfrmMarketing" << 0;
    QTest::newRow("banner") << "banner.htm" << "TfrmMarketing" << 2;
    QTest::newRow("counter") << "counter.htm" << "TfrmMarketing" << 3;
    QTest::newRow("search") << "search.htm" << "TfrmMarketing" << 1;
    QTest::newRow("customer") << "customer.htm" << "TfrmCustomerList" << 0;
    QTest::newRow("emailtemplates") << "emailtemplates.htm" << "TfrmCustomerList" << 1;
    QTest::newRow("sentemail") << "sentemail.htm" << "TfrmCustomerList" << 2;
    QTest::newRow("order") << "order.htm" << "TfrmOrders" << 0;
    QTest::newRow("import") << "import.htm" << "TfrmImport" << 0;
    QTest::newRow("export") << "export.htm" << "TfrmImport" << 1;
    QTest::newRow("cart") << "cart.htm" << "TfrmModifyCheckout" << 0;
    QTest::newRow("payment") << "payment.htm" << "TfrmModifyCheckout" << 1;
    QTest::newRow("checkout") << "checkout.htm" << "TfrmModifyCheckout" << 2;
    QTest::newRow("completion") << "completion.htm" << "TfrmModifyCheckout" << 3;
    QTest::newRow("webpages") << "webpages.htm" << "TfrmSiteGeneration" << 0;
    QTest::newRow("generate") << "generate.htm" << "TfrmSiteGeneration" << 1;
    QTest::newRow("publish") << "publish.htm" << "TfrmSiteGeneration" << 2;
    QTest::newRow("resizer") << "resizer.htm" << "TImageResizerForm" << 0;
    QTest::newRow("faq") << "faq.htm" << "https://www.quorvis.example/faq" << -1;
    QTest::newRow("updates") << "updates.htm" << "https://www.quorvis.example/updates" << -1;
}

void tst_TfrmMain::homePageLinkOpensItsWindow()
{
    QFETCH(QString, href);
    QFETCH(QString, opened);
    QFETCH(int, page);
    const QUrl home = m_main->HomePage->url();
    QSignalSpy terminate(m_main, &TfrmMain::TerminateRequested);

    QVERIFY2(ClickLink(href), "the home page has no such link");
    QTRY_COMPARE(m_log.opened.size(), 1);
    QCOMPARE(m_log.opened.first().first, opened);
    QCOMPARE(m_log.opened.first().second, page);
    QCOMPARE(m_main->HomePage->url(), home);
    QCOMPARE(terminate.count(), 0);
}

void tst_TfrmMain::linkWithoutKeywordIsCancelledAndTheHomePageStays()
{
    const QUrl home = m_main->HomePage->url();
    QVERIFY(RunScript(QStringLiteral(
        "(function() { const d = frames['main'].document; const a = d.createElement('a');"
        " a.href = 'elsewhere.htm'; d.body.appendChild(a); a.click(); return true; })()")).toBool());
    // Navigations are handled in order: once the next link's window opens,
    // the first link has been dealt with.
    QVERIFY(ClickLink(QStringLiteral("order.htm")));
    QTRY_COMPARE(m_log.opened.size(), 1);
    QCOMPARE(m_log.opened.first().first, QStringLiteral("TfrmOrders"));

    QCOMPARE(m_main->HomePage->url(), home);
    QVERIFY(RunScript(QStringLiteral("frames['main'].location.href")).toString().endsWith(QLatin1StringView("/g_HTM_MAIN")));
    QVERIFY(HomePageReady());
}

void tst_TfrmMain::busyProgramStartsNothingFromLinksOrMenus()
{
    QSignalSpy commands(m_main->HomePage, &THomePage::CommandRequested);
    {
        TBusyGuard operation;
        QVERIFY(ClickLink(QStringLiteral("customer.htm")));
        QTRY_COMPARE(commands.count(), 1);
        m_main->mnuMailServerSetup->trigger();
        m_main->mnuUploadSettings->trigger();
        m_main->mnuOpenWebsite->trigger();
        QVERIFY(!m_main->close());
        QVERIFY(m_main->isVisible());
        QVERIFY(m_log.opened.isEmpty());
    }
    QVERIFY(ClickLink(QStringLiteral("order.htm")));
    QTRY_COMPARE(m_log.opened.size(), 1);
    m_main->mnuMailServerSetup->trigger();
    QCOMPARE(m_log.opened, (QList<QPair<QString, int>>{{"TfrmOrders", 0}, {"TfrmMailSettings", 0}}));
}

void tst_TfrmMain::languageSwitchRelabelsTheOpenWindow()
{
    QSignalSpy loaded(m_main, &TfrmMain::HomePageLoaded);
    m_main->mnuChinese->trigger();
    QCOMPARE(TGlobalResourceManager::Instance().LanguageID(), 1028);
    QCOMPARE(m_main->mnuFile->title(), QStringLiteral("檔案(&F)"));
    QCOMPARE(m_main->mnuOpenWebsite->text(), QStringLiteral("開啟 / 建立新網站"));
    QCOMPARE(m_main->mnuMerchant->title(), QStringLiteral("商家"));
    QCOMPARE(m_main->mnuUploadSettings->text(), QStringLiteral("將設定上傳到伺服器"));
    QCOMPARE(m_main->mnuHelp->title(), QStringLiteral("說明(&H)"));
    QVERIFY(m_main->mnuChinese->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 20000);
    QVERIFY(m_main->HomePage->url().path().contains(QLatin1StringView("/1028/")));
    QTRY_VERIFY(HomePageReady());
    QCOMPARE(RunScript(QStringLiteral("frames['main'].document.querySelector('h1').textContent")).toString(), QStringLiteral("歡迎來到您的商店"));

    loaded.clear();
    m_main->mnuEnglish->trigger();
    QCOMPARE(m_main->mnuFile->title(), QStringLiteral("&File"));
    QCOMPARE(m_main->mnuUploadSettings->text(), QStringLiteral("Upload Setting to Server"));
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 20000);
    QVERIFY(m_main->HomePage->url().path().contains(QLatin1StringView("/3081/")));
    QTRY_VERIFY(HomePageReady());
}

void tst_TfrmMain::toolsAreListedLastRowFirstWithoutMissingFiles()
{
    const QString folder = m_env.NewFolder(QStringLiteral("tools"));
    for (const char* name : {"notes.txt", "prices.csv", "report.txt"}) {
        QFile file(folder + u'/' + QLatin1StringView(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    TDatabase& common = *m_app->CommonDatabase();
    common.Exec(QStringLiteral("DELETE FROM InstalledTools"));
    const QString insert = QStringLiteral("INSERT INTO InstalledTools (ToolID, ToolName, ToolFilename) VALUES (?1, ?2, ?3)");
    common.Exec(insert, {1, QStringLiteral("Notes"), folder + QStringLiteral("/notes.txt")});
    common.Exec(insert, {2, QStringLiteral("Gone"), folder + QStringLiteral("/gone.exe")});
    common.Exec(insert, {3, QStringLiteral("Prices"), folder + QStringLiteral("/prices.csv")});

    m_main->RebuildToolsMenu();
    m_main->RebuildToolsMenu(); // rebuilding replaces, it does not add
    QList<QAction*> tools = ToolEntries();
    QStringList names;
    for (QAction* tool : tools) {
        names.append(tool->text());
        QVERIFY(!tool->icon().isNull());
    }
    QCOMPARE(names, (QStringList{"Prices", "Notes"}));
    QCOMPARE(tools.at(0)->data().toLongLong(), 3);

    tools.at(1)->trigger();
    QCOMPARE(m_log.opened.size(), 1);
    QCOMPARE(QUrl(m_log.opened.first().first).toLocalFile(), folder + QStringLiteral("/notes.txt"));

    // Configure Tools adds a tool; the menu follows at once.
    m_log.opened.clear();
    TCommandRegistry::Instance().Register(QLatin1StringView(WindowNames::Tools), [&](QWidget*, int) {
        common.Exec(insert, {4, QStringLiteral("Report"), folder + QStringLiteral("/report.txt")});
    });
    m_main->mnuConfigureTools->trigger();
    TCommandRegistry::Instance().Unregister(QLatin1StringView(WindowNames::Tools));
    names.clear();
    for (QAction* tool : ToolEntries())
        names.append(tool->text());
    QCOMPARE(names, (QStringList{"Report", "Prices", "Notes"}));

    common.Exec(QStringLiteral("DELETE FROM InstalledTools"));
    m_main->RebuildToolsMenu();
    QVERIFY(ToolEntries().isEmpty());
    QCOMPARE(m_main->mnuUtilities->actions().last(), m_main->mnuConfigureTools);
}

void tst_TfrmMain::uploadSettings_data()
{
    QTest::addColumn<bool>("sample");
    QTest::addColumn<QString>("debug");
    QTest::addColumn<bool>("sends");

    QTest::newRow("own website") << false << QString() << true;
    QTest::newRow("sample store warns") << true << QString() << false;
    QTest::newRow("sample store with debug on") << true << QStringLiteral("on") << true;
    QTest::newRow("sample store, debug not on") << true << QStringLiteral("off") << false;
}

void tst_TfrmMain::uploadSettings()
{
    QFETCH(bool, sample);
    QFETCH(QString, debug);
    QFETCH(bool, sends);
    TMessageRecorder messages;
    TShellState::SetSampleStore(sample);
    m_app->WriteSetting(QStringLiteral("Settings"), QStringLiteral("debug"), debug);

    m_main->mnuUploadSettings->trigger();

    if (sends) {
        QCOMPARE(m_log.opened, (QList<QPair<QString, int>>{{"TfrmSendToServer", 0}}));
        QVERIFY(messages.shown.isEmpty());
    } else {
        QVERIFY(m_log.opened.isEmpty());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().first, TMessenger::Kind::Warning);
        QCOMPARE(messages.shown.first().second, LangStr(729));
    }
}

void tst_TfrmMain::closing_data()
{
    QTest::addColumn<QString>("warnOff"); // "Settings" "ServerUpdateWarnOff"; null: never written
    QTest::addColumn<bool>("serverUpdated");
    QTest::addColumn<bool>("offered");

    QTest::newRow("warning on, settings not sent") << "0" << false << true;
    QTest::newRow("warning on, settings sent") << "0" << true << false;
    QTest::newRow("warning off") << "1" << false << false;
    QTest::newRow("never chosen means warn") << QString() << false << true;
}

void tst_TfrmMain::closing()
{
    QFETCH(QString, warnOff);
    QFETCH(bool, serverUpdated);
    QFETCH(bool, offered);
    if (warnOff.isNull())
        m_app->Settings().DeleteValue(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff"));
    else
        m_app->WriteSetting(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff"), warnOff);
    SetServerUpdated(serverUpdated);
    m_main->hide();
    m_main->show(); // showing reads the setting
    QCOMPARE(m_main->mnuWarnServerNotUpdated->isChecked(), warnOff != QLatin1StringView("1"));

    QVERIFY(m_main->close());
    if (offered)
        QCOMPARE(m_log.opened, (QList<QPair<QString, int>>{{"TfrmSendToServer", 1}}));
    else
        QVERIFY(m_log.opened.isEmpty());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void tst_TfrmMain::warnToggleWritesItsSetting()
{
    m_app->WriteSetting(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff"), QStringLiteral("0"));
    m_main->hide();
    m_main->show();
    QVERIFY(m_main->WarnOnClose());
    m_main->mnuWarnServerNotUpdated->trigger();
    QVERIFY(!m_main->mnuWarnServerNotUpdated->isChecked());
    QVERIFY(!m_main->WarnOnClose());
    QCOMPARE(m_app->ReadSetting(QStringLiteral("settings"), QStringLiteral("serverupdatewarnoff")), QStringLiteral("1"));
    m_main->mnuWarnServerNotUpdated->trigger();
    QVERIFY(m_main->WarnOnClose());
    QCOMPARE(m_app->ReadSetting(QStringLiteral("Settings"), QStringLiteral("ServerUpdateWarnOff")), QStringLiteral("0"));

    m_main->mnuAlwaysUseExternalEditor->setChecked(true);
    m_main->mnuAlwaysUseExternalEditor->trigger();
    QCOMPARE(m_app->ReadSetting(QStringLiteral("PageEdit"), QStringLiteral("AlwaysUse")), QStringLiteral("0"));
}

void tst_TfrmMain::helpMenuOpensItsPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");

    QTest::newRow("help") << "mnuHelpContents" << QUrl::fromLocalFile(QStringLiteral(QUORVIS_BUILD_DATA_DIR "/help/index.html")).toString();
    QTest::newRow("faq") << "mnuFAQ" << "https://www.quorvis.example/faq";
    QTest::newRow("samples") << "mnuSampleWebsites" << "https://www.quorvis.example/samples";
    QTest::newRow("home page") << "mnuHomePage" << "https://www.quorvis.example/";
    QTest::newRow("support") << "mnuSupport" << "https://www.quorvis.example/updates";
}

void tst_TfrmMain::helpMenuOpensItsPages()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    auto* action = m_main->findChild<QAction*>(item);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(m_log.opened.size(), 1);
    QCOMPARE(QUrl(m_log.opened.first().first).adjusted(QUrl::NormalizePathSegments), QUrl(address).adjusted(QUrl::NormalizePathSegments));
    if (QUrl(address).isLocalFile())
        QVERIFY(QFileInfo::exists(QUrl(address).toLocalFile()));
}

void tst_TfrmMain::briefDescriptionToggleIsStoredInTheMerchantRecord()
{
    TRef<TMerchant> merchant = m_app->Merchant();
    merchant->SetBriefDescInSearch(false);
    merchant->Save();
    // Opening the menu shows the record's value.
    QMetaObject::invokeMethod(m_main->mnuSettings, "aboutToShow");
    QVERIFY(m_main->mnuBriefDescInSearch->isEnabled());
    QVERIFY(!m_main->mnuBriefDescInSearch->isChecked());

    m_main->mnuBriefDescInSearch->trigger();
    QVERIFY(m_main->mnuBriefDescInSearch->isChecked());
    // Stored on disk: a fresh look at the table sees it.
    auto query = m_app->OpenQuery(QStringLiteral("SELECT BriefDescInSearch FROM MerchantSettings"));
    QVERIFY(query && !query->Eof());
    QCOMPARE(query->Field(QStringLiteral("BriefDescInSearch")).AsBoolean(), true);
}

void tst_TfrmMain::selectionWithoutAWebsiteEndsTheProgram()
{
    SetServerUpdated(false);
    QVERIFY(m_main->WarnOnClose());
    QSignalSpy terminate(m_main, &TfrmMain::TerminateRequested);
    // The merchant closes the selection after the open website was deleted in it.
    TCommandRegistry::Instance().Register(QLatin1StringView(WindowNames::SelectSite), [this](QWidget*, int) { m_app->CloseDatabase(); });
    m_main->mnuOpenWebsite->trigger();
    QCOMPARE(terminate.count(), 1);
    // Ending this way offers no upload: there is no website to send from.
    QVERIFY(m_main->close());
    QVERIFY(m_log.opened.isEmpty());
}

void tst_TfrmMain::unregisteredWindowSaysItIsNotAvailable_data()
{
    QTest::addColumn<QString>("link");   // a home-page link, or empty
    QTest::addColumn<QString>("item");   // a menu item, or empty
    QTest::addColumn<QString>("window");

    QTest::newRow("home page link") << "order.htm" << QString() << "TfrmOrders";
    QTest::newRow("home page link with a page") << "publish.htm" << QString() << "TfrmSiteGeneration";
    QTest::newRow("menu item") << QString() << "mnuMailServerSetup" << "TfrmMailSettings";
    QTest::newRow("utilities menu item") << QString() << "mnuBackupDatabase" << "BackupDatabase";
    QTest::newRow("upload settings") << QString() << "mnuUploadSettings" << "TfrmSendToServer";
    QTest::newRow("configure tools") << QString() << "mnuConfigureTools" << "TfrmTools";
}

void tst_TfrmMain::unregisteredWindowSaysItIsNotAvailable()
{
    QFETCH(QString, link);
    QFETCH(QString, item);
    QFETCH(QString, window);
    TMessageRecorder messages;
    const bool wasRegistered = TCommandRegistry::Instance().IsRegistered(window);
    TCommandRegistry::Instance().Unregister(window);
    auto reRegister = qScopeGuard([&] {
        if (wasRegistered)
            RegisterLoggingOpener(window);
    });
    const QUrl home = m_main->HomePage->url();

    auto trigger = [&] {
        if (!link.isEmpty()) {
            QVERIFY2(ClickLink(link), "the home page has no such link");
        } else {
            auto* action = m_main->findChild<QAction*>(item);
            QVERIFY(action);
            // The item is offered, not greyed out.
            for (QMenu* menu : m_main->findChildren<QMenu*>())
                if (menu->actions().contains(action))
                    QMetaObject::invokeMethod(menu, "aboutToShow");
            QVERIFY(action->isEnabled());
            action->trigger();
        }
    };
    trigger();
    QTRY_COMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().first, TMessenger::Kind::Information);
    QCOMPARE(messages.shown.first().second, LangStr(5140));
    QVERIFY(!LangStr(5140).isEmpty());
    QVERIFY(m_log.opened.isEmpty());
    QCOMPARE(m_main->HomePage->url(), home);

    // Once the window is there, the same command opens it.
    RegisterLoggingOpener(window);
    messages.shown.clear();
    trigger();
    QTRY_COMPARE(m_log.opened.size(), 1);
    QCOMPARE(m_log.opened.first().first, window);
    QVERIFY(messages.shown.isEmpty());
    if (!wasRegistered)
        TCommandRegistry::Instance().Unregister(window);
    reRegister.dismiss();
}

QTEST_MAIN(tst_TfrmMain)
#include "tst_TfrmMain.moc"
