#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "checking/pagecheckrun.h"
#include "files/documentfiles.h"
#include "shell/applicationsetup.h"
#include "shell/commandline.h"
#include "shell/firststart.h"
#include "shell/fontsystemwarmup.h"
#include "shell/homepreparation.h"
#include "shell/instanceguard.h"
#include "shell/mainframe.h"
#include "shell/startupsteps.h"
#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

// --help and --version are answered on the terminal; true when the line asked for one.
bool answered(const CommandLine &line)
{
    if (line.action == CommandLine::Action::Help) {
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return true;
    }
    if (line.action == CommandLine::Action::Version) {
        std::printf("Quillmark %s\n", QM_VERSION);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window system is needed.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    const CommandLine early = CommandLine::parse(words);
    if (answered(early))
        return 0;
    // The page check needs no window system, so it runs where there is no display.
    if (early.action == CommandLine::Action::Check) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout), err(stderr);
        return PageCheckRun::run(early.words, QDir::currentPath(), out, err);
    }

    FontSystemWarmUp fonts;
    ApplicationSetup::nameProgram(QStringLiteral(QM_VERSION));
    // Started before the application object only when the program's folder is known without it.
    std::optional<HomePreparation> preparing;
    if (const QString folder = HomePreparation::executableFolder(); !folder.isEmpty())
        preparing.emplace(folder);
    QApplication app(argc, argv);
    // Qt has taken its own options (-style, -stylesheet, -reverse...) out of the arguments,
    // so that they never join the file name.
    const CommandLine line = CommandLine::parse(QCoreApplication::arguments().mid(1));
    if (answered(line))
        return 0;
    ApplicationSetup::deferStandardIcons();
    ApplicationSetup::setProgramIcon();

    MessageBoxPrompter prompter;
    if (!preparing)
        preparing.emplace(QCoreApplication::applicationDirPath());
    if (const QString error = preparing->error(); !error.isEmpty()) {
        prompter.error(error);
        return 1;
    }
    const HomeFolder home = preparing->home();

    SettingsFile settings(home.settingsPath(), StartupSteps::reportSettingsErrorsOnce(prompter));
    // Several existing files on the command line open each; they travel in memory, never
    // through the settings file, which may be read-only.
    const QStringList files = StartupSteps::filesToOpen(
        prompter, line.fileNames(QDir::currentPath()), QDir::currentPath());

    InstanceGuard guard(home.path());
    if (guard.start(files) == InstanceGuard::Role::HandedOver)
        return 0;
    if (!guard.problem().isEmpty())
        std::fprintf(stderr,
                     "quillmark: this copy runs on its own; files are not handed to it "
                     "by later copies (%s)\n",
                     guard.problem().toLocal8Bit().constData());

    // What the start changes in the settings (the first start's defaults, the session's first
    // values) is written once, after the frame is up, rather than step by step on the way. A
    // copy that hands its files over writes nothing: it could undo what the running copy wrote.
    std::optional<SettingsFile::Batch> startChanges(std::in_place, settings);
    FirstStart::prepare(settings, FirstStart::systemLook());
    fonts.finish();
    MainFrame frame(home, settings, prompter);
    prompter.setParent(&frame);
    QObject::connect(&guard, &InstanceGuard::activationRequested, &frame,
                     [&frame, &guard] { frame.comeForward(guard.takeHandedOver()); });
    QObject::connect(&frame, &MainFrame::closing, &guard, &InstanceGuard::stopListening);
    // Handed over while the frame was being built, or given on this command line.
    frame.queueFiles(files + guard.takeHandedOver());
    frame.showAtStart();
    startChanges.reset();
    return app.exec();
}
