#include "widgets/desktopprograms.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <sys/types.h>

#ifdef QM_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace {

#ifdef QM_HAVE_XCB
xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window property.
QList<quint32> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(c, 0, window, name, type, 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    QList<quint32> values;
    if (!reply || reply->format != 32)
        return values;
    const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < n; ++i)
        values.append(data[i]);
    return values;
}

// Asks the window manager to activate every managed window of the process.
void raiseX11(qint64 pid)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *c = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return;
    const xcb_atom_t clients = atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t wmPid = atom(c, "_NET_WM_PID");
    const xcb_atom_t active = atom(c, "_NET_ACTIVE_WINDOW");
    for (const quint32 window : property(c, screen->root, clients, XCB_ATOM_WINDOW)) {
        const QList<quint32> owner = property(c, window, wmPid, XCB_ATOM_CARDINAL);
        if (owner.isEmpty() || qint64(owner.first()) != pid)
            continue;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = active;
        message.data.data32[0] = 2; // from a pager-like tool: the request is the user's own
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    }
    xcb_flush(c);
}
#endif

} // namespace

QString DesktopPrograms::problemWith(const QString &program)
{
    const QString found =
        program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(found);
    if (found.isEmpty() || !info.exists())
        return QStringLiteral("the program does not exist");
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.isExecutable())
        return QStringLiteral("the file is not a program that can be run");
    return {};
}

bool DesktopPrograms::start(const QString &program, const QStringList &arguments, qint64 *pid,
                            QString *reason)
{
    const QString problem = problemWith(program);
    if (!problem.isEmpty()) {
        *reason = problem;
        return false;
    }
    qint64 started = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &started)) {
        *reason = QStringLiteral("the system refused to start it");
        return false;
    }
    if (pid)
        *pid = started;
    return true;
}

bool DesktopPrograms::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopPrograms::isRunning(qint64 pid) const
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    // A process that ended but was not yet collected is no longer running.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close < 0 || close + 2 >= line.size() || line[close + 2] != 'Z';
}

void DesktopPrograms::bringForward(qint64 pid)
{
#ifdef QM_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        raiseX11(pid);
#else
    Q_UNUSED(pid)
#endif
}
