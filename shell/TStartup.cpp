#include "TStartup.h"

#include "EQuorvisError.h"
#include "TApp.h"
#include "TBrowserCheck.h"
#include "TGlobalResourceManager.h"
#include "TMessenger.h"
#include "TProgramFolders.h"
#include "TRecordClasses.h"
#include "TScreenshots.h"
#include "TSingleInstance.h"
#include "TStoreRecordClasses.h"
#include "TfrmMain.h"
#include "TfrmSecureServerSelect.h"
#include "TfrmSplash.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void ShowStartupError(const QString& text)
{
    TStartup::Trace(QStringLiteral("error ") + text);
    TMessenger::Current().Show(TMessenger::Kind::Error, text);
}

int RunProgram(TSingleInstance& instance)
{
    TApp application;
    // Import and export templates find the record classes by name.
    RegisterStoreRecordClasses();
    TStartup::Trace(QStringLiteral("record classes ") + TRecordClasses::Names().join(u' '));
    TProgramFolders::Seed();
    const QString programFolder = TProgramFolders::ProgramFolder();
    if (!QDir::setCurrent(programFolder))
        throw EQuorvisError(LangStr(5130).arg(QDir::toNativeSeparators(programFolder)));

    if (!TBrowserCheck::Check())
        return 0;

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    const QString screenshots = qEnvironmentVariable("QUORVIS_SCREENSHOTS");
    if (!screenshots.isEmpty())
        TScreenshots::GrabSplash(*splash, screenshots);

    if (application.ReadSetting(QStringLiteral("Settings"), QStringLiteral("servername")).trimmed().isEmpty()) {
        // The question must not hide behind the picture.
        splash->hide();
        if (!TfrmSecureServerSelect::EnsureServerName())
            return 0;
        splash->show();
    }

    TfrmMain main;
    QObject::connect(&instance, &TSingleInstance::ActivationRequested, &main, [&main] {
        QWidget* forward = TSingleInstance::BringForward(&main);
        TStartup::Trace(QStringLiteral("forward %1").arg(forward ? forward->objectName() : QStringLiteral("none")));
    });
    QObject::connect(&main, &TfrmMain::TerminateRequested, &main, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);

    splash->WaitUntilElapsed();
    splash.reset();

    main.showMaximized();
    // The first activation opens the website selection; without a window
    // manager (a virtual display) nothing else would activate the window.
    main.activateWindow();
    TStartup::Trace(QStringLiteral("ready"));
    if (!screenshots.isEmpty())
        QTimer::singleShot(0, &main, [&main, screenshots] {
            TScreenshots::Run(main, screenshots);
            QCoreApplication::exit(0);
        });
    const int code = QApplication::exec();
    application.ReleaseCache();
    return code;
}

} // namespace

void TStartup::Trace(const QString& line)
{
    if (qEnvironmentVariableIsEmpty("QUORVIS_TRACE"))
        return;
    std::fprintf(stderr, "quorvis: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

int TStartup::Run()
{
    TSingleInstance instance;
    if (instance.HandOverToRunning()) {
        Trace(QStringLiteral("handed over"));
        return 0;
    }
    instance.Listen();

    try {
        return RunProgram(instance);
    } catch (const EQuorvisError& e) {
        ShowStartupError(e.Message());
    } catch (const std::exception& e) {
        ShowStartupError(LangStr(5131).arg(QString::fromLocal8Bit(e.what())));
    }
    return 1;
}
