// The recovery journal on a 5 MB page: what the user's thread spends taking the snapshot (the
// only part that can hold up typing) and what the writer thread spends putting it on the disk,
// for a UTF-8 and a Windows-1252 page. Prints figures; never fails on time.

#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "benchsupport.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "session/documentjournal.h"
#include "session/recoveryjournal.h"
#include "shell/mainframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using BenchSupport::SilentPrompter;

QByteArray generatePage(qint64 bytes, const QByteArray &accent)
{
    QByteArray page = "<html>\n<body>\n";
    for (int i = 0; page.size() < bytes; ++i)
        page += "<p>Section " + QByteArray::number(i) + " caf" + accent +
                " <b>bold</b> <a href=\"x.html\">link</a></p>\n";
    return page + "</body>\n</html>\n";
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

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

    const struct
    {
        const char *name;
        QByteArray accent;
    } pages[] = {{"UTF-8", "\xC3\xA9"}, {"Windows-1252", "\xE9"}};
    for (const auto &p : pages) {
        const QString path = dir.filePath(QString::fromLatin1(p.name) + QStringLiteral(".htm"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(generatePage(5 * 1000 * 1000, p.accent));
        f.close();
        DocumentWindow *doc = drive(frame).files().openFile(path);
        doc->editor().setCaret(0);
        doc->editor().replaceSelection(QStringLiteral("x"));
        doc->setModified(true);
        Q_EMIT doc->edited(doc);

        RecoveryJournal journal(dir.filePath(QStringLiteral("bench-journal")));
        journal.open();
        QElapsedTimer t;
        t.start();
        const QList<JournalEntry> entries = drive(frame).journal().snapshot();
        const double snapshot = ms(t);
        t.restart();
        journal.write(entries);
        const double write = ms(t);
        // The next write of an unchanged page carries no text.
        t.restart();
        const QList<JournalEntry> unchanged = drive(frame).journal().snapshot();
        const double again = ms(t);
        t.restart();
        journal.write(unchanged);
        const double writeAgain = ms(t);
        journal.close();
        std::printf("journal, 5 MB %s page: snapshot on the user's thread %.1f ms, write on the "
                    "writer thread %.1f ms; unchanged since: snapshot %.2f ms, write %.1f ms\n",
                    p.name, snapshot, write, again, writeAgain);
        doc->setModified(false);
        doc->parentWidget()->close();
    }
    return 0;
}
