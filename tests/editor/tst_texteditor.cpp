#include "editor/cp1252.h"
#include "editor/memoryeditor.h"
#include "editor/scintillaeditor.h"

#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include <climits>
#include <memory>

enum class Kind { Memory, Scintilla };
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(ScintillaEditor::Encoding)

namespace {

// One editor under test. The adapter is declared last so it goes before its widget.
struct Subject
{
    explicit Subject(Kind kind)
    {
        if (kind == Kind::Scintilla) {
            widget = std::make_unique<QsciScintilla>();
            widget->resize(400, 300);
            editor = std::make_unique<ScintillaEditor>(widget.get());
        } else {
            editor = std::make_unique<MemoryEditor>();
        }
    }
    std::unique_ptr<QsciScintilla> widget;
    std::unique_ptr<TextEditor> editor;
};

const char *kindName(Kind kind)
{
    return kind == Kind::Memory ? "memory" : "scintilla";
}

// Adds the row to the current table once per editor, so every sequence runs against both.
template <typename... Values> void addRows(const char *behaviour, const Values &...values)
{
    for (const Kind kind : {Kind::Memory, Kind::Scintilla})
        ((QTest::addRow("%s: %s", kindName(kind), behaviour) << kind) << ... << values);
}

void bothEditors()
{
    QTest::addColumn<Kind>("kind");
    for (const Kind kind : {Kind::Memory, Kind::Scintilla})
        QTest::newRow(kindName(kind)) << kind;
}

QString withNul(const char *utf8, int size)
{
    return QString::fromUtf8(utf8, size);
}

// Types as a keyboard does, a character at a time; QTest::keyClicks knows Latin-1 only.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QByteArray allBytes()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    return all;
}

} // namespace

class TestTextEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // --- Text and lines ---

    void linesAndOffsets_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("starts");
        addRows("crlf", QStringLiteral("ab\r\ncd"), QStringList{"ab", "cd"}, QList<int>{0, 4});
        addRows("lf", QStringLiteral("ab\ncd"), QStringList{"ab", "cd"}, QList<int>{0, 3});
        addRows("cr", QStringLiteral("ab\rcd"), QStringList{"ab", "cd"}, QList<int>{0, 3});
        addRows("mixed breaks", QStringLiteral("a\r\nb\nc\rd"), QStringList{"a", "b", "c", "d"},
                QList<int>{0, 3, 5, 7});
        addRows("cr before crlf is two breaks", QStringLiteral("a\r\r\nb"),
                QStringList{"a", "", "b"}, QList<int>{0, 2, 4});
        addRows("lf before cr is two breaks", QStringLiteral("a\n\rb"), QStringList{"a", "", "b"},
                QList<int>{0, 2, 3});
        addRows("final break gives an empty last line", QStringLiteral("x\r\n"),
                QStringList{"x", ""}, QList<int>{0, 3});
        addRows("only breaks", QStringLiteral("\n\n"), QStringList{"", "", ""},
                QList<int>{0, 1, 2});
        addRows("empty text", QString(), QStringList{""}, QList<int>{0});
        addRows("non-ascii, emoji two offsets", QStringLiteral("é€\n日本😀\r\nz"),
                QStringList{"é€", "日本😀", "z"}, QList<int>{0, 3, 9});
        addRows("nul character", withNul("a\0b\nc", 5), QStringList{withNul("a\0b", 3), "c"},
                QList<int>{0, 4});
    }
    void linesAndOffsets()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, starts);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(text);

        QCOMPARE(e.text(), text);
        QCOMPARE(e.length(), text.size());
        QCOMPARE(e.lineCount(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(e.line(i), lines[i]);
            QCOMPARE(e.lineStart(i), starts[i]);
            QCOMPARE(e.lineEnd(i), starts[i] + lines[i].size());
            QCOMPARE(e.textRange(e.lineStart(i), e.lineEnd(i)), lines[i]);
        }
        // Every offset, those inside a line break included, belongs to the line it follows.
        for (int offset = 0; offset <= text.size(); ++offset) {
            int expected = 0;
            while (expected + 1 < starts.size() && starts[expected + 1] <= offset)
                ++expected;
            QCOMPARE(e.lineOfOffset(offset), expected);
        }
        const int count = e.lineCount();
        QCOMPARE(e.lineOfOffset(-3), 0);
        QCOMPARE(e.lineOfOffset(text.size() + 3), count - 1);
        QCOMPARE(e.lineStart(-1), 0);
        QCOMPARE(e.lineStart(count), text.size());
        QCOMPARE(e.lineEnd(count), text.size());
        QCOMPARE(e.line(-1), QString());
        QCOMPARE(e.line(count), QString());
        QCOMPARE(e.textRange(-5, text.size() + 5), text);
    }

    void replaceLine_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        addRows("keeps the crlf around it", QStringLiteral("a\r\nbb\r\nc"), 1, QStringLiteral("X"),
                QStringLiteral("a\r\nX\r\nc"));
        addRows("last line without a break", QStringLiteral("a\nb"), 1, QStringLiteral("日本"),
                QStringLiteral("a\n日本"));
        addRows("empty line", QStringLiteral("a\n\nb"), 1, QStringLiteral("😀"),
                QStringLiteral("a\n😀\nb"));
        addRows("emoji line", QStringLiteral("😀x\ry"), 0, QStringLiteral("z"),
                QStringLiteral("z\ry"));
    }
    void replaceLine()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(text);
        e.replaceLine(line, replacement);
        QCOMPARE(e.text(), expected);
        QCOMPARE(e.caret(), e.lineStart(line) + replacement.size());
    }

    // --- Caret and selection ---

    void selection_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("expectedCaret");
        QTest::addColumn<int>("expectedLength");
        QTest::addColumn<QString>("selected");
        // The text is "é€\n日本😀ab": the emoji takes offsets 5 and 6.
        addRows("forwards", 0, 2, 0, 2, QStringLiteral("é€"));
        addRows("backwards keeps the caret at the end", 5, -2, 5, -2, QStringLiteral("日本"));
        addRows("over a line break", 1, 3, 1, 3, QStringLiteral("€\n日"));
        addRows("emoji is two offsets", 5, 2, 5, 2, QStringLiteral("😀"));
        addRows("backwards over the emoji", 7, -2, 7, -2, QStringLiteral("😀"));
        addRows("caret past the end", 20, -1, 9, 0, QString());
        addRows("length past the end", 7, 10, 7, 2, QStringLiteral("ab"));
        addRows("caret before the start", -4, 6, 0, 2, QStringLiteral("é€"));
        addRows("length before the start", 2, -5, 2, -2, QStringLiteral("é€"));
        addRows("largest length selects to the end", 7, INT_MAX, 7, 2, QStringLiteral("ab"));
        addRows("smallest length selects to the start", 2, INT_MIN, 2, -2, QStringLiteral("é€"));
    }
    void selection()
    {
        QFETCH(Kind, kind);
        QFETCH(int, caret);
        QFETCH(int, length);
        QFETCH(int, expectedCaret);
        QFETCH(int, expectedLength);
        QFETCH(QString, selected);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("é€\n日本😀ab"));
        e.setSelection(caret, length);
        QCOMPARE(e.caret(), expectedCaret);
        QCOMPARE(e.selLength(), expectedLength);
        QCOMPARE(e.selectedText(), selected);
    }

    void selectAllAndCollapse_data() { bothEditors(); }
    void selectAllAndCollapse()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        const QString text = QStringLiteral("日本\r\n😀");
        e.setText(text);
        e.selectAll();
        QCOMPARE(e.caret(), 0);
        QCOMPARE(e.selLength(), text.size());
        QCOMPARE(e.selectedText(), text);
        e.setCaret(4);
        QCOMPARE(e.selLength(), 0);
        e.setSelLength(2);
        QCOMPARE(e.selectedText(), QStringLiteral("😀"));
    }

    void replaceSelection_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCaret");
        // The text is "ab日本cd".
        addRows("forward selection", 0, 2, QStringLiteral("X"), QStringLiteral("X日本cd"), 1);
        addRows("backward selection", 4, -2, QStringLiteral("€€€"), QStringLiteral("ab€€€cd"), 5);
        addRows("nothing selected inserts at the caret", 2, 0, QStringLiteral("😀"),
                QStringLiteral("ab😀日本cd"), 4);
        addRows("empty text deletes", 1, 3, QString(), QStringLiteral("acd"), 1);
        addRows("line break at the end", 6, 0, QStringLiteral("\r\n"),
                QStringLiteral("ab日本cd\r\n"), 8);
        addRows("nul character", 2, 0, withNul("x\0y", 3),
                withNul("abx\0y", 5) + QStringLiteral("日本cd"), 5);
    }
    void replaceSelection()
    {
        QFETCH(Kind, kind);
        QFETCH(int, caret);
        QFETCH(int, length);
        QFETCH(QString, insert);
        QFETCH(QString, expected);
        QFETCH(int, expectedCaret);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("ab日本cd"));
        e.setSelection(caret, length);
        e.replaceSelection(insert);
        QCOMPARE(e.text(), expected);
        QCOMPARE(e.caret(), expectedCaret);
        QCOMPARE(e.selLength(), 0);
    }

    void caretLineColumn_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("expectedCaret");
        QTest::addColumn<int>("expectedLine");
        QTest::addColumn<int>("expectedColumn");
        // The text is "ab\r\n日本😀\ncdef".
        addRows("inside a line", 2, 1, 10, 2, 1);
        addRows("past the end stops before the crlf", 0, 10, 2, 0, 2);
        addRows("past the end of a line with an emoji", 1, 99, 8, 1, 4);
        addRows("line past the last", 7, 1, 10, 2, 1);
        addRows("negative column", 1, -3, 4, 1, 0);
        addRows("end of the text", 2, 4, 13, 2, 4);
    }
    void caretLineColumn()
    {
        QFETCH(Kind, kind);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, expectedCaret);
        QFETCH(int, expectedLine);
        QFETCH(int, expectedColumn);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("ab\r\n日本😀\ncdef"));
        e.setCaretLineColumn(line, column);
        QCOMPARE(e.caret(), expectedCaret);
        QCOMPARE(e.selLength(), 0);
        QCOMPARE(e.caretLine(), expectedLine);
        QCOMPARE(e.caretColumn(), expectedColumn);
    }

    // --- Search ---

    void search_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("expectedCaret");
        QTest::addColumn<int>("expectedLength");
        const QString abcabc = QStringLiteral("abcabc");
        const QString abc = QStringLiteral("abc");
        const bool fwd = false, back = true, exact = true, loose = false, whole = true,
                   part = false, yes = true, no = false;

        // Direction and start.
        addRows("forward finds a hit at the caret", abcabc, 0, 0, abc, fwd, exact, part, yes, 3,
                -3);
        addRows("forward skips a hit before the caret", abcabc, 1, 0, abc, fwd, exact, part, yes, 6,
                -3);
        addRows("forward does not wrap around", abcabc, 4, 0, abc, fwd, exact, part, no, 4, 0);
        addRows("backward takes the last hit before the caret", abcabc, 6, 0, abc, back, exact,
                part, yes, 3, 3);
        addRows("backward skips a hit at the caret", abcabc, 3, 0, abc, back, exact, part, yes, 0,
                3);
        addRows("backward finds a hit over the caret", abcabc, 4, 0, abc, back, exact, part, yes, 3,
                3);
        addRows("backward does not wrap around", abcabc, 0, 0, abc, back, exact, part, no, 0, 0);
        addRows("backward single character at a line end", QStringLiteral("ab\nc"), 2, 0,
                QStringLiteral("b"), back, exact, part, yes, 1, 1);
        addRows("forward on a later line", QStringLiteral("xy\nab\r\nzab"), 0, 0,
                QStringLiteral("ab"), fwd, exact, part, yes, 5, -2);
        addRows("backward on an earlier line", QStringLiteral("ab\nxy\nab"), 6, 0,
                QStringLiteral("ab"), back, exact, part, yes, 0, 2);

        // Never matching.
        addRows("no match across lf", QStringLiteral("ab\ncd"), 0, 0, QStringLiteral("b\nc"), fwd,
                exact, part, no, 0, 0);
        addRows("no match across crlf", QStringLiteral("ab\r\ncd"), 0, 0, QStringLiteral("b\r\nc"),
                fwd, exact, part, no, 0, 0);
        addRows("empty search", abc, 0, 0, QString(), fwd, exact, part, no, 0, 0);
        addRows("failure keeps caret and selection", QStringLiteral("abcdef"), 4, -2,
                QStringLiteral("zz"), fwd, exact, part, no, 4, -2);
        addRows("backward failure keeps caret and selection", QStringLiteral("abcdef"), 2, 3,
                QStringLiteral("zz"), back, loose, whole, no, 2, 3);

        // Letter case.
        addRows("match case off folds a to z", QStringLiteral("xABCx"), 0, 0, abc, fwd, loose, part,
                yes, 4, -3);
        addRows("match case on needs the same case", QStringLiteral("xABCx abc"), 0, 0, abc, fwd,
                exact, part, yes, 9, -3);
        addRows("match case off leaves é and É apart", QStringLiteral("É"), 0, 0,
                QStringLiteral("é"), fwd, loose, part, no, 0, 0);
        addRows("match case off still matches the same accent", QStringLiteral("CAFÉ"), 0, 0,
                QStringLiteral("cafÉ"), fwd, loose, part, yes, 4, -4);

        // Whole words.
        addRows("whole word at line start and end", QStringLiteral("abc\nabcd abc"), 1, 0, abc, fwd,
                exact, whole, yes, 12, -3);
        addRows("whole word before a crlf", QStringLiteral("x abc\r\nabcd"), 0, 0, abc, fwd, exact,
                whole, yes, 5, -3);
        addRows("whole word between separators", QStringLiteral("xabc a.abc(b)"), 0, 0, abc, fwd,
                exact, whole, yes, 10, -3);
        addRows("hyphen is not a separator", QStringLiteral("x-abc abc-y abc"), 0, 0, abc, fwd,
                exact, whole, yes, 15, -3);
        addRows("whole word backward", QStringLiteral("abc xabc"), 8, 0, abc, back, exact, whole,
                yes, 0, 3);
        addRows("whole word with match case off", QStringLiteral("ABC"), 0, 0, abc, fwd, loose,
                whole, yes, 3, -3);

        // Offsets after non-ASCII text.
        addRows("hit after cjk and emoji", QStringLiteral("日本😀abc"), 0, 0, abc, fwd, exact, part,
                yes, 7, -3);
        addRows("backward to an emoji", QStringLiteral("a😀b😀"), 6, 0, QStringLiteral("😀"), back,
                exact, part, yes, 4, 2);
    }
    void search()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, length);
        QFETCH(QString, what);
        QFETCH(bool, backward);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(bool, found);
        QFETCH(int, expectedCaret);
        QFETCH(int, expectedLength);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(text);
        e.setSelection(caret, length);
        const auto direction = backward ? SearchDirection::Backward : SearchDirection::Forward;
        QCOMPARE(e.find(what, direction, matchCase, wholeWord), found);
        QCOMPARE(e.caret(), expectedCaret);
        QCOMPARE(e.selLength(), expectedLength);
    }

    void repeatedSearchesStepThroughAllHits_data() { bothEditors(); }
    void repeatedSearchesStepThroughAllHits()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("abc abc\r\nabc"));
        const QString abc = QStringLiteral("abc");
        for (const int end : {3, 7, 12}) {
            QVERIFY(e.find(abc, SearchDirection::Forward, true, false));
            QCOMPARE(e.caret(), end);
            QCOMPARE(e.selectedText(), abc);
        }
        QVERIFY(!e.find(abc, SearchDirection::Forward, true, false));
        QCOMPARE(e.caret(), 12);
        QCOMPARE(e.selLength(), -3);
        for (const int start : {9, 4, 0}) {
            QVERIFY(e.find(abc, SearchDirection::Backward, true, false));
            QCOMPARE(e.caret(), start);
            QCOMPARE(e.selLength(), 3);
        }
        QVERIFY(!e.find(abc, SearchDirection::Backward, true, false));
        QCOMPARE(e.caret(), 0);
        QCOMPARE(e.selLength(), 3);
    }

    // --- Undo, modified flag and change notifications ---

    void undoGroupIsOneStep_data() { bothEditors(); }
    void undoGroupIsOneStep()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("one twö three"));
        e.setSelection(4, 3);
        {
            UndoGroup outer(e);
            e.replaceSelection(QStringLiteral("2"));
            e.setCaret(0);
            {
                UndoGroup inner(e);
                e.replaceSelection(QStringLiteral("😀"));
            }
            e.setCaret(e.length());
            e.replaceSelection(QStringLiteral("!"));
        }
        QCOMPARE(e.text(), QStringLiteral("😀one 2 three!"));
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("one twö three"));
        QCOMPARE(e.caret(), 4);
        QCOMPARE(e.selLength(), 3);
        QVERIFY(e.canUndo()); // setText is a step of its own
        e.undo();
        QCOMPARE(e.text(), QString());
        QVERIFY(!e.canUndo());
    }

    void editsOutsideAGroupUndoOneByOne_data() { bothEditors(); }
    void editsOutsideAGroupUndoOneByOne()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("ab"));
        e.setCaret(2);
        // Adjacent insertions, which Scintilla would merge into one step by itself.
        e.replaceSelection(QStringLiteral("c"));
        e.replaceSelection(QStringLiteral("d"));
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("abc"));
        QCOMPARE(e.caret(), 3);
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("ab"));
        QCOMPARE(e.caret(), 2);
        e.undo();
        QCOMPARE(e.text(), QString());
        QCOMPARE(e.caret(), 0);
    }

    void editAfterUndoInsideAGroupIsANewStep_data() { bothEditors(); }
    void editAfterUndoInsideAGroupIsANewStep()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("x"));
        e.setCaret(1);
        {
            UndoGroup group(e);
            e.replaceSelection(QStringLiteral("a"));
            e.undo();
            e.replaceSelection(QStringLiteral("b"));
        }
        QCOMPARE(e.text(), QStringLiteral("xb"));
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("x"));
    }

    void undoRestoresBackwardSelection_data() { bothEditors(); }
    void undoRestoresBackwardSelection()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        e.setText(QStringLiteral("日本😀 text"));
        e.setSelection(4, -2);
        e.replaceSelection(QStringLiteral("x"));
        QCOMPARE(e.text(), QStringLiteral("日本x text"));
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("日本😀 text"));
        QCOMPARE(e.caret(), 4);
        QCOMPARE(e.selLength(), -2);
    }

    void noEditMakesNoUndoStep_data() { bothEditors(); }
    void noEditMakesNoUndoStep()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        QVERIFY(!e.canUndo());
        {
            UndoGroup group(e);
            e.setCaret(0);
        }
        e.replaceSelection(QString());
        e.setText(QString());
        QVERIFY(!e.canUndo());
        QVERIFY(!e.isModified());
    }

    void modifiedFlag_data() { bothEditors(); }
    void modifiedFlag()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        QVERIFY(!e.isModified());
        e.setText(QStringLiteral("abc"));
        QVERIFY(e.isModified());
        e.setModified(false);
        e.setSelection(0, 2);
        QVERIFY(!e.isModified()); // moving the caret is no edit
        e.replaceSelection(QStringLiteral("x"));
        QVERIFY(e.isModified());
        e.setModified(false);
        e.undo(); // back to the saved text, but still a change
        QCOMPARE(e.text(), QStringLiteral("abc"));
        QVERIFY(e.isModified());
        e.setModified(false);
        e.setModified(true);
        QVERIFY(e.isModified());
    }

    void changeNotifications_data() { bothEditors(); }
    void changeNotifications()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        int count = 0;
        QString seen;
        e.addChangeListener([&] {
            ++count;
            seen = e.text();
        });
        e.setText(QStringLiteral("abc"));
        QCOMPARE(count, 1);
        QCOMPARE(seen, QStringLiteral("abc")); // listeners see the finished text
        e.setSelection(0, 3);
        e.setModified(false);
        e.find(QStringLiteral("b"), SearchDirection::Forward, false, false);
        QCOMPARE(count, 1);
        e.selectAll();
        e.replaceSelection(QStringLiteral("xy"));
        QCOMPARE(count, 2);
        QCOMPARE(seen, QStringLiteral("xy"));
        e.replaceSelection(QString());
        QCOMPARE(count, 2);
        {
            UndoGroup group(e);
            e.replaceSelection(QStringLiteral("1"));
            e.replaceSelection(QStringLiteral("2"));
        }
        QCOMPARE(count, 4);
        e.undo();
        QCOMPARE(count, 5);
        QCOMPARE(seen, QStringLiteral("xy"));
    }

    // --- View ---

    void viewSettings_data() { bothEditors(); }
    void viewSettings()
    {
        QFETCH(Kind, kind);
        Subject s(kind);
        TextEditor &e = *s.editor;
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("line %1").arg(i);
        e.setText(lines.join(u'\n'));
        e.setFirstVisibleLine(120);
        QCOMPARE(e.firstVisibleLine(), 120);
        e.setFirstVisibleLine(-5);
        QCOMPARE(e.firstVisibleLine(), 0);
        e.setTabWidth(3);
        QCOMPARE(e.tabWidth(), 3);
        e.setWordSeparators(QStringLiteral(" ."));
        QCOMPARE(e.wordSeparators(), QStringLiteral(" ."));
    }
    // --- The document editor alone: bytes, encodings and Scintilla's own settings ---

    void bytesRoundTrip_data()
    {
        using Encoding = ScintillaEditor::Encoding;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("encoding");
        QTest::addColumn<Encoding>("shownAs");
        QTest::addColumn<QString>("text");
        QTest::newRow("every windows-1252 byte")
            << allBytes() << Encoding::Cp1252 << Encoding::Cp1252 << Cp1252::decode(allBytes());
        // The byte-order mark is kept apart from the text: no offset stands before it.
        QTest::newRow("utf-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBFh\xC3\xA9\r\n\xF0\x9F\x98\x80") << Encoding::Utf8
            << Encoding::Utf8 << QStringLiteral("hé\r\n😀");
        QTest::newRow("nul bytes in utf-8") << QByteArray("a\0b\n\0", 5) << Encoding::Utf8
                                            << Encoding::Utf8 << withNul("a\0b\n\0", 5);
        QTest::newRow("invalid utf-8 is shown as windows-1252")
            << QByteArray("caf\xE9\r\nx") << Encoding::Utf8 << Encoding::Cp1252
            << QStringLiteral("café\r\nx");
        QTest::newRow("windows-1252 mixed breaks, no final break")
            << QByteArray("a\rb\r\n\x93q\x94\nd\x80") << Encoding::Cp1252 << Encoding::Cp1252
            << QStringLiteral("a\rb\r\n“q”\nd€");
    }
    void bytesRoundTrip()
    {
        using Encoding = ScintillaEditor::Encoding;
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, encoding);
        QFETCH(Encoding, shownAs);
        QFETCH(QString, text);
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        e.loadBytes(bytes, encoding);
        QCOMPARE(e.encoding(), shownAs);
        QCOMPARE(e.bytes(), bytes);
        QCOMPARE(e.text(), text);
        QVERIFY(!e.isModified());
        QVERIFY(!e.canUndo());

        // The same bytes handed over two at a time load the same, bad bytes found only after
        // some text went in among them; a source that fails leaves no text.
        QsciScintilla pieceWidget;
        ScintillaEditor pieces(&pieceWidget);
        const auto twoAtATime = [&bytes](const ScintillaEditor::PieceSink &take) {
            for (qsizetype at = 0; at < bytes.size(); at += 2)
                take(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(2, bytes.size() - at)));
            return true;
        };
        QVERIFY(pieces.loadPieces(twoAtATime, bytes.size(), encoding));
        QCOMPARE(pieces.encoding(), shownAs);
        QCOMPARE(pieces.bytes(), bytes);
        QCOMPARE(pieces.lineBreak(), e.lineBreak());
        const auto failing = [&bytes](const ScintillaEditor::PieceSink &take) {
            take(QByteArrayView(bytes).first(bytes.size() / 2));
            return false;
        };
        QVERIFY(!pieces.loadPieces(failing, bytes.size(), encoding));
        QCOMPARE(pieces.length(), 0);

        // Lines and offsets agree with the in-memory editor holding the same text.
        MemoryEditor reference;
        reference.setText(text);
        QCOMPARE(e.length(), reference.length());
        QCOMPARE(e.lineCount(), reference.lineCount());
        for (int i = 0; i < reference.lineCount(); ++i) {
            QCOMPARE(e.lineStart(i), reference.lineStart(i));
            QCOMPARE(e.lineEnd(i), reference.lineEnd(i));
            QCOMPARE(e.line(i), reference.line(i));
        }

        e.setSelection(1, 3);
        e.replaceSelection(QStringLiteral("€"));
        QVERIFY(e.bytes() != bytes);
        e.undo();
        QCOMPARE(e.bytes(), bytes);
        e.setText(QString());
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF") == e.bytes().startsWith("\xEF\xBB\xBF"));
    }

    void typingNotifiesAndSetsModified()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        e.loadBytes("x", ScintillaEditor::Encoding::Utf8);
        int count = 0;
        e.addChangeListener([&] { ++count; });
        QTest::keyClicks(&widget, QStringLiteral("ab"));
        QCOMPARE(e.text(), QStringLiteral("abx"));
        QCOMPARE(count, 2);
        QVERIFY(e.isModified());
        QCOMPARE(e.caret(), 2);
    }

    void loadingResetsUndoAndNotifies()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        e.setText(QStringLiteral("old text"));
        e.setCaret(3);
        int count = 0;
        bool modifiedWhenNotified = true;
        e.addChangeListener([&] {
            ++count;
            modifiedWhenNotified = e.isModified();
        });
        e.loadBytes("new", ScintillaEditor::Encoding::Utf8);
        QCOMPARE(count, 1);
        QVERIFY(!modifiedWhenNotified);
        QVERIFY(!e.canUndo());
        QCOMPARE(e.caret(), 0);
        QCOMPARE(e.text(), QStringLiteral("new"));
    }

    // A Windows-1252 page takes what the code page holds as its bytes, from the program and
    // from keys alike. Anything else is asked about first and stays out on No; Yes writes
    // the page as UTF-8 from then on.
    void windows1252PageTakesOnlyWhatItCanHold()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        QList<QStringList> asked;
        bool answer = false;
        e.setUnstorableHandler([&](const QStringList &characters) {
            asked << characters;
            return answer;
        });
        int formatChanges = 0;
        e.setFormatListener([&] { ++formatChanges; });
        e.loadBytes("ab", ScintillaEditor::Encoding::Cp1252);
        e.setCaret(1);
        e.replaceSelection(QStringLiteral("€—"));
        typeText(&widget, QStringLiteral("“”"));
        QCOMPARE(e.bytes(), QByteArray("a\x80\x97\x93\x94"
                                       "b"));
        QCOMPARE(e.caret(), 5);
        QVERIFY(asked.isEmpty());

        e.setSelection(1, 2);
        e.replaceSelection(QStringLiteral("日本日"));
        typeText(&widget, QStringLiteral("ā"));
        QCOMPARE(asked, (QList<QStringList>{{QStringLiteral("日"), QStringLiteral("本")},
                                            {QStringLiteral("ā")}}));
        QCOMPARE(e.bytes(), QByteArray("a\x80\x97\x93\x94"
                                       "b"));
        QCOMPARE(e.selectedText(), QStringLiteral("€—")); // the selection is still there
        QCOMPARE(e.encoding(), ScintillaEditor::Encoding::Cp1252);

        answer = true;
        const int before = formatChanges;
        e.replaceSelection(QStringLiteral("日"));
        QCOMPARE(e.encoding(), ScintillaEditor::Encoding::Utf8);
        QCOMPARE(formatChanges, before + 1);
        QVERIFY(e.isModified());
        QCOMPARE(e.bytes(), QStringLiteral("a日“”b").toUtf8());
        e.undo();
        QCOMPARE(e.text(), QStringLiteral("a€—“”b"));
    }

    // What Scintilla inserts of its own accord (a pasted X11 selection, a case change) is
    // asked about once the event is over: No takes it out again, Yes keeps it as UTF-8.
    void windows1252PageAsksAboutScintillasOwnInsertions()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        QList<QStringList> asked;
        bool answer = false;
        e.setUnstorableHandler([&](const QStringList &characters) {
            asked << characters;
            return answer;
        });
        e.loadBytes("ab", ScintillaEditor::Encoding::Cp1252);
        widget.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 1UL, "\xE6\x97\xA5");
        widget.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "\xC2\x80\xC3\xA9");
        QTRY_COMPARE(asked.size(), 1);
        QCOMPARE(asked[0], (QStringList{QStringLiteral("日"), QString(QChar(0x80))}));
        QCOMPARE(e.bytes(), QByteArray("ab"));

        answer = true;
        widget.SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 1UL, "\xE6\x97\xA5");
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(e.encoding(), ScintillaEditor::Encoding::Utf8);
        QCOMPARE(e.bytes(), QStringLiteral("a日b").toUtf8());
    }

    // Bytes 0x80 to 0x9F are drawn as the characters they stand for, exactly as the same
    // characters in a UTF-8 page.
    void windows1252HighBytesAreDrawnAsTheirCharacters()
    {
        const auto draw = [](const QByteArray &bytes, ScintillaEditor::Encoding encoding) {
            QsciScintilla widget;
            widget.resize(300, 60);
            ScintillaEditor e(&widget);
            e.loadBytes(bytes, encoding);
            return widget.grab().toImage();
        };
        const QImage old = draw("\x80 \x93\x8A\x94 \x85\x99", ScintillaEditor::Encoding::Cp1252);
        QCOMPARE(old, draw(QStringLiteral("€ “Š” …™").toUtf8(), ScintillaEditor::Encoding::Utf8));
        QVERIFY(old != draw("? ???? ??", ScintillaEditor::Encoding::Utf8));
    }

    void utf16IndexSurvivesEveryOrderOfLoads()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        const QByteArray utf8 = QStringLiteral("é\n😀").toUtf8();
        e.loadBytes(utf8, ScintillaEditor::Encoding::Utf8);
        e.loadBytes(utf8 + "x", ScintillaEditor::Encoding::Utf8);
        QCOMPARE(e.length(), 5);
        QCOMPARE(e.lineStart(1), 2);
        e.loadBytes("\xE9\n", ScintillaEditor::Encoding::Cp1252);
        QCOMPARE(e.length(), 2);
        e.loadBytes(utf8, ScintillaEditor::Encoding::Utf8);
        QCOMPARE(e.length(), 4);
        e.setCaret(2);
        e.replaceSelection(QStringLiteral("日"));
        QCOMPARE(e.length(), 5);
        QCOMPARE(e.lineStart(1), 2);
    }

    void utf8OffsetsAfterAWindows1252Document()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        e.loadBytes("\xE9\xE9\xE9\n", ScintillaEditor::Encoding::Cp1252);
        e.loadBytes(QStringLiteral("日本\n😀x").toUtf8(), ScintillaEditor::Encoding::Utf8);
        QCOMPARE(e.length(), 6);
        QCOMPARE(e.lineStart(1), 3);
        e.setSelection(3, 2);
        QCOMPARE(e.selectedText(), QStringLiteral("😀"));
        QVERIFY(e.find(QStringLiteral("x"), SearchDirection::Forward, true, false));
        QCOMPARE(e.caret(), 6);
        QCOMPARE(e.selectedText(), QStringLiteral("x"));
    }

    // Scintilla's word characters drive double-click selection.
    void wordCharactersAreTheComplementOfTheSeparators()
    {
        QsciScintilla widget;
        ScintillaEditor e(&widget);
        const auto wordEnd = [&](long from) {
            return widget.SendScintilla(QsciScintillaBase::SCI_WORDENDPOSITION, from, 1L);
        };
        e.setText(QStringLiteral("a-b.c d"));
        QCOMPARE(wordEnd(0), 3L); // the hyphen belongs to the word, the full stop does not
        e.setWordSeparators(QStringLiteral(" -"));
        QCOMPARE(wordEnd(0), 1L);
        QCOMPARE(wordEnd(2), 5L);
        // Beyond ASCII, letters are word characters and punctuation is not, in every page.
        e.loadBytes("\xE9t\xE9\x85x", ScintillaEditor::Encoding::Cp1252);
        QCOMPARE(wordEnd(0), 5L); // "été" in UTF-8
    }

    void caretIsScrolledIntoView()
    {
        QsciScintilla widget;
        widget.resize(400, 300);
        ScintillaEditor e(&widget);
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("line %1").arg(i);
        e.setText(lines.join(u'\n'));
        e.setFirstVisibleLine(0);
        e.setCaret(e.lineStart(200));
        e.ensureCaretVisible();
        const int first = e.firstVisibleLine();
        const long onScreen = widget.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
        QVERIFY(first > 0 && first <= 200);
        QVERIFY(first + onScreen > 200);
    }
};

QTEST_MAIN(TestTextEditor)
#include "tst_texteditor.moc"
