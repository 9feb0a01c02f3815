#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;
class QPrinter;
class QWebEngineView;
class TFormResourceManager;
class THomePage;
struct THomePageCommand;

// The main window: the menu bar and the home page, whose links are the
// commands of the program. Every feature window opens from here, modally,
// through the opener its subsystem registered (TCommandRegistry).
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The website selection; without an open website afterwards the program ends.
    void OpenWebsite();
    // The Utilities menu's tool entries from the common database, the last row first.
    void RebuildToolsMenu();
    // Runs a command of the home page, as a click on its link does.
    void RunCommand(const THomePageCommand& command);
    bool WarnOnClose() const { return m_warnOnClose; }
    // The printer the merchant set up; every printout uses it.
    static QPrinter& Printer();

    QWebEngineView* WebBrowser1 = nullptr;
    THomePage* HomePage = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuOpenWebsite = nullptr;
    QAction* mnuMailServerSetup = nullptr;
    QAction* mnuPrintSetup = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuSettings = nullptr;
    QAction* mnuBriefDescInSearch = nullptr;
    QAction* mnuAlwaysUseExternalEditor = nullptr;
    QAction* mnuWarnServerNotUpdated = nullptr;
    QAction* mnuCustomiseInterface = nullptr;
    QMenu* mnuUtilities = nullptr;
    QAction* mnuImageResizer = nullptr;
    QAction* mnuVerifyDatabase = nullptr;
    QAction* mnuBackupDatabase = nullptr;
    QAction* mnuConfigureTools = nullptr;
    QMenu* mnuMerchant = nullptr;
    QAction* mnuUploadSettings = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuFAQ = nullptr;
    QAction* mnuSampleWebsites = nullptr;
    QAction* mnuHomePage = nullptr;
    QAction* mnuSupport = nullptr;
    QAction* mnuAbout = nullptr;
    QMenu* mnuLanguage = nullptr;
    QAction* mnuEnglish = nullptr;
    QAction* mnuChinese = nullptr;

signals:
    // The program is to end without closing the window first (no website was chosen).
    void TerminateRequested();
    // The home page (with its frames) has finished loading.
    void HomePageLoaded(bool ok);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormResourceManagerResourceChange();
    void FormShow();
    void FormActivate();
    void mnuSettingsPopup();
    void mnuBriefDescInSearchClick();
    void mnuAlwaysUseExternalEditorClick();
    void mnuWarnServerNotUpdatedClick();
    void mnuPrintSetupClick();
    void mnuConfigureToolsClick();
    void mnuUploadSettingsClick();
    void mnuHelpContentsClick();
    void mnuAboutClick();
    // Runs a menu or home page command unless a long operation is running;
    // a failure is shown, not passed on.
    void Guarded(const std::function<void()>& command);
    // Opens the window registered under the name; a window this program does
    // not have yet is reported to the merchant instead of doing nothing.
    void OpenWindow(const QString& window, int page);
    QAction* AddItem(QMenu* menu, const char* name, const QString& text, void (TfrmMain::*handler)());
    QAction* AddWindowItem(QMenu* menu, const char* name, const QString& text, const char* window);

    TFormResourceManager* FormResourceManager = nullptr;
    QAction* m_toolsSeparator = nullptr;
    QList<QAction*> m_toolActions;
    bool m_firstActivated = false;
    bool m_warnOnClose = true;
    bool m_terminating = false;
};
