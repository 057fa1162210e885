// Speed of Replace Remaining (every hit of a 20 MB document, one in every 20 characters) and
// of Remove Tags on a 5 MB page, in the document editor and in the scratch editor, with the
// growth from 2 MB to 20 MB. Prints figures; never fails on time.

#include "base/editingoptions.h"
#include "base/homefolder.h"
#include "base/prompter.h"
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/memoryeditor.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "find/finder.h"
#include "find/findstate.h"
#include "framedriver.h"
#include "markup/insertwrap.h"
#include "markup/textconversions.h"
#include "shell/mainframe.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class CountingPrompter : public Prompter
{
public:
    PromptAnswer ask(PromptIcon, const QString &, PromptButtons) override
    {
        ++m_shown;
        return PromptAnswer::Ok;
    }
    int shown() const { return m_shown; }

private:
    int m_shown = 0;
};

// Lines of 20 characters, each with one "cat".
QString document(int megabytes)
{
    const QString unit = QStringLiteral("cat sits on a map.\r\n");
    QString text;
    const int units = megabytes * 1000 * 1000 / int(unit.size());
    text.reserve(qsizetype(units) * unit.size());
    for (int i = 0; i < units; ++i)
        text += unit;
    return text;
}

QString page(int megabytes)
{
    QString text = QStringLiteral("<html>\r\n<body>\r\n");
    for (int i = 0; text.size() < megabytes * 1000 * 1000; ++i) {
        const QString n = QString::number(i);
        text += QStringLiteral("<h2>Section ") + n +
                QStringLiteral("</h2>\r\n<p>Some text &amp; more, caf&eacute;, &lt;a&gt; "
                               "<b>bold</b> and <a href=\"page") +
                n + QStringLiteral(".html\">link</a>&nbsp;&copy;.</p>\r\n");
    }
    return text + QStringLiteral("</body>\r\n</html>\r\n");
}

double replaceAll(TextEditor &editor, const QString &text, qsizetype *hits)
{
    editor.setText(text);
    FindState state;
    state.searchText = QStringLiteral("cat");
    state.replacement = QStringLiteral("dog");
    state.fromTop = true;
    CountingPrompter prompter;
    MemoryEditor scratch;
    Finder finder(state, scratch, prompter, [&editor] { return &editor; });
    QElapsedTimer timer;
    timer.start();
    finder.replaceRemaining();
    const double seconds = timer.nsecsElapsed() / 1e9;
    *hits = editor.text().count(QStringLiteral("dog"));
    return prompter.shown() == 1 ? seconds : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QsciScintilla widget;
    ScintillaEditor docEditor(&widget);
    MemoryEditor memory;

    std::printf("Replace Remaining, one hit in 20 characters (target 2 s at 20 MB):\n");
    for (int megabytes : {2, 5, 10, 20}) {
        const QString text = document(megabytes);
        qsizetype hits = 0;
        const double doc = replaceAll(docEditor, text, &hits);
        const double mem = replaceAll(memory, text, &hits);
        std::printf("  %2d MB, %8lld hits: document editor %7.3f s, scratch editor %7.3f s\n",
                    megabytes, static_cast<long long>(hits), doc, mem);
    }
    docEditor.clear();
    memory.clear();

    {
        // The same in the document window of the program with its first-start settings: the
        // page opened from a file, the time until the window has painted the result.
        QTemporaryDir home;
        HomeFolder folder(home.path());
        QString error;
        folder.createFolders(&error);
        SettingsFile settings(folder.settingsPath());
        CountingPrompter prompter;
        MainFrame frame(folder, settings, prompter);
        frame.showAtStart(false);
        const QString path = home.filePath(QStringLiteral("page.htm"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(document(20).toUtf8());
        file.close();
        DocumentWindow *doc = drive(frame).files().openFile(path);
        QCoreApplication::processEvents();
        if (doc) {
            ScintillaEditor &editor = doc->editor();
            FindState state;
            state.searchText = QStringLiteral("cat");
            state.replacement = QStringLiteral("dog");
            state.fromTop = true;
            MemoryEditor scratch;
            Finder finder(state, scratch, prompter, [&editor] { return &editor; });
            QElapsedTimer timer;
            timer.start();
            finder.replaceRemaining();
            doc->memo()->viewport()->repaint();
            QCoreApplication::processEvents();
            std::printf("  20 MB in the program's document window (word wrap %s): %7.3f s\n",
                        doc->wordWrap() ? "on" : "held off", timer.nsecsElapsed() / 1e9);
            editor.setModified(false);
        }
    }

    QTemporaryDir dir;
    SettingsFile settings(dir.filePath(QStringLiteral("quillm.ini")));
    EditingOptions options(settings);
    MemoryEditor scratch;
    InsertWrap insertWrap(settings, options, scratch);
    TextConverter converter(settings, insertWrap,
                            QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"));
    const QString big = page(5);
    docEditor.setText(big);
    docEditor.selectAll();
    QElapsedTimer timer;
    timer.start();
    converter.removeTags(docEditor);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("Remove Tags on a %.1f MB page: %7.3f s (target 1 s), %.1f MB left\n",
                big.size() / 1e6, seconds, docEditor.length() / 1e6);
    return 0;
}
