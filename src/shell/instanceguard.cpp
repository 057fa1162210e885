#include "shell/instanceguard.h"

#include "base/ownfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A request is any number of "open <name in base64>" lines and one "activate" line; the
// running copy answers "ok" once it holds every name.
constexpr QByteArrayView OpenLine = "open ";
constexpr QByteArrayView Request = "activate\n";
constexpr QByteArrayView Reply = "ok\n";
constexpr qsizetype MaxLine = 64 * 1024;
} // namespace

InstanceGuard::InstanceGuard(const QString &homeFolder, QObject *parent) : QObject(parent)
{
    const QString folder = OwnFiles::runtimeFolder(&m_problem);
    if (!folder.isEmpty())
        m_name = folder + u'/' + serverName(homeFolder);
}

InstanceGuard::InstanceGuard(const QString &homeFolder, const QString &runtimeFolder,
                             QObject *parent)
    : QObject(parent)
{
    if (runtimeFolder.isEmpty())
        m_problem = QStringLiteral("no folder of this user's own for the running copy's socket");
    else
        m_name = QDir::cleanPath(runtimeFolder) + u'/' + serverName(homeFolder);
}

QString InstanceGuard::lockPath() const
{
    return m_name.isEmpty() ? QString() : m_name + QStringLiteral(".lock");
}

bool InstanceGuard::peerIsThisUser(qintptr socketDescriptor)
{
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (socketDescriptor < 0 ||
        ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return false;
    return size == sizeof peer && peer.uid == ::geteuid();
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
    if (m_name.isEmpty())
        return Role::Running;
    // Held while this copy looks for a running one and, finding none, starts listening: a
    // copy started at the same moment waits and then finds this one. In the runtime folder,
    // since the home folder may be read-only. Whatever is not a regular file of this user's
    // own is never opened: a pipe would hang the start, a device would be read without end.
    QString reason;
    const OwnFiles::Kind kind = OwnFiles::kindAt(lockPath(), &reason);
    if (kind != OwnFiles::Kind::Absent && kind != OwnFiles::Kind::OwnFile) {
        m_problem = !reason.isEmpty() ? reason
                                      : QStringLiteral("%1 is not a regular file")
                                            .arg(QDir::toNativeSeparators(lockPath()));
        m_name.clear();
        return Role::Running;
    }
    QLockFile lock(lockPath());
    // A lock that cannot be had in time is not worth hanging for.
    lock.tryLock(timeoutMs);
    if (handOverToRunningCopy(files, timeoutMs))
        return Role::HandedOver;
    listen();
    return Role::Running;
}

bool InstanceGuard::handOverToRunningCopy(const QStringList &files, int timeoutMs)
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(std::min(timeoutMs, 2000)))
        return false;
    // A server of another user gets no names and is not obeyed.
    if (!peerIsThisUser(socket.socketDescriptor())) {
        m_problem = QStringLiteral("the running copy's socket %1 belongs to another user")
                        .arg(QDir::toNativeSeparators(m_name));
        socket.abort();
        return false;
    }
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
    if (m_name.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceGuard::acceptConnection);
    if (m_server->listen(m_name))
        return true;
    // Nobody answered a moment ago, so the name is left over from a copy that crashed. Only a
    // socket of this user's own is taken away.
    struct stat st;
    if (::lstat(QFile::encodeName(m_name).constData(), &st) != 0 || !S_ISSOCK(st.st_mode) ||
        st.st_uid != ::geteuid())
        return false;
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
        // Only copies run by this user may hand over files or call this one forward.
        if (!peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
