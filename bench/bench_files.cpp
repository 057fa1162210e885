// Speed of the file commands on a 50 MB page: open until the text is in the editor and the
// first screen is coloured, and save. Also the memory the open document takes. Prints
// figures; never fails on time.

#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "files/documentsaving.h"
#include "framedriver.h"
#include "shell/mainframe.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

// A page of the usual mix of markup, repeated with changing numbers up to `bytes`.
QByteArray generatePage(qint64 bytes)
{
    QByteArray page = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>Big page</title>\r\n"
                      "</head>\r\n<body>\r\n";
    for (int i = 0; page.size() < bytes; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<h2>Section " + n +
                "</h2>\r\n<p>Some text &amp; more, caf\xC3\xA9, a <b>bold</b> "
                "and <a href=\"page" +
                n + ".html\">link</a>.</p>\r\n<!-- note " + n +
                " -->\r\n<table border=\"1\"><tr><td>" + n + "</td></tr></table>\r\n";
    }
    return page + "</body>\r\n</html>\r\n";
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

class SilentPrompter : public Prompter
{
public:
    PromptAnswer ask(PromptIcon, const QString &text, PromptButtons) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return PromptAnswer::No;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const HomeFolder home(dir.filePath(QStringLiteral("home")));
    QString error;
    home.createFolders(&error);
    SettingsFile settings(home.settingsPath());
    settings.write(Keys::StartNew, QStringLiteral("no"));
    SilentPrompter prompter;
    MainFrame frame(home, settings, prompter);
    frame.showAtStart(false);

    const QByteArray page = generatePage(50 * 1000 * 1000);
    const QString path = dir.filePath(QStringLiteral("big.htm"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(page);
    }
    const qint64 size = page.size();
    const long before = residentKb();

    QElapsedTimer timer;
    timer.start();
    DocumentWindow *doc = drive(frame).files().openFile(path);
    if (!doc)
        return 1;
    const double loaded = timer.nsecsElapsed() / 1e9;
    doc->memo()->viewport()->repaint(); // styles and paints the first screen
    const double opened = timer.nsecsElapsed() / 1e9;
    const long after = residentKb();

    doc->editor().setSelection(0, 0);
    doc->editor().replaceSelection(QStringLiteral("x"));
    timer.restart();
    const bool saved = drive(frame).saving().Saves();
    const double save = timer.nsecsElapsed() / 1e9;

    std::printf("cores: %d\n", QThread::idealThreadCount());
    std::printf("file size:                          %8.1f MB\n", size / 1e6);
    std::printf("open, text in the editor:           %8.3f s\n", loaded);
    std::printf("open, first screen coloured:        %8.3f s   (target 1 s)\n", opened);
    std::printf("save:                               %8.3f s   (target 0.5 s)%s\n", save,
                saved ? "" : "  FAILED");
    std::printf("memory while open (resident delta): %8.1f MB = %.2f x file (target 3 x)\n",
                (after - before) / 1e3, (after - before) * 1e3 / double(size));
    // The page itself is kept by this program too; the document's share is the delta above.
    return 0;
}
