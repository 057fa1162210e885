// The page check in the shown main frame: typing into the editor, the marks, the list, the
// count, and the Edit menu's switch.
#include "checking/pagecheckcontroller.h"
#include "checking/pagecheckmarks.h"
#include "checking/problemlist.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "menuclicks.h"
#include "projects/projectcommands.h"
#include "projects/projectmanager.h"
#include "testfiles.h"

#include <Qsci/qsciscintilla.h>

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

class TestPageCheckFrame : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

    PageCheckController &check() { return drive(m_frame).pageCheck(); }

    // The problems once typing has rested and the check has come back.
    QList<PageProblem> settledProblems(DocumentWindow *doc)
    {
        if (!QTest::qWaitFor([&] { return !check().isBusy(); }, 30000))
            return {{1, 1, PageProblem::Kind::Error, QStringLiteral("(still checking)")}};
        return check().problems(doc);
    }

    bool markerOnLine(DocumentWindow *doc, int line)
    {
        const int mask = doc->memo()->markersAtLine(line - 1);
        return mask & ((1 << PageCheckMarks::ErrorMarker) | (1 << PageCheckMarks::WarningMarker));
    }

    DocumentWindow *openPage(const QByteArray &bytes,
                             const QString &name = QStringLiteral("page.htm"))
    {
        const QString path = m_dir->filePath(QStringLiteral("site/") + name);
        TestFiles::writeFile(path, bytes);
        QSignalSpy checked(&check(), &PageCheckController::checked);
        DocumentWindow *doc = drive(m_frame).files().openFile(path);
        if (!doc)
            return nullptr;
        doc->memo()->setFocus();
        // The first check of the page, once the window has become the active one.
        if (!QTest::qWaitFor([&] { return !checked.isEmpty(); }, 30000))
            return nullptr;
        return doc;
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_settings->write(Keys::PageCheck, true);
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

    void anUnclosedTagIsMarkedAfterThePauseAndFixingItRemovesTheMark()
    {
        DocumentWindow *doc = openPage("<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title>"
                                       "</head>\n<body>\n\n</body></html>\n");
        QVERIFY(doc);
        QVERIFY(settledProblems(doc).isEmpty());
        QCOMPARE(check().countText(), QStringLiteral("no problems"));

        doc->memo()->setCursorPosition(3, 0);
        QTest::keyClicks(doc->memo(), QStringLiteral("<p>one <b>two</p>"));
        const QList<PageProblem> found = settledProblems(doc);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].line, 4);
        QCOMPARE(found[0].column, 8);
        QVERIFY(markerOnLine(doc, 4));
        const qint64 at = doc->memo()->positionFromLineIndex(3, 7);
        QCOMPARE(doc->memo()->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                                            PageCheckMarks::ErrorIndicator, at),
                 1L);
        QVERIFY(doc->memo()->findChild<PageCheckMarks *>()->messagesAt(at).startsWith(
            QStringLiteral("Error: ")));
        QCOMPARE(check().countText(), QStringLiteral("1 error"));
        QCOMPARE(check().list()->entries()->count(), 1);
        QVERIFY(check().list()->isVisible());
        // The list takes a few rows under the page, not a third of the window.
        const int row = check().list()->fontMetrics().height();
        QTRY_VERIFY(check().list()->entries()->height() <= 8 * row);
        QVERIFY(check().list()->entries()->height() >= 3 * row);
        QVERIFY(check().list()->height() < doc->memo()->height());

        // Closing the bold element before the paragraph ends fixes it.
        doc->memo()->setCursorPosition(3, 13);
        QTest::keyClicks(doc->memo(), QStringLiteral("</b>"));
        QVERIFY(settledProblems(doc).isEmpty());
        QVERIFY(!markerOnLine(doc, 4));
        QCOMPARE(check().list()->entries()->count(), 0);
        QCOMPARE(doc->editor().text().count(QStringLiteral("</b>")), 1); // never changed
    }

    void aListEntryGoesToItsPlace()
    {
        DocumentWindow *doc = openPage("<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title>"
                                       "</head>\n<body>\n<p>x</p>\n<p><img src=\"gone.png\" "
                                       "alt=\"\"></p>\n</body></html>\n");
        QVERIFY(doc);
        QCOMPARE(settledProblems(doc).size(), 1);
        QListWidget *entries = check().list()->entries();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                          entries->visualItemRect(entries->item(0)).center());
        int line = 0, index = 0;
        doc->memo()->getCursorPosition(&line, &index);
        QCOMPARE(line, 4);
        QCOMPARE(index, 13);
        QVERIFY(doc->memo()->hasFocus());
    }

    void theEditMenuSwitchTurnsTheCheckOffAndOn()
    {
        DocumentWindow *doc = openPage("<p>one <b>two</p>\n");
        QVERIFY(doc);
        QVERIFY(!settledProblems(doc).isEmpty());
        QVERIFY(markerOnLine(doc, 1));

        MenuClicks::chooseFromMenu(*m_frame, Cmd::PageCheck1Click);
        QVERIFY(!check().isOn());
        QVERIFY(!m_settings->read(Keys::PageCheck));
        QVERIFY(!markerOnLine(doc, 1));
        QVERIFY(!check().list()->isVisible());
        QTest::keyClicks(doc->memo(), QStringLiteral("<i>"));
        QVERIFY(settledProblems(doc).isEmpty());

        MenuClicks::chooseFromMenu(*m_frame, Cmd::PageCheck1Click);
        QVERIFY(check().isOn());
        QVERIFY(m_settings->read(Keys::PageCheck));
        QVERIFY(drive(m_frame).commands().action(QLatin1String(Cmd::PageCheck1Click))->isChecked());
        QVERIFY(!settledProblems(doc).isEmpty());
        QVERIFY(markerOnLine(doc, 1));
    }

    // An address that starts with "/" leads to the folder of the open project that lists the
    // page; once the project is closed it leads nowhere known and is not checked.
    void rootRelativeAddressesFollowTheOpenProject()
    {
        const QString site = m_dir->filePath(QStringLiteral("site"));
        TestFiles::writeFile(site + "/license.html", "l");
        const QString page = site + "/pages/page.htm";
        TestFiles::writeFile(page, "<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title>"
                                   "</head>\n<body>\n<p><a href=\"/license.html\">l</a> "
                                   "<a href=\"/gone.html\">g</a></p>\n</body></html>\n");
        const QString project = site + "/site.qpj";
        TestFiles::writeFile(project, (page + "\r\n").toUtf8());

        drive(m_frame).files().openFile(project);
        ProjectManager *manager = drive(m_frame).projects().manager();
        QVERIFY(manager);
        QSignalSpy checked(&check(), &PageCheckController::checked);
        QTest::mouseClick(manager->button(QStringLiteral("quillmark")), Qt::LeftButton);
        DocumentWindow *doc = drive(m_frame).documents().active();
        QVERIFY(doc);
        QCOMPARE(doc->document().path(), page);
        QVERIFY(QTest::qWaitFor([&] { return !checked.isEmpty(); }, 30000));
        const QList<PageProblem> found = settledProblems(doc);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].line, 4);
        QCOMPARE(found[0].column, 43);
        QVERIFY(found[0].message.contains(QStringLiteral("/gone.html")));

        QTest::mouseClick(manager->button(QStringLiteral("closebut")), Qt::LeftButton);
        QTRY_VERIFY(!drive(m_frame).projects().manager());
        QVERIFY(settledProblems(doc).isEmpty());
    }

    // A large page is not checked as the user types (seconds and hundreds of megabytes at
    // every pause); the count says so.
    void aLargePageIsLeftUnchecked()
    {
        QByteArray page = "<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title></head>\n"
                          "<body>\n<p>open <b>bold</p>\n";
        while (page.size() <= DocumentWindow::LargePageBytes)
            page += "<p>text</p>\n";
        page += "</body></html>\n";
        DocumentWindow *doc = openPage(page, QStringLiteral("large.htm"));
        QVERIFY(doc);
        QVERIFY(settledProblems(doc).isEmpty());
        QCOMPARE(check().countText(), QStringLiteral("not checked: large page"));
    }
};

QTEST_MAIN(TestPageCheckFrame)
#include "tst_pagecheckframe.moc"
