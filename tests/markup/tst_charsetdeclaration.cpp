#include "markup/charsetdeclaration.h"

#include <QtTest>

// Finding the character set a page declares, in either form, only where browsers look.
class TestCharsetDeclaration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheDeclaredValue_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("value"); // empty: none found
        QTest::newRow("meta charset, quoted")
            << "<html><head><meta charset=\"windows-1252\"><title>t</title>"
            << "windows-1252";
        QTest::newRow("meta charset, bare, upper case") << "<HEAD><META CHARSET=ISO-8859-1></HEAD>"
                                                        << "ISO-8859-1";
        QTest::newRow("http-equiv form")
            << "<head>\n<meta http-equiv=\"Content-Type\"\n content=\"text/html; "
               "charset=windows-1252\">\n</head>"
            << "windows-1252";
        QTest::newRow("other meta tags first")
            << "<head><meta name=\"viewport\" content=\"width=device-width\">"
               "<meta charset='utf-8'></head>"
            << "utf-8";
        QTest::newRow("none") << "<head><title>charset=x</title></head>"
                              << "";
        QTest::newRow("only after the head ends")
            << "<head></head><body><meta charset=\"windows-1252\">"
            << "";
        QTest::newRow("not in a meta tag") << "<p>charset=windows-1252</p>"
                                           << "";
    }
    void findsTheDeclaredValue()
    {
        QFETCH(QString, page);
        QFETCH(QString, value);
        const auto found = CharsetDeclaration::find(page);
        QCOMPARE(found.has_value(), !value.isEmpty());
        if (!found)
            return;
        QCOMPARE(found->value, value);
        QCOMPARE(page.mid(found->start, found->length), value);
    }

    void utf8IsRecognisedInItsSpellings()
    {
        for (const char *page : {"<meta charset=UTF-8>", "<meta charset=\"utf8\">"})
            QVERIFY(CharsetDeclaration::find(QString::fromLatin1(page))->isUtf8());
        QVERIFY(!CharsetDeclaration::find(u"<meta charset=utf-16>")->isUtf8());
    }
};

QTEST_MAIN(TestCharsetDeclaration)
#include "tst_charsetdeclaration.moc"
