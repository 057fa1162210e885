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
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

    SettingsFile settings(home.settingsPath(), StartupSteps::reportSettingsErrorsOnce(prompter));
    FirstStart::prepare(settings, FirstStart::systemLook());
    // Several existing files on the command line open each; they travel in memory, never
    // through the settings file, which may be read-only.
    const QStringList files = StartupSteps::filesToOpen(
        prompter, line.fileNames(QDir::currentPath()), QDir::currentPath());

    InstanceGuard guard(home.path());
    if (guard.start(files) == InstanceGuard::Role::HandedOver)
        return 0;

    TMDImain frame(home, settings, prompter);
    prompter.setParent(&frame);
    QObject::connect(&guard, &InstanceGuard::activationRequested, &frame,
                     [&frame, &guard] { frame.comeForward(guard.takeHandedOver()); });
    QObject::connect(&frame, &TMDImain::closing, &guard, &InstanceGuard::stopListening);
    // Handed over while the frame was being built, or given on this command line.
    frame.queueFiles(files + guard.takeHandedOver());
    frame.showAtStart();
    return app.exec();
}
