// The custom tags as a user meets them: stored tags go into the focused document from their
// keys, menu entries and toolbar buttons; an empty slot, or Shift with a click, opens the
// slot's editor, which is filled in with typed text and saved or deleted with the mouse.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "customtags/customtageditor.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "paneltesting.h"
#include "readonlyfolder.h"
#include "shell/startupsteps.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestCustomTagCommands : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;

    void store(int slot, const QString &value, const QString &hint = QString())
    {
        m_settings->writeString(QStringLiteral("Custom"), QString::number(slot), value);
        if (!hint.isEmpty())
            m_settings->writeString(QStringLiteral("Custom"), QString::number(slot) + "hint", hint);
    }
    QString stored(const QString &key) const
    {
        return m_settings->readString(QStringLiteral("Custom"), key);
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
    QString documentText() const { return drive(m_frame).documents().active()->editor().text(); }
    // Types a word and selects it with Shift+Home.
    void typeAndSelect(QWidget *editor, const QString &word)
    {
        QTest::keyClicks(editor, word);
        QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    }
    QList<CustomTagEditor *> editors() const { return m_frame->findChildren<CustomTagEditor *>(); }
    // The one editor dialog, once it shows; null when none opens.
    CustomTagEditor *openedEditor()
    {
        if (!QTest::qWaitFor([this] { return editors().size() == 1; }))
            return nullptr;
        CustomTagEditor *box = editors().first();
        return QTest::qWaitForWindowExposed(box) ? box : nullptr;
    }
    static QLineEdit *field(CustomTagEditor *box, const char *name)
    {
        return box->findChild<QLineEdit *>(QLatin1String(name));
    }
    static void click(CustomTagEditor *box, const char *name)
    {
        QWidget *w = box->findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(w, name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
    }
    static void typeInto(QLineEdit *edit, const QString &text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString menuCaption(int slot) const
    {
        return drive(m_frame).menu(QStringLiteral("Custom1"))->actions().at(slot - 1)->text();
    }

private Q_SLOTS:
    void init() { resetHome(); }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // A block tag wraps the selection from its key, a single one replaces it from its menu
    // entry (which shows the stored caption), and Ctrl+Alt reaches the second ten; the
    // single element goes in as written while the block parts follow the case setting.
    void storedTagsGoIn()
    {
        store(1, QStringLiteral("<br class='x'>"), QStringLiteral("Break"));
        store(2, QStringLiteral("B<b>KVARN</b>"), QStringLiteral("Bold"));
        store(11, QStringLiteral("&nbsp;"));
        m_settings->write(Keys::UCase, true);
        m_frame = startFrame();
        QWidget *editor = focusedEditor();
        QVERIFY(editor);

        typeAndSelect(editor, QStringLiteral("word"));
        QTest::keyClick(editor, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(documentText(), QStringLiteral("<B>word</B>"));
        QCOMPARE(drive(m_frame).documents().active()->editor().selectedText(),
                 QStringLiteral("word"));

        PanelTesting::chooseFromMenu(*m_frame, Cmd::Custom11Click);
        QCOMPARE(menuCaption(1), QStringLiteral("Break"));
        QCOMPARE(menuCaption(2), QStringLiteral("Bold"));
        QCOMPARE(menuCaption(3), QStringLiteral("Custom"));
        QCOMPARE(documentText(), QStringLiteral("<B><br class='x'></B>"));

        editor = focusedEditor();
        QTest::keyClick(editor, Qt::Key_1, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(documentText(), QStringLiteral("<B><br class='x'>&nbsp;</B>"));
        QVERIFY(editors().isEmpty());
        QVERIFY(drive(m_frame).documents().active()->isModified());

        // With Shift the key opens the slot's editor instead; Escape closes it unchanged.
        QTest::keyClick(editor, Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
        CustomTagEditor *box = openedEditor();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Custom 2"));
        QCOMPARE(field(box, "txtBlock1")->text(), QStringLiteral("<b>"));
        QCOMPARE(documentText(), QStringLiteral("<B><br class='x'>&nbsp;</B>"));
        QPointer<CustomTagEditor> guard(box);
        QTest::keyClick(field(box, "txtBlock1"), Qt::Key_Escape);
        QTRY_VERIFY(!guard);
        QCOMPARE(stored(QStringLiteral("2")), QStringLiteral("B<b>KVARN</b>"));
    }

    // Ctrl+3 on an empty slot opens "Custom 3" in block mode; a missing end part is refused
    // and keeps what was typed; the saved tag names the menu entry and the toolbar button
    // and wraps the selection at the next Ctrl+3.
    void anEmptySlotIsDefinedInItsEditor()
    {
        m_frame = startFrame();
        QWidget *editor = focusedEditor();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_3, Qt::ControlModifier);
        CustomTagEditor *box = openedEditor();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Custom 3"));
        QCOMPARE(stored(QStringLiteral("Adding")), QStringLiteral("3"));
        QVERIFY(box->findChild<QRadioButton *>(QStringLiteral("radBlock"))->isChecked());
        QVERIFY(field(box, "txtBlock1")->isVisible());
        QVERIFY(!field(box, "txtSingle")->isVisible());

        typeInto(field(box, "txtBlock1"), QStringLiteral("<h2>"));
        typeInto(field(box, "txtHint"), QStringLiteral("Heading"));
        click(box, "Button1");
        QCOMPARE(m_prompter.shown,
                 QStringList{"Block Element tags require text in both tag fields."});
        QCOMPARE(stored(QStringLiteral("3")), QString());
        QVERIFY(box->isVisible());

        typeInto(field(box, "txtBlock2"), QStringLiteral("</h2>"));
        QPointer<CustomTagEditor> guard(box);
        click(box, "Button1");
        QTRY_VERIFY(!guard);
        QCOMPARE(stored(QStringLiteral("3")), QStringLiteral("B<h2>KVARN</h2>"));
        QCOMPARE(stored(QStringLiteral("3hint")), QStringLiteral("Heading"));
        QCOMPARE(menuCaption(3), QStringLiteral("Heading"));
        QCOMPARE(drive(m_frame).speedBar().button(QStringLiteral("SpeedItem3"))->toolTip(),
                 QStringLiteral("Heading (Ctrl+3, Ctrl+Shift+3)"));

        editor = focusedEditor();
        typeAndSelect(editor, QStringLiteral("Title"));
        QTest::keyClick(editor, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(documentText(), QStringLiteral("<h2>Title</h2>"));
    }

    // Shift with a click on a defined slot's toolbar button opens its editor filled in
    // instead of inserting; switching to a single element that begins with a capital B is
    // saved and then inserted as it was typed; Delete Entry empties the slot, whose menu
    // entry reads "Custom" again.
    void shiftClickEditsAndDeletes()
    {
        store(4, QStringLiteral("B<em>KVARN</em>"), QStringLiteral("Emphasis"));
        m_frame = startFrame();
        QVERIFY(focusedEditor());
        SpeedButton *item = PanelTesting::toolbarItem(*m_frame, Cmd::Custom41Click);
        QVERIFY(item);
        item->show();
        QTest::mouseClick(item, Qt::LeftButton, Qt::ShiftModifier);
        CustomTagEditor *box = openedEditor();
        QVERIFY(box);
        QCOMPARE(documentText(), QString());
        QCOMPARE(field(box, "txtBlock1")->text(), QStringLiteral("<em>"));
        QCOMPARE(field(box, "txtBlock2")->text(), QStringLiteral("</em>"));
        QCOMPARE(field(box, "txtHint")->text(), QStringLiteral("Emphasis"));

        click(box, "radSingle");
        QTRY_VERIFY(field(box, "txtSingle")->isVisible());
        QVERIFY(!field(box, "txtBlock1")->isVisible());
        typeInto(field(box, "txtSingle"), QStringLiteral("Best wishes"));
        QPointer<CustomTagEditor> guard(box);
        click(box, "Button1");
        QTRY_VERIFY(!guard);
        QCOMPARE(stored(QStringLiteral("4")), QStringLiteral("Best wishes"));

        QTest::mouseClick(item, Qt::LeftButton);
        QCOMPARE(documentText(), QStringLiteral("Best wishes"));
        QVERIFY(editors().isEmpty());

        QTest::mouseClick(item, Qt::LeftButton, Qt::ShiftModifier);
        box = openedEditor();
        QVERIFY(box);
        QVERIFY(box->findChild<QRadioButton *>(QStringLiteral("radSingle"))->isChecked());
        QCOMPARE(field(box, "txtSingle")->text(), QStringLiteral("Best wishes"));
        guard = box;
        click(box, "Button2");
        QTRY_VERIFY(!guard);
        QVERIFY(m_settings->hasKey(QStringLiteral("Custom"), QStringLiteral("4hint")));
        QCOMPARE(stored(QStringLiteral("4")), QString());
        QCOMPARE(menuCaption(4), QStringLiteral("Custom"));
        QVERIFY(m_prompter.shown.isEmpty());
    }

    // When the settings file cannot be written the editor stays open with what was typed.
    void anUnwritableSettingsFileKeepsTheEditorOpen()
    {
        ReadOnlyFolder home(m_dir->filePath(QStringLiteral("ro")));
        if (!home.error().isEmpty())
            QSKIP(qPrintable(home.error()));
        m_home = std::make_unique<HomeFolder>(home.path());
        QString error;
        QVERIFY(m_home->createFolders(&error));
        m_settings = std::make_unique<SettingsFile>(
            m_home->settingsPath(), StartupSteps::reportSettingsErrorsOnce(m_prompter));
        QVERIFY(home.lock());
        m_frame = startFrame();
        QWidget *editor = focusedEditor();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_9, Qt::ControlModifier);
        CustomTagEditor *box = openedEditor();
        QVERIFY(box);
        click(box, "radSingle");
        typeInto(field(box, "txtSingle"), QStringLiteral("<hr>"));
        typeInto(field(box, "txtHint"), QStringLiteral("Rule"));
        QPointer<CustomTagEditor> guard(box);
        click(box, "Button1");
        // The first failed write of the run is reported.
        QVERIFY(!m_prompter.shown.isEmpty());
        QVERIFY(m_prompter.shown.first().contains(m_home->settingsPath()));
        QVERIFY(guard && guard->isVisible());
        QCOMPARE(field(box, "txtSingle")->text(), QStringLiteral("<hr>"));
        QCOMPARE(stored(QStringLiteral("9")), QString());
    }
};

QTEST_MAIN(TestCustomTagCommands)
#include "tst_customtagcommands.moc"
