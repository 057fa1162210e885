#include "editor/linebreaks.h"

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
};

QTEST_GUILESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
