#include "shell/instanceguard.h"

#include "base/ownfiles.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A request is any number of "open <name in base64>" lines and one "activate" line; the
// running copy answers "ok" once it holds every name.
constexpr QByteArrayView OpenLine = "open ";
constexpr QByteArrayView Request = "activate\n";
constexpr QByteArrayView Reply = "ok\n";
constexpr qsizetype MaxLine = 64 * 1024;

// Closes a descriptor when it goes out of scope, unless it was released.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// False when the path does not fit a socket address.
bool addressOf(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// False when the deadline passes first or the wait fails.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const qint64 left = std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX);
        const int ready = ::poll(&p, 1, int(left));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

// One connection from a later copy: reads its request line by line and answers it.
class InstanceGuard::Caller : public QObject
{
public:
    Caller(int fd, InstanceGuard *guard)
        : QObject(guard), m_fd(fd), m_guard(guard), m_readable(fd, QSocketNotifier::Read)
    {
        connect(&m_readable, &QSocketNotifier::activated, this, &Caller::read);
    }
    ~Caller() override
    {
        m_readable.setEnabled(false);
        ::close(m_fd);
    }

private:
    void read()
    {
        bool ended = false;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                m_pending.append(buffer, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            // Hung up or failed, unless there is simply nothing more to read yet.
            ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        qsizetype start = 0;
        for (qsizetype end; (end = m_pending.indexOf('\n', start)) >= 0; start = end + 1) {
            const QByteArrayView line(m_pending.constData() + start, end + 1 - start);
            if (line.startsWith(OpenLine)) {
                m_names << QString::fromUtf8(
                    QByteArray::fromBase64(line.sliced(OpenLine.size()).chopped(1).toByteArray()));
                continue;
            }
            if (line != Request) {
                finish();
                return;
            }
            // Kept before answering: the other copy ends as soon as the answer arrives.
            m_guard->takeRequest(std::exchange(m_names, {}));
            (void)!::send(m_fd, Reply.data(), std::size_t(Reply.size()), MSG_NOSIGNAL);
        }
        m_pending.remove(0, start);
        if (ended || m_pending.size() > MaxLine)
            finish();
    }

    void finish()
    {
        m_readable.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    InstanceGuard *m_guard;
    QSocketNotifier m_readable;
    QByteArray m_pending;
    QStringList m_names;
};

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

InstanceGuard::~InstanceGuard()
{
    stopListening();
}

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
    // An advisory lock on the file, which the system drops when this copy ends however it
    // ends: nothing stale is left for a later copy to judge, and nothing is written to the disk.
    const Descriptor lock(::open(QFile::encodeName(lockPath()).constData(),
                                 O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600));
    // A lock that cannot be had in time is not worth hanging for.
    const QDeadlineTimer locking(timeoutMs);
    while (lock.get() >= 0 && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || locking.hasExpired())
            break;
        ::poll(nullptr, 0, 10);
    }
    if (handOverToRunningCopy(files, timeoutMs))
        return Role::HandedOver;
    listen();
    return Role::Running;
}

bool InstanceGuard::handOverToRunningCopy(const QStringList &files, int timeoutMs)
{
    sockaddr_un address;
    if (m_name.isEmpty() || !addressOf(m_name, &address))
        return false;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return false;
    // A running copy whose queue is full keeps a caller waiting; a name nobody listens at
    // refuses it at once.
    const QDeadlineTimer connecting(std::min(timeoutMs, 2000));
    while (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) !=
           0) {
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN || connecting.hasExpired())
            return false;
        ::poll(nullptr, 0, 10);
    }
    // A server of another user gets no names and is not obeyed.
    if (!peerIsThisUser(socket.get())) {
        m_problem = QStringLiteral("the running copy's socket %1 belongs to another user")
                        .arg(QDir::toNativeSeparators(m_name));
        return false;
    }
    QByteArray request;
    for (const QString &file : files)
        request += OpenLine.toByteArray() + file.toUtf8().toBase64() + '\n';
    request += Request.toByteArray();
    const QDeadlineTimer deadline(timeoutMs);
    for (qsizetype sent = 0; sent < request.size();) {
        const ssize_t n = ::send(socket.get(), request.constData() + sent,
                                 std::size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (!(n < 0 && (errno == EINTR ||
                             (errno == EAGAIN && waitFor(socket.get(), POLLOUT, deadline)))))
            return false;
    }
    QByteArray answer;
    while (answer.size() < Reply.size()) {
        char buffer[16];
        const ssize_t n = ::recv(socket.get(), buffer, sizeof buffer, 0);
        if (n > 0)
            answer.append(buffer, n);
        else if (!(n < 0 && (errno == EINTR ||
                             (errno == EAGAIN && waitFor(socket.get(), POLLIN, deadline)))))
            break;
    }
    return answer.startsWith(Reply);
}

bool InstanceGuard::listen()
{
    if (m_listener >= 0)
        return true;
    if (m_name.isEmpty())
        return false;
    if (bindSocket())
        return true;
    // Nobody answered a moment ago, so the name is left over from a copy that crashed. Only a
    // socket of this user's own is taken away.
    const QByteArray name = QFile::encodeName(m_name);
    struct stat st;
    if (errno != EADDRINUSE || ::lstat(name.constData(), &st) != 0 || !S_ISSOCK(st.st_mode) ||
        st.st_uid != ::geteuid())
        return false;
    ::unlink(name.constData());
    return bindSocket();
}

bool InstanceGuard::bindSocket()
{
    sockaddr_un address;
    if (!addressOf(m_name, &address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0 ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return false;
    // For this user only, like the folder it is in.
    if (::chmod(address.sun_path, 0600) != 0 || ::listen(socket.get(), 16) != 0 ||
        ::lstat(address.sun_path, &m_bound) != 0) {
        const int error = errno;
        ::unlink(address.sun_path);
        errno = error;
        return false;
    }
    m_listener = socket.release();
    m_incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_incoming, &QSocketNotifier::activated, this, &InstanceGuard::acceptConnections);
    return true;
}

void InstanceGuard::stopListening()
{
    if (m_listener < 0)
        return;
    delete m_incoming;
    m_incoming = nullptr;
    ::close(std::exchange(m_listener, -1));
    // The name goes too, so that a later copy is refused at once instead of waiting for an
    // answer; a socket another copy has put there since is left alone.
    const QByteArray name = QFile::encodeName(m_name);
    struct stat st;
    if (::lstat(name.constData(), &st) == 0 && sameFile(st, m_bound))
        ::unlink(name.constData());
}

void InstanceGuard::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        // Only copies run by this user may hand over files or call this one forward.
        if (!peerIsThisUser(fd)) {
            ::close(fd);
            continue;
        }
        new Caller(fd, this);
    }
}

void InstanceGuard::takeRequest(QStringList files)
{
    m_handedOver += files;
    QTimer::singleShot(0, this, &InstanceGuard::activationRequested);
}
