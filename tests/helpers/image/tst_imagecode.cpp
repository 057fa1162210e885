#include "helpers/image/imagecode.h"

#include <QtTest>

Q_DECLARE_METATYPE(ImageFields)

// The image helper's code as data: each option alone and together, and reading an IMG tag
// back (build, read, build gives the same text; attributes the panel does not know stay).
class TestImageCode : public QObject
{
    Q_OBJECT

    static ImageFields withFile()
    {
        ImageFields f;
        f.reference = QStringLiteral("../img/a.gif");
        f.size = QSize(32, 16);
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<ImageFields>("fields");
        QTest::addColumn<QString>("code");

        QTest::newRow("no file, defaults") << ImageFields() << "<IMG src=\"\" border=\"0\">";
        QTest::newRow("file") << withFile() << "<IMG src=\"../img/a.gif\" border=\"0\">";
        ImageFields f = withFile();
        f.align = QStringLiteral("left");
        QTest::newRow("align") << f << "<IMG src=\"../img/a.gif\" align=\"left\" border=\"0\">";
        f.align = QStringLiteral("default");
        QTest::newRow("default align") << f << "<IMG src=\"../img/a.gif\" border=\"0\">";
        f = withFile();
        f.sizeAttributes = true;
        QTest::newRow("height and width")
            << f << "<IMG src=\"../img/a.gif\" width=\"32\" height=\"16\" border=\"0\">";
        f.size = QSize();
        QTest::newRow("unreadable picture: no size")
            << f << "<IMG src=\"../img/a.gif\" border=\"0\">";
        f = withFile();
        f.hspace = QString();
        QTest::newRow("hspace") << f << "<IMG src=\"../img/a.gif\" hspace=\"\" border=\"0\">";
        f = withFile();
        f.vspace = QString();
        QTest::newRow("vspace") << f << "<IMG src=\"../img/a.gif\" vspace=\"\" border=\"0\">";
        f = withFile();
        f.alt = QString();
        QTest::newRow("alt") << f << "<IMG src=\"../img/a.gif\" border=\"0\" alt=\"\">";
        f = withFile();
        f.border = QStringLiteral("1");
        QTest::newRow("border 1: none") << f << "<IMG src=\"../img/a.gif\">";
        f.border = QStringLiteral("2");
        QTest::newRow("border 2") << f << "<IMG src=\"../img/a.gif\" border=\"2\">";
        f = withFile();
        f.background = true;
        f.alt = QString();
        f.align = QStringLiteral("left");
        QTest::newRow("background= only") << f << "background=\"../img/a.gif\"";
        f = withFile();
        f.align = QStringLiteral("left");
        f.sizeAttributes = true;
        f.hspace = QString();
        f.vspace = QString();
        f.alt = QString();
        QTest::newRow("all together, in order")
            << f
            << "<IMG src=\"../img/a.gif\" align=\"left\" width=\"32\" height=\"16\" hspace=\"\" "
               "vspace=\"\" border=\"0\" alt=\"\">";
        f = withFile();
        f.alt = QStringLiteral("the \"best\" cat");
        QTest::newRow("alt with quotes") << f
                                         << "<IMG src=\"../img/a.gif\" border=\"0\" alt='the "
                                            "\"best\" cat'>";
    }

    void build()
    {
        QFETCH(ImageFields, fields);
        QFETCH(QString, code);
        QCOMPARE(ImageCode::build(fields), code);
        // Round trip: what the panel builds it reads back to the same code.
        if (!fields.background) {
            const auto tag = TagReading::parseWhole(code);
            QVERIFY(tag);
            const auto read = ImageCode::read(*tag);
            QVERIFY(read);
            QCOMPARE(ImageCode::build(*read), code);
        }
    }

    void readKeepsWhatThePanelDoesNotKnow_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("rebuilt");
        QTest::newRow("unknown attributes")
            << "<img class=pic SRC='x.png' onclick=\"go()\" ismap alt=\"A cat\">"
            << "<IMG src=\"x.png\" border=\"1\" alt=\"A cat\" class=pic onclick=\"go()\" ismap>";
        QTest::newRow("written border 1") << "<IMG src=\"x.png\" border=\"1\">"
                                          << "<IMG src=\"x.png\" border=\"1\">";
        QTest::newRow("percentage width stays")
            << "<IMG src=x.png width=\"50%\" height=20>"
            << "<IMG src=\"x.png\" border=\"1\" width=\"50%\" height=20>";
        QTest::newRow("values of switched attributes")
            << "<IMG src=x.png hspace=4 vspace=\"6\" alt=\"A\" align=Middle border=3>"
            << "<IMG src=\"x.png\" align=\"Middle\" hspace=\"4\" vspace=\"6\" border=\"3\" "
               "alt=\"A\">";
    }
    void readKeepsWhatThePanelDoesNotKnow()
    {
        QFETCH(QString, tag);
        QFETCH(QString, rebuilt);
        const auto found = TagReading::parseWhole(tag);
        QVERIFY(found);
        const auto fields = ImageCode::read(*found);
        QVERIFY(fields);
        // No border attribute reads as the field's "1", which builds none.
        QString expected = rebuilt;
        if (!tag.contains(QLatin1String("border"), Qt::CaseInsensitive))
            expected.remove(QStringLiteral(" border=\"1\""));
        QCOMPARE(ImageCode::build(*fields), expected);
    }

    void readsOnlyImageTags()
    {
        const auto tag = TagReading::parseWhole(QStringLiteral("<BODY background=\"a.gif\">"));
        QVERIFY(tag);
        QVERIFY(!ImageCode::read(*tag));
    }
};

QTEST_GUILESS_MAIN(TestImageCode)
#include "tst_imagecode.moc"
