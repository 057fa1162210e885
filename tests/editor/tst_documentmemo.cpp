#include "editor/documentmemo.h"

#include <QAccessible>
#include <QInputMethodQueryEvent>
#include <QtTest>

// What the document editor tells input methods and the accessibility layer: the caret's line
// only, and no text interface while no screen reader listens.
class TestDocumentMemo : public QObject
{
    Q_OBJECT

private:
    static QVariant ask(DocumentMemo &memo, Qt::InputMethodQuery query)
    {
        // The way the toolkit asks: an event to the focus widget.
        QInputMethodQueryEvent event(query);
        QCoreApplication::sendEvent(&memo, &event);
        return event.value(query);
    }

private Q_SLOTS:
    void inputMethodsSeeTheCaretLine()
    {
        DocumentMemo memo;
        memo.setUtf8(true);
        memo.setText(QStringLiteral("<p>first</p>\n<p>caf\u00e9 \U0001F600 ok</p>\r\nlast"));
        // After the emoji (two UTF-16 units) on the second line.
        const long lineStart = memo.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, 1);
        const long caret = lineStart + QByteArray("<p>caf\xc3\xa9 \xf0\x9f\x98\x80").size();
        memo.SendScintilla(QsciScintilla::SCI_SETSEL, 2, caret); // anchor on the first line
        QCOMPARE(ask(memo, Qt::ImSurroundingText).toString(),
                 QStringLiteral("<p>caf\u00e9 \U0001F600 ok</p>"));
        QCOMPARE(ask(memo, Qt::ImCursorPosition).toInt(), 10);
        QCOMPARE(ask(memo, Qt::ImAnchorPosition).toInt(), 0);
        memo.SendScintilla(QsciScintilla::SCI_SETSEL, caret + 100, caret);
        QCOMPARE(ask(memo, Qt::ImAnchorPosition).toInt(), 17);
        // Everything else is the widget's own answer.
        QVERIFY(ask(memo, Qt::ImEnabled).toBool());
    }

    void noTextInterfaceWithoutAReader()
    {
        QVERIFY(!QAccessible::isActive());
        DocumentMemo memo;
        memo.setText(QStringLiteral("text"));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&memo);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::EditableText);
        QVERIFY(!face->textInterface());
        // Typing and moving the caret stay quick and correct.
        memo.SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
        QTest::keyClicks(&memo, "ab");
        QCOMPARE(memo.text(), QStringLiteral("textab"));
    }
};

QTEST_MAIN(TestDocumentMemo)
#include "tst_documentmemo.moc"
