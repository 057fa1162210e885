#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "shell/tabstrips.h"
#include "statusbar/documentstatusbar.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTabBar>

// The status bar, the toolbar's pictures and the View check marks follow the active
// document by themselves, whichever way it became active.
class TestStatusBar : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

    QString writePage(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }
    QTabBar *strip() const { return drive(m_frame).tabs().lower(); }
    void clickTab(DocumentWindow *doc)
    {
        for (int i = 0; i < strip()->count(); ++i)
            if (strip()->tabText(i).endsWith(doc->document().shortName())) {
                QTest::mouseClick(strip(), Qt::LeftButton, {}, strip()->tabRect(i).center());
                return;
            }
        QFAIL("no tab for the document");
    }
    bool checked(const char *command) const
    {
        return drive(m_frame).commands().action(QLatin1String(command))->isChecked();
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_settings->write(Keys::StartNew, "no");
        m_settings->write(Keys::State, "max");
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    void theDateLabelNamesTheDay()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(DocumentStatusBar::dateText(QDate(2026, 12, 8), us),
                 "Tuesday, " + us.toString(QDate(2026, 12, 8), QLocale::ShortFormat) + "  ");
    }

    void everythingFollowsATabClick()
    {
        DocumentWindow *plain =
            drive(m_frame).files().openFile(writePage("plain.htm", "<p>one</p>\n"));
        DocumentWindow *old = drive(m_frame).files().openFile(
            writePage("old.htm", "<p>caf\xe9</p>\r\n<p>two</p>\r\n"));
        QVERIFY(plain && old);
        QVERIFY(strip()->isVisible());

        // The old page: typed into, live spelling on, word wrap off.
        old->memo()->setFocus();
        QTest::keyClick(old->memo(), Qt::Key_X);
        drive(m_frame).commands().run(Cmd::LiveSpellcheck1Click);
        drive(m_frame).commands().run(Cmd::Wordwrap1Click);
        QVERIFY(old->isModified() && old->liveSpelling() && !old->wordWrap());

        clickTab(plain);
        QCOMPARE(drive(m_frame).documents().active(), plain);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("UTF-8  LF"));
        QCOMPARE(drive(m_frame).status().caretText(), QStringLiteral(" line: 1  col: 1"));
        QVERIFY(!drive(m_frame).speedBar().showsModified());
        QCOMPARE(drive(m_frame).speedBar().showsLiveSpelling(), plain->liveSpelling());
        QCOMPARE(checked(Cmd::Wordwrap1Click), plain->wordWrap());
        QCOMPARE(checked(Cmd::LiveSpellcheck1Click), plain->liveSpelling());

        clickTab(old);
        QCOMPARE(drive(m_frame).documents().active(), old);
        QCOMPARE(drive(m_frame).status().formatText(), QStringLiteral("Windows-1252  CR LF"));
        QCOMPARE(drive(m_frame).status().caretText(), QStringLiteral(" line: 1  col: 2"));
        QVERIFY(drive(m_frame).speedBar().showsModified());
        QVERIFY(drive(m_frame).speedBar().showsLiveSpelling());
        QVERIFY(!checked(Cmd::Wordwrap1Click));
        QVERIFY(checked(Cmd::LiveSpellcheck1Click));

        // The last document closing empties the panels.
        old->setModified(false);
        drive(m_frame).closer().CloseAll();
        QVERIFY(drive(m_frame).documents().documents().isEmpty());
        QCOMPARE(drive(m_frame).status().formatText(), QString());
        QCOMPARE(drive(m_frame).status().caretText(), QString());
    }

    void aClickOnTheDateInsertsIt()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        const QString date = drive(m_frame).status().dateText().chopped(2);
        QWidget *panel = drive(m_frame).status().caretPanel();
        QLabel *label = panel->findChildren<QLabel *>().last();
        QCOMPARE(label->text(), drive(m_frame).status().dateText());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(doc->editor().text(), date);
        QCOMPARE(doc->editor().selectedText(), date);
        QVERIFY(doc->isModified());
    }
};

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
