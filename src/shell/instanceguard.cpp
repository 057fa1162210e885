#include "shell/instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {
constexpr QByteArrayView Request = "activate\n";
constexpr QByteArrayView Reply = "ok\n";
} // namespace

InstanceGuard::InstanceGuard(const QString &homeFolder, QObject *parent)
    : QObject(parent), m_name(serverName(homeFolder))
{
}

InstanceGuard::~InstanceGuard() = default;

QString InstanceGuard::serverName(const QString &homeFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(homeFolder).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("quillmark-") + QString::fromLatin1(hash.toHex().left(16));
}

bool InstanceGuard::handOverToRunningCopy(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(Request.data(), Request.size());
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (answer.size() < Reply.size() && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer.startsWith(Reply);
}

bool InstanceGuard::listen()
{
    if (m_server)
        return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceGuard::acceptConnection);
    if (m_server->listen(m_name))
        return true;
    // Nobody answered a moment ago, so the name is left over from a copy that crashed.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void InstanceGuard::stopListening()
{
    if (m_server)
        m_server->close();
}

void InstanceGuard::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() != QByteArray(Request.data(), Request.size()))
                return socket->disconnectFromServer();
            socket->write(Reply.data(), Reply.size());
            socket->flush();
            // Answer first: the other copy is waiting for it and ends as soon as it arrives.
            QTimer::singleShot(0, this, &InstanceGuard::activationRequested);
        });
    }
}
