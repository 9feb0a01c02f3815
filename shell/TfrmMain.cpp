#include "TfrmMain.h"

#include "EQuorvisError.h"
#include "TApp.h"
#include "TCommandRegistry.h"
#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"
#include "THomePage.h"
#include "THomePageDispatch.h"
#include "TInstalledTools.h"
#include "TMerchantFlags.h"
#include "TMessenger.h"
#include "TProgramFolders.h"
#include "TShellState.h"
#include "TfrmAbout.h"
#include "TfrmStatusMsg.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

namespace {

const QString SettingsKey = QStringLiteral("Settings");
const QString PageEditKey = QStringLiteral("PageEdit");

// The program's own page editor, which the page editing offers among the
// merchant's external editors.
QString PageEditorProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quorvis-dhtml");
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const QImage& image : TGlobalResourceManager::Instance().LoadIcon(1526))
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

// A tool's entry shows the system's small icon for its file on the menu's background.
QIcon ToolIcon(const QString& file, const QColor& background)
{
    static QFileIconProvider provider;
    const QPixmap icon = provider.icon(QFileInfo(file)).pixmap(16, 16);
    QPixmap picture(16, 16);
    picture.fill(background);
    QPainter p(&picture);
    p.drawPixmap(0, 0, icon);
    return QIcon(picture);
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMain"));
    setMinimumSize(600, 492);
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    namespace W = WindowNames;
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpenWebsite = AddItem(mnuFile, "mnuOpenWebsite", QStringLiteral("Open / Create New Website"), &TfrmMain::OpenWebsite);
    mnuMailServerSetup = AddWindowItem(mnuFile, "mnuMailServerSetup", QStringLiteral("Mail Server Setup"), W::MailSettings);
    mnuPrintSetup = AddItem(mnuFile, "mnuPrintSetup", QStringLiteral("&Print Setup"), &TfrmMain::mnuPrintSetupClick);
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    mnuSettings = menuBar()->addMenu(QStringLiteral("&Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuBriefDescInSearch = AddItem(mnuSettings, "mnuBriefDescInSearch", QStringLiteral("Include Product Brief Description in Search Page Index"),
                                   &TfrmMain::mnuBriefDescInSearchClick);
    mnuAlwaysUseExternalEditor = AddItem(mnuSettings, "mnuAlwaysUseExternalEditor", QStringLiteral("Always Use -- External Editor"),
                                         &TfrmMain::mnuAlwaysUseExternalEditorClick);
    mnuWarnServerNotUpdated = AddItem(mnuSettings, "mnuWarnServerNotUpdated", QStringLiteral("Warn if server not updated"),
                                      &TfrmMain::mnuWarnServerNotUpdatedClick);
    for (QAction* toggle : {mnuBriefDescInSearch, mnuAlwaysUseExternalEditor, mnuWarnServerNotUpdated})
        toggle->setCheckable(true);
    mnuAlwaysUseExternalEditor->setChecked(true);
    mnuWarnServerNotUpdated->setChecked(true);
    mnuCustomiseInterface = mnuSettings->addAction(QStringLiteral("Customise Interface"));
    mnuCustomiseInterface->setObjectName(QStringLiteral("mnuCustomiseInterface"));

    mnuUtilities = menuBar()->addMenu(QStringLiteral("&Utilities"));
    mnuUtilities->setObjectName(QStringLiteral("mnuUtilities"));
    mnuUtilities->setToolTipsVisible(true);
    mnuImageResizer = AddWindowItem(mnuUtilities, "mnuImageResizer", QStringLiteral("Image Resizer"), W::ImageResizer);
    mnuVerifyDatabase = AddWindowItem(mnuUtilities, "mnuVerifyDatabase", QStringLiteral("Verify Database"), W::VerifyDatabase);
    mnuBackupDatabase = AddWindowItem(mnuUtilities, "mnuBackupDatabase", QStringLiteral("Backup Database"), W::BackupDatabase);
    mnuUtilities->addSeparator();
    mnuConfigureTools = AddItem(mnuUtilities, "mnuConfigureTools", QStringLiteral("Configure Tools"), &TfrmMain::mnuConfigureToolsClick);
    mnuConfigureTools->setProperty("window", QString::fromLatin1(W::Tools));

    mnuMerchant = menuBar()->addMenu(QStringLiteral("Merchant"));
    mnuMerchant->setObjectName(QStringLiteral("mnuMerchant"));
    mnuUploadSettings = AddItem(mnuMerchant, "mnuUploadSettings", QStringLiteral("Upload Setting to Server"), &TfrmMain::mnuUploadSettingsClick);
    mnuUploadSettings->setProperty("window", QString::fromLatin1(W::SendToServer));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = AddItem(mnuHelp, "mnuHelpContents", QStringLiteral("&Help"), &TfrmMain::mnuHelpContentsClick);
    mnuHelp->addSeparator();
    auto addAddress = [this](const char* name, const QString& text, const char* address) {
        QAction* item = mnuHelp->addAction(text);
        item->setObjectName(QLatin1StringView(name));
        connect(item, &QAction::triggered, this, [this, address] {
            Guarded([address] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(address))); });
        });
        return item;
    };
    mnuFAQ = addAddress("mnuFAQ", QStringLiteral("Frequently Asked Questions"), WebAddresses::Faq);
    mnuSampleWebsites = addAddress("mnuSampleWebsites", QStringLiteral("Sample Websites"), WebAddresses::SampleWebsites);
    mnuHomePage = addAddress("mnuHomePage", QStringLiteral("Halden Home Page"), WebAddresses::HomePage);
    mnuSupport = addAddress("mnuSupport", QStringLiteral("Product Support and Upgrades"), WebAddresses::Updates);
    mnuHelp->addSeparator();
    mnuAbout = AddItem(mnuHelp, "mnuAbout", QStringLiteral("&About..."), &TfrmMain::mnuAboutClick);

    mnuLanguage = menuBar()->addMenu(QStringLiteral("Language"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    mnuLanguage->menuAction()->setVisible(false);
    auto* languages = new QActionGroup(this);
    auto addLanguage = [this, languages](const char* name, const QString& text, int languageId) {
        QAction* item = mnuLanguage->addAction(text);
        item->setObjectName(QLatin1StringView(name));
        item->setCheckable(true);
        item->setData(languageId);
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, languageId] {
            Guarded([languageId] { TGlobalResourceManager::Instance().SetLanguage(languageId); });
        });
        return item;
    };
    mnuEnglish = addLanguage("mnuEnglish", QStringLiteral("English"), 3081);
    mnuChinese = addLanguage("mnuChinese", QStringLiteral("Chinese"), 1028);

    // Every item is shown disabled while a long operation runs. Items whose
    // window is not part of this program yet stay usable: they say so.
    for (QMenu* menu : {mnuFile, mnuSettings, mnuUtilities, mnuMerchant, mnuHelp, mnuLanguage}) {
        connect(menu, &QMenu::aboutToShow, this, [menu] {
            const bool busy = TBusyGuard::Busy();
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    item->setEnabled(!busy);
        });
    }
    connect(mnuSettings, &QMenu::aboutToShow, this, &TfrmMain::mnuSettingsPopup);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    // The home page has no context menu: there is nothing on it to copy,
    // inspect or open elsewhere.
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    HomePage = new THomePage(WebBrowser1);
    HomePage->setObjectName(QStringLiteral("HomePage"));
    WebBrowser1->setPage(HomePage);
    connect(HomePage, &THomePage::CommandRequested, this, [this](const THomePageCommand* command) { RunCommand(*command); });
    connect(HomePage, &QWebEnginePage::loadFinished, this, &TfrmMain::HomePageLoaded);
    setCentralWidget(WebBrowser1);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmMain::FormResourceManagerResourceChange);

    FormCreate();
}

TfrmMain::~TfrmMain() = default;

QAction* TfrmMain::AddItem(QMenu* menu, const char* name, const QString& text, void (TfrmMain::*handler)())
{
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1StringView(name));
    connect(item, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return item;
}

QAction* TfrmMain::AddWindowItem(QMenu* menu, const char* name, const QString& text, const char* window)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(QLatin1StringView(name));
    item->setProperty("window", QString::fromLatin1(window));
    connect(item, &QAction::triggered, this, [this, window] {
        Guarded([this, window] { OpenWindow(QString::fromLatin1(window), 0); });
    });
    return item;
}

void TfrmMain::Guarded(const std::function<void()>& command)
{
    if (TBusyGuard::Busy())
        return;
    TMessenger::Run(command);
}

void TfrmMain::OpenWindow(const QString& window, int page)
{
    if (!TCommandRegistry::Instance().IsRegistered(window)) {
        TMessenger::Current().Show(TMessenger::Kind::Information, LangStr(5140));
        return;
    }
    TCommandRegistry::Instance().Open(window, this, page);
}

void TfrmMain::FormCreate()
{
    mnuCustomiseInterface->setVisible(false);
    TfrmStatusMsg::CreateInstance(this);
    QApplication::setWindowIcon(ApplicationIcon());
    RebuildToolsMenu();
    FormResourceManagerResourceChange();
}

void TfrmMain::FormResourceManagerResourceChange()
{
    WebBrowser1->setUrl(TGlobalResourceManager::Instance().PageUrl(QStringLiteral("g_HTM_MainScreen")));

    mnuFile->setTitle(LangStr(441));
    mnuOpenWebsite->setText(LangStr(442));
    mnuMailServerSetup->setText(LangStr(443));
    mnuPrintSetup->setText(LangStr(444));
    mnuExit->setText(LangStr(445));
    mnuSettings->setTitle(LangStr(446));
    mnuBriefDescInSearch->setText(LangStr(1531));
    mnuAlwaysUseExternalEditor->setText(LangStr(290));
    mnuWarnServerNotUpdated->setText(LangStr(448));
    mnuCustomiseInterface->setText(LangStr(449));
    mnuUtilities->setTitle(LangStr(450));
    mnuVerifyDatabase->setText(LangStr(451));
    mnuBackupDatabase->setText(LangStr(452));
    mnuConfigureTools->setText(LangStr(453));
    mnuMerchant->setTitle(LangStr(454));
    mnuUploadSettings->setText(LangStr(455));
    mnuHelp->setTitle(LangStr(456));
    mnuHelpContents->setText(LangStr(456));
    mnuFAQ->setText(LangStr(457));
    mnuSampleWebsites->setText(LangStr(458));
    mnuHomePage->setText(LangStr(459));
    mnuSupport->setText(LangStr(460));
    mnuAbout->setText(LangStr(461));
    mnuLanguage->setTitle(LangStr(462));
    mnuEnglish->setText(LangStr(463));
    mnuChinese->setText(LangStr(464));
    const int language = TGlobalResourceManager::Instance().LanguageID();
    mnuEnglish->setChecked(language == 3081);
    mnuChinese->setChecked(language == 1028);

    if (windowTitle().isEmpty())
        setWindowTitle(LangStr(754));
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMain::FormShow()
{
    TUserSettings& settings = TApp::Instance().Settings();
    const QString editors = LangStr(1453);
    const QString editorName = LangStr(1440);
    if (!editors.isEmpty() && !editorName.isEmpty())
        settings.Write(PageEditKey + u'\\' + editors, editorName, PageEditorProgram());
    m_warnOnClose = !settings.ReadBool(SettingsKey, QStringLiteral("ServerUpdateWarnOff"), false);
    mnuWarnServerNotUpdated->setChecked(m_warnOnClose);
    mnuAlwaysUseExternalEditor->setChecked(settings.ReadBool(PageEditKey, QStringLiteral("AlwaysUse"), mnuAlwaysUseExternalEditor->isChecked()));
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TfrmMain::FormActivate()
{
    if (m_firstActivated)
        return;
    m_firstActivated = true;
    // After the activation has been delivered: the selection is a modal window.
    QTimer::singleShot(0, this, [this] { Guarded([this] { OpenWebsite(); }); });
}

void TfrmMain::OpenWebsite()
{
    try {
        TCommandRegistry::Instance().Open(QLatin1StringView(WindowNames::SelectSite), this, 0);
    } catch (const EQuorvisError& e) {
        // Shown, and then the program goes on as after any selection: without
        // an open website it ends.
        TMessenger::Current().Show(TMessenger::Kind::Error, e.Message());
    } catch (const std::exception& e) {
        TMessenger::Current().Show(TMessenger::Kind::Error, QString::fromLocal8Bit(e.what()));
    }

    TApp& app = TApp::Instance();
    if (app.IsOpen()) {
        setWindowTitle(LangStr(754) + QStringLiteral(" [") + app.CurrentWebsiteFolder() + u']');
    } else {
        m_terminating = true;
        emit TerminateRequested();
    }
}

void TfrmMain::RunCommand(const THomePageCommand& command)
{
    Guarded([this, &command] {
        switch (command.kind) {
        case THomePageCommand::Kind::OpenWebsite:
            OpenWebsite();
            break;
        case THomePageCommand::Kind::Window:
            OpenWindow(command.target, command.page);
            break;
        case THomePageCommand::Kind::WebAddress:
            QDesktopServices::openUrl(QUrl(command.target));
            break;
        }
    });
}

void TfrmMain::RebuildToolsMenu()
{
    for (QAction* item : std::as_const(m_toolActions)) {
        mnuUtilities->removeAction(item);
        delete item;
    }
    m_toolActions.clear();
    delete m_toolsSeparator;
    m_toolsSeparator = nullptr;

    QList<TInstalledTool> tools;
    try {
        if (TDatabase* common = TApp::Instance().CommonDatabase())
            tools = TInstalledTools::Existing(*common);
    } catch (const EQuorvisError&) {
        // An unreadable common database lists no tools; the menu still works.
    }
    if (tools.isEmpty())
        return;

    m_toolsSeparator = mnuUtilities->addSeparator();
    const QColor background = mnuUtilities->palette().color(QPalette::Window);
    QAction* first = nullptr;
    for (const TInstalledTool& tool : tools) {
        auto* item = new QAction(tool.name, mnuUtilities);
        item->setObjectName(QStringLiteral("mnuTool%1").arg(tool.id));
        item->setData(tool.id);
        item->setToolTip(tool.fileName);
        item->setStatusTip(tool.fileName);
        item->setIcon(ToolIcon(TInstalledTools::LocalFile(tool.fileName), background));
        const QString file = tool.fileName;
        connect(item, &QAction::triggered, this, [this, file] { Guarded([file] { TInstalledTools::Open(file); }); });
        // Each entry goes in right below the separator: the last row comes first.
        mnuUtilities->insertAction(first, item);
        first = item;
        m_toolActions.append(item);
    }
}

void TfrmMain::mnuSettingsPopup()
{
    const bool open = TApp::Instance().IsOpen();
    mnuBriefDescInSearch->setEnabled(open && !TBusyGuard::Busy());
    if (open) {
        try {
            mnuBriefDescInSearch->setChecked(TMerchantFlags::BriefDescInSearch());
        } catch (const EQuorvisError&) {
            // The merchant record cannot be read: the flag cannot be shown or changed.
            mnuBriefDescInSearch->setEnabled(false);
        }
    }
    mnuAlwaysUseExternalEditor->setChecked(
        TApp::Instance().Settings().ReadBool(PageEditKey, QStringLiteral("AlwaysUse"), mnuAlwaysUseExternalEditor->isChecked()));
}

void TfrmMain::mnuBriefDescInSearchClick()
{
    const bool value = mnuBriefDescInSearch->isChecked();
    try {
        TMerchantFlags::SetBriefDescInSearch(value);
    } catch (...) {
        mnuBriefDescInSearch->setChecked(!value);
        throw;
    }
}

void TfrmMain::mnuAlwaysUseExternalEditorClick()
{
    TApp::Instance().Settings().WriteBool(PageEditKey, QStringLiteral("AlwaysUse"), mnuAlwaysUseExternalEditor->isChecked());
}

void TfrmMain::mnuWarnServerNotUpdatedClick()
{
    const bool warn = mnuWarnServerNotUpdated->isChecked();
    TApp::Instance().Settings().WriteBool(SettingsKey, QStringLiteral("ServerUpdateWarnOff"), !warn);
    m_warnOnClose = warn;
}

QPrinter& TfrmMain::Printer()
{
    // One for the whole run, so that the set-up chosen here is what printing uses.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

void TfrmMain::mnuPrintSetupClick()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
}

void TfrmMain::mnuConfigureToolsClick()
{
    OpenWindow(QLatin1StringView(WindowNames::Tools), 0);
    RebuildToolsMenu();
}

void TfrmMain::mnuUploadSettingsClick()
{
    const QString debug = TApp::Instance().ReadSetting(SettingsKey, QStringLiteral("debug"));
    if (!TShellState::UploadAllowed(TShellState::SampleStore(), debug)) {
        TMessenger::Current().Show(TMessenger::Kind::Warning, LangStr(729));
        return;
    }
    OpenWindow(QLatin1StringView(WindowNames::SendToServer), 0);
}

void TfrmMain::mnuHelpContentsClick()
{
    const QString help = TProgramFolders::ShippedData() + QStringLiteral("/help/");
    QString page = help + QString::number(TGlobalResourceManager::Instance().LanguageID()) + QStringLiteral("/index.html");
    if (!QFileInfo::exists(page))
        page = help + QStringLiteral("index.html");
    if (QFileInfo::exists(page))
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void TfrmMain::mnuAboutClick()
{
    TfrmAbout about(this);
    about.exec();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // The operation in progress owns the window until it is done or cancelled.
    if (TBusyGuard::Busy()) {
        event->ignore();
        return;
    }
    if (!m_terminating && TApp::Instance().IsOpen()) {
        bool updated = true;
        try {
            updated = TMerchantFlags::ServerUpdated();
        } catch (const EQuorvisError& e) {
            TMessenger::Current().Show(TMessenger::Kind::Error, e.Message());
        }
        if (TShellState::OfferUploadOnClose(m_warnOnClose, updated))
            Guarded([this] { TCommandRegistry::Instance().Open(QLatin1StringView(WindowNames::SendToServer), this, 1); });
    }
    event->accept();
}
