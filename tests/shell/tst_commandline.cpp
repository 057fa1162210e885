#include "base/settingsfile.h"
#include "shell/applicationsetup.h"
#include "shell/instanceguard.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The real program's command line, and what it tells Qt about itself.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Qt's own options (-reverse, -style fusion) are Qt's: the words left make the file
    // name, which reaches the running copy.
    void qtOptionsAreNotPartOfTheFileName()
    {
        QTemporaryDir home;
        const QString exe = home.filePath("quillmark");
        QVERIFY(QFile::copy(QStringLiteral(QM_EXECUTABLE), exe));
        QFile::setPermissions(exe, QFile::permissions(exe) | QFileDevice::ExeOwner);
        QFile settingsFile(home.filePath("quillm.ini")); // a portable copy
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
        second.start(exe, {"-reverse", "page", "-style", "fusion", "one.htm"});
        QVERIFY(second.waitForStarted());
        const auto stop = qScopeGuard([&] {
            if (second.state() != QProcess::NotRunning) {
                second.kill();
                second.waitForFinished();
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(activated.size(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.takeHandedOver(), QStringList{page});
    }

    // Qt appends a display name to every window title; the program sets none, so the frame
    // says "Quillmark" once and a dialog keeps its own title.
    void windowTitlesGetNoProgramNameAppended()
    {
        ApplicationSetup::nameProgram(QStringLiteral("9.9"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("quillmark"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("9.9"));
        QCOMPARE(QApplication::applicationDisplayName(), QApplication::applicationName());
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
