// The table helper on the shown main frame: the three modes chosen with clicks, sizes typed
// and checked as they are typed, a colour from the palette, "/TD" kept in the settings, and
// a TD tag read back and replaced.
#include "base/settingsfile.h"
#include "colours/colourpicker.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "helpers/table/tablehelper.h"
#include "paneltestbase.h"
#include "paneltesting.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

using namespace PanelTesting;

class TestTableHelper : public PanelTestBase
{
    Q_OBJECT

    TableHelper *panel() const { return panelOf<TableHelper>(PanelId::Table); }

    TableHelper *openFromMenu() { return openPanelFromMenu<TableHelper>(PanelId::Table); }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void tableAroundTheSelection()
    {
        DocumentWindow *doc = focusedDocument("<p>x</p>");
        QVERIFY(doc);
        doc->editor().setSelection(3, 1);
        QTest::mouseClick(toolbarItem(*m_frame, Cmd::TableHelper), Qt::LeftButton);
        QTRY_VERIFY(panel() && panel()->isVisible());
        TableHelper *p = panel();
        QCOMPARE(p->bordercolLabel()->text(), QStringLiteral("border"));
        QCOMPARE(p->alignLabel()->text(), QStringLiteral("Align on Page"));

        click(p->alignButton(QStringLiteral("center")));
        click(p->captionnowrap());
        click(p->belowtable());
        QTest::mouseClick(p->widthedit(), Qt::LeftButton);
        QTest::keyClicks(p->widthedit(), QStringLiteral("50"));
        click(p->percentbox());
        // The colour from the names palette: Navy is the second cell.
        QTest::mousePress(p->colorButton(), Qt::LeftButton);
        QMenu *menu = p->picker()->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions().at(1)).center());
        PaletteGrid *names = p->picker()->grid(PaletteGrid::Kind::Names);
        QTRY_VERIFY(names->isVisible());
        QTest::mouseClick(names, Qt::LeftButton, {}, names->cellRect(0, 1).center());
        QVERIFY(p->colorbox()->isChecked());
        click(p->useNames());

        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<p><CENTER>\n<TABLE width=\"50%\" bgcolor=\"Navy\" "
                                "cellpadding=\"1\" border=\"1\">\n<CAPTION align=\"bottom\">"
                                "</CAPTION>\nx\n</TABLE>\n</CENTER></p>"));
        click(p->closeButton());
        QCOMPARE(m_settings->read(Keys::ClNames), true);
    }

    void sizesAreCheckedAsTheyAreTyped()
    {
        focusedDocument("");
        TableHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->percentbox());
        QTest::mouseClick(p->widthedit(), Qt::LeftButton);
        QTest::keyClicks(p->widthedit(), QStringLiteral("150"));
        QCOMPARE(m_prompter.shown, QStringList{QStringLiteral("Width cannot exceed 100%")});
        QCOMPARE(p->widthedit()->text(), QString());
        QTest::keyClicks(p->heightedit(), QStringLiteral("0"));
        QCOMPARE(m_prompter.shown.last(), QStringLiteral("Height cannot be less than 1"));
        QCOMPARE(p->heightedit()->text(), QString());
        // Letters never get in.
        QTest::keyClicks(p->heightedit(), QStringLiteral("a7"));
        QCOMPARE(p->heightedit()->text(), QStringLiteral("7"));
        // A size in pixels too large is refused aloud, not cut to fewer digits.
        QTest::keyClicks(p->heightedit(), QStringLiteral("0000"));
        QCOMPARE(m_prompter.shown.last(), QStringLiteral("Height cannot exceed 9999"));
        QCOMPARE(p->heightedit()->text(), QString());
    }

    void rowsAndCells()
    {
        DocumentWindow *doc = focusedDocument("");
        QVERIFY(doc);
        TableHelper *p = openFromMenu();
        QVERIFY(p);
        click(p->modeButton(TableMode::Row));
        QVERIFY(!p->bordercoledit()->isVisible());
        QVERIFY(p->endtr()->isVisible());
        QCOMPARE(p->paditemLabel()->text(), QStringLiteral("items"));
        typeNumber(p->itemedit(), 0);
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QString());
        typeNumber(p->itemedit(), 2);
        click(p->endtr());
        QCOMPARE(m_settings->read(Keys::EndTr), QStringLiteral("no"));
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<TR>\n\n<TR>\n"));

        doc->editor().setText(QString());
        click(p->modeButton(TableMode::Cell));
        QCOMPARE(p->bordercolLabel()->text(), QStringLiteral("col span"));
        QCOMPARE(p->captionnowrap()->text(), QStringLiteral("no wrap"));
        // A double click clears the alignment again.
        click(p->valignButton(QStringLiteral("middle")));
        QTest::mouseDClick(p->valignButton(QStringLiteral("middle")), Qt::LeftButton);
        QVERIFY(!p->valignButton(QStringLiteral("middle"))->isChecked());
        click(p->alignButton(QStringLiteral("right")));
        typeNumber(p->itemedit(), 3);
        typeNumber(p->bordercoledit(), 2);
        click(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<TD colspan=\"2\" align=\"right\"></TD>\n"
                                                      "<TD colspan=\"2\" align=\"right\"></TD>\n"
                                                      "<TD colspan=\"2\" align=\"right\"></TD>"));
        click(p->endtd());
        QCOMPARE(m_settings->read(Keys::EndTd), QStringLiteral("no"));
        click(p->closeButton());
        QTRY_VERIFY(!panel());
        p = openFromMenu();
        QVERIFY(p);
        QVERIFY(!p->endtd()->isChecked());
        QVERIFY(!p->endtr()->isChecked());
    }

    void readTagReplacesTheCellTag()
    {
        DocumentWindow *doc =
            focusedDocument("<table border=1>\n<tr><td rowspan=2 class=\"k\">a</td></tr>\n"
                            "</table>\n");
        QVERIFY(doc);
        const int td = int(doc->editor().text().indexOf(QLatin1String("<td")));
        doc->editor().setCaret(td + 2);
        TableHelper *p = openFromMenu();
        QVERIFY(p);
        QVERIFY(p->isEditingTag());
        QVERIFY(p->modeButton(TableMode::Cell)->isChecked());
        QCOMPARE(p->spacerowedit()->value(), 2);
        click(p->captionnowrap());
        click(p->insertButton());
        QCOMPARE(doc->editor().text(),
                 QStringLiteral("<table border=1>\n<tr><TD rowspan=\"2\" nowrap class=\"k\">a</td>"
                                "</tr>\n</table>\n"));

        // "Read tag" in the table tag switches the mode.
        doc->editor().setCaret(3);
        click(p->readButton());
        QVERIFY(p->modeButton(TableMode::Table)->isChecked());
        QCOMPARE(p->bordercoledit()->value(), 1);
        QCOMPARE(p->editingLabel()->text(), QStringLiteral("Editing the TABLE tag on line 1"));
    }
};

QTEST_MAIN(TestTableHelper)
#include "tst_tablehelper.moc"
