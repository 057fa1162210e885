// Time from the start of main() until the main frame is on screen with its first document,
// on the offscreen platform, in a fresh home folder (a first start) and again in the same
// folder (an ordinary start). Process loading comes on top: `quillmark --version` shows it.
#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "shell/firststart.h"
#include "shell/mainframe.h"
#include "shell/startupsteps.h"
#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

namespace {

double startOnce(const QString &homePath, QElapsedTimer &clock)
{
    HomeFolder home(homePath);
    QString error;
    home.createFolders(&error);
    SettingsFile settings(home.settingsPath());
    FirstStart::prepare(settings);
    MessageBoxPrompter prompter;
    MainFrame frame(home, settings, prompter);
    frame.showAtStart(true);
    while (!frame.windowHandle() || !frame.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    frame.close();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double appMs = double(clock.nsecsElapsed()) / 1e6;
    QTemporaryDir dir;
    const double first = startOnce(dir.path(), clock);
    clock.restart();
    const double again = startOnce(dir.path(), clock);
    std::printf("application object: %.1f ms\n", appMs);
    std::printf("first start, main() to frame shown: %.1f ms\n", first);
    std::printf("ordinary start, frame built to shown: %.1f ms\n", again);
    return 0;
}
