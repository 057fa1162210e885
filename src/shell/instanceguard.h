#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <utility>

#include <sys/stat.h>

class QSocketNotifier;

// Keeps one running copy per home folder. A later copy hands its files to the running one
// through a local socket named after the home folder, asks it to come forward and ends
// without showing a window. Copies started at the same moment take turns under a lock file,
// so exactly one of them becomes the running copy. The socket and the lock live in a folder
// only this user can use (OwnFiles::runtimeFolder); either end refuses a peer of another user.
// When no such folder can be had, or the lock's name holds anything but a regular file of the
// user's own, this copy starts on its own and nothing is shared (problem() says why).
class InstanceGuard : public QObject
{
    Q_OBJECT

public:
    explicit InstanceGuard(const QString &homeFolder, QObject *parent = nullptr);
    // With the folder for the socket and the lock given; an empty one shares nothing.
    InstanceGuard(const QString &homeFolder, const QString &runtimeFolder,
                  QObject *parent = nullptr);
    ~InstanceGuard() override;

    static QString serverName(const QString &homeFolder);
    // The socket's full path; empty when nothing is shared.
    QString socketPath() const { return m_name; }
    QString lockPath() const;
    // Why files are not handed between copies; empty when they are.
    QString problem() const { return m_problem; }
    // True when the other end of a connected local socket runs as this user.
    static bool peerIsThisUser(qintptr socketDescriptor);

    enum class Role { Running, HandedOver };
    // Hands the files to the running copy, or, when there is none, becomes the running copy
    // and listens for later ones.
    Role start(const QStringList &files, int timeoutMs = 10000);

    // True when a running copy took the files and will come forward: this copy must end. A
    // copy that does not answer in time (it may be closing) is treated as absent.
    bool handOverToRunningCopy(const QStringList &files, int timeoutMs = 10000);

    // Lets later copies find this one. False when the name could not be taken.
    bool listen();
    // Called once this copy starts closing, so that a later copy starts on its own.
    void stopListening();

    // The files handed over since the last call, in the order they arrived.
    QStringList takeHandedOver() { return std::exchange(m_handedOver, {}); }

Q_SIGNALS:
    // Another copy asked this one to come forward; its files wait in takeHandedOver().
    void activationRequested();

private:
    class Caller;

    // Takes the name and listens; false with errno set when it cannot.
    bool bindSocket();
    void acceptConnections();
    // One whole request from a caller: its files are kept and this copy is called forward.
    void takeRequest(QStringList files);

    QString m_name;
    QString m_problem;
    // The listening socket, -1 when not listening; a plain Unix socket keeps the program off
    // Qt's network library, which brings eight more libraries to every start.
    int m_listener = -1;
    QSocketNotifier *m_incoming = nullptr;
    // The socket file this copy made, so that closing removes only that one.
    struct stat m_bound = {};
    QStringList m_handedOver;
};
