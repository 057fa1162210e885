// Speed of the page check: the check of a 5 MB page on a worker thread (the CPU time of that
// thread, which other processes on the machine do not change, and wall time), what a
// keystroke costs the user's thread in the shown main frame with the check on and off, and
// what the user's thread spends on one check of that page (taking the text, showing the
// marks and the list). Prints figures; never fails on time.

#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "benchsupport.h"
#include "checking/pagecheckcontroller.h"
#include "checking/pagechecker.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "shell/mainframe.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using BenchSupport::SilentPrompter;
using BenchSupport::threadCpuMs;

// Sections of ordinary markup with now and then a mistake: an element left open, a missing
// picture, an image without alt text.
QByteArray generatePage(qint64 bytes)
{
    QByteArray page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\">"
                      "<title>Large</title></head>\n<body>\n";
    page.reserve(bytes + 200);
    for (int i = 0; page.size() < bytes; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<section id=\"s" + n + "\"><h2>Section " + n +
                "</h2>\n<p>The quick brown fox caf\xC3\xA9 <b>bold</b> <a href=\"#s" + n +
                "\">here</a>.</p>\n<table><tr><td>one</td><td>two</td></tr></table>\n";
        if (i % 500 == 0)
            page += "<p><i>left open</p><img src=\"missing" + n + ".png\">\n";
        page += "</section>\n";
    }
    return page + "</body>\n</html>\n";
}

void checkOffThread(const QString &text, const QString &folder)
{
    CheckOptions options;
    options.base.folder = folder;
    std::vector<double> cpu, wall;
    qsizetype found = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        auto future = QtConcurrent::run([&] {
            const double before = threadCpuMs();
            found = checkPage(text, options).size();
            return threadCpuMs() - before;
        });
        cpu.push_back(future.result());
        wall.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    std::printf("check of a %.1f MB page on a worker thread: %.0f ms CPU median, %.0f ms best; "
                "%.0f ms wall median (%lld problems)\n",
                double(text.toUtf8().size()) / 1e6, cpu[2], cpu[0], wall[2], (long long)found);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 size = argc > 1 ? QByteArray(argv[1]).toLongLong() * 1000 * 1000 : 5000000;
    const int keys = argc > 2 ? QByteArray(argv[2]).toInt() : 100;
    QTemporaryDir dir;
    const QByteArray page = generatePage(size);
    checkOffThread(QString::fromUtf8(page), dir.path());

    const HomeFolder home(dir.filePath(QStringLiteral("home")));
    QString error;
    home.createFolders(&error);
    SettingsFile settings(home.settingsPath());
    settings.write(Keys::StartNew, QStringLiteral("no"));
    settings.write(Keys::PageCheck, true);
    SilentPrompter prompter;
    MainFrame frame(home, settings, prompter);
    frame.showAtStart(false);
    const QString path = dir.filePath(QStringLiteral("large.htm"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(page);
    f.close();
    DocumentWindow *doc = drive(frame).files().openFile(path);
    PageCheckController &check = drive(frame).pageCheck();
    QTest::qWaitFor([&] { return !check.isBusy(); }, 60000);
    doc->memo()->setCursorPosition(doc->memo()->lines() / 2, 0);
    doc->memo()->setFocus();

    for (const bool on : {false, true}) {
        if (check.isOn() != on)
            check.toggle();
        QTest::qWaitFor([&] { return !check.isBusy(); }, 60000);
        double total = 0, worst = 0;
        for (int i = 0; i < keys; ++i) {
            const double before = threadCpuMs();
            QTest::keyClick(doc->memo(), char('a' + i % 26));
            QCoreApplication::processEvents();
            const double spent = threadCpuMs() - before;
            total += spent;
            worst = std::max(worst, spent);
        }
        std::printf("keystroke on the user's thread, check %s: %.3f ms mean, %.3f ms worst "
                    "(%d keys, %.1f MB page)\n",
                    on ? "on " : "off", total / keys, worst, keys, double(page.size()) / 1e6);
    }

    // One check as the user's thread sees it: from the last key until the marks are shown.
    QTest::keyClick(doc->memo(), Qt::Key_Backspace);
    const double before = threadCpuMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWaitFor([&] { return !check.isBusy(); }, 60000);
    std::printf("one check of the page: %.0f ms of the user's thread (text taken, marks and "
                "list shown), %.0f ms from the last key until shown (%d ms rest included)\n",
                threadCpuMs() - before, double(wall.nsecsElapsed()) / 1e6,
                PageCheckController::RestMs);
    for (DocumentWindow *d : drive(frame).documents().documents())
        d->setModified(false);
    return 0;
}
