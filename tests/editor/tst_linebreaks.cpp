#include "editor/linebreaks.h"
#include "editor/memoryeditor.h"

#include <QtTest>

class TestLineBreaks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineBreak");
        QTest::addColumn<QString>("converted");
        QTest::newRow("mixed to LF") << "a\r\nb\rc\nd"
                                     << "\n"
                                     << "a\nb\nc\nd";
        QTest::newRow("mixed to CR LF") << "a\r\nb\rc\nd\r\n"
                                        << "\r\n"
                                        << "a\r\nb\r\nc\r\nd\r\n";
        QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                             << "\r\n"
                                             << "a\r\n\r\nb";
        QTest::newRow("CR LF to CR") << "\r\n\r\n"
                                     << "\r"
                                     << "\r\r";
        QTest::newRow("no break") << "abc"
                                  << "\r\n"
                                  << "abc";
        QTest::newRow("empty") << ""
                               << "\n"
                               << "";
    }
    void convert()
    {
        QFETCH(QString, text);
        QFETCH(QString, lineBreak);
        QFETCH(QString, converted);
        QCOMPARE(LineBreaks::convert(text, lineBreak), converted);
        QCOMPARE(LineBreaks::convert(text.toLatin1(), lineBreak.toLatin1()), converted.toLatin1());
    }

    // Converting a page is one undo step that keeps the caret's line and column; a page that
    // already has the line break alone is left alone.
    void convertDocument()
    {
        MemoryEditor doc;
        doc.setText(QStringLiteral("ab\ncd\r\nef\rgh"));
        doc.setCaretLineColumn(2, 1);
        QVERIFY(LineBreaks::convertDocument(doc, QStringLiteral("\r\n")));
        QCOMPARE(doc.text(), QStringLiteral("ab\r\ncd\r\nef\r\ngh"));
        QCOMPARE(doc.lineBreak(), QStringLiteral("\r\n"));
        QCOMPARE(doc.caretLine(), 2);
        QCOMPARE(doc.caretColumn(), 1);
        QVERIFY(!LineBreaks::convertDocument(doc, QStringLiteral("\r\n")));
        doc.undo();
        QCOMPARE(doc.text(), QStringLiteral("ab\ncd\r\nef\rgh"));

        // A page without line breaks only changes the break it will use.
        MemoryEditor single;
        single.setText(QStringLiteral("x"));
        QVERIFY(LineBreaks::convertDocument(single, QStringLiteral("\r")));
        QCOMPARE(single.lineBreak(), QStringLiteral("\r"));
        QCOMPARE(single.text(), QStringLiteral("x"));
    }
};

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
