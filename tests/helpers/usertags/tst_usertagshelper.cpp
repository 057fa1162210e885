// The user tags panel and Add to Library on the shown main frame: entries of the three lists
// chosen and inserted with the mouse, the lists edited with the keys and saved, library items
// that stay inside the library folder, and a new item made from the selection while the
// clipboard keeps what it held.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "helpers/usertags/addtolibrary.h"
#include "helpers/usertags/usertagshelper.h"
#include "paneltestbase.h"
#include "readonlyfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

using namespace PanelTesting;

class TestUserTagsHelper : public PanelTestBase
{
    Q_OBJECT

    UserTagsHelper *panel() const { return panelOf<UserTagsHelper>(PanelId::UserTags); }
    QString library(const QString &name) const
    {
        return m_home->file(QStringLiteral("library/") + name);
    }
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void showList(UserTagsHelper *p, TagList list)
    {
        QTest::mouseClick(p->tabs(), Qt::LeftButton, {}, p->tabs()->tabRect(int(list)).center());
        QCOMPARE(p->shownList(), list);
    }
    static QPoint rowCentre(QTableWidget *grid, int row)
    {
        return grid->visualRect(grid->model()->index(row, 0)).center();
    }
    // The click makes the panel the active window, as the window manager does.
    static void clickRow(QTableWidget *grid, int row)
    {
        grid->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), grid->window());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, row));
        QCOMPARE(grid->currentRow(), row);
    }
    static void doubleClickRow(QTableWidget *grid, int row)
    {
        clickRow(grid, row);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, row));
    }
    // Typing into the focused row of a grid in edit mode, ended by Enter.
    static void typeIntoRow(QTableWidget *grid, const QString &text)
    {
        QTest::keyClick(grid, text.at(0).toLatin1());
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
    }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    // Block entries wrap, Single entries go in; the letter case setting changes tags, never
    // an entity.
    void blockAndSingleEntries()
    {
        writeFile(library("tags.dat"), "<b>..</b>\r\n<hr>\r\n");
        writeFile(library("fillers.dat"), "&eacute;<i>t</i>&nbsp;\r\n");
        m_settings->write(Keys::UCase, true);
        DocumentWindow *doc = focusedDocument("one two");
        QVERIFY(doc);
        doc->editor().setSelection(0, 3);
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        QCOMPARE(p->shownList(), TagList::Block);
        QCOMPARE(p->shownGrid()->rowCount(), TagListFile::Rows);
        clickRow(p->shownGrid(), 0);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<B>one</B> two"));
        // Without "..", the whole entry is the end part.
        doc->editor().setSelection(11, 3);
        doubleClickRow(p->shownGrid(), 1);
        QCOMPARE(doc->editor().text(), QStringLiteral("<B>one</B> two<HR>"));

        showList(p, TagList::Single);
        doc->editor().setCaret(0);
        doubleClickRow(p->shownGrid(), 0);
        QCOMPARE(doc->editor().text(), QStringLiteral("&eacute;<I>t</I>&nbsp;<B>one</B> two<HR>"));
        // An empty row does nothing.
        doubleClickRow(p->shownGrid(), 5);
        QCOMPARE(doc->editor().text(), QStringLiteral("&eacute;<I>t</I>&nbsp;<B>one</B> two<HR>"));
        QVERIFY(m_prompter.shown.isEmpty());
    }

    // A library entry inserts its item file's text; a crafted name reaches no file outside
    // the library, neither to read nor to delete; deleting an item asks first.
    void libraryItemsStayInTheLibrary()
    {
        writeFile(m_dir->filePath("outside"), "secret");
        writeFile(library("7"), "<ul>\r\n<li></li>\r\n</ul>");
        writeFile(library("library.dat"),
                  "7..a list\n" + m_dir->filePath("outside").toUtf8() + "..crafted\n");
        DocumentWindow *doc = focusedDocument("a\nb\n");
        QVERIFY(doc);
        doc->editor().setSelection(2, 1);
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        showList(p, TagList::Library);
        QTableWidget *grid = p->shownGrid();
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("a list"));
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("crafted"));
        doubleClickRow(grid, 0);
        QCOMPARE(doc->editor().text(), QStringLiteral("a\n<ul>\n<li></li>\n</ul>\n"));

        doubleClickRow(grid, 1);
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY2(m_prompter.shown.at(0).contains(m_dir->filePath("outside")),
                 qPrintable(m_prompter.shown.at(0)));
        QCOMPARE(doc->editor().text(), QStringLiteral("a\n<ul>\n<li></li>\n</ul>\n"));

        click(p->editCheck());
        QCOMPARE(p->insertButton()->text(), QStringLiteral("Save Edits"));
        clickRow(grid, 1);
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(readAll(m_dir->filePath("outside")), QByteArray("secret"));
        QVERIFY(readAll(library("library.dat")).startsWith("7..a list\n\n"));

        clickRow(grid, 0);
        m_prompter.answers = {PromptAnswer::No};
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_prompter.shown.last(),
                 QStringLiteral("Delete the library item \"a list\" and its file %1?")
                     .arg(library("7")));
        QVERIFY(QFile::exists(library("7")));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("a list"));
        m_prompter.answers = {PromptAnswer::Yes};
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!QFile::exists(library("7")));
        QVERIFY(readAll(library("library.dat")).startsWith("\n\n"));
    }

    // Rows typed, inserted, deleted and moved in edit mode, saved by Save Edits and read
    // again by the next panel.
    void editingTheLists()
    {
        writeFile(library("fillers.dat"), "first\nsecond\n");
        QVERIFY(focusedDocument(""));
        UserTagsHelper *p = openPanelFromToolbar<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        showList(p, TagList::Single);
        QTableWidget *grid = p->shownGrid();
        click(p->editCheck());
        QVERIFY(p->isEditing());
        QVERIFY(!p->newSaveGroup()->isVisible());
        clickRow(grid, 1);
        QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
        // A row goes in at once, and the list is saved with it.
        QCOMPARE(readAll(library("fillers.dat")).left(14), QByteArray("first\n\nsecond\n"));
        typeIntoRow(grid, QStringLiteral("&copy; 2026"));
        clickRow(grid, 0);
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("&copy; 2026"));
        // A deleted row of this list waits for Save Edits.
        QVERIFY(readAll(library("fillers.dat")).startsWith("first\n"));
        // The row handle moves "second" to the top.
        grid->verticalHeader()->moveSection(1, 0);
        QCOMPARE(p->entries(TagList::Single).mid(0, 2), (QStringList{"second", "&copy; 2026"}));
        press(p->insertButton());
        QVERIFY(!p->isEditing());
        QCOMPARE(p->insertButton()->text(), QStringLiteral("Insert Code"));
        const QByteArray saved = readAll(library("fillers.dat"));
        QVERIFY(saved.startsWith("second\n&copy; 2026\n\n"));
        QCOMPARE(saved.count('\n'), TagListFile::Rows);

        press(p->closeButton());
        QTRY_VERIFY(!panel());
        p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        QCOMPARE(p->grid(TagList::Single)->item(1, 0)->text(), QStringLiteral("&copy; 2026"));

        // Library entries come from Add to Library only.
        showList(p, TagList::Library);
        click(p->editCheck());
        QVERIFY(p->newSaveGroup()->isVisible());
        clickRow(p->shownGrid(), 3);
        QTest::keyClick(p->shownGrid(), Qt::Key_X);
        QCOMPARE(m_prompter.shown.last(),
                 QStringLiteral("You must use the New command to add new entries."));
        QCOMPARE(p->shownGrid()->item(3, 0)->text(), QString());
    }

    // The pop-up menu shows what the mode offers, and switches the mode.
    void popupMenu()
    {
        QVERIFY(focusedDocument(""));
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        QTableWidget *grid = p->shownGrid();
        Q_EMIT grid->customContextMenuRequested(rowCentre(grid, 2));
        QMenu *menu = p->popupMenu();
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!p->insertRowAction()->isVisible());
        QVERIFY(!p->newItemAction()->isVisible());
        QCOMPARE(p->editModeAction()->text(), QStringLiteral("Edit Mode"));
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(p->editModeAction()).center());
        QVERIFY(p->isEditing());
        QCOMPARE(p->editModeAction()->text(), QStringLiteral("Insert Mode"));
        QVERIFY(p->insertRowAction()->isVisible());
        QVERIFY(p->deleteRowAction()->isVisible());
        QVERIFY(p->saveEditsAction()->isVisible());
        QVERIFY(!p->newItemAction()->isVisible());
        showList(p, TagList::Library);
        QVERIFY(p->newItemAction()->isVisible());
    }

    // Holding the button on an entry shows all of it; letting go hides it again.
    void holdingShowsTheWholeEntry()
    {
        const QByteArray longEntry = "<table class=\"wide\">.." + QByteArray(200, 'x');
        writeFile(library("tags.dat"), longEntry + "\n");
        QVERIFY(focusedDocument(""));
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        QTableWidget *grid = p->shownGrid();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, 0));
        QTRY_VERIFY(p->tipPanel()->isVisible());
        QCOMPARE(p->tipPanel()->text(), QString::fromLatin1(longEntry));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, rowCentre(grid, 0));
        QVERIFY(!p->tipPanel()->isVisible());
    }

    // A list that cannot be read is said so and never written over; a list that cannot be
    // written keeps its edits in the grid.
    void badListFiles()
    {
        const QByteArray binary("<b>..</b>\n\0\0", 12);
        writeFile(library("tags.dat"), binary);
        QVERIFY(focusedDocument(""));
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.at(0).contains(library("tags.dat")));
        QVERIFY(m_prompter.shown.at(0).contains(QStringLiteral("binary")));
        click(p->editCheck());
        clickRow(p->shownGrid(), 0);
        typeIntoRow(p->shownGrid(), QStringLiteral("<i>..</i>"));
        press(p->insertButton());
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown.at(1).contains(QStringLiteral("could not be saved")));
        QVERIFY(p->isEditing());
        QCOMPARE(readAll(library("tags.dat")), binary);

        showList(p, TagList::Single);
        ReadOnlyFolder folder(m_home->libraryDir());
        if (!folder.error().isEmpty())
            QSKIP(qPrintable(folder.error()));
        QVERIFY(folder.lock());
        clickRow(p->shownGrid(), 0);
        typeIntoRow(p->shownGrid(), QStringLiteral("kept"));
        press(p->insertButton());
        QCOMPARE(m_prompter.shown.size(), 3);
        QVERIFY2(m_prompter.shown.at(2).contains(QStringLiteral("fillers.dat could not be saved")),
                 qPrintable(m_prompter.shown.at(2)));
        QVERIFY(p->isEditing());
        QCOMPARE(p->shownGrid()->item(0, 0)->text(), QStringLiteral("kept"));
    }

    // Add to Library takes the selection itself: the clipboard keeps other text. The new item
    // never replaces a file, is listed at the row chosen and inserts again.
    void addToLibraryFromThePanel()
    {
        writeFile(library("3"), "mine");
        m_settings->write(Keys::Libs, 3);
        writeFile(library("library.dat"), "x..taken\n");
        QApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));
        DocumentWindow *doc = focusedDocument("<p>keep me</p>");
        QVERIFY(doc);
        UserTagsHelper *p = openPanelFromMenu<UserTagsHelper>(PanelId::UserTags);
        QVERIFY(p);
        showList(p, TagList::Library);
        click(p->editCheck());
        // Without a selection there is nothing to add.
        clickRow(p->shownGrid(), 2);
        press(p->newButton());
        QCOMPARE(m_prompter.shown.last(),
                 QStringLiteral("You must have text selected in the editor before you can add "
                                "new Library items. Click OK and try again."));
        // A row that is taken is refused.
        doc->editor().setSelection(3, 7);
        clickRow(p->shownGrid(), 0);
        press(p->saveButton());
        QCOMPARE(m_prompter.shown.last(),
                 QStringLiteral("You must select an empty row before you can add a new item. "
                                "Click OK and try again."));

        clickRow(p->shownGrid(), 2);
        press(p->newButton());
        QTRY_VERIFY(!panel());
        AddToLibraryDialog *dialog = m_frame->findChild<AddToLibraryDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Add to Library"));
        // No description, no item.
        press(dialog->createButton());
        QVERIFY(dialog->isVisible());
        typeInto(dialog->description(), QStringLiteral("kept text"));
        QTest::keyClick(dialog->description(), Qt::Key_Return);
        QTRY_VERIFY(panel());
        UserTagsHelper *again = panel();
        QTRY_VERIFY(!m_frame->findChild<AddToLibraryDialog *>());

        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's clipboard"));
        QCOMPARE(readAll(library("3")), QByteArray("mine"));
        QCOMPARE(readAll(library("4")), QByteArray("keep me"));
        QCOMPARE(m_settings->read(Keys::Libs), 5);
        QVERIFY(readAll(library("library.dat")).startsWith("x..taken\n\n4..kept text\n\n"));

        // The panel is back on the library list in edit mode, at the new item.
        QCOMPARE(again->shownList(), TagList::Library);
        QVERIFY(again->isEditing());
        QCOMPARE(again->shownGrid()->currentRow(), 2);
        QCOMPARE(again->shownGrid()->item(2, 0)->text(), QStringLiteral("kept text"));
        click(again->editCheck());
        doc->editor().setCaret(0);
        doubleClickRow(again->shownGrid(), 2);
        QCOMPARE(doc->editor().text(), QStringLiteral("keep me<p>keep me</p>"));
    }
};

QTEST_MAIN(TestUserTagsHelper)
#include "tst_usertagshelper.moc"
