#include "THomePage.h"

#include "THomePageDispatch.h"
#include "TResourceSchemeHandler.h"

#include <QWebEngineSettings>

THomePage::THomePage(QObject* parent)
    : QWebEnginePage(parent)
{
    TResourceSchemeHandler::InstallOn(profile());
    settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
}

bool THomePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (THomePageDispatch::LetsThrough(url))
        return true;
    if (const THomePageCommand* command = THomePageDispatch::Match(url))
        QMetaObject::invokeMethod(this, [this, command] { emit CommandRequested(command); }, Qt::QueuedConnection);
    return false;
}

QWebEnginePage* THomePage::createWindow(WebWindowType type)
{
    // A link aimed at a new window comes back here as a navigation of this
    // page, where it is dispatched (or refused) like any other.
    return this;
}
