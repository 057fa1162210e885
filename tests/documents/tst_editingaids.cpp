#include "documents/editingaids.h"
#include "editor/memoryeditor.h"
#include "selectionmarkup.h"

#include <QtTest>

// The typing aids that need no window, on the in-memory editor. Texts mark the caret with
// "|" and the other end of a selection with "^".
class TestEditingAids : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusColumnFollowsTabStops_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("tabWidth");
        QTest::addColumn<int>("column");
        QTest::newRow("start of line") << "" << 5 << 1;
        QTest::newRow("four characters then a tab") << "abcd\t" << 5 << 6;
        QTest::newRow("a tab first") << "\t" << 5 << 6;
        QTest::newRow("ten characters then a tab") << "abcdefghij\t" << 5 << 16;
        QTest::newRow("five characters: the tab goes to the next stop") << "abcde\t" << 5 << 11;
        QTest::newRow("two tabs") << "\t\t" << 5 << 11;
        QTest::newRow("tab width 1") << "a\tb" << 1 << 4;
        QTest::newRow("non-ASCII counts one each") << QString::fromUtf8("é€\t") << 4 << 5;
        QTest::newRow("an emoji is one column") << QString::fromUtf8("😀a") << 5 << 3;
    }
    void statusColumnFollowsTabStops()
    {
        QFETCH(QString, before);
        QFETCH(int, tabWidth);
        QFETCH(int, column);
        QCOMPARE(EditingAids::statusColumn(before, tabWidth), column);
    }

    void caretStatusNamesLineAndColumn()
    {
        MemoryEditor ed;
        ed.setTabWidth(5);
        SelectionMarkup::set(ed, "first\r\nab\t|cd");
        QCOMPARE(EditingAids::caretStatus(ed), QString(" line: 2  col: 6"));
    }

    void blockIndent_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("outdent");
        QTest::addColumn<QString>("after");
        QTest::newRow("indent mixed lines") << "x\r\n|one\r\n\ttwo\r\n  three^\r\ny" << false
                                            << "x\r\n^\tone\r\n\t\ttwo\r\n\t  three|\r\ny";
        QTest::newRow("outdent removes one leading tab where there is one")
            << "|\t\tone\r\ntwo\r\n  \tthree\r\n\tfour^" << true
            << "^\tone\r\ntwo\r\n  \tthree\r\nfour|";
        QTest::newRow("a selection ending with a line break leaves the next line alone")
            << "|a\nb\n^c" << false << "^\ta\n\tb\n|c";
        QTest::newRow("a selection inside a line indents from its start")
            << "ab|cd^ef" << false << "ab^\tcd|ef";
        QTest::newRow("a backwards selection") << "^a\nb|" << false << "^\ta\n\tb|";
        QTest::newRow("empty lines inside the block get a tab")
            << "|a\n\nb^" << false << "^\ta\n\t\n\tb|";
        QTest::newRow("outdent of an empty line") << "|a\n\n\tb^" << true << "^a\n\nb|";
        QTest::newRow("CR and CR LF line ends")
            << "|a\rb\r\n\r\nc^" << false << "^\ta\r\tb\r\n\t\r\n\tc|";
        QTest::newRow("a lone line break is one empty line") << "|\n^x" << false << "^\t\n|x";
    }
    void blockIndent()
    {
        QFETCH(QString, before);
        QFETCH(bool, outdent);
        QFETCH(QString, after);
        MemoryEditor doc;
        SelectionMarkup::set(doc, before);
        const QString original = doc.text();
        doc.setModified(false);
        QVERIFY(EditingAids::blockIndent(doc, outdent));
        QCOMPARE(SelectionMarkup::get(doc), after);
        QVERIFY(doc.isModified());
        doc.undo();
        QCOMPARE(doc.text(), original);
    }

    void outdentWithNothingToTakeLeavesTheDocumentUnmodified()
    {
        MemoryEditor doc;
        SelectionMarkup::set(doc, "|a\n b^");
        doc.setModified(false);
        QVERIFY(EditingAids::blockIndent(doc, true));
        QCOMPARE(SelectionMarkup::get(doc), QString("|a\n b^"));
        QVERIFY(!doc.isModified());
    }

    void blockIndentWithoutSelectionDoesNothing()
    {
        MemoryEditor doc;
        SelectionMarkup::set(doc, "a|b");
        QVERIFY(!EditingAids::blockIndent(doc, false));
        QCOMPARE(SelectionMarkup::get(doc), QString("a|b"));
    }

    void enterIndents_data()
    {
        QTest::addColumn<bool>("autoIndent");
        QTest::addColumn<bool>("shiftAlone");
        QTest::addColumn<bool>("indents");
        QTest::newRow("on") << true << false << true;
        QTest::newRow("on with Shift") << true << true << false;
        QTest::newRow("off") << false << false << false;
        QTest::newRow("off with Shift") << false << true << true;
    }
    void enterIndents()
    {
        QFETCH(bool, autoIndent);
        QFETCH(bool, shiftAlone);
        QFETCH(bool, indents);
        QCOMPARE(EditingAids::indentsOnEnter(autoIndent, shiftAlone), indents);
    }

    void indentAfterEnter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("two tabs") << "\t\t<TD>\r\n|"
                                  << "\t\t<TD>\r\n\t\t|";
        QTest::newRow("blanks") << "   x\n|y"
                                << "   x\n   |y";
        QTest::newRow("tabs then blanks take the tabs only") << "\t  x\n|"
                                                             << "\t  x\n\t|";
        QTest::newRow("blanks then tabs take the blanks only") << " \tx\n|"
                                                               << " \tx\n |";
        QTest::newRow("empty line above") << "\tx\n\n|"
                                          << "\tx\n\n|";
        QTest::newRow("unindented line above") << "x\n|"
                                               << "x\n|";
        QTest::newRow("first line") << "|x"
                                    << "|x";
        QTest::newRow("a line of blanks only") << "    \n|"
                                               << "    \n    |";
    }
    void indentAfterEnter()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        MemoryEditor doc;
        SelectionMarkup::set(doc, before);
        EditingAids::indentAfterEnter(doc);
        QCOMPARE(SelectionMarkup::get(doc), after);
    }

    // Views of 20 lines starting at line 100 unless a row says otherwise.
    void topLineWithContext_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("expected");
        QTest::newRow("far below: to the middle") << 1499 << 100 << 20 << 1490;
        QTest::newRow("far above: to the middle") << 10 << 100 << 20 << 1;
        QTest::newRow("on the last row") << 119 << 100 << 20 << 110;
        QTest::newRow("on the fourth row from the bottom stays") << 116 << 100 << 20 << 100;
        QTest::newRow("on the third row from the bottom") << 117 << 100 << 20 << 108;
        QTest::newRow("on the fourth row stays") << 103 << 100 << 20 << 100;
        QTest::newRow("on the third row") << 102 << 100 << 20 << 93;
        QTest::newRow("near the start the view starts at the top") << 2 << 100 << 20 << 0;
        QTest::newRow("the first line in a view at the top stays") << 0 << 0 << 20 << 0;
        QTest::newRow("a view of five lines centres") << 50 << 0 << 5 << 48;
        QTest::newRow("a view of one line shows the line") << 50 << 0 << 1 << 50;
        QTest::newRow("a view of no lines shows the line") << 50 << 0 << 0 << 50;
    }
    void topLineWithContext()
    {
        QFETCH(int, line);
        QFETCH(int, top);
        QFETCH(int, lines);
        QFETCH(int, expected);
        QCOMPARE(EditingAids::topLineWithContext(line, top, lines, 3), expected);
    }
};

QTEST_APPLESS_MAIN(TestEditingAids)
#include "tst_editingaids.moc"
