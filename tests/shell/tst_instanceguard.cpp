#include "base/homefolder.h"
#include "base/ownfiles.h"
#include "base/settingsfile.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "files/recentfiles.h"
#include "shell/instanceguard.h"
#include "shell/mainframe.h"
#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "framedriver.h"
#include "otheruser.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A copy of the program in its own folder with a settings file, so that folder is its home.
QString copyProgramInto(const QTemporaryDir &home)
{
    const QString exe = home.filePath("quillmark");
    if (!QFile::copy(QStringLiteral(QM_EXECUTABLE), exe))
        return QString();
    QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
    QFile ini(home.filePath("quillm.ini"));
    if (!QFileInfo::exists(ini.fileName()) && ini.open(QIODevice::WriteOnly))
        ini.close();
    return exe;
}

std::unique_ptr<QProcess> startCopy(const QString &exe, const QString &folder,
                                    const QStringList &args)
{
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // The portable copy keeps its settings beside it; nothing goes to the user's own folder.
    env.insert("XDG_DATA_HOME", folder + "/xdg");
    process->setProcessEnvironment(env);
    process->start(exe, args);
    return process;
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private:
    // Runs the blocking hand-over of a second copy on another thread, so that the first can
    // answer on this one.
    static bool handOverFromThread(const QString &home, const QStringList &files, int timeoutMs,
                                   const QString &runtime = QString())
    {
        bool handedOver = false;
        QThread *worker = QThread::create([&] {
            auto second = runtime.isEmpty() ? std::make_unique<InstanceGuard>(home)
                                            : std::make_unique<InstanceGuard>(home, runtime);
            handedOver = second->handOverToRunningCopy(files, timeoutMs);
        });
        worker->start();
        while (!worker->isFinished())
            QTest::qWait(10);
        delete worker;
        return handedOver;
    }

private Q_SLOTS:
    void secondCopyHandsOverEveryFileInOrder()
    {
        QTemporaryDir home;
        InstanceGuard first(home.path());
        QVERIFY(first.listen());
        QSignalSpy activated(&first, &InstanceGuard::activationRequested);

        const QStringList files{"/tmp/a b.htm", "/tmp/line\nbreak.htm", "/tmp/größe.htm"};
        QVERIFY(handOverFromThread(home.path(), files, 5000));
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(first.takeHandedOver(), files);
        QVERIFY(first.takeHandedOver().isEmpty());

        // A copy without files only asks to come forward.
        QVERIFY(handOverFromThread(home.path(), {}, 5000));
        QTRY_COMPARE(activated.size(), 2);
        QVERIFY(first.takeHandedOver().isEmpty());
    }

    void nobodyListeningMeansStartAlone()
    {
        QTemporaryDir home;
        InstanceGuard guard(home.path());
        QVERIFY(!guard.handOverToRunningCopy({}, 200));
        QCOMPARE(guard.start({"x.htm"}, 200), InstanceGuard::Role::Running);
        InstanceGuard later(home.path());
        QCOMPARE(later.start({}, 200), InstanceGuard::Role::Running); // nobody answers here
    }

    void aClosingCopyIsNotWaitedFor()
    {
        QTemporaryDir home;
        InstanceGuard closing(home.path());
        QVERIFY(closing.listen());
        closing.stopListening();
        InstanceGuard next(home.path());
        QVERIFY(!next.handOverToRunningCopy({}, 200));
        QVERIFY(next.listen());
    }

    void closingLeavesTheSocketOfALaterCopyAlone()
    {
        QTemporaryDir home;
        InstanceGuard stale(home.path());
        QVERIFY(stale.listen());
        // A later copy took the name over, as it does from a copy that stopped answering.
        QVERIFY(QFile::remove(stale.socketPath()));
        InstanceGuard later(home.path());
        QVERIFY(later.listen());
        stale.stopListening();
        QVERIFY(QFileInfo::exists(later.socketPath()));
        QSignalSpy activated(&later, &InstanceGuard::activationRequested);
        QVERIFY(handOverFromThread(home.path(), {"a.htm"}, 5000));
        QTRY_COMPARE(activated.size(), 1);
        // Its own socket does go when it stops.
        later.stopListening();
        QVERIFY(!QFileInfo::exists(later.socketPath()));
    }

    void brokenRequestsHandOverNothing()
    {
        QTemporaryDir home;
        InstanceGuard guard(home.path());
        QVERIFY(guard.listen());
        QSignalSpy activated(&guard, &InstanceGuard::activationRequested);
        const auto send = [&](const QByteArray &bytes, bool hangUp) {
            QLocalSocket caller;
            caller.connectToServer(guard.socketPath());
            QVERIFY(caller.waitForConnected(2000));
            caller.write(bytes);
            QVERIFY(caller.waitForBytesWritten(2000));
            if (hangUp)
                caller.disconnectFromServer();
            else // An endless line is cut off by the running copy.
                QTRY_COMPARE(caller.state(), QLocalSocket::UnconnectedState);
        };
        send("open " + QByteArray("a.htm").toBase64() + "\nactiv", true);
        send("open " + QByteArray(200 * 1024, 'A'), false);
        send("hello\nactivate\n", false);
        QTest::qWait(50);
        QCOMPARE(activated.size(), 0);
        QVERIFY(guard.takeHandedOver().isEmpty());
        // The guard still hears a proper request.
        QVERIFY(handOverFromThread(home.path(), {"b.htm"}, 5000));
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(guard.takeHandedOver(), QStringList{"b.htm"});
    }

    void aCopyThatNeverAnswersIsTreatedAsAbsent()
    {
        QTemporaryDir home;
        QLocalServer silent;
        QVERIFY(silent.listen(InstanceGuard(home.path()).socketPath()));
        QVERIFY(!handOverFromThread(home.path(), {"a.htm"}, 300));
    }

    void aSocketPlantedInTheSharedTemporaryFolderIsNeverAsked()
    {
        // Where the socket used to be: a name in the temporary folder that anyone may take.
        QTemporaryDir home;
        QLocalServer planted;
        planted.setSocketOptions(QLocalServer::WorldAccessOption);
        const QString plantedPath = QDir::temp().filePath(InstanceGuard::serverName(home.path()));
        QLocalServer::removeServer(plantedPath);
        QVERIFY(planted.listen(plantedPath));
        int connections = 0;
        connect(&planted, &QLocalServer::newConnection, this, [&] {
            while (QLocalSocket *s = planted.nextPendingConnection()) {
                ++connections;
                s->write("ok\n");
                s->flush();
            }
        });
        InstanceGuard guard(home.path());
        QVERIFY(guard.socketPath() != plantedPath);
        QCOMPARE(guard.start({"/private/letter.htm"}, 1000), InstanceGuard::Role::Running);
        QTest::qWait(50);
        QCOMPARE(connections, 0);
        planted.close();
    }

    void theRuntimeFolderMustBeTheUsersOwnAndPrivate()
    {
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QByteArray oldXdg = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            const auto put = [](const char *name, const QByteArray &value) {
                if (value.isNull())
                    qunsetenv(name);
                else
                    qputenv(name, value);
            };
            put("TMPDIR", oldTmp);
            put("XDG_RUNTIME_DIR", oldXdg);
        });
        QTemporaryDir tmp, home, elsewhere;
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString own = tmp.path() + QStringLiteral("/quillmark-%1").arg(::geteuid());
        const QByteArray ownName = QFile::encodeName(own);

        // Open to everyone: not used, and the copy starts alone.
        QVERIFY(::mkdir(ownName.constData(), 0700) == 0);
        QVERIFY(::chmod(ownName.constData(), 0777) == 0);
        QString reason;
        QVERIFY(OwnFiles::runtimeFolder(&reason).isEmpty());
        QVERIFY(reason.contains(QLatin1String("other users")));
        {
            InstanceGuard guard(home.path());
            QVERIFY(guard.socketPath().isEmpty());
            QCOMPARE(guard.start({"a.htm"}, 500), InstanceGuard::Role::Running);
            QVERIFY(!guard.problem().isEmpty());
        }
        // A link to a folder is not the folder.
        QVERIFY(::rmdir(ownName.constData()) == 0);
        QVERIFY(::symlink(QFile::encodeName(elsewhere.path()).constData(), ownName.constData()) ==
                0);
        QVERIFY(OwnFiles::runtimeFolder().isEmpty());
        QVERIFY(::unlink(ownName.constData()) == 0);
        // Made by another user.
        if (const auto nobody = OtherUser::nobody()) {
            QVERIFY(::mkdir(ownName.constData(), 0700) == 0);
            QVERIFY(::chown(ownName.constData(), nobody->uid, nobody->gid) == 0);
            reason.clear();
            QVERIFY(OwnFiles::runtimeFolder(&reason).isEmpty());
            QVERIFY(reason.contains(QLatin1String("another user")));
            QVERIFY(::rmdir(ownName.constData()) == 0);
        }
        // Missing: made, 0700.
        QCOMPARE(OwnFiles::runtimeFolder(), own);
        struct stat st;
        QVERIFY(::lstat(ownName.constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0700);
        // A private XDG_RUNTIME_DIR comes first; one open to others is passed over.
        QTemporaryDir xdg;
        QVERIFY(::chmod(QFile::encodeName(xdg.path()).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdg.path()));
        QCOMPARE(OwnFiles::runtimeFolder(), xdg.path());
        QVERIFY(::chmod(QFile::encodeName(xdg.path()).constData(), 0755) == 0);
        QCOMPARE(OwnFiles::runtimeFolder(), own);
    }

    void aPipeOrALinkAtTheLockNameNeverHoldsUpTheStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("folder") << "folder";
    }
    void aPipeOrALinkAtTheLockNameNeverHoldsUpTheStart()
    {
        QFETCH(QString, kind);
        QTemporaryDir home, runtime;
        InstanceGuard guard(home.path(), runtime.path());
        const QByteArray lock = QFile::encodeName(guard.lockPath());
        if (kind == QLatin1String("pipe"))
            QVERIFY(::mkfifo(lock.constData(), 0600) == 0);
        else if (kind == QLatin1String("zero"))
            QVERIFY(::symlink("/dev/zero", lock.constData()) == 0);
        else
            QVERIFY(::mkdir(lock.constData(), 0700) == 0);
        QCOMPARE(guard.start({"a.htm"}, 20000), InstanceGuard::Role::Running);
        QVERIFY(!guard.problem().isEmpty());
        // Nothing at that name was opened or replaced.
        struct stat st;
        QVERIFY(::lstat(lock.constData(), &st) == 0);
        QVERIFY(!S_ISREG(st.st_mode));
    }

    void aServerOfAnotherUserGetsNoNames()
    {
        const auto nobody = OtherUser::nobody();
        if (!nobody)
            QSKIP("needs root and a user named nobody");
        QTemporaryDir home, runtime;
        QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0777) == 0);
        InstanceGuard guard(home.path(), runtime.path());
        const QByteArray path = QFile::encodeName(guard.socketPath());
        // It answers "ok" at once and fails when it is sent anything.
        const pid_t pid = OtherUser::start(*nobody, [path] {
            ::alarm(20);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr = {};
            addr.sun_family = AF_UNIX;
            std::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
            if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
                ::chmod(path.constData(), 0777) != 0 || ::listen(fd, 4) != 0)
                return 2;
            const int peer = ::accept(fd, nullptr, nullptr);
            if (peer < 0)
                return 3;
            // The caller may have hung up already.
            (void)!::send(peer, "ok\n", 3, MSG_NOSIGNAL);
            pollfd p{peer, POLLIN, 0};
            char buffer[256];
            if (::poll(&p, 1, 3000) > 0 && ::read(peer, buffer, sizeof buffer) > 0)
                return 1;
            return 0;
        });
        QTRY_VERIFY(QFileInfo(QFile::decodeName(path)).exists());
        QTest::qWait(100);
        QVERIFY(!guard.handOverToRunningCopy({"/private/letter.htm"}, 3000));
        QVERIFY(guard.problem().contains(QLatin1String("another user")));
        QCOMPARE(OtherUser::finish(pid), 0);
    }

    void aCopyOfAnotherUserCannotHandOverOrCallForward()
    {
        const auto nobody = OtherUser::nobody();
        if (!nobody)
            QSKIP("needs root and a user named nobody");
        QTemporaryDir home, runtime;
        QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0777) == 0);
        InstanceGuard guard(home.path(), runtime.path());
        QVERIFY(guard.listen());
        const QByteArray path = QFile::encodeName(guard.socketPath());
        QVERIFY(::chmod(path.constData(), 0777) == 0);
        QSignalSpy activated(&guard, &InstanceGuard::activationRequested);
        // Exits 0 when it is refused, 1 when it is answered "ok", 2 when it cannot connect.
        const pid_t pid = OtherUser::start(*nobody, [path] {
            ::alarm(20);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr = {};
            addr.sun_family = AF_UNIX;
            std::strncpy(addr.sun_path, path.constData(), sizeof addr.sun_path - 1);
            if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
                return 2;
            const QByteArray request =
                "open " + QByteArray("/etc/shadow").toBase64() + "\nactivate\n";
            (void)!::write(fd, request.constData(), size_t(request.size()));
            pollfd p{fd, POLLIN, 0};
            char buffer[16] = {};
            if (::poll(&p, 1, 3000) > 0 && ::read(fd, buffer, sizeof buffer - 1) > 0 &&
                std::strncmp(buffer, "ok", 2) == 0)
                return 1;
            return 0;
        });
        QCOMPARE(OtherUser::finish(pid), 0);
        QTest::qWait(50);
        QCOMPARE(activated.size(), 0);
        QVERIFY(guard.takeHandedOver().isEmpty());
        // A copy of this user is still heard.
        QVERIFY(handOverFromThread(home.path(), {"a.htm"}, 5000, runtime.path()));
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(guard.takeHandedOver(), QStringList{"a.htm"});
    }

    void twoCopiesStartedTogetherBothOpenTheirFiles_data()
    {
        // A race: a few rounds make a lost file show.
        QTest::addColumn<int>("round");
        for (int round = 1; round <= 3; ++round)
            QTest::addRow("round %d", round) << round;
    }
    void twoCopiesStartedTogetherBothOpenTheirFiles()
    {
        QTemporaryDir home;
        const QString exe = copyProgramInto(home);
        QVERIFY(!exe.isEmpty());
        writeAll(home.filePath("one.htm"), "<p>one</p>");
        writeAll(home.filePath("two.htm"), "<p>two</p>");

        auto a = startCopy(exe, home.path(), {"one.htm"});
        auto b = startCopy(exe, home.path(), {"two.htm"});
        QVERIFY(a->waitForStarted());
        QVERIFY(b->waitForStarted());
        // Exactly one ends at once, having handed its file over; the other keeps running.
        QTRY_VERIFY_WITH_TIMEOUT(
            a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning, 30000);
        QProcess *ended = a->state() == QProcess::NotRunning ? a.get() : b.get();
        QProcess *running = ended == a.get() ? b.get() : a.get();
        QCOMPARE(ended->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended->exitCode(), 0);
        QCOMPARE(running->state(), QProcess::Running);

        // The running copy opened both files: each goes to the top of the recent files.
        SettingsFile settings(home.filePath("quillm.ini"));
        const auto recent = [&] {
            return QStringList{settings.readString("Oldies", "1"),
                               settings.readString("Oldies", "2")};
        };
        QTRY_VERIFY_WITH_TIMEOUT(recent().contains(home.filePath("one.htm")) &&
                                     recent().contains(home.filePath("two.htm")),
                                 20000);
        QCOMPARE(running->state(), QProcess::Running);
        running->kill();
        running->waitForFinished();
    }

    void threeFilesReachACopyThatShowsAMessage()
    {
        QTemporaryDir home;
        const QString exe = copyProgramInto(home);
        QVERIFY(!exe.isEmpty());
        for (const char *name : {"a.htm", "b.htm", "c.htm"})
            writeAll(home.filePath(name), name);

        // The first copy is this process, with real message boxes, wired as the program is.
        const HomeFolder folder(home.path());
        SettingsFile settings(folder.settingsPath());
        settings.write(Keys::StartNew, "no");
        MessageBoxPrompter prompter;
        MainFrame frame(folder, settings, prompter);
        prompter.setParent(&frame);
        InstanceGuard guard(folder.path());
        QVERIFY(guard.listen());
        connect(&guard, &InstanceGuard::activationRequested, &frame,
                [&] { frame.comeForward(guard.takeHandedOver()); });
        frame.showAtStart(false);
        QVERIFY(drive(frame).documents().documents().isEmpty());

        bool whileShown = false;
        QTimer::singleShot(0, &frame, [&] {
            // Runs inside the message box's own loop, once the box is up.
            QTimer::singleShot(0, &frame, [&] {
                QWidget *box = QApplication::activeModalWidget();
                QVERIFY(box);
                auto second = startCopy(exe, home.path(), {"a.htm", "b.htm", "c.htm"});
                QVERIFY(second->waitForStarted());
                QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 30000);
                QCOMPARE(second->exitCode(), 0);
                // Taken, not lost: they open once the box is answered.
                QCOMPARE(drive(frame).documents().documents().size(), 0);
                QTest::keyClick(box, Qt::Key_Return);
                whileShown = true;
            });
            drive(frame).files().openFile(home.filePath("missing.htm"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(whileShown, 40000);
        QTRY_COMPARE(drive(frame).documents().documents().size(), 3);
        QStringList opened;
        for (DocumentWindow *doc : drive(frame).documents().documents())
            opened << QFileInfo(doc->document().identity()).fileName();
        QCOMPARE(opened, (QStringList{"a.htm", "b.htm", "c.htm"}));
    }
};

QTEST_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
