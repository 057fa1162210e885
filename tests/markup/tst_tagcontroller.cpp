#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "documents/documentwindow.h"
#include "documents/typingtip.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "markup/tagcontroller.h"
#include "shell/mainframe.h"

#include <Qsci/qsciscintilla.h>

#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

// The tag commands as the user reaches them: from the menu, on the active document, with
// the typing tip on screen.
class TestTagController : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> start() { return startFrame(); }
    static QAction *menuAction(MainFrame &frame, const QString &id)
    {
        return drive(frame).commands().action(id);
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void menuCommandWrapsTheSelectionAsOneUndoStep()
    {
        auto frame = start();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        ed.setText("make this bold");
        ed.setSelection(5, 4);
        QAction *bold = menuAction(*frame, "Bold");
        QVERIFY(bold);
        bold->trigger();
        QCOMPARE(ed.text(), QString("make <B>this</B> bold"));
        QCOMPARE(ed.selectedText(), QString("this"));
        ed.undo();
        QCOMPARE(ed.text(), QString("make this bold"));
        QCOMPARE(ed.selectedText(), QString("this"));
    }

    void quickListConvertsTheSelection()
    {
        auto frame = start();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        ed.setText("Tea");
        ed.selectAll();
        QVERIFY(drive(frame).tags().run(u"QuickBList"));
        QCOMPARE(ed.text(), QString("<UL>\n\t<LI>Tea\n</UL>")); // a new document: LF
        ed.undo();
        QCOMPARE(ed.text(), QString("Tea"));
    }

    void typingTipShowsBelowTheCaretAndGoesOnAKey()
    {
        auto frame = start();
        DocumentWindow *doc = drive(frame).documents().active();
        drive(frame).tags().wraptag(QString(), QString()); // nothing selected, nothing to wrap
        drive(frame).tags().insertWrap().setParts("<A href=\"\">", "</A>");
        drive(frame).tags().tipper("an URL", 2);
        QCOMPARE(doc->editor().text(), QString("<A href=\"\"></A>"));
        QCOMPARE(doc->editor().caret(), 9);
        QTRY_VERIFY(doc->tip().isVisible());
        QCOMPARE(doc->tip().text(), QString("Type an URL here"));
        const long pos = doc->memo()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
        const int y =
            int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, pos));
        QCOMPARE(doc->tip().y(), y + TypingTip::Below);

        QTest::keyClick(doc->memo(), Qt::Key_X);
        QVERIFY(!doc->tip().isVisible());
        QCOMPARE(doc->editor().text(), QString("<A href=\"x\"></A>"));
    }

    void tipsOffByOption()
    {
        m_settings->write(Keys::Pop, "no");
        auto frame = start();
        DocumentWindow *doc = drive(frame).documents().active();
        drive(frame).tags().insertWrap().setParts("<A href=\"\">", "</A>");
        drive(frame).tags().tipper("an URL", 2);
        QVERIFY(!doc->tip().isVisible());
    }

    void removeTagsAndLineBreaksFromTheEditMenu()
    {
        auto frame = start();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        ed.setText("<P>one <B>two</B></P>");
        ed.selectAll();
        QVERIFY(drive(frame).commands().run("killtags"));
        QCOMPARE(ed.text(), QString("one two"));
        ed.undo();
        QCOMPARE(ed.text(), QString("<P>one <B>two</B></P>"));

        ed.setText("a\r\nb");
        ed.selectAll();
        QVERIFY(drive(frame).commands().run("addLineBreaks1Click"));
        QVERIFY(ed.text().contains("<BR>", Qt::CaseInsensitive));
    }

    void entryPointsWithoutADocumentDoNothing()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = start();
        QVERIFY(!drive(frame).documents().active());
        TagController &tags = drive(frame).tags();
        tags.wraptag("<B>", "</B>");
        tags.listcode2("<HR>");
        tags.boardit();
        tags.tipper("x", 1);
        tags.listcode();
        tags.killspace();
        tags.moveline(5);
        tags.changeline(3);
        QVERIFY(tags.run(u"Bold"));
        QVERIFY(!tags.run(u"NoSuchCommand"));
        QVERIFY(drive(frame).storememo().text().isEmpty());
    }

    void listcode2InsertsBeforeTheSelectionWithTagCase()
    {
        m_settings->writeBool("Varnel", "ucase", true);
        auto frame = start();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        ed.setText("text");
        ed.selectAll();
        drive(frame).tags().listcode2("<hr>");
        QCOMPARE(ed.text(), QString("<HR>text"));
        QCOMPARE(ed.selectedText(), QString("text"));
        QVERIFY(drive(frame).storememo().text().isEmpty());
    }
};

QTEST_MAIN(TestTagController)
#include "tst_tagcontroller.moc"
