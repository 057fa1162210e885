#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "shell/mainframe.h"
#include "shell/windowarranger.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QtTest>

// Large pages in the shown main frame: they open without word wrap, the status bar says so,
// and the user turns wrap on from there or from the menu.
class TestLargePages : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;

    QString writePage(const QString &name, qsizetype bytes)
    {
        QByteArray text;
        text.reserve(bytes + 100);
        for (int i = 0; text.size() < bytes; ++i)
            text += "<p class=\"x\">paragraph " + QByteArray::number(i) +
                    " with some words to wrap when the window is narrow enough</p>\n";
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QLabel *wrapNote() const
    {
        return m_frame->statusBar()->findChild<QLabel *>(QStringLiteral("wrapNote"));
    }
    DocumentWindow *open(const QString &path)
    {
        DocumentWindow *doc = drive(m_frame).files().openFile(path);
        if (!doc)
            qFatal("%s did not open", qPrintable(path));
        qobject_cast<QMdiSubWindow *>(doc->parentWidget())->showMaximized();
        return doc;
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup() { m_frame.reset(); }

    void aLargePageOpensUnwrappedWithANote()
    {
        QVERIFY(m_settings->read(Keys::StartWW).isEmpty()); // wrap wanted
        DocumentWindow *small = open(writePage("small.htm", 20000));
        QVERIFY(small->wordWrap());
        QVERIFY(!wrapNote()->isVisible());

        DocumentWindow *large = open(writePage("large.htm", DocumentWindow::LargePageBytes + 1000));
        QVERIFY(!large->wordWrap());
        QVERIFY(large->wrapHeldOff());
        QTRY_VERIFY(wrapNote()->isVisible());
        QAction *wrap = drive(m_frame).commands().action(Cmd::Wordwrap1Click);
        QVERIFY(!wrap->isChecked());

        // The note follows the active document.
        drive(m_frame).arranger().activate(small);
        QTRY_VERIFY(!wrapNote()->isVisible());
        QVERIFY(wrap->isChecked());
        drive(m_frame).arranger().activate(large);
        QTRY_VERIFY(wrapNote()->isVisible());

        // A click on the note wraps the page, keeping the first visible line first.
        large->editor().setFirstVisibleLine(5000);
        QTest::mouseClick(wrapNote(), Qt::LeftButton);
        QVERIFY(large->wordWrap());
        QVERIFY(!large->wrapHeldOff());
        QVERIFY(!wrapNote()->isVisible());
        QVERIFY(wrap->isChecked());
        large->memo()->viewport()->repaint();
        QCOMPARE(large->editor().firstVisibleLine(), 5000);

        // Turned off again, it stays off without a note.
        wrap->trigger();
        QVERIFY(!large->wordWrap());
        QVERIFY(!wrapNote()->isVisible());
    }

    // The note goes when the last document closes.
    void theNoteGoesWithTheLastDocument()
    {
        open(writePage("large.htm", DocumentWindow::LargePageBytes + 1));
        QTRY_VERIFY(wrapNote()->isVisible());
        drive(m_frame).closer().CloseAll();
        QTRY_VERIFY(!wrapNote()->isVisible());
    }
};

QTEST_MAIN(TestLargePages)
#include "tst_largepages.moc"
