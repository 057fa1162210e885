// What one keystroke costs the user's thread on a large page: 100 letters typed into the
// focused editor of a shown main frame, at the middle and at the end of a 50 MB page, with
// crash recovery off and on. Prints the CPU time per key; never fails on time.

#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "benchsupport.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "session/documentjournal.h"
#include "shell/mainframe.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <ctime>

namespace {

using BenchSupport::SilentPrompter;
using BenchSupport::threadCpuMs;

QByteArray generatePage(qint64 bytes)
{
    QByteArray page = "<html>\n<body>\n";
    page.reserve(bytes + 200);
    for (int i = 0; page.size() < bytes; ++i)
        page += "<p>Section " + QByteArray::number(i) +
                " caf\xC3\xA9 <b>bold</b> <a href=\"x.html\">link</a></p>\n";
    return page + "</body>\n</html>\n";
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 size = argc > 1 ? QByteArray(argv[1]).toLongLong() * 1000 * 1000 : 50000000;
    const int keys = argc > 2 ? QByteArray(argv[2]).toInt() : 100;
    QTemporaryDir dir;
    const HomeFolder home(dir.filePath(QStringLiteral("home")));
    QString error;
    home.createFolders(&error);
    SettingsFile settings(home.settingsPath());
    settings.write(Keys::StartNew, QStringLiteral("no"));
    SilentPrompter prompter;
    MainFrame frame(home, settings, prompter);
    frame.showAtStart(false);

    const QString path = dir.filePath(QStringLiteral("large.htm"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(generatePage(size));
    f.close();
    DocumentWindow *doc = drive(frame).files().openFile(path);
    QCoreApplication::processEvents();
    for (const bool recovery : {false, true}) {
        drive(frame).journal().setEnabled(recovery);
        for (const char *where : {"middle", "end"}) {
            ScintillaEditor &ed = doc->editor();
            const int length = int(ed.bytes().size());
            ed.setCaret(QByteArrayView(where) == "end" ? length : length / 2);
            doc->memo()->setFocus();
            QCoreApplication::processEvents();
            double total = 0;
            double worst = 0;
            for (int i = 0; i < keys; ++i) {
                const double before = threadCpuMs();
                QTest::keyClick(doc->memo(), char('a' + i % 26));
                QCoreApplication::processEvents();
                const double spent = threadCpuMs() - before;
                total += spent;
                worst = std::max(worst, spent);
            }
            std::printf("typing, %lld MB page, caret at the %s, recovery %s: %.2f ms CPU per key "
                        "on the user's thread (worst %.1f ms), %d keys\n",
                        size / 1000000, where, recovery ? "on" : "off", total / keys, worst, keys);
            std::fflush(stdout);
        }
    }
    // What each keystroke at the end would cost if the editor component's own after-change
    // notices were on: for each it counts the characters from the start of the text to the
    // change (for accessibility). The program takes the before-change notices instead.
    const double before = threadCpuMs();
    const long counted =
        doc->memo()->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, 0UL,
                                   doc->memo()->SendScintilla(QsciScintilla::SCI_GETTEXTLENGTH));
    std::printf("(avoided) counting the %ld characters before the end of the page: %.2f ms CPU\n",
                counted, threadCpuMs() - before);
    drive(frame).journal().setEnabled(false);
    doc->setModified(false);
    return 0;
}
