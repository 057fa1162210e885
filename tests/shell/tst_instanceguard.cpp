#include "base/homefolder.h"
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
    static bool handOverFromThread(const QString &home, const QStringList &files, int timeoutMs)
    {
        bool handedOver = false;
        QThread *worker = QThread::create([&] {
            InstanceGuard second(home);
            handedOver = second.handOverToRunningCopy(files, timeoutMs);
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

    void aCopyThatNeverAnswersIsTreatedAsAbsent()
    {
        QTemporaryDir home;
        QLocalServer silent;
        QVERIFY(silent.listen(InstanceGuard::serverName(home.path())));
        QVERIFY(!handOverFromThread(home.path(), {"a.htm"}, 300));
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
        QVERIFY(frame.documents().documents().isEmpty());

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
                QCOMPARE(frame.documents().documents().size(), 0);
                QTest::keyClick(box, Qt::Key_Return);
                whileShown = true;
            });
            frame.files().openFile(home.filePath("missing.htm"));
        });
        QTRY_VERIFY_WITH_TIMEOUT(whileShown, 40000);
        QTRY_COMPARE(frame.documents().documents().size(), 3);
        QStringList opened;
        for (DocumentWindow *doc : frame.documents().documents())
            opened << QFileInfo(doc->document().identity()).fileName();
        QCOMPARE(opened, (QStringList{"a.htm", "b.htm", "c.htm"}));
    }
};

QTEST_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
