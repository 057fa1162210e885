// What a settings read costs when quillm.ini is big: the first read parses the file, every
// later one looks in the parsed copy after one stat. Also the start of the main frame over
// such a file, which reads a few hundred settings.
#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "shell/mainframe.h"
#include "widgets/messageboxprompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

namespace {

void writeBigFile(const QString &path, int sections, int keysPerSection)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write("[Varnel]\nstate=max\n[Qorvin*Plat]\ntabwidth=4\n");
    for (int s = 0; s < sections; ++s) {
        QByteArray block = "[Section" + QByteArray::number(s) + "]\n";
        for (int k = 0; k < keysPerSection; ++k)
            block += "key" + QByteArray::number(k) + "=a value of some length " +
                     QByteArray::number(k) + "\n";
        f.write(block);
    }
}

void measure(const char *what, int sections, int keysPerSection)
{
    QTemporaryDir dir;
    const HomeFolder home(dir.path());
    QString error;
    home.createFolders(&error);
    writeBigFile(home.settingsPath(), sections, keysPerSection);
    const double mb = double(QFile(home.settingsPath()).size()) / (1 << 20);

    SettingsFile settings(home.settingsPath());
    QElapsedTimer clock;
    clock.start();
    (void)settings.read(Keys::TabWidth);
    const double firstMs = double(clock.nsecsElapsed()) / 1e6;
    constexpr int Reads = 100000;
    clock.restart();
    int sum = 0;
    for (int i = 0; i < Reads; ++i)
        sum += settings.read(Keys::TabWidth);
    const double readUs = double(clock.nsecsElapsed()) / 1e3 / Reads;

    clock.restart();
    settings.write(Keys::Count, 7);
    const double writeMs = double(clock.nsecsElapsed()) / 1e6;

    MessageBoxPrompter prompter;
    clock.restart();
    {
        MainFrame frame(home, settings, prompter);
        frame.showAtStart(false);
        while (!frame.windowHandle() || !frame.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
    }
    const double startMs = double(clock.nsecsElapsed()) / 1e6;
    std::printf("%s (%.1f MB): first read %.1f ms, each later read %.2f us, one write %.0f ms, "
                "frame shown in %.0f ms%s\n",
                what, mb, firstMs, readUs, writeMs, startMs,
                sum == 4 * Reads ? "" : " (wrong value)");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    measure("10,000 sections", 10000, 3);
    measure("100,000 sections", 100000, 10);
    return 0;
}
