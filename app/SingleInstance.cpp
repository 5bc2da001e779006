#include "app/SingleInstance.h"

#include <QLocalSocket>

#include <unistd.h>

#include "app/AppTexts.h"

namespace lx {
namespace {

constexpr int kWaitMs = 2000;

}  // namespace

QString SingleInstance::ServerName() {
    return QString::fromUtf8(app::kWindowClass) + QString::fromUtf8(" Class-") +
           QString::number(::getuid());
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    connect(&m_Server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

bool SingleInstance::HandOver(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    // One path per line; an empty message only asks for the window.
    socket.write(files.join(u'\n').toUtf8());
    socket.flush();
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return true;
}

bool SingleInstance::Listen() {
    m_Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_Server.listen(ServerName()))
        return true;
    // A socket left by a workstation that crashed: nobody answers on it, so it is ours.
    QLocalServer::removeServer(ServerName());
    return m_Server.listen(ServerName());
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = m_Server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, [this, socket] {
            const QString message = QString::fromUtf8(socket->readAll());
            socket->deleteLater();
            emit Activated(message.split(u'\n', Qt::SkipEmptyParts));
        });
    }
}

}  // namespace lx
