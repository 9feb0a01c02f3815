#include "TApp.h"
#include "TBrowserCheck.h"
#include "TCommandRegistry.h"
#include "TGlobalResourceManager.h"
#include "THomePageDispatch.h"
#include "TProgramFolders.h"
#include "TSingleInstance.h"
#include "TStatusProgress.h"
#include "TStoreSchema.h"
#include "TestSupport.h"
#include "TfrmAbout.h"
#include "TfrmSecureServerSelect.h"
#include "TfrmStatusMsg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QScopeGuard>
#include <QtTest>

#include <thread>

// Receives what the program would open with the desktop's default programs.
class TUrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class tst_ShellWindows : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void browserVersionIsReadFromItsDigits_data();
    void browserVersionIsReadFromItsDigits();
    void secureServerIsAskedUntilNamed_data();
    void secureServerIsAskedUntilNamed();

    void statusTextLayouts_data();
    void statusTextLayouts();
    void okButtonSitsCentredAboveTheBottomAndEndsTheWait();
    void cancelInProgressModeIsReportedAndKeepsTheWindow();
    void progressProcessesEventsSoThatCancelStopsTheEngine();
    void busyGuardStopsCommandsWhileAnOperationRuns();
    void cancelWorksWhileAFeatureWindowIsModal();

    void aboutBoxOpensBothFolders();

    void laterStartHandsOverToTheRunningOne();
    void bringForwardRestoresAndPrefersTheModalDialog_data();
    void bringForwardRestoresAndPrefersTheModalDialog();
    void customerNavigationLinksAreCommands_data();
    void customerNavigationLinksAreCommands();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    TUrlRecorder m_urls;
    QString m_storeFolder;
};

void tst_ShellWindows::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QVERIFY2(!LangStr(100).isEmpty(), "the shipped language library is needed");
    m_storeFolder = m_env.NewFolder(QStringLiteral("WebSites/Website1"));
    TStoreSchema::CreateNewStore(m_storeFolder + QStringLiteral("/store.db"));
    QVERIFY(OpenStoreDatabase(m_storeFolder));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "Open");
}

void tst_ShellWindows::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    m_app.reset();
}

void tst_ShellWindows::init()
{
    m_urls.opened.clear();
}

void tst_ShellWindows::browserVersionIsReadFromItsDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("version");
    QTest::addColumn<bool>("warns");

    QTest::newRow("later full stops are dropped") << "6.0.2800.1106" << 6.028001106 << false;
    QTest::newRow("below 5.5") << "5.00.3700" << 5.0037 << true;
    QTest::newRow("missing value reads as 0") << QString() << 0.0 << true;
    QTest::newRow("empty value") << "" << 0.0 << true;
    QTest::newRow("no digits at all") << "unknown" << 0.0 << true;
    QTest::newRow("only a full stop cannot be read") << "v." << 1.0 << true;
    QTest::newRow("letters between digits") << "5b.6 beta" << 5.6 << false;
    QTest::newRow("exactly 5.5") << "5.5" << 5.5 << false;
    QTest::newRow("this engine's kind of text") << "102.0.5005.177" << 102.05005177 << false;
}

void tst_ShellWindows::browserVersionIsReadFromItsDigits()
{
    QFETCH(QString, text);
    QFETCH(double, version);
    QFETCH(bool, warns);
    const double read = TBrowserCheck::ReadVersion(text);
    QVERIFY2(qAbs(read - version) < 1e-9, qPrintable(QString::number(read, 'g', 12)));
    QCOMPARE(TBrowserCheck::NeedsWarning(read), warns);
}

void tst_ShellWindows::secureServerIsAskedUntilNamed_data()
{
    QTest::addColumn<QStringList>("answers"); // "cancel" or "ok:" + the text typed
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("stored");

    QTest::newRow("cancel ends") << QStringList{"cancel"} << false << QString();
    QTest::newRow("OK with an empty box asks again") << QStringList{"ok:", "cancel"} << false << QString();
    QTest::newRow("blanks count as empty") << QStringList{"ok:   ", "cancel"} << false << QStringLiteral("   ");
    QTest::newRow("a name goes on") << QStringList{"ok:", "ok:secure.quorvis.example"} << true << QStringLiteral("secure.quorvis.example");
}

void tst_ShellWindows::secureServerIsAskedUntilNamed()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, named);
    QFETCH(QString, stored);

    m_app->Settings().DeleteValue(QStringLiteral("Settings"), QStringLiteral("ServerName"));
    int shown = 0;
    QPointer<QWidget> answered;
    QTimer driver;
    driver.setInterval(10);
    connect(&driver, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<TfrmSecureServerSelect*>(QApplication::activeModalWidget());
        if (!dialog || dialog == answered || !dialog->isVisible() || shown >= answers.size())
            return;
        answered = dialog;
        QCOMPARE(dialog->windowTitle(), LangStr(423));
        const QString answer = answers.at(shown++);
        if (answer == QLatin1StringView("cancel")) {
            dialog->btnCancel->click();
        } else {
            dialog->edtSecureServer->setText(answer.mid(3));
            dialog->btnOK->click();
        }
    });
    driver.start();
    const bool result = TfrmSecureServerSelect::EnsureServerName();
    driver.stop();

    QCOMPARE(result, named);
    QCOMPARE(shown, answers.size());
    QCOMPARE(m_app->ReadSetting(QStringLiteral("settings"), QStringLiteral("SERVERNAME")), stored);
}

void tst_ShellWindows::statusTextLayouts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wraps");

    QTest::newRow("short text stays on one line") << "Saving..." << false;
    QTest::newRow("long text wraps at the bar's width") << LangStr(1338) << true;
}

void tst_ShellWindows::statusTextLayouts()
{
    QFETCH(QString, text);
    QFETCH(bool, wraps);
    TfrmStatusMsg status;
    status.ShowProgress(QStringLiteral("before"), TfrmStatusMsg::ShowCancel);
    status.ShowText(text);
    status.show();
    QVERIFY(QTest::qWaitForWindowExposed(&status));

    QCOMPARE(status.lblMessage->text(), text);
    QVERIFY(status.lblMessage->isVisible());
    QVERIFY(!status.pbProgress->isVisible());
    QVERIFY(!status.lblProgress->isVisible());
    QVERIFY(!status.btnoK->isVisible());
    QVERIFY(!status.btnCancel->isVisible());
    QCOMPARE(status.lblMessage->width(), TfrmStatusMsg::ContentWidth);
    QCOMPARE(status.lblMessage->wordWrap(), wraps);
    if (!wraps)
        QVERIFY(status.lblMessage->alignment() & Qt::AlignHCenter);
    // All of the text is inside the window.
    QVERIFY(status.rect().contains(status.lblMessage->geometry()));
    QVERIFY(status.width() >= 305 && status.height() >= 123);
}

void tst_ShellWindows::okButtonSitsCentredAboveTheBottomAndEndsTheWait()
{
    TfrmStatusMsg status;
    status.ShowTextWithOK(LangStr(729), TfrmStatusMsg::ShowOK);
    QVERIFY(!status.btnoK->isHidden());
    QCOMPARE(status.btnoK->text(), LangStr(100));
    QVERIFY(qAbs(status.btnoK->geometry().center().x() - status.width() / 2) <= 1);
    QCOMPARE(status.btnoK->y(), status.height() - 31);
    QVERIFY(status.btnoK->geometry().top() > status.lblMessage->geometry().bottom());
    QTimer::singleShot(0, &status, [&status] { QTest::mouseClick(status.btnoK, Qt::LeftButton); });
    QCOMPARE(status.exec(), int(QDialog::Accepted));

    status.ShowTextWithOK(QStringLiteral("No button"), 0);
    QVERIFY(status.btnoK->isHidden());
}

void tst_ShellWindows::cancelInProgressModeIsReportedAndKeepsTheWindow()
{
    TfrmStatusMsg status;
    status.SetCancelled(true);
    status.ShowProgress(QStringLiteral("Uploading"), TfrmStatusMsg::ShowCancel);
    QVERIFY(!status.Cancelled());
    status.show();
    QVERIFY(QTest::qWaitForWindowExposed(&status));
    QVERIFY(status.btnCancel->isVisible());
    QCOMPARE(status.btnCancel->text(), LangStr(99));
    QCOMPARE(status.lblProgress->text(), QStringLiteral("Uploading"));
    QVERIFY(!status.lblMessage->isVisible());
    QVERIFY(qAbs(status.btnCancel->geometry().center().x() - status.width() / 2) <= 1);

    QTest::mouseClick(status.btnCancel, Qt::LeftButton);
    QVERIFY(status.Cancelled());
    QVERIFY(!status.btnCancel->isVisible());
    QVERIFY(status.isVisible());

    status.ShowProgress(QStringLiteral("No cancel"), 0);
    QVERIFY(status.btnCancel->isHidden());
}

void tst_ShellWindows::progressProcessesEventsSoThatCancelStopsTheEngine()
{
    TfrmStatusMsg status;
    TStatusProgress progress(&status);
    TProgress& engine = progress; // what an engine sees

    engine.Start(QStringLiteral("Working"), 1000, true);
    QVERIFY(status.isVisible());
    QCOMPARE(status.pbProgress->maximum(), 1000);
    // The merchant presses Cancel while the engine works.
    QTimer::singleShot(0, status.btnCancel, [&status] { QTest::mouseClick(status.btnCancel, Qt::LeftButton); });
    int done = 0;
    while (done < 5000 && !engine.Cancelled()) {
        QThread::usleep(500);
        engine.Step();
        ++done;
    }
    QVERIFY2(engine.Cancelled(), "Cancel never reached the engine");
    QVERIFY(done < 5000);
    QCOMPARE(status.pbProgress->value(), std::min(done, 1000));
    engine.Finish();
    QVERIFY(!status.isVisible());
}

void tst_ShellWindows::busyGuardStopsCommandsWhileAnOperationRuns()
{
    int opened = 0;
    TCommandRegistry::Instance().Register(QStringLiteral("TfrmTestWindow"), [&opened](QWidget*, int) { ++opened; });
    {
        TfrmStatusMsg status;
        TStatusProgress progress(&status);
        QVERIFY(!TBusyGuard::Busy());
        progress.Start(QStringLiteral("Working"), 10, false);
        QVERIFY(TBusyGuard::Busy());
        QVERIFY(!TCommandRegistry::Instance().Open(QStringLiteral("TfrmTestWindow"), nullptr, 0));
        QCOMPARE(opened, 0);
    } // an engine that throws leaves through the destructor: the program is free again
    QVERIFY(!TBusyGuard::Busy());
    QVERIFY(TCommandRegistry::Instance().Open(QStringLiteral("TfrmTestWindow"), nullptr, 0));
    QCOMPARE(opened, 1);
    QVERIFY(!TCommandRegistry::Instance().Open(QStringLiteral("TfrmNotBuilt"), nullptr, 0));
    TCommandRegistry::Instance().Unregister(QStringLiteral("TfrmTestWindow"));
}

void tst_ShellWindows::cancelWorksWhileAFeatureWindowIsModal()
{
    // Long operations mostly start from a feature window, which is modal.
    QDialog feature;
    feature.setWindowModality(Qt::ApplicationModal);
    feature.show();
    QVERIFY(QTest::qWaitForWindowExposed(&feature));

    TfrmStatusMsg status;
    TStatusProgress progress(&status);
    progress.Start(QStringLiteral("Publishing"), 100, true);
    QVERIFY(QTest::qWaitForWindowExposed(&status));
    QVERIFY(!status.btnCancel->isHidden());
    const QPoint centre = status.btnCancel->rect().center();
    QTest::mouseClick(status.windowHandle(), Qt::LeftButton, {}, status.btnCancel->mapTo(&status, centre));
    QVERIFY(progress.Cancelled());
    progress.Finish();
}

void tst_ShellWindows::aboutBoxOpensBothFolders()
{
    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(!about.lblAppName->isVisible());
    QCOMPARE(about.lblBuild->text(), LangStr(1383) + QStringLiteral(": 6th February 2001"));
    QCOMPARE(about.btnClose->text(), LangStr(205));
    QVERIFY(!about.imgAbout->pixmap().isNull());

    QTest::mouseClick(about.lblAppLocation, Qt::LeftButton);
    QTest::mouseClick(about.lblDBLocation, Qt::LeftButton);
    QCOMPARE(m_urls.opened.size(), 2);
    QCOMPARE(QDir(m_urls.opened.at(0).toLocalFile()), QDir(TProgramFolders::ProgramFolder()));
    QCOMPARE(QDir(m_urls.opened.at(1).toLocalFile()), QDir(m_storeFolder));

    TGlobalResourceManager::Instance().SetLanguage(1028);
    QCOMPARE(about.lblAppLocation->text(), LangStr(1523));
    QCOMPARE(about.windowTitle(), QStringLiteral("關於..."));
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
}

void tst_ShellWindows::laterStartHandsOverToTheRunningOne()
{
    const QString key = QStringLiteral("quorvis-test-%1").arg(QCoreApplication::applicationPid());
    TSingleInstance running(key);
    QVERIFY(running.Listen());
    QSignalSpy asked(&running, &TSingleInstance::ActivationRequested);

    // The later start blocks while it waits for the answer, as it does in its own process.
    std::atomic<int> handedOver{-1};
    std::thread later([&] { handedOver = TSingleInstance(key).HandOverToRunning(5000) ? 1 : 0; });
    QTRY_COMPARE(asked.count(), 1);
    later.join();
    QCOMPARE(handedOver.load(), 1);

    QVERIFY(!TSingleInstance(key + QStringLiteral("-nobody")).HandOverToRunning(500));
}

void tst_ShellWindows::bringForwardRestoresAndPrefersTheModalDialog_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("dialog");

    QTest::newRow("main window") << false << false;
    QTest::newRow("minimised main window is restored") << true << false;
    QTest::newRow("open dialog comes first") << false << true;
    QTest::newRow("minimised with a dialog") << true << true;
}

void tst_ShellWindows::bringForwardRestoresAndPrefersTheModalDialog()
{
    QFETCH(bool, minimised);
    QFETCH(bool, dialog);

    QWidget main;
    main.setObjectName(QStringLiteral("TfrmMain"));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QDialog modal(&main);
    modal.setObjectName(QStringLiteral("TfrmSomeFeature"));
    if (dialog) {
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
    }
    if (minimised) {
        main.showMinimized();
        QTRY_VERIFY(main.isMinimized());
    }

    QWidget* forward = TSingleInstance::BringForward(&main);
    QCOMPARE(forward, dialog ? static_cast<QWidget*>(&modal) : &main);
    QVERIFY(!main.isMinimized());
    QVERIFY(main.isVisible());
    QVERIFY(!forward->isMinimized());
}

void tst_ShellWindows::customerNavigationLinksAreCommands_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("english") << 3081;
    QTest::newRow("chinese") << 1028;
}

// Each tab of the customer navigation is a command of the home page's kind.
void tst_ShellWindows::customerNavigationLinksAreCommands()
{
    QFETCH(int, language);
    auto& manager = TGlobalResourceManager::Instance();
    manager.SetLanguage(language);
    auto restore = qScopeGuard([&manager] { manager.SetLanguage(3081); });
    const QString html = QString::fromUtf8(manager.ResourceBytes(QStringLiteral("g_HTM_CustomerNavigation")));
    QVERIFY(!html.isEmpty());

    QList<QPair<QString, int>> commands;
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const THomePageCommand* command = THomePageDispatch::Match(manager.PageUrl(it.next().captured(1)));
        QVERIFY(command);
        commands.append({command->target, command->page});
    }
    QCOMPARE(commands, (QList<QPair<QString, int>>{{"TfrmOrders", 0}, {"TfrmCustomerList", 0}, {"TfrmCustomerList", 1}, {"TfrmCustomerList", 2}}));
}

QTEST_MAIN(tst_ShellWindows)
#include "tst_ShellWindows.moc"
