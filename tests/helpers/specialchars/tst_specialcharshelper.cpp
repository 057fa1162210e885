// The special characters panel on the shown main frame: characters chosen in both grids by
// mouse land in the page as their codes stand, the grid on show is remembered, and a table
// that is missing or unreadable leaves the grids empty.
#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "helpers/specialchars/specialcharshelper.h"
#include "paneltestbase.h"

#include <QPushButton>
#include <QTableWidget>

using namespace PanelTesting;

class TestSpecialCharsHelper : public PanelTestBase
{
    Q_OBJECT

    SpecialCharsHelper *panel() const { return panelOf<SpecialCharsHelper>(PanelId::SpecialChars); }

    void useShippedTable()
    {
        QFile shipped(QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        writeFile(m_home->file(QStringLiteral("library/chars")), shipped.readAll());
    }

    static QPoint centreOf(QTableWidget *grid, int row, int column)
    {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }

    // The first click of a double click selects the cell; the second arrives as the double
    // click.
    static void doubleClickCell(QTableWidget *grid, int row, int column)
    {
        const QPoint at = centreOf(grid, row, column);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }

private Q_SLOTS:
    void init() { startFrameForPanels(); }
    void cleanup() { stopFrame(); }

    void charactersGoInAsTheirCodes()
    {
        useShippedTable();
        // Upper-case tags change no entity.
        m_settings->write(Keys::UCase, true);
        DocumentWindow *doc = focusedDocument("<p></p>");
        QVERIFY(doc);
        doc->editor().setCaret(3);
        SpecialCharsHelper *p = openPanelFromMenu<SpecialCharsHelper>(PanelId::SpecialChars);
        QVERIFY(p);
        QCOMPARE(p->toggleButton()->text(), QStringLiteral("show extended"));
        QVERIFY(p->specialGrid()->isVisible());
        QCOMPARE(p->specialGrid()->item(0, 4)->toolTip(), QStringLiteral("&nbsp;"));
        doubleClickCell(p->specialGrid(), 0, 4);
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>&nbsp;</p>"));

        press(p->toggleButton());
        QCOMPARE(p->toggleButton()->text(), QStringLiteral("show special"));
        QVERIFY(p->extendedGrid()->isVisible());
        QVERIFY(!p->specialGrid()->isVisible());
        QTableWidget *extended = p->extendedGrid();
        const QTableWidgetItem *eacute =
            extended->findItems(QStringLiteral("\u00e9"), Qt::MatchExactly).value(0);
        QVERIFY(eacute);
        QTest::mouseClick(extended->viewport(), Qt::LeftButton, {},
                          centreOf(extended, eacute->row(), eacute->column()));
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>&nbsp;&eacute;</p>"));
        QVERIFY(doc->memo()->hasFocus());

        // Closed with the extended grid on show, it opens with it again.
        press(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::CharGrid), QStringLiteral("ext"));
        p = openPanelFromToolbar<SpecialCharsHelper>(PanelId::SpecialChars);
        QVERIFY(p);
        QVERIFY(p->extendedGrid()->isVisible());
        QCOMPARE(p->toggleButton()->text(), QStringLiteral("show special"));
        press(p->toggleButton());
        press(p->closeButton());
        QTRY_VERIFY(!panel());
        QCOMPARE(m_settings->read(Keys::CharGrid), QString());
    }

    // Cells past the lines a short table has stay empty and insert nothing.
    void shortOrMissingTables()
    {
        writeFile(m_home->file(QStringLiteral("library/chars")), "\u00a9..&copy;\n\u2192\n");
        DocumentWindow *doc = focusedDocument("");
        QVERIFY(doc);
        SpecialCharsHelper *p = openPanelFromMenu<SpecialCharsHelper>(PanelId::SpecialChars);
        QVERIFY(p);
        doubleClickCell(p->specialGrid(), 0, 1);
        doubleClickCell(p->specialGrid(), 2, 2);
        QCOMPARE(doc->editor().text(), QStringLiteral("\u2192"));
        press(p->toggleButton());
        doubleClickCell(p->extendedGrid(), 0, 0);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("\u2192"));
        press(p->closeButton());
        QTRY_VERIFY(!panel());

        QFile::remove(m_home->file(QStringLiteral("library/chars")));
        p = openPanelFromMenu<SpecialCharsHelper>(PanelId::SpecialChars);
        QVERIFY(p);
        QCOMPARE(p->extendedGrid()->item(0, 0), nullptr);
        press(p->insertButton());
        QCOMPARE(doc->editor().text(), QStringLiteral("\u2192"));
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void unreadableTableIsReported()
    {
        const QString chars = m_home->file(QStringLiteral("library/chars"));
        writeFile(chars, QByteArray("a..b\n\0\0", 7));
        QVERIFY(focusedDocument(""));
        SpecialCharsHelper *p = openPanelFromMenu<SpecialCharsHelper>(PanelId::SpecialChars);
        QVERIFY(p);
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY2(m_prompter.shown.at(0).contains(chars) &&
                     m_prompter.shown.at(0).contains(QStringLiteral("binary")),
                 qPrintable(m_prompter.shown.at(0)));
        QCOMPARE(p->specialGrid()->item(0, 0), nullptr);
    }
};

QTEST_MAIN(TestSpecialCharsHelper)
#include "tst_specialcharshelper.moc"
