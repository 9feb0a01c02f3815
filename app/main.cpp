#include "TMessageBoxMessenger.h"
#include "TResourceSchemeHandler.h"
#include "TShellCommands.h"
#include "TStartup.h"

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

    // Each subsystem registers the windows it owns (TCommandRegistry), the
    // shell first: a later registration of the same name replaces its entry.
    RegisterShellCommands();

    const int code = TStartup::Run();
    TMessenger::Install(nullptr);
    return code;
}
