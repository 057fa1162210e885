// The seven helper programs as a user meets them: their names on the Helper Program menu and
// its pop-up, the keys Ctrl+Shift+F2 to F8 typed into the editor, the locate dialog on first
// use, and a helper that still runs is not started a second time.
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "helperprograms/helperprograms.h"
#include "programscripts.h"
#include "scripteddialogs.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QMenu>
#include <QtTest>

#include <csignal>

class TestHelperPrograms : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;
    ScriptedDialogs m_dialogs;

    QStringList captions(const QMenu *menu) const
    {
        QStringList texts;
        for (const QAction *a : menu->actions())
            texts << a->text();
        return texts;
    }
    QWidget *focusedEditor()
    {
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()) || !drive(m_frame).documents().active())
            return nullptr;
        QWidget *memo = drive(m_frame).documents().active()->memo();
        memo->setFocus();
        return memo;
    }
    void stopStarted()
    {
        for (int n = 0; n < HelperPrograms::Count; ++n)
            if (const qint64 pid = drive(m_frame).helpers().startedProcess(n); pid > 0)
                ::kill(pid_t(pid), SIGTERM);
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_dialogs = ScriptedDialogs();
    }
    void cleanup()
    {
        if (m_frame) {
            stopStarted();
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        }
        m_frame.reset();
    }

    // A stored name is the caption; a helper with only a program is known by the program's
    // file name; one not set up reads "(none)". The toolbar's right button pops up the same.
    void theMenuNamesTheHelpers()
    {
        m_settings->write(Keys::HelperNames[0], QStringLiteral("My FTP"));
        m_settings->write(Keys::HelperPaths[0], QStringLiteral("/usr/bin/true"));
        m_settings->write(Keys::HelperPaths[1], QStringLiteral("/usr/bin/env -i"));
        m_frame = startFrame();
        const QStringList expected{"My FTP", "env",    "(none)", "(none)",
                                   "(none)", "(none)", "(none)"};
        QCOMPARE(captions(drive(m_frame).menu(QStringLiteral("HelperProgram"))), expected);

        QMenu *popup = drive(m_frame).helpers().popup();
        QCOMPARE(captions(popup), expected);
        SpeedButton *item = drive(m_frame).speedBar().button(QStringLiteral("SpeedItem131"));
        QVERIFY(item);
        item->show();
        QTest::mousePress(item, Qt::RightButton);
        QTRY_VERIFY(popup->isVisible());
        popup->close();

        // After the preferences change a name.
        m_settings->write(Keys::HelperNames[2], QStringLiteral("Image editor"));
        m_settings->announceApplied();
        QCOMPARE(drive(m_frame).menu(QStringLiteral("HelperProgram"))->actions().at(2)->text(),
                 QStringLiteral("Image editor"));
    }

    // Ctrl+Shift+F3 starts helper 2 with its arguments and no shell; pressed again while
    // that copy runs, it brings it forward instead of starting another.
    void aRunningHelperIsNotStartedTwice()
    {
        const QString helper =
            ProgramScripts::make(m_dir->filePath(QStringLiteral("bin/ftp")), "exec sleep 60\n");
        m_settings->write(Keys::HelperPaths[1], helper + QStringLiteral(" --host \"a;b\""));
        m_frame = startFrame();
        QWidget *editor = focusedEditor();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(ProgramScripts::ran(helper));
        QCOMPARE(ProgramScripts::arguments(helper), QStringList({"--host", "a;b"}));
        const qint64 first = drive(m_frame).helpers().startedProcess(1);
        QVERIFY(first > 0);

        QFile::remove(helper + QStringLiteral(".args"));
        editor = focusedEditor();
        QTest::keyClick(editor, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(drive(m_frame).helpers().startedProcess(1), first);
        QVERIFY(!ProgramScripts::ran(helper));
        QVERIFY(m_prompter.shown.isEmpty());
    }

    // The first use of a helper not set up asks for any executable file; the helper is
    // started, remembered and named on the menu. A text file is refused.
    void anUnsetHelperIsLocatedFirst()
    {
        const QString helper = ProgramScripts::make(m_dir->filePath(QStringLiteral("bin/tool")));
        const QString text = m_dir->filePath(QStringLiteral("readme"));
        {
            QFile f(text);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        m_frame = startFrame();
        drive(m_frame).files().setDialogs(&m_dialogs);
        m_dialogs.openAnswers = {{text}, {helper}};
        QWidget *editor = focusedEditor();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_prompter.shown,
                 QStringList{text + QStringLiteral(" is not a program that can be started")});
        QCOMPARE(m_settings->read(Keys::HelperPaths[6]), QString());

        editor = focusedEditor();
        QTest::keyClick(editor, Qt::Key_F8, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[1].title, QStringLiteral("Please locate your helper program"));
        QTRY_VERIFY(ProgramScripts::ran(helper));
        QCOMPARE(m_settings->read(Keys::HelperPaths[6]), helper);
        QCOMPARE(drive(m_frame).menu(QStringLiteral("HelperProgram"))->actions().at(6)->text(),
                 QStringLiteral("tool"));
    }
};

QTEST_MAIN(TestHelperPrograms)
#include "tst_helperprograms.moc"
