// The real main frame's wiring: every command of the table reaches a handler, no handler
// names a command that does not exist, and a sample of commands reaches the piece that
// carries it out when its menu entry is chosen.
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "find/findcontroller.h"
#include "find/findwindows.h"
#include "framedriver.h"
#include "frametestbase.h"

#include <Qsci/qsciscintilla.h>

#include <QMenuBar>

class TestWiring : public FrameTestBase
{
    Q_OBJECT

    // Chooses the visible menu entry of a command with mouse clicks, as a user does.
    static void chooseFromMenu(MainFrame &frame, const char *command)
    {
        QAction *action = drive(frame).commands().action(QLatin1String(command));
        QVERIFY2(action, command);
        for (QAction *top : frame.menuBar()->actions()) {
            QMenu *menu = top->menu();
            if (!menu || !menu->actions().contains(action))
                continue;
            QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                              frame.menuBar()->actionGeometry(top).center());
            QTRY_VERIFY(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QTRY_VERIFY(!menu->isVisible());
            return;
        }
        QFAIL(qPrintable(QStringLiteral("%1 is on no top-level menu").arg(command)));
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void everyCommandReachesAHandler()
    {
        auto frame = startFrame();
        const CommandActions &commands = drive(frame).commands();
        QVERIFY2(commands.unknownHandlerIds().isEmpty(),
                 qPrintable(commands.unknownHandlerIds().join(u' ')));
        QStringList forgotten;
        for (const CommandRow &row : commandRows())
            if (!commands.hasHandler(QLatin1String(row.id)))
                forgotten << QLatin1String(row.id);
        QVERIFY2(forgotten.isEmpty(), qPrintable("no handler: " + forgotten.join(u' ')));
    }

    void sampleCommandsReachTheirPieces()
    {
        const QString page = m_dir->filePath(QStringLiteral("page.htm"));
        {
            QFile f(page);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("word\n");
        }
        auto frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        DocumentWindow *doc = drive(frame).files().openFile(page);
        QVERIFY(doc);

        // A tag command: Bold wraps the selection.
        doc->editor().setSelection(0, 4);
        chooseFromMenu(*frame, Cmd::Bold);
        QCOMPARE(doc->editor().text(), QStringLiteral("<B>word</B>\n"));

        // Save writes the file.
        chooseFromMenu(*frame, Cmd::Saves);
        QFile saved(page);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("<B>word</B>\n"));
        QVERIFY(!doc->isModified());

        // A view toggle switches word wrap of the document.
        const bool wrapped = doc->wordWrap();
        chooseFromMenu(*frame, Cmd::Wordwrap1Click);
        QCOMPARE(doc->wordWrap(), !wrapped);

        // Find opens the find and replace dialog.
        chooseFromMenu(*frame, Cmd::FindbutClick);
        QTRY_VERIFY(frame->findChild<FindDialog *>());
        QTRY_VERIFY(frame->findChild<FindDialog *>()->isVisible());
    }
};

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
