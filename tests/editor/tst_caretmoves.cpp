#include "editor/caretmoves.h"
#include "editor/memoryeditor.h"

#include <QtTest>

// Caret moves and small edits, on the in-memory editor. Texts mark the caret with "|" and
// the other end of a selection with "^".
class TestCaretMoves : public QObject
{
    Q_OBJECT

private:
    static void load(MemoryEditor &ed, QString marked)
    {
        const int caret = int(marked.indexOf(u'|'));
        marked.remove(caret, 1);
        int anchor = int(marked.indexOf(u'^'));
        if (anchor >= 0)
            marked.remove(anchor, 1);
        const int c = anchor >= 0 && anchor < caret ? caret - 1 : caret;
        if (anchor < 0)
            anchor = c;
        ed.setText(marked);
        ed.setSelection(c, anchor - c);
    }
    static QString show(const MemoryEditor &ed)
    {
        QString text = ed.text();
        const int caret = ed.caret(), anchor = caret + ed.selLength();
        if (anchor != caret) {
            text.insert(std::max(caret, anchor), anchor > caret ? u'^' : u'|');
            text.insert(std::min(caret, anchor), anchor > caret ? u'|' : u'^');
        } else {
            text.insert(caret, u'|');
        }
        return text;
    }

private Q_SLOTS:
    void moves_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("argument");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("listcode breaks a line at the caret") << "listcode" << 0 << "ab|cd"
                                                             << "ab\r\n|cd";
        QTest::newRow("listcode at a line start does nothing") << "listcode" << 0 << "ab\r\n|cd"
                                                               << "ab\r\n|cd";
        QTest::newRow("listcode after a selection") << "listcode" << 0 << "a|bc^d"
                                                    << "abc\r\n|d";
        QTest::newRow("listcode after a backward selection") << "listcode" << 0 << "a^bc|d"
                                                             << "abc\r\n|d";
        QTest::newRow("killspace deletes one character") << "killspace" << 0 << "ab |c"
                                                         << "ab|c";
        QTest::newRow("killspace takes a CR LF whole") << "killspace" << 0 << "ab\r\n|c"
                                                       << "ab|c";
        QTest::newRow("killspace at the start") << "killspace" << 0 << "|abc"
                                                << "|abc";
        QTest::newRow("moveline to the end") << "moveline" << 0 << "a|bc\r\nd"
                                             << "abc|\r\nd";
        QTest::newRow("moveline 5 back from the end") << "moveline" << 5 << "|<TD></TD>\r\n"
                                                      << "<TD>|</TD>\r\n";
        QTest::newRow("moveline 5 on a short line stays in it") << "moveline" << 5 << "x\r\na|b"
                                                                << "x\r\n|ab";
        QTest::newRow("changeline") << "changeline" << 1 << "a|\nbb\ncc"
                                    << "a\n|bb\ncc";
        QTest::newRow("changeline past the end") << "changeline" << 9 << "a|\nbb"
                                                 << "a\n|bb";
    }
    void moves()
    {
        QFETCH(QString, command);
        QFETCH(int, argument);
        QFETCH(QString, before);
        QFETCH(QString, after);
        MemoryEditor ed;
        ed.setLineBreak(QStringLiteral("\r\n")); // a page whose lines end in CR LF
        load(ed, before);
        const QString text = ed.text();
        if (command == "listcode")
            CaretMoves::listcode(ed);
        else if (command == "killspace")
            CaretMoves::killspace(ed);
        else if (command == "moveline")
            CaretMoves::moveline(ed, argument);
        else
            CaretMoves::changeline(ed, argument);
        QCOMPARE(show(ed), after);
        if (ed.text() != text) {
            ed.undo(); // one undo step
            QCOMPARE(ed.text(), text);
        }
    }

    void listcodeBreaksWithThePagesOwnLineBreak()
    {
        for (const QString &lineBreak : {QStringLiteral("\n"), QStringLiteral("\r")}) {
            MemoryEditor ed;
            ed.setLineBreak(lineBreak);
            load(ed, QStringLiteral("a|bc^d"));
            CaretMoves::listcode(ed);
            QCOMPARE(show(ed), QStringLiteral("abc") + lineBreak + QStringLiteral("|d"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCaretMoves)
#include "tst_caretmoves.moc"
