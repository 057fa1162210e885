#include "editor/documentmemo.h"
#include "editor/scintillaeditor.h"
#include "editor/textchanges.h"

#include <QAccessible>
#include <QtTest>

using Sci = QsciScintillaBase;

// Every change to an editor widget's text reaches the listeners once, in order, after the text
// holds it, with the lines it added or removed, and without the widget's own per-change
// notices, which count the whole text before the change.
class TestTextChanges : public QObject
{
    Q_OBJECT

    struct Seen
    {
        bool inserted;
        qint64 position;
        QByteArray bytes; // inserted bytes, read from the widget when reported
        qint64 linesAdded;
        qint64 lengthThen;
    };

    static std::vector<Seen> *s_textEvents;

    static void listen(QsciScintillaBase &widget, std::vector<Seen> &seen)
    {
        QObject::connect(&TextChanges::of(&widget), &TextChanges::changed, &widget,
                         [&widget, &seen](const TextChange &c) {
                             QByteArray bytes;
                             if (c.inserted)
                                 bytes =
                                     QByteArray(reinterpret_cast<const char *>(widget.SendScintilla(
                                                    Sci::SCI_GETRANGEPOINTER, ulong(c.position),
                                                    long(c.length))),
                                                c.length);
                             seen.push_back({c.inserted, c.position, bytes, c.linesAdded,
                                             widget.SendScintilla(Sci::SCI_GETLENGTH)});
                         });
    }

private Q_SLOTS:
    void typingEditingAndUndoAreReportedInOrderAfterTheFact()
    {
        DocumentMemo memo;
        memo.setUtf8(true);
        std::vector<Seen> seen;
        listen(memo, seen);
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        memo.setFocus();

        QTest::keyClick(&memo, Qt::Key_A);
        QTest::sendKeyEvent(QTest::Click, &memo, Qt::Key_unknown, QStringLiteral("\u00e9"),
                            Qt::NoModifier);
        QTest::keyClick(&memo, Qt::Key_Return);
        QCOMPARE(memo.text(), QStringLiteral("a\u00e9\n"));
        // Reported as soon as each key event is handled: nothing waits for the event loop.
        QCOMPARE(seen.size(), 3u);
        QCOMPARE(seen[0].bytes, QByteArray("a"));
        QCOMPARE(seen[1].bytes, QByteArray("\xc3\xa9"));
        QCOMPARE(seen[1].position, 1);
        QCOMPARE(seen[2].linesAdded, 1);
        QCOMPARE(seen[2].lengthThen, 4);

        // A selection over a line break replaced by one letter: the deletion, then the
        // insertion, each seen in the text as it stood after it.
        seen.clear();
        memo.SendScintilla(Sci::SCI_SETSEL, 1, 4); // "é\n"
        QTest::keyClick(&memo, Qt::Key_X);
        QCOMPARE(seen.size(), 2u);
        QVERIFY(!seen[0].inserted);
        QCOMPARE(seen[0].linesAdded, -1);
        QCOMPARE(seen[0].lengthThen, 1);
        QVERIFY(seen[1].inserted);
        QCOMPARE(seen[1].bytes, QByteArray("x"));
        QCOMPARE(seen[1].lengthThen, 2);

        seen.clear();
        QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo.text(), QStringLiteral("a\u00e9\n"));
        QCOMPARE(seen.size(), 2u);
        QVERIFY(!seen[0].inserted);
        QVERIFY(seen[1].inserted);
        QCOMPARE(seen[1].linesAdded, 1);
        QCOMPARE(seen[1].bytes, QByteArray("\xc3\xa9\n"));
    }

    void changesMadeOutsideAnyEventArriveBeforeTheNextOne()
    {
        QsciScintilla plain;
        std::vector<Seen> seen;
        listen(plain, seen);
        plain.SendScintilla(Sci::SCI_APPENDTEXT, 3UL, "abc");
        plain.SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "x\ny");
        // The first is complete once the second begins; the last waits for the event loop.
        QCOMPARE(seen.size(), 1u);
        QCOMPARE(seen[0].bytes, QByteArray("abc"));
        QCoreApplication::processEvents();
        QCOMPARE(seen.size(), 2u);
        QCOMPARE(seen[1].bytes, QByteArray("x\ny"));
        QCOMPARE(seen[1].linesAdded, 1);
        // An owner that needs its listeners up to date asks.
        plain.SendScintilla(Sci::SCI_DELETERANGE, 0UL, 2L);
        TextChanges::of(&plain).flush();
        QCOMPARE(seen.size(), 3u);
        QCOMPARE(seen[2].linesAdded, -1);
    }

    void aWidgetDeletedRightAfterAnEditGoesQuietly()
    {
        // The last change is still in hand when the widget goes; its viewport's last event
        // must not ask the departed text for its line count.
        for (bool shown : {false, true}) {
            auto *plain = new QsciScintilla;
            if (shown)
                plain->show();
            std::vector<Seen> seen;
            listen(*plain, seen);
            plain->SendScintilla(Sci::SCI_APPENDTEXT, 3UL, "abc");
            delete plain;
            QCoreApplication::processEvents();
            QVERIFY(seen.empty());
        }
    }

    void anEditThroughTheEditorIsOneNoticeHeardAtOnce()
    {
        DocumentMemo memo;
        ScintillaEditor editor(&memo);
        int heard = 0;
        editor.addChangeListener([&] { ++heard; });
        editor.setText(QStringLiteral("one\ntwo"));
        QCOMPARE(heard, 1);
        editor.setSelection(0, 7);
        editor.replaceSelection(QStringLiteral("three")); // a deletion and an insertion
        QCOMPARE(heard, 2);
        QVERIFY(editor.isModified());
    }

    void theWidgetCountsNothingForTheScreenReaderThatIsNotThere()
    {
        QVERIFY(!QAccessible::isActive());
        std::vector<Seen> textEvents;
        s_textEvents = &textEvents;
        const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::TextInserted ||
                event->type() == QAccessible::TextRemoved)
                s_textEvents->push_back({});
        });
        {
            DocumentMemo memo;
            memo.setText(QStringLiteral("some text"));
            memo.SendScintilla(Sci::SCI_DOCUMENTEND);
            QTest::keyClicks(&memo, "ab");
            QTest::keyClick(&memo, Qt::Key_Backspace);
            QCOMPARE(memo.text(), QStringLiteral("some texta"));
        }
        QAccessible::installUpdateHandler(previous);
        QCOMPARE(textEvents.size(), 0u);
    }
};

std::vector<TestTextChanges::Seen> *TestTextChanges::s_textEvents = nullptr;

QTEST_MAIN(TestTextChanges)
#include "tst_textchanges.moc"
