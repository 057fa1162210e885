#include "shell/instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <memory>

namespace {
// A request is any number of "open <name in base64>" lines and one "activate" line; the
// running copy answers "ok" once it holds every name.
constexpr QByteArrayView OpenLine = "open ";
constexpr QByteArrayView Request = "activate\n";
constexpr QByteArrayView Reply = "ok\n";
constexpr qsizetype MaxLine = 64 * 1024;
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

InstanceGuard::Role InstanceGuard::start(const QStringList &files, int timeoutMs)
{
    // Held while this copy looks for a running one and, finding none, starts listening: a
    // copy started at the same moment waits and then finds this one. In the temporary
    // folder, since the home folder may be read-only.
    QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    // A lock that cannot be had in time is not worth hanging for.
    lock.tryLock(timeoutMs);
    if (handOverToRunningCopy(files, timeoutMs))
        return Role::HandedOver;
    listen();
    return Role::Running;
}

bool InstanceGuard::handOverToRunningCopy(const QStringList &files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(std::min(timeoutMs, 2000)))
        return false;
    QByteArray request;
    for (const QString &file : files)
        request += OpenLine.toByteArray() + file.toUtf8().toBase64() + '\n';
    request += Request.toByteArray();
    socket.write(request);
    while (socket.bytesToWrite() > 0)
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
        return m_server->isListening();
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
        auto names = std::make_shared<QStringList>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, names] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(MaxLine);
                if (line.startsWith(OpenLine.toByteArray()) && line.endsWith('\n')) {
                    *names << QString::fromUtf8(
                        QByteArray::fromBase64(line.mid(OpenLine.size()).chopped(1)));
                    continue;
                }
                if (line != Request.toByteArray()) {
                    socket->disconnectFromServer();
                    return;
                }
                // Kept before answering: the other copy ends as soon as the answer arrives.
                m_handedOver += std::exchange(*names, {});
                socket->write(Reply.data(), Reply.size());
                socket->flush();
                QTimer::singleShot(0, this, &InstanceGuard::activationRequested);
            }
            if (socket->bytesAvailable() > MaxLine)
                socket->disconnectFromServer();
        });
    }
}
