#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "files/documentfiles.h"
#include "shell/commandline.h"
#include "shell/firststart.h"
#include "shell/instanceguard.h"
#include "shell/splashwindow.h"
#include "shell/startupsteps.h"
#include "shell/tmdimain.h"
#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace {

QString shippedDataDir()
{
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QStringLiteral("../" QM_INSTALLED_DATA_DIR));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QStringLiteral(QM_SOURCE_DATA_DIR);
}

// The hand-over key holds one name: each further file waits until the running copy has
// taken the one before.
void handOverFurtherFiles(SettingsFile &settings, Prompter &prompter, InstanceGuard &guard,
                          const QStringList &files)
{
    for (const QString &file : files) {
        QDeadlineTimer deadline(2000);
        while (!settings.read(Keys::Hello).isEmpty() && !deadline.hasExpired())
            QThread::msleep(20);
        StartupSteps::handOver(settings, prompter, file, QDir::currentPath());
        if (!guard.handOverToRunningCopy())
            return;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(words);
    if (line.action == CommandLine::Action::Help) {
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (line.action == CommandLine::Action::Version) {
        std::printf("Quillmark %s\n", QM_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(QStringLiteral(QM_VERSION));
    QApplication::setWindowIcon(SplashWindow::programIcon());

    MessageBoxPrompter prompter;
    const HomeFolder home(
        HomeFolder::choose(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QString error;
    if (!home.createFolders(&error)) {
        prompter.error(error);
        return 1;
    }
    home.copyShippedData(shippedDataDir());

    bool writeErrorShown = false;
    SettingsFile settings(home.settingsPath(), [&](const QString &message) {
        // One message a run is enough: every later write would fail the same way.
        if (!writeErrorShown) {
            writeErrorShown = true;
            prompter.error(message);
        }
    });
    FirstStart::prepare(settings);
    // Several existing files on the command line open each; the first goes the usual way.
    const QStringList files = line.fileNames(QDir::currentPath());
    StartupSteps::handOver(settings, prompter, files.value(0), QDir::currentPath());

    InstanceGuard guard(home.path());
    if (guard.handOverToRunningCopy()) {
        handOverFurtherFiles(settings, prompter, guard, files.mid(1));
        return 0;
    }
    guard.listen();

    TMDImain frame(home, settings, prompter);
    prompter.setParent(&frame);
    QObject::connect(&guard, &InstanceGuard::activationRequested, &frame, [&frame] {
        if (frame.isMinimized())
            frame.showNormal();
        frame.raise();
        frame.activateWindow();
        frame.AppAct();
    });
    QObject::connect(&frame, &TMDImain::closing, &guard, &InstanceGuard::stopListening);
    frame.showAtStart();
    frame.openFiles(files.mid(1));
    return app.exec();
}
