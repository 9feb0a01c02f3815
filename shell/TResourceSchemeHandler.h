#pragma once

#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Answers the browser's "res:" addresses from the language library: the home
// page, its frames and the pictures they show. Any browser view of the program
// can show library pages once the handler is installed on its profile.
class TResourceSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    static constexpr const char* Scheme = "res";

    // Must run before the application object exists.
    static void RegisterScheme();
    // Installs one handler on the profile (the default profile when none is given); repeated calls do nothing.
    static void InstallOn(QWebEngineProfile* profile = nullptr);

    explicit TResourceSchemeHandler(QObject* parent = nullptr);
    void requestStarted(QWebEngineUrlRequestJob* job) override;
};
