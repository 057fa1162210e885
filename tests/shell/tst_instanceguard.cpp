#include "base/settingsfile.h"
#include "shell/instanceguard.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyHandsOverToTheFirst()
    {
        QTemporaryDir home;
        InstanceGuard first(home.path());
        QVERIFY(first.listen());
        QSignalSpy activated(&first, &InstanceGuard::activationRequested);

        // The second copy runs its blocking hand-over on another thread's event loop here,
        // so the first can answer on this one.
        bool handedOver = false;
        QThread *worker = QThread::create([&] {
            InstanceGuard second(home.path());
            handedOver = second.handOverToRunningCopy(5000);
        });
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        delete worker;
        QVERIFY(handedOver);
        QTRY_COMPARE(activated.size(), 1);
    }

    void nobodyListeningMeansStartAlone()
    {
        QTemporaryDir home;
        InstanceGuard guard(home.path());
        QVERIFY(!guard.handOverToRunningCopy(200));
        QVERIFY(guard.listen());
    }

    void aClosingCopyIsNotWaitedFor()
    {
        QTemporaryDir home;
        InstanceGuard closing(home.path());
        QVERIFY(closing.listen());
        closing.stopListening();
        InstanceGuard next(home.path());
        QVERIFY(!next.handOverToRunningCopy(200));
        QVERIFY(next.listen());
    }

    void aCopyThatNeverAnswersIsTreatedAsAbsent()
    {
        QTemporaryDir home;
        QLocalServer silent;
        QVERIFY(silent.listen(InstanceGuard::serverName(home.path())));
        bool handedOver = true;
        QThread *worker = QThread::create([&] {
            InstanceGuard second(home.path());
            handedOver = second.handOverToRunningCopy(300);
        });
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        delete worker;
        QVERIFY(!handedOver);
    }

    void realSecondProcessExitsWithoutWindow()
    {
        // A portable copy of the program in its own folder, so that folder becomes its home.
        QTemporaryDir home;
        const QString exe = home.filePath("quillmark");
        QVERIFY(QFile::copy(QStringLiteral(QM_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
        QFile settingsFile(home.filePath("quillm.ini"));
        QVERIFY(settingsFile.open(QIODevice::WriteOnly));
        settingsFile.close();
        const QString page = home.filePath("page one.htm");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<p>hello</p>");
        f.close();

        InstanceGuard first(home.path());
        QVERIFY(first.listen());
        QSignalSpy activated(&first, &InstanceGuard::activationRequested);

        QProcess second;
        second.setWorkingDirectory(home.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", home.filePath("xdg"));
        second.setProcessEnvironment(env);
        second.start(exe, {"page", "one.htm"});
        QVERIFY(second.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(activated.size(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        SettingsFile settings(home.filePath("quillm.ini"));
        QCOMPARE(settings.read(Keys::Hello), page);
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
