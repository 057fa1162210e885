// A copy of the program for the crash tests: it starts the main frame in the home folder it is
// given as the program does, opens the page it is given, types into it and into a new Untitled
// document, says "journaled" once the journal holds both, and runs until it is killed.
#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "session/documentjournal.h"
#include "shell/mainframe.h"
#include "widgets/messageboxprompter.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {
// Types the text as key presses; a character without a key of its own comes as the text of an
// unknown key, as an input method sends it.
void type(QWidget *editor, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(editor, c.toLatin1());
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const HomeFolder home(args[1]);
    QString error;
    if (!home.createFolders(&error))
        return 2;
    SettingsFile settings(home.settingsPath());
    settings.write(Keys::StartNew, QStringLiteral("no"));
    MessageBoxPrompter prompter;
    MainFrame frame(home, settings, prompter);
    prompter.setParent(&frame);
    frame.queueFiles({args[2]});
    frame.showAtStart(false);
    DocumentWindow *page = drive(frame).documents().active();
    DocumentWindow *untitled = drive(frame).files().newclean();
    if (!page || !untitled)
        return 3;
    page->memo()->setFocus();
    QTest::keyClick(page->memo(), Qt::Key_End, Qt::ControlModifier);
    type(page->memo(), QStringLiteral("\u20ac typed"));
    untitled->memo()->setFocus();
    type(untitled->memo(), QStringLiteral("<p>new \u65e5\u672c</p>"));
    QTest::keyClick(untitled->memo(), Qt::Key_Return);
    drive(frame).journal().flush();
    if (drive(frame).journal().lastWriteFailed())
        return 4;
    std::puts("journaled");
    std::fflush(stdout);
    return app.exec();
}
