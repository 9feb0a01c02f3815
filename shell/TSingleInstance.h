#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

// One running program per user and program folder: a later start hands over
// to the running one, which comes to the front, and ends without showing
// anything.
class TSingleInstance : public QObject
{
    Q_OBJECT

public:
    // The name of the local socket: the user's and the program folder's.
    static QString DefaultKey();

    explicit TSingleInstance(const QString& key = DefaultKey(), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when another instance runs; it has been asked to come forward.
    bool HandOverToRunning(int timeoutMs = 3000);
    // Starts answering later starts. False when the socket cannot be made.
    bool Listen();

    // Brings the program's window in front: the active modal dialog when there
    // is one, else the main window; a minimised window is restored first.
    // Returns the window brought forward.
    static QWidget* BringForward(QWidget* mainWindow);

signals:
    void ActivationRequested();

private:
    void OnNewConnection();

    QString m_key;
    QLocalServer* m_server = nullptr;
};
