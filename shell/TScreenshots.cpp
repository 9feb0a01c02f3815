#include "TScreenshots.h"

#include "TGlobalResourceManager.h"
#include "TfrmAbout.h"
#include "TfrmMain.h"
#include "TfrmSecureServerSelect.h"
#include "TfrmSplash.h"
#include "TfrmStatusMsg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        Wait(50);
    }
    return true;
}

// On a real display the screen holds what the browser engine drew; offscreen,
// the widgets draw themselves.
QPixmap Grab(QWidget& widget)
{
    if (QGuiApplication::platformName() != QLatin1StringView("offscreen")) {
        if (QScreen* screen = widget.screen()) {
            const QRect area = widget.frameGeometry();
            return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        }
    }
    return widget.grab();
}

QPixmap GrabScreenArea(const QRect& area)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return QPixmap();
}

void Save(const QPixmap& picture, const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    picture.save(folder + u'/' + name + QStringLiteral(".png"), "PNG");
}

void Show(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    Wait(400);
}

void ReloadHomePage(TfrmMain& main, int language)
{
    bool loaded = false;
    auto connection = QObject::connect(&main, &TfrmMain::HomePageLoaded, &main, [&loaded](bool) { loaded = true; });
    TGlobalResourceManager::Instance().SetLanguage(language);
    WaitFor([&loaded] { return loaded; }, 15000);
    QObject::disconnect(connection);
    // Pictures and fonts settle after the load itself.
    Wait(1500);
}

void GrabMenus(TfrmMain& main, const QString& folder, const QString& suffix)
{
    const struct {
        QMenu* menu;
        const char* name;
    } menus[] = {{main.mnuFile, "menu-file"}, {main.mnuSettings, "menu-settings"}, {main.mnuUtilities, "menu-utilities"},
                 {main.mnuMerchant, "menu-merchant"}, {main.mnuHelp, "menu-help"}};
    for (const auto& m : menus) {
        main.menuBar()->setActiveAction(m.menu->menuAction());
        Wait(400);
        const QRect area = main.frameGeometry().united(m.menu->geometry()).intersected(QRect(main.frameGeometry().topLeft(), QSize(720, 360)));
        if (QGuiApplication::platformName() == QLatin1StringView("offscreen"))
            Save(m.menu->grab(), folder, QLatin1StringView(m.name) + suffix);
        else
            Save(GrabScreenArea(area), folder, QLatin1StringView(m.name) + suffix);
        m.menu->hide();
        main.menuBar()->setActiveAction(nullptr);
        Wait(200);
    }
}

void GrabStatusWindow(const QString& folder)
{
    TfrmStatusMsg& status = TfrmStatusMsg::Instance();
    status.ShowText(QStringLiteral("Saving the website..."));
    Show(status);
    Save(Grab(status), folder, QStringLiteral("status-text"));

    status.ShowText(LangStr(1338));
    Show(status);
    Save(Grab(status), folder, QStringLiteral("status-text-wrapped"));

    status.ShowTextWithOK(LangStr(729), TfrmStatusMsg::ShowOK);
    Show(status);
    Save(Grab(status), folder, QStringLiteral("status-text-ok"));

    status.ShowProgress(QStringLiteral("Uploading products.html"), TfrmStatusMsg::ShowCancel);
    status.pbProgress->setRange(0, 100);
    status.pbProgress->setValue(40);
    Show(status);
    Save(Grab(status), folder, QStringLiteral("status-progress"));

    status.ShowProgress(QStringLiteral("Building the website"), 0);
    status.pbProgress->setValue(75);
    Show(status);
    Save(Grab(status), folder, QStringLiteral("status-progress-no-cancel"));
    status.hide();
}

} // namespace

void TScreenshots::GrabSplash(TfrmSplash& splash, const QString& folder)
{
    Wait(300);
    Save(Grab(splash), folder, QStringLiteral("splash"));
}

void TScreenshots::Run(TfrmMain& main, const QString& folder)
{
    // The first activation opens a website; the caption names it when done.
    WaitFor([&main] { return main.windowTitle().contains(u'['); }, 20000);
    const int language = TGlobalResourceManager::Instance().LanguageID();
    // Without a window manager nothing maximises the window: give it the size
    // of a typical screen, after one picture at its smallest.
    ReloadHomePage(main, language);
    Save(Grab(main), folder, QStringLiteral("main-smallest"));
    main.setWindowState(Qt::WindowNoState);
    main.setGeometry(QRect(QPoint(0, 0), QSize(1280, 1160)).intersected(main.screen()->availableGeometry()));

    for (int id : {3081, 1028}) {
        const QString suffix = id == 3081 ? QString() : QStringLiteral("-%1").arg(id);
        ReloadHomePage(main, id);
        Save(Grab(main), folder, QStringLiteral("main") + suffix);
        GrabMenus(main, folder, suffix);

        TfrmAbout about(&main);
        Show(about);
        Save(Grab(about), folder, QStringLiteral("about") + suffix);
        about.close();

        TfrmSecureServerSelect server(&main);
        server.edtSecureServer->setText(QStringLiteral("secure.quorvis.example"));
        Show(server);
        Save(Grab(server), folder, QStringLiteral("secure-server") + suffix);
        server.close();
    }
    TGlobalResourceManager::Instance().SetLanguage(language);
    GrabStatusWindow(folder);
}
