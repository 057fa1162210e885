// The list helper on the shown main frame: lists and lone items built with clicks and typed
// numbers, the fields that come and go with the choices, "/LI" and "compact" kept in the
// settings, and a list tag read back and replaced.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "helpers/frame/numberfield.h"
#include "helpers/frame/tagattributefields.h"
#include "helpers/list/listhelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace PanelTesting;

class TestListHelper : public PanelTestBase
{
    Q_OBJECT

    ListHelper *panel() const { return panelOf<ListHelper>(PanelId::List); }

    ListHelper *openFromMenu() { return openPanelFromMenu<ListHelper>(PanelId::List); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void numberedListAroundTheSelection()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        ListHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->kindButton(ListKind::Bullet)->isChecked());
        QVERIFY(!p->startEdit()->isVisible());
        QVERIFY(p->endli()->isChecked());

        click(p->kindButton(ListKind::Number));
        QVERIFY(p->startEdit()->isVisible());
        click(p->typeButton(QStringLiteral("I,II,III")));
        typeNumber(p->startEdit(), 5);
        typeNumber(p->itemEdit(), 3);
        typeNumber(p->tabsEdit(), 1);
        click(p->compact());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><OL compact type=\"I\" start=5>\n\t<LI>x</LI>\n\t<LI></LI>\n"
                                "\t<LI></LI>\n</OL></p>"));
        QCOMPARE(doc->editor().selectedText(), QStringLiteral("x"));

        // The spin buttons stop at their lowest values.
        p->itemEdit()->setFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(p->itemEdit(), Qt::Key_Down);
        QCOMPARE(p->itemEdit()->value(), 1);

        click(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(TextKey{Sections::Main, "compact", ""}), QStringLiteral("yes"));
        QCOMPARE(m_settings->read(TextKey{Sections::Main, "endli", ""}), QString());
    }

    // Every number up to the field's limit is taken as typed; one over it is refused with a
    // message, and the number from before stays.
    void numbersAreTakenWholeOrRefusedAloud()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        ListHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->kindButton(ListKind::Number));
        typeNumber(p->startEdit(), 1000);
        QTest::keyClick(p->startEdit(), Qt::Key_Return);
        auto *start = qobject_cast<NumberField *>(p->startEdit());
        QVERIFY(start);
        QVERIFY(start->refusal().isEmpty());

        QSignalSpy refused(start, &NumberField::refused);
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyClick(start, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(start, QStringLiteral("12345"));
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(refused.count(), 1);
        QVERIFY(start->refusal().contains(QLatin1String("12345")));
        QVERIFY(start->refusal().contains(QLatin1String("9999")));
        QCOMPARE(start->value(), 1000);
        QCOMPARE(start->text(), QStringLiteral("1000"));

        click(p->insertButton());
        QVERIFY2(doc->editor().text().contains(QLatin1String("start=1000>")),
                 qPrintable(doc->editor().text()));
    }

    void choicesShowTheirFields()
    {
        DocumentWindow *doc = focusedDocument("");
        QVERIFY(doc);
        ListHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->kindButton(ListKind::Definition));
        QVERIFY(!p->typeLabel()->isVisible());
        QVERIFY(!p->typeButton(QStringLiteral("disc"))->isVisible());
        click(p->kindButton(ListKind::Bullet));
        click(p->typeButton(QStringLiteral("disc")));
        // Going over to numbers leaves the bullet type out of the code.
        click(p->kindButton(ListKind::Number));
        QTest::mouseDClick(p->kindButton(ListKind::Number), Qt::LeftButton);
        QVERIFY(!p->kindButton(ListKind::Number)->isChecked());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QString());
        click(p->kindButton(ListKind::Number));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<OL start=1>\n<LI></LI>\n<LI></LI>\n</OL>"));

        doc->editor().setText(QString());
        click(p->modeButton(ListMode::Item));
        QVERIFY(!p->tabsEdit()->isVisible());
        QVERIFY(!p->compact()->isVisible());
        QVERIFY(!p->kindButton(ListKind::Bullet)->isVisible());
        click(p->typeButton(QStringLiteral("a,b,c")));
        click(p->typeButton(QStringLiteral("square")));
        QVERIFY(!p->typeButton(QStringLiteral("a,b,c"))->isChecked());
        click(p->endli());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<LI type=square>\n<LI type=square>"));
        click(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(TextKey{Sections::Main, "endli", ""}), QStringLiteral("no"));
        p = openFromMenu();
        QVERIFY(p);
        QVERIFY(!p->endli()->isChecked());
    }

    void readTagReplacesTheListTag()
    {
        DocumentWindow *doc = focusedDocument("<ul type=circle class=\"k\">\n<li>a</li>\n</ul>\n");
        QVERIFY(doc);
        doc->editor().setCaret(2);
        ListHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->isEditingTag());
        QVERIFY(p->kindButton(ListKind::Bullet)->isChecked());
        QVERIFY(p->typeButton(QStringLiteral("circle"))->isChecked());
        click(p->typeButton(QStringLiteral("square")));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<UL type=\"square\" class=\"k\">\n<li>a</li>\n</ul>\n"));

        // "Read tag" in the item switches to item mode.
        doc->editor().setCaret(int(doc->editor().text().indexOf(QLatin1String("<li"))) + 2);
        click(p->readButton());
        QVERIFY(p->modeButton(ListMode::Item)->isChecked());
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing the LI tag on line 2"));
        // The buttons keep their room beside the label; its class is in its field.
        for (QPushButton *b : {p->readButton(), p->insertButton(), p->closeButton()})
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        QVERIFY(p->editingLabel()->geometry().right() < p->insertButton()->geometry().left());
        QCOMPARE(p->tagAttributes()->field("class")->text(), QString());

        // A class typed for a new list goes into its tag only.
        doc->editor().setCaret(2);
        click(p->readButton());
        QCOMPARE(p->tagAttributes()->field("class")->text(), QStringLiteral("k"));
        doc->editor().setCaret(doc->editor().length());
        press(p->insertButton());
        QVERIFY(!p->isEditingTag());
        typeInto(p->tagAttributes()->field("id"), QStringLiteral("menu"));
        doc->editor().setSelection(doc->editor().length(), 0);
        press(p->insertButton());
        QVERIFY2(doc->editor().text().contains(QLatin1String("id=\"menu\">")),
                 qPrintable(doc->editor().text()));
        QCOMPARE(doc->editor().text().count(QLatin1String("class=")), 1);
    }
};

QTEST_MAIN(TestListHelper)
#include "tst_listhelper.moc"
