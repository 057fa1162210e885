#include "helpers/link/linkcode.h"

#include <QtTest>

Q_DECLARE_METATYPE(LinkFields)

// The link helper's parts as data, where the caret goes, and reading an A tag back.
class TestLinkCode : public QObject
{
    Q_OBJECT

    static LinkFields href(LinkProtocol p, bool targetOn = false, const QString &target = {})
    {
        LinkFields f;
        f.protocol = p;
        f.targetOn = targetOn;
        f.target = target;
        return f;
    }
    static LinkFields file(LinkProtocol p, PathMode mode, const QString &address)
    {
        LinkFields f = href(p);
        f.fromFile = true;
        f.pathMode = mode;
        f.address = address;
        return f;
    }

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<LinkFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("typedAfter"); // the start part up to the caret
        QTest::addColumn<QString>("tip");

        const QString a = QStringLiteral("</A>");
        QTest::newRow("quoted target is not quoted twice")
            << href(LinkProtocol::None, true, QStringLiteral("\"_top\""))
            << "<A href=\"\" target=\"_top\">" << a << "<A href=\""
            << "an URL";
        QTest::newRow("ftp takes no target")
            << href(LinkProtocol::Ftp, true, QStringLiteral("_top")) << "<A href=\"ftp://\">" << a
            << "<A href=\"ftp://"
            << "an URL";
        QTest::newRow("https with target")
            << href(LinkProtocol::Https, true, QStringLiteral("_blank"))
            << "<A href=\"https://\" target=\"_blank\">" << a << "<A href=\"https://"
            << "an URL";
        QTest::newRow("gopher with target")
            << href(LinkProtocol::Gopher, true, QStringLiteral("\"\""))
            << "<A href=\"gopher://\" target=\"\">" << a << "<A href=\"gopher://"
            << "an URL";
        QTest::newRow("style sheet")
            << href(LinkProtocol::Stylesheet, true, QStringLiteral("_top"))
            << "<LINK rel=\"stylesheet\" type=\"text/css\" href=\"\">" << QString()
            << "<LINK rel=\"stylesheet\" type=\"text/css\" href=\""
            << "an URL";
        LinkFields name = href(LinkProtocol::Http, true, QStringLiteral("_top"));
        name.name = true;
        QTest::newRow("name ignores the protocol") << name << "<A name=\"\">" << a << "<A name=\""
                                                   << "a NAME";
    }
    void build()
    {
        QFETCH(LinkFields, fields);
        QFETCH(QString, start);
        const LinkParts parts = LinkCode::build(fields);
        QCOMPARE(parts.start, start);
        QTEST(parts.end, "end");
        QTEST(parts.tipWord, "tip");
        QVERIFY(!parts.insertOnly);
        QTEST(parts.start.left(parts.start.size() - parts.back), "typedAfter");
    }

    void fileReferences_data()
    {
        QTest::addColumn<LinkFields>("fields");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("insertOnly");

        const QString a = QStringLiteral("</A>");
        QTest::newRow("relative fallen back to a file URL takes no http")
            << file(LinkProtocol::Http, PathMode::Relative, QStringLiteral("file:///web/a.htm"))
            << "<A href=\"file:///web/a.htm\">" << a << false;
        LinkFields target =
            file(LinkProtocol::Http, PathMode::Absolute, QStringLiteral("file:///web/a.htm"));
        target.targetOn = true;
        target.target = QStringLiteral("_top");
        QTest::newRow("absolute with target")
            << target << "<A href=\"file:///web/a.htm\" target=\"_top\">" << a << false;
        QTest::newRow("relative with http is the reference alone")
            << file(LinkProtocol::Http, PathMode::Relative, QStringLiteral("../img/Logo%20Big.gif"))
            << "<A href=\"../img/Logo%20Big.gif\">" << a << false;
        QTest::newRow("relative with ftp is the reference alone")
            << file(LinkProtocol::Ftp, PathMode::Relative, QStringLiteral("b.htm"))
            << "<A href=\"b.htm\">" << a << false;
        QTest::newRow("no path with ftp")
            << file(LinkProtocol::Ftp, PathMode::None, QStringLiteral("a.htm"))
            << "<A href=\"a.htm\">" << a << false;
    }
    void fileReferences()
    {
        QFETCH(LinkFields, fields);
        const LinkParts parts = LinkCode::build(fields);
        QTEST(parts.start, "start");
        QTEST(parts.end, "end");
        QTEST(parts.insertOnly, "insertOnly");
        QVERIFY(parts.tipWord.isEmpty());
    }

    void readBack()
    {
        auto read = [](const char *tag) {
            const std::optional<FoundTag> t = TagReading::parseWhole(QString::fromUtf8(tag));
            return t ? LinkCode::read(*t) : std::nullopt;
        };
        QVERIFY(!read("<IMG src=\"a.gif\">"));

        std::optional<LinkFields> f =
            read("<a HREF='HTTP://example.org/x' class=\"k\" target=\"\" id=i>");
        QVERIFY(f);
        QVERIFY(!f->name);
        QCOMPARE(f->protocol, LinkProtocol::Http);
        QCOMPARE(f->address, QStringLiteral("example.org/x"));
        QVERIFY(f->targetOn);
        QCOMPARE(f->target, QStringLiteral("\"\""));
        QCOMPARE(LinkCode::build(*f).start,
                 QStringLiteral("<A href=\"http://example.org/x\" target=\"\" class=\"k\" id=i>"));

        f = read("<A href=\"mailto:me@example.org\">");
        QVERIFY(f);
        QCOMPARE(f->protocol, LinkProtocol::Mailto);
        QCOMPARE(LinkCode::build(*f).start, QStringLiteral("<A href=\"mailto:me@example.org\">"));

        // A target where the protocol takes none stays as written.
        f = read("<A href=\"ftp://host/f\" target=\"_top\">");
        QVERIFY(f);
        QVERIFY(!f->targetOn);
        QCOMPARE(LinkCode::build(*f).start,
                 QStringLiteral("<A href=\"ftp://host/f\" target=\"_top\">"));

        f = read("<A href=\"https://example.org/s\">");
        QVERIFY(f);
        QCOMPARE(f->protocol, LinkProtocol::Https);
        QCOMPARE(f->address, QStringLiteral("example.org/s"));
        QCOMPARE(LinkCode::build(*f).start, QStringLiteral("<A href=\"https://example.org/s\">"));

        f = read("<A href=\"pages/b.htm\">");
        QVERIFY(f);
        QCOMPARE(f->protocol, LinkProtocol::None);
        QCOMPARE(f->address, QStringLiteral("pages/b.htm"));

        f = read("<A name=\"top\" title=\"t\">");
        QVERIFY(f);
        QVERIFY(f->name);
        const LinkParts named = LinkCode::build(*f);
        QCOMPARE(named.start, QStringLiteral("<A name=\"top\" title=\"t\">"));
        QCOMPARE(named.start.left(named.start.size() - named.back),
                 QStringLiteral("<A name=\"top"));
    }
};

QTEST_MAIN(TestLinkCode)
#include "tst_linkcode.moc"
