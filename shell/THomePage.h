#pragma once

#include <QWebEnginePage>

struct THomePageCommand;

// The page of the main window's browser. It loads the home page and its
// frames and nothing else: a link is a command, never a place to go.
class THomePage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit THomePage(QObject* parent = nullptr);

signals:
    // Sent after the navigation has been cancelled, so that the window the
    // command opens does not run inside the browser's navigation callback.
    void CommandRequested(const THomePageCommand* command);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
};
