// The frame helper on the shown main frame: a frame set around the selection, frames that
// show files chosen in the dialog (Cancel stops the asking), an inline frame, and a frame tag
// read back and replaced.
#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "helpers/frame/tagattributefields.h"
#include "helpers/frames/frameshelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"
#include "scripteddialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

using namespace PanelTesting;

class TestFramesHelper : public PanelTestBase
{
    Q_OBJECT

    ScriptedDialogs m_dialogs;

    FramesHelper *openFromMenu() { return openPanelFromMenu<FramesHelper>(PanelId::Frames); }

    // Picks a list entry with the keyboard, as a user does.
    static void chooseText(QComboBox *list, const QString &text)
    {
        QTest::mouseClick(list, Qt::LeftButton);
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Home);
        for (int i = 0; i < list->findText(text); ++i)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_COMPARE(list->currentText(), text);
    }

private Q_SLOTS:
    void init()
    {
        startFrameForPanels();
        m_dialogs = ScriptedDialogs();
        drive(m_frame).files().setDialogs(&m_dialogs);
    }
    void cleanup() { stopFrame(); }

    void framesetAroundTheSelection()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        FramesHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->modeButton(FramesMode::Frameset)->isChecked());
        QCOMPARE(p->areas()->currentWidget()->objectName(), QStringLiteral("panframeset"));
        click(p->colsButton());
        typeNumber(p->itemsEdit(), 3);
        click(p->optionCheck(FramesMode::Frameset, QStringLiteral("border")));
        typeInto(qobject_cast<QLineEdit *>(
                     p->optionField(FramesMode::Frameset, QStringLiteral("border"))),
                 QStringLiteral("0"));
        click(p->noFrame());
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><FRAMESET cols=\" , , \" border=0>\nx\n<NOFRAME></NOFRAME>\n"
                                "</FRAMESET></p>"));
        // The items never go below one, nor above a thousand.
        p->itemsEdit()->setFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(p->itemsEdit(), Qt::Key_Down);
        QCOMPARE(p->itemsEdit()->value(), 1);
        QCOMPARE(p->itemsEdit()->maximum(), 1000);
    }

    void framesShowChosenFiles()
    {
        const QString site = m_dir->filePath(QStringLiteral("Site"));
        QVERIFY(QDir().mkpath(site + QStringLiteral("/Pages")));
        DocumentWindow *doc = focusedDocument("", QStringLiteral("Site/index.htm"));
        QVERIFY(doc);
        FramesHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->modeButton(FramesMode::Frame));
        QCOMPARE(p->areas()->currentWidget()->objectName(), QStringLiteral("panFrame"));
        typeNumber(p->itemsEdit(), 3);
        click(p->nameCheck(FramesMode::Frame));
        click(p->useFile(FramesMode::Frame));
        click(p->noResize());
        // The second dialog is cancelled: the third item is not asked for.
        m_dialogs.openAnswers = {{site + QStringLiteral("/Pages/Top Menu.htm")}, {}, {}};
        press(p->insertButton());
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown.first().title, QStringLiteral("Please locate your file"));
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<FRAME src=\"Pages/Top%20Menu.htm\" noresize>\n"
                                "<FRAME src=\"\" noresize>\n<FRAME src=\"\" noresize>"));

        doc->editor().setText(QString());
        click(p->modeButton(FramesMode::Iframe));
        click(p->useFile(FramesMode::Iframe));
        chooseText(p->pathList(FramesMode::Iframe), QStringLiteral("no path"));
        click(p->optionCheck(FramesMode::Iframe, QStringLiteral("align")));
        click(p->optionCheck(FramesMode::Iframe, QStringLiteral("width")));
        typeInto(
            qobject_cast<QLineEdit *>(p->optionField(FramesMode::Iframe, QStringLiteral("width"))),
            QStringLiteral("50%"));
        m_dialogs.openAnswers = {{site + QStringLiteral("/Pages/News.HTM")}};
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<IFRAME name=\"\" src=\"News.HTM\" align=\"default\" "
                                "width=50%></IFRAME>"));
    }

    void readsAFrameAndReplacesIt()
    {
        DocumentWindow *doc =
            focusedDocument("<frameset rows=\"*,*\">\n<frame name=\"a\" src=\"a.htm\" "
                            "data-x=\"1\">\n</frameset>\n");
        QVERIFY(doc);
        doc->editor().setCaret(26);
        FramesHelper *p = openFromMenu();
        QVERIFY(p);
        press(p->readButton());
        QVERIFY(p->modeButton(FramesMode::Frame)->isChecked());
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing the FRAME tag on line 2"));
        QCOMPARE(p->tagAttributes()->field("id")->text(), QString());
        click(p->optionCheck(FramesMode::Frame, QStringLiteral("scrolling")));
        typeInto(p->tagAttributes()->field("title"), QStringLiteral("Menu"));
        press(p->insertButton());
        const QString changed =
            QStringLiteral("<frameset rows=\"*,*\">\n<FRAME name=\"a\" src=\"a.htm\" "
                           "scrolling=\"auto\" data-x=\"1\" title=\"Menu\">\n</frameset>\n");
        QCOMPARE(doc->editor().text(), changed);
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<frameset rows=\"*,*\">\n<frame name=\"a\" src=\"a.htm\" "
                                "data-x=\"1\">\n</frameset>\n"));

        // The frame set: its layout is kept.
        doc->editor().setCaret(3);
        press(p->readButton());
        QVERIFY(p->modeButton(FramesMode::Frameset)->isChecked());
        QCOMPARE(p->itemsEdit()->value(), 2);
        click(p->optionCheck(FramesMode::Frameset, QStringLiteral("frameborder")));
        press(p->insertButton());
        QVERIFY2(doc->editor().text().startsWith(
                     QLatin1String("<FRAMESET rows=\"*,*\" frameborder=\"yes\">\n<frame ")),
                 qPrintable(doc->editor().text()));
    }
};

QTEST_MAIN(TestFramesHelper)
#include "tst_frameshelper.moc"
