#include "TMessageBoxMessenger.h"
#include "TResourceSchemeHandler.h"
#include "TStartup.h"
#include "TfrmSelectSite.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The browser engine learns of the library scheme and shares its GL
    // context only before the application object exists.
    TResourceSchemeHandler::RegisterScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvis"));
    QApplication::setOrganizationName(QStringLiteral("Halden"));

    TMessageBoxMessenger messenger;
    TMessenger::Install(&messenger);

    // Each subsystem registers the windows it owns (TCommandRegistry).
    // "--sample-store" starts on the sample store instead of the website selection.
    TfrmSelectSite::Register(QCoreApplication::arguments().contains(QStringLiteral("--sample-store")));

    const int code = TStartup::Run();
    TMessenger::Install(nullptr);
    return code;
}
