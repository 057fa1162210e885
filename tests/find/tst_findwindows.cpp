#include "base/settingsfile.h"
#include "base/settingskeys.h"
#include "commands/commandactions.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "find/findcontroller.h"
#include "find/findwindows.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "shell/mainframe.h"
#include "toolbar/speedbar.h"
#include "widgets/fieldcontextmenu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

// The find-and-replace dialog and the find-again bar as the user drives them: opened by the
// commands, filled in, their buttons pressed, their options kept in the settings file.
class TestFindWindows : public FrameTestBase
{
    Q_OBJECT

private:
    static void command(MainFrame &frame, const char *id)
    {
        QAction *action = drive(frame).commands().action(QString::fromLatin1(id));
        QVERIFY(action);
        action->trigger();
    }
    template <typename T> static T *child(QWidget *window, const char *name)
    {
        T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }
    static void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
    }
    // Opens the dialog on a document holding the text, the caret at 0.
    FindDialog *openDialog(MainFrame &frame, const QString &text)
    {
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        ed.setText(text);
        ed.setSelection(0, 0);
        command(frame, "FindbutClick");
        return drive(frame).finding().dialog();
    }

    static void checkExclusion(QCheckBox *top, QCheckBox *up)
    {
        top->setChecked(true);
        up->setChecked(true);
        QVERIFY(!top->isChecked());
        top->setChecked(true);
        QVERIFY(!up->isChecked());
        top->setChecked(false); // unchecking changes nothing else
        QVERIFY(!up->isChecked());
        up->setChecked(true);
        up->setChecked(false);
        QVERIFY(!top->isChecked());
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void ctrlFOpensOneDialogWithItsControls()
    {
        auto frame = startFrame();
        FindDialog *dialog = openDialog(*frame, "one two");
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QString("Find&Replace"));
        QCOMPARE(child<QPushButton>(dialog, "Button1")->text(), QString("&Find && Replace"));
        QVERIFY(child<QPushButton>(dialog, "Button1")->isDefault());
        QCOMPARE(child<QPushButton>(dialog, "Button2")->text(), QString("Replace Re&maining"));
        QCOMPARE(child<QCheckBox>(dialog, "Fromtopcheck")->text(), QString(" check from top"));
        command(*frame, "FindbutClick");
        QCOMPARE(drive(frame).finding().dialog(), dialog);
        // F3 does nothing while the dialog is open.
        command(*frame, "FagainbutClick");
        QVERIFY(!drive(frame).finding().bar());
    }

    void findAndReplaceSelectsTheHitAndHandsOverToTheBar()
    {
        auto frame = startFrame();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        FindDialog *dialog = openDialog(*frame, "cat dog cat dog");
        QPointer<FindDialog> watched(dialog);
        child<QLineEdit>(dialog, "fedit")->setText("dog");
        child<QLineEdit>(dialog, "Redit")->setText("fox");
        child<QCheckBox>(dialog, "Matchcasecheck")->setChecked(true);
        click(dialog, "Button1");
        QCOMPARE(ed.selectedText(), QString("dog"));
        QCOMPARE(ed.selectionStart(), 4);
        QVERIFY(!drive(frame).finding().dialog());
        QTRY_VERIFY(watched.isNull());
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QCOMPARE(child<QLineEdit>(bar, "FEdit")->text(), QString("dog"));
        QCOMPARE(child<QLineEdit>(bar, "Redit")->text(), QString("fox"));
        QVERIFY(child<QCheckBox>(bar, "Matchcasecheck")->isChecked());
        QVERIFY(!child<QCheckBox>(bar, "fromtopcheck")->isChecked());
        // The bar opens collapsed: the options panel lies below its half height.
        QVERIFY(bar->height() < bar->fullHeight()); // opens with the options cut off
        QVERIFY(child<QCheckBox>(bar, "upcheck")->geometry().top() >= bar->height());
        // Ctrl+F does nothing while the bar is open.
        command(*frame, "FindbutClick");
        QVERIFY(!drive(frame).finding().dialog());
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void barStepsThroughTheHitsWithoutWrapping()
    {
        auto frame = startFrame();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        FindDialog *dialog = openDialog(*frame, "dog cat dog cat");
        child<QLineEdit>(dialog, "fedit")->setText("cat");
        click(dialog, "Button1");
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(bar);
        QCOMPARE(ed.selectionStart(), 4);
        click(bar, "Fbut");
        QCOMPARE(ed.selectedText(), QString("cat"));
        QCOMPARE(ed.selectionStart(), 12);
        // F3 while the bar is open searches once more: nothing after the caret, no wrap.
        command(*frame, "FagainbutClick");
        QCOMPARE(m_prompter.shown, QStringList{"\"cat\" not found"});
        QCOMPARE(ed.selectionStart(), 12);
        // Replace & Find Next replaces the hit in hand, then fails again.
        child<QLineEdit>(bar, "Redit")->setText("cow");
        click(bar, "Rbut");
        QCOMPARE(ed.text(), QString("dog cat dog cow"));
        QVERIFY(child<QPushButton>(bar, "Rbut")->isDefault());
        QVERIFY(!child<QPushButton>(bar, "Fbut")->isDefault());
        // From top is one-shot: the box clears and the search starts at 0 once.
        child<QCheckBox>(bar, "fromtopcheck")->setChecked(true);
        click(bar, "Fbut");
        QCOMPARE(ed.selectionStart(), 4);
        QVERIFY(!child<QCheckBox>(bar, "fromtopcheck")->isChecked());
    }

    void replaceRemainingReplacesAllAsOneUndoStep()
    {
        auto frame = startFrame();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        const QString original("a cat, a Cat\r\nthe cat");
        FindDialog *dialog = openDialog(*frame, original);
        child<QLineEdit>(dialog, "fedit")->setText("cat");
        // The replacement holds the search text: the run must still end.
        child<QLineEdit>(dialog, "Redit")->setText("big cat");
        click(dialog, "Button2");
        QCOMPARE(ed.text(), QString("a big cat, a big cat\r\nthe big cat"));
        QCOMPARE(m_prompter.shown, QStringList{"3 replaced"});
        QCOMPARE(drive(frame).finding().dialog(), dialog); // the dialog stays open
        ed.undo();
        QCOMPARE(ed.text(), original);

        // The bar's Replace Remaining leaves the text behind the caret alone.
        child<QLineEdit>(dialog, "Redit")->setText("dog");
        ed.setSelection(0, 0);
        click(dialog, "Button1");
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(bar);
        QCOMPARE(ed.selectionStart(), 2);
        ed.setSelection(7, 0);
        click(bar, "Allbut");
        QCOMPARE(ed.text(), QString("a cat, a dog\r\nthe dog"));
        ed.undo();
        QCOMPARE(ed.text(), original);
    }

    void emptyFindFieldRunsReplaceRemaining()
    {
        auto frame = startFrame();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        FindDialog *dialog = openDialog(*frame, "text");
        child<QLineEdit>(dialog, "Redit")->setText("new ");
        click(dialog, "Button1");
        QCOMPARE(ed.text(), QString("new text"));
        QCOMPARE(m_prompter.shown, QStringList{"1 replaced"});
        QCOMPARE(drive(frame).finding().dialog(), dialog);
    }

    void notFoundKeepsTheDialogOpen()
    {
        auto frame = startFrame();
        FindDialog *dialog = openDialog(*frame, "nothing here");
        child<QLineEdit>(dialog, "fedit")->setText("absent");
        click(dialog, "Button1");
        QCOMPARE(m_prompter.shown, QStringList{"\"absent\" not found"});
        QCOMPARE(drive(frame).finding().dialog(), dialog);
        QVERIFY(!drive(frame).finding().bar());
        QVERIFY(!drive(frame).finding().state().notFound);
    }

    void accelerators()
    {
        auto frame = startFrame();
        ScintillaEditor &ed = drive(frame).documents().active()->editor();
        FindDialog *dialog = openDialog(*frame, "x y x");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QLineEdit *find = child<QLineEdit>(dialog, "fedit");
        QLineEdit *replace = child<QLineEdit>(dialog, "Redit");
        QTest::keyClick(dialog, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(replace->hasFocus());
        QTest::keyClicks(replace, "z");
        QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(find->hasFocus());
        QTest::keyClicks(find, "x");
        QTest::keyClick(dialog, Qt::Key_M, Qt::AltModifier); // an animated click
        QTRY_COMPARE(ed.text(), QString("z y z"));
    }

    void optionsAreReadAndWrittenBySettingsKeys()
    {
        auto frame = startFrame();
        m_settings->write(Keys::FindWholeWord, true);
        m_settings->write(Keys::FindUpwards, true);
        m_settings->write(Keys::FindFromTop, true);
        FindDialog *dialog = openDialog(*frame, "word");
        QVERIFY(child<QCheckBox>(dialog, "wholewordcheck")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, "Matchcasecheck")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "upcheck")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, "Fromtopcheck")->isChecked()); // "sbeg" is never read
        child<QCheckBox>(dialog, "wholewordcheck")->setChecked(false);
        child<QCheckBox>(dialog, "Matchcasecheck")->setChecked(true);
        child<QCheckBox>(dialog, "Fromtopcheck")->setChecked(true);
        click(dialog, "Button3");
        QVERIFY(!drive(frame).finding().dialog());
        QVERIFY(!m_settings->read(Keys::FindWholeWord));
        QVERIFY(m_settings->read(Keys::FindMatchCase));
        QVERIFY(!m_settings->read(Keys::FindUpwards)); // cleared by checking from top
        QVERIFY(m_settings->read(Keys::FindFromTop));
        QVERIFY(drive(frame).finding().state().matchCase);

        // The bar: first under the toolbar, then at the edge where it was closed.
        command(*frame, "FagainbutClick");
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(bar);
        QVERIFY(child<QCheckBox>(bar, "Matchcasecheck")->isChecked());
        QCOMPARE(bar->edge(), FindBar::Edge::Top);
        bar->moveTo(FindBar::Edge::Bottom);
        QCoreApplication::processEvents();
        const QPoint closedAt = bar->mapToGlobal(QPoint(0, 0));
        child<QCheckBox>(bar, "upcheck")->setChecked(true);
        click(bar, "Button1");
        QVERIFY(!drive(frame).finding().bar());
        QCOMPARE(m_settings->read(Keys::FindBarTop), closedAt.y());
        QCOMPARE(m_settings->read(Keys::FindBarLeft), closedAt.x());
        QVERIFY(m_settings->read(Keys::FindUpwards));
        command(*frame, "FagainbutClick");
        QCOMPARE(drive(frame).finding().bar()->edge(), FindBar::Edge::Bottom);
        click(drive(frame).finding().bar(), "Button1");
        // A top stored by a bar that floated over the upper half of the frame: under the toolbar.
        m_settings->write(Keys::FindBarTop, frame->mapToGlobal(QPoint(0, 30)).y());
        command(*frame, "FagainbutClick");
        QCOMPARE(drive(frame).finding().bar()->edge(), FindBar::Edge::Top);
    }

    void fromTopAndUpwardsExcludeEachOther()
    {
        auto frame = startFrame();
        FindDialog *dialog = openDialog(*frame, "x");
        checkExclusion(child<QCheckBox>(dialog, "Fromtopcheck"),
                       child<QCheckBox>(dialog, "upcheck"));
        click(dialog, "Button3");
        command(*frame, "FagainbutClick");
        FindBar *bar = drive(frame).finding().bar();
        checkExclusion(child<QCheckBox>(bar, "fromtopcheck"), child<QCheckBox>(bar, "upcheck"));
    }

    void closingTheLastDocumentClosesBoth()
    {
        auto frame = startFrame();
        FindDialog *dialog = openDialog(*frame, "cat");
        child<QLineEdit>(dialog, "fedit")->setText("cat");
        child<QCheckBox>(dialog, "Matchcasecheck")->setChecked(true);
        click(dialog, "Button1");
        QVERIFY(drive(frame).finding().bar());
        drive(frame).documents().active()->setModified(false);
        command(*frame, "CloseAll1Click");
        QTRY_VERIFY(!drive(frame).documents().active());
        QVERIFY(!drive(frame).finding().bar());
        QVERIFY(m_settings->read(Keys::FindMatchCase));
        command(*frame, "FindbutClick"); // no document: nothing
        QVERIFY(!drive(frame).finding().dialog());
    }

    void fieldsHaveTheirOwnClipboardMenu()
    {
        auto frame = startFrame();
        FindDialog *dialog = openDialog(*frame, "x");
        QLineEdit *find = child<QLineEdit>(dialog, "fedit");
        QCOMPARE(find->contextMenuPolicy(), Qt::CustomContextMenu);
        find->setText("needle");
        QApplication::clipboard()->clear();
        const auto states = [](QMenu *menu) {
            QString s;
            for (QAction *a : menu->actions())
                s += a->text() + (a->isEnabled() ? "+" : "-");
            delete menu;
            return s;
        };
        find->deselect();
        QCOMPARE(states(FieldContextMenu::build(find)), QString("Cut -Copy -Paste -"));
        find->setSelection(0, 3);
        QApplication::clipboard()->setText("pin");
        QCOMPARE(states(FieldContextMenu::build(find)), QString("Cut +Copy +Paste +"));

        QMenu *menu = FieldContextMenu::build(find);
        menu->actions().at(0)->trigger(); // cut
        QCOMPARE(find->text(), QString("dle"));
        QCOMPARE(QApplication::clipboard()->text(), QString("nee"));
        find->setCursorPosition(0);
        menu->actions().at(2)->trigger(); // paste
        QCOMPARE(find->text(), QString("needle"));
        delete menu;

        click(dialog, "Button3");
        command(*frame, "FagainbutClick");
        QCOMPARE(child<QLineEdit>(drive(frame).finding().bar(), "Redit")->contextMenuPolicy(),
                 Qt::CustomContextMenu);
    }

    // Dragged by its handle, the bar goes to the edge nearer to where the mouse lets go; while
    // the mouse moves only the outline follows it.
    void barIsDraggedToTheNearerEdge()
    {
        auto frame = startFrame();
        drive(frame).documents().active()->editor().setText("x");
        command(*frame, "FagainbutClick");
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QLabel *handle = child<QLabel>(bar, "Label3");
        const QPoint grip = handle->rect().center();
        const QPoint down(0, frame->height() * 3 / 4);

        // Another button does not drag.
        QTest::mousePress(handle, Qt::RightButton, {}, grip);
        QTest::mouseRelease(handle, Qt::RightButton, {}, grip + down);
        QCOMPARE(bar->edge(), FindBar::Edge::Top);

        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip + down),
                         QPointF(handle->mapToGlobal(grip + down)), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(handle, &move);
        QCOMPARE(bar->edge(), FindBar::Edge::Top);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + down);
        QCOMPARE(bar->edge(), FindBar::Edge::Bottom);
        QTRY_VERIFY(bar->mapTo(frame.get(), QPoint(0, 0)).y() > frame->height() / 2);

        // A short drag leaves it where it is; a drag up brings it back under the toolbar.
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(0, 20));
        QCOMPARE(bar->edge(), FindBar::Edge::Bottom);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - down);
        QCOMPARE(bar->edge(), FindBar::Edge::Top);
    }

    // F3 typed into the document opens the bar under the toolbar, ready for typing; neither
    // collapsed nor with its options shown, at either edge, does it lie over the toolbar or
    // the document: the document area gives it room.
    void barCoversNeitherTheToolbarNorTheText()
    {
        auto frame = startFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        DocumentWindow *doc = drive(frame).documents().active();
        doc->editor().setText("one two one");
        doc->editor().setSelection(0, 0);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        auto *client = frame->findChild<QMdiArea *>();
        QVERIFY(client);
        const int clientHeight = client->height();
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_F3);
        FindBar *bar = drive(frame).finding().bar();
        QVERIFY(bar);
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(bar, "FEdit"));
        QTest::keyClicks(child<QLineEdit>(bar, "FEdit"), "one");
        QTest::keyClick(child<QLineEdit>(bar, "FEdit"), Qt::Key_Return);
        QCOMPARE(doc->editor().selectionStart(), 0);
        QCOMPARE(QApplication::focusWidget(), doc->memo());

        const auto inFrame = [&frame](QWidget *w) {
            return QRect(w->mapTo(frame.get(), QPoint(0, 0)), w->size());
        };
        const auto checkApart = [&] {
            QCoreApplication::processEvents();
            const QRect place = inFrame(bar);
            QVERIFY(!place.intersects(inFrame(&drive(frame).speedBar())));
            QVERIFY(!place.intersects(inFrame(client)));
            QVERIFY(!place.intersects(inFrame(frame->statusBar())));
            QVERIFY(client->height() <= clientHeight - bar->height());
            QCOMPARE(place.left(), 0);
            QCOMPARE(place.width(), frame->centralWidget()->width());
        };
        checkApart();
        QVERIFY(inFrame(bar).top() >= inFrame(&drive(frame).speedBar()).bottom());
        QVERIFY(inFrame(bar).bottom() < inFrame(client).top());
        QTest::mouseClick(child<QToolButton>(bar, "downs"), Qt::LeftButton);
        QCOMPARE(bar->height(), bar->fullHeight());
        checkApart();
        bar->moveTo(FindBar::Edge::Bottom);
        checkApart();
        QVERIFY(inFrame(bar).top() > inFrame(client).bottom());
        QTest::keyClick(child<QLineEdit>(bar, "Redit"), Qt::Key_Escape);
        QVERIFY(!drive(frame).finding().bar());
        QCOMPARE(QApplication::focusWidget(), doc->memo());
        QTRY_COMPARE(client->height(), clientHeight);
    }
};

QTEST_MAIN(TestFindWindows)
#include "tst_findwindows.moc"
