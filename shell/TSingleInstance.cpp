#include "TSingleInstance.h"

#include "TProgramFolders.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <unistd.h>

namespace {
const QByteArray ActivateMessage = "activate\n";
const QByteArray Acknowledgement = "ok\n";
}

QString TSingleInstance::DefaultKey()
{
    // Per user (the socket lives in a shared temporary folder) and per program
    // folder, so that a second data folder, a test above all, runs apart.
    const QByteArray folder = QCryptographicHash::hash(TProgramFolders::ProgramFolder().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("quorvis-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folder));
}

TSingleInstance::TSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_key(key)
{
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::HandOverToRunning(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(timeoutMs);
    // The running program answers once it has taken the request; whether or
    // not it does, it runs, and this start ends.
    while (socket.bytesAvailable() < Acknowledgement.size() && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

bool TSingleInstance::Listen()
{
    if (m_server)
        return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // A socket left behind by a program that did not end cleanly: nobody
        // answered on it, so it may be taken over.
        QLocalServer::removeServer(m_key);
        if (!m_server->listen(m_key)) {
            delete m_server;
            m_server = nullptr;
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &TSingleInstance::OnNewConnection);
    return true;
}

void TSingleInstance::OnNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine();
            if (line == ActivateMessage) {
                socket->write(Acknowledgement);
                socket->flush();
                emit ActivationRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

QWidget* TSingleInstance::BringForward(QWidget* mainWindow)
{
    if (mainWindow && mainWindow->isMinimized())
        mainWindow->setWindowState((mainWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (mainWindow && mainWindow->isVisible())
        mainWindow->raise();
    QWidget* popup = QApplication::activeModalWidget();
    if (!popup)
        popup = mainWindow;
    if (!popup)
        return nullptr;
    if (popup->isMinimized())
        popup->setWindowState((popup->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    popup->raise();
    popup->activateWindow();
    return popup;
}
