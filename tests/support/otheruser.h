#pragma once

// Runs a piece of a test as another local user: a forked child that takes the uid and gid of
// "nobody" and then does only plain system calls. Tests skip when not run as root or when the
// system has no such user.

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <optional>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace OtherUser {

struct Ids
{
    uid_t uid;
    gid_t gid;
};

// The ids of "nobody" when this process may take them, else nothing.
inline std::optional<Ids> nobody()
{
    if (::geteuid() != 0)
        return std::nullopt;
    const struct passwd *pw = ::getpwnam("nobody");
    if (!pw || pw->pw_uid == 0)
        return std::nullopt;
    return Ids{pw->pw_uid, pw->pw_gid};
}

// Starts the work in a child running as that user; its return value is the child's exit code
// (99 when the child could not become the user).
inline pid_t start(const Ids &ids, const std::function<int()> &work)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    if (::setgroups(0, nullptr) != 0 || ::setgid(ids.gid) != 0 || ::setuid(ids.uid) != 0)
        ::_exit(99);
    ::_exit(work());
}

// Waits for the child while the event loop runs; its exit code, or -1 when it had to be killed.
inline int finish(pid_t pid, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (timer.elapsed() > timeoutMs) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        QTest::qWait(10);
    }
}

} // namespace OtherUser
