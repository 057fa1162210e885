// The form helper on the shown main frame: each kind shows its fields, controls and forms
// built with clicks and typed numbers, the double click on the options, and a control read
// back and replaced.
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "helpers/form/formhelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace PanelTesting;

class TestFormHelper : public PanelTestBase
{
    Q_OBJECT

    FormHelper *openFromMenu() { return openPanelFromMenu<FormHelper>(PanelId::Form); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void kindsShowTheirFields()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        FormHelper *p = openFromMenu();
        QVERIFY(p);
        // No kind: Insert Code does nothing.
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>x</p>"));
        const QSize size = p->size();

        click(p->kindButton(FormKind::TextArea));
        QCOMPARE(p->maxLabel()->text(), QStringLiteral("# columns"));
        QCOMPARE(p->sizeLabel()->text(), QStringLiteral("# rows"));
        QCOMPARE(p->maxEdit()->value(), 35);
        QCOMPARE(p->sizeEdit()->value(), 7);
        QVERIFY(!p->maxCheck()->isVisible());
        click(p->kindButton(FormKind::ListBox));
        QCOMPARE(p->maxLabel()->text(), QStringLiteral("# options"));
        QVERIFY(p->yesNo()->isVisible());
        QVERIFY(!p->groupEdit()->isVisible());
        click(p->kindButton(FormKind::Submit));
        QVERIFY(!p->itemsEdit()->isVisible());
        QVERIFY(p->optionsArea()->isVisible());
        click(p->kindButton(FormKind::NewForm));
        QVERIFY(!p->optionsArea()->isVisible());
        QVERIFY(p->yesNo()->isVisible());
        QCOMPARE(p->size(), size);

        // A form around the selection, sent by get.
        doc->editor().setSelection(3, 1);
        click(p->yesNo());
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><FORM name=\"\" method=\"Get\" action=\"\">\nx\n</FORM></p>"));
    }

    // The controls go in front of the selected text, which stays as it was.
    void controlsAtTheSelection()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        FormHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->kindButton(FormKind::Radio));
        typeNumber(p->itemsEdit(), 3);
        typeInto(p->groupEdit(), QStringLiteral("size"));
        // A double click on the options area turns all four on, the next one all off.
        QTest::mouseDClick(p->optionsArea(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(p->disabled()->isChecked() && p->accesskey()->isChecked());
        QTest::mouseDClick(p->optionsArea(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!p->disabled()->isChecked() && !p->tabindex()->isChecked());
        click(p->disabled());
        press(p->insertButton());
        const QString radio =
            QStringLiteral("<INPUT name=\"size\" type=\"radio\" disabled value=\"\">");
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>") + radio + u'\n' + radio + u'\n' +
                                           radio + QStringLiteral("x</p>"));

        // A kind change brings the items back to one.
        doc->editor().setText(QString());
        click(p->kindButton(FormKind::Hidden));
        QCOMPARE(p->itemsEdit()->value(), 1);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<INPUT name=\"\" type=\"hidden\" value=\"\">"));

        // The options stay on across kinds.
        doc->editor().setText(QString());
        click(p->kindButton(FormKind::DropList));
        typeNumber(p->maxEdit(), 1);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<SELECT name=\"\" size=\"1\"  disabled>\n\t<OPTION>\n</SELECT>"));
        QCOMPARE(p->itemsEdit()->maximum(), 1000);
    }

    void readsAControlAndReplacesIt()
    {
        DocumentWindow *doc = focusedDocument(
            "<form>\n<input type=\"text\" name=\"q\" size=\"30\" onblur=\"go()\">\n</form>\n");
        QVERIFY(doc);
        doc->editor().setCaret(12);
        FormHelper *p = openFromMenu();
        QVERIFY(p);
        press(p->readButton());
        QVERIFY(p->kindButton(FormKind::Text)->isChecked());
        QCOMPARE(p->sizeEdit()->value(), 30);
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing the INPUT tag on line 2"));
        click(p->maxCheck());
        typeNumber(p->maxEdit(), 12);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<form>\n<INPUT name=\"q\" type=\"text\" maxlength=\"12\" "
                                "size=\"30\" value=\"\" onblur=\"go()\">\n</form>\n"));
        QTest::keyClick(doc->memo(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(
            doc->editor().text(),
            QStringLiteral("<form>\n<input type=\"text\" name=\"q\" size=\"30\" onblur=\"go()\">\n"
                           "</form>\n"));
    }
};

QTEST_MAIN(TestFormHelper)
#include "tst_formhelper.moc"
