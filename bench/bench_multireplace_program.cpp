// Replace in multiple files in the whole program: a shown main frame, the dialog opened from
// the Edit menu with mouse clicks, a folder of 500 pages of 20 KB added with ">>", the texts
// typed, and the time from the click on Replace to the summary. Medians of RUNS runs on
// fresh pages; never fails on time.
//
// usage: bench_multireplace_program [PAGES] [RUNS]   (defaults 500 and 3)

#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "find/multireplacedialog.h"
#include "framedriver.h"
#include "shell/mainframe.h"
#include "widgets/filebrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes the moment the summary is shown.
class TimingPrompter : public Prompter
{
public:
    PromptAnswer ask(PromptIcon, const QString &text, PromptButtons) override
    {
        shownAt = clock.isValid() ? clock.nsecsElapsed() : 0;
        last = text;
        return PromptAnswer::Ok;
    }
    QElapsedTimer clock;
    qint64 shownAt = -1;
    QString last;
};

void writePages(const QString &folder, int pages)
{
    QDir().mkpath(folder);
    for (int i = 0; i < pages; ++i) {
        QByteArray text = "<html>\n<body>\n";
        for (int line = 0; text.size() < 20000 - 40; ++line)
            text += (line % 40 == 7 ? QByteArray("<p>The oldword stays <b>here</b>, line ")
                                    : QByteArray("<p>Plain text in a paragraph, line ")) +
                    QByteArray::number(line) + "</p>\n";
        QFile f(QStringLiteral("%1/p%2.htm").arg(folder).arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(text + "</body>\n</html>\n") <= 0)
            qFatal("cannot write the pages");
    }
}

bool waitFor(const std::function<bool()> &condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Edit, Multiple Files... with the mouse.
MultiReplaceDialog *openFromMenu(MainFrame &frame)
{
    QAction *entry = drive(frame).commands().action(QLatin1String(Cmd::MultiDocFR1Click));
    for (QAction *top : frame.menuBar()->actions()) {
        QMenu *menu = top->menu();
        if (!menu || !menu->actions().contains(entry))
            continue;
        QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                          frame.menuBar()->actionGeometry(top).center());
        if (!waitFor([menu] { return menu->isVisible(); }))
            return nullptr;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        break;
    }
    MultiReplaceDialog *dialog = nullptr;
    waitFor([&] { return (dialog = frame.findChild<MultiReplaceDialog *>()) != nullptr; });
    return dialog;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int pages = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    HomeFolder home(dir.filePath(QStringLiteral("home")));
    QString error;
    home.createFolders(&error);
    SettingsFile settings(home.settingsPath());
    TimingPrompter prompter;
    MainFrame frame(home, settings, prompter);
    frame.showAtStart(false);
    const QString site = dir.filePath(QStringLiteral("site"));
    writePages(site, pages);

    MultiReplaceDialog *dialog = openFromMenu(frame);
    if (!dialog) {
        std::printf("multi-file replace figures skipped: the dialog did not open\n");
        return 0;
    }
    dialog->browser()->setFolder(site);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butaddall")),
                      Qt::LeftButton);
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("fedit")), "oldword");
    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("Redit")), "newword");
    auto *replace = dialog->findChild<QPushButton *>(QStringLiteral("Button2"));

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (i > 0)
            writePages(site, pages);
        prompter.shownAt = -1;
        prompter.clock.start();
        QTest::mouseClick(replace, Qt::LeftButton);
        if (!waitFor([&] { return prompter.shownAt >= 0; }))
            break;
        times.push_back(double(prompter.shownAt) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("Whole program, multi-file replace of %d pages of 20 KB, %d cores, median of %d "
                "runs: click on Replace to summary %.0f ms\n  (%s)\n",
                pages, QThread::idealThreadCount(), int(times.size()),
                times.empty() ? -1.0 : times[times.size() / 2],
                qPrintable(prompter.last.section(u'\n', 0, 0)));
    dialog->close();
    frame.close();
    return 0;
}
