#include "editor/memoryeditor.h"
#include "find/bytereplace.h"
#include "find/finder.h"
#include "find/findstate.h"
#include "scriptedprompter.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

ByteReplace::Options options(const QString &find, const QString &with, bool wholeWord = false,
                             bool matchCase = false)
{
    return {find, with, wholeWord, matchCase};
}

} // namespace

class TestByteReplace : public QObject
{
    Q_OBJECT

private slots:
    void replaces_data();
    void replaces();
    void windows1252PageRefusesWhatItCannotHold();
    void sameResultAsReplaceRemainingInADocument();
};

void TestByteReplace::replaces_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("with");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QByteArray>("expected"); // empty: nothing replaced
    QTest::addColumn<int>("count");

    QTest::newRow("crlf lines keep their breaks")
        << QByteArray("<p>old</p>\r\n<p>old</p>\r\n") << "old"
        << "new" << false << false << QByteArray("<p>new</p>\r\n<p>new</p>\r\n") << 2;
    QTest::newRow("cr-only lines keep their breaks")
        << QByteArray("old\rold\r") << "old"
        << "newer" << false << false << QByteArray("newer\rnewer\r") << 2;
    QTest::newRow("lf lines, no final break") << QByteArray("a old\nb") << "old"
                                              << "" << false << false << QByteArray("a \nb") << 1;
    QTest::newRow("no hit leaves nothing to write") << QByteArray("nothing here\r\n") << "old"
                                                    << "new" << false << false << QByteArray() << 0;
    QTest::newRow("utf-8 byte-order mark stays in front")
        << QByteArray("\xEF\xBB\xBFold caf\xC3\xA9") << "old"
        << "new" << true << false << QByteArray("\xEF\xBB\xBFnew caf\xC3\xA9") << 1;
    QTest::newRow("utf-8 accented word")
        << QByteArray("un caf\xC3\xA9 noir") << QString::fromUtf8("café") << "th\xC3\xA9" << true
        << false << QByteArray("un th\xC3\xA9 noir") << 1;
    QTest::newRow("windows-1252 accented word")
        << QByteArray("un caf\xE9 noir \x93quoted\x94") << QString::fromUtf8("café")
        << QString::fromUtf8("thé") << true << false << QByteArray("un th\xE9 noir \x93quoted\x94")
        << 1;
    QTest::newRow("windows-1252 curly quote found as its character")
        << QByteArray("a \x93q\x94") << QString::fromUtf8("“q”") << "'q'" << false << false
        << QByteArray("a 'q'") << 1;
    QTest::newRow("match case off finds every letter case")
        << QByteArray("Word WORD word") << "word"
        << "x" << false << false << QByteArray("x x x") << 3;
    QTest::newRow("match case on finds the exact case")
        << QByteArray("Word WORD word") << "word"
        << "x" << false << true << QByteArray("Word WORD x") << 1;
    QTest::newRow("case is folded on a to z only")
        << QByteArray("\xC3\xA9T \xC3\x89t") << QString::fromUtf8("ét") << "x" << false << false
        << QByteArray("x \xC3\x89t") << 1;
    QTest::newRow("whole word: tags and line breaks bound a word")
        << QByteArray("<b>word</b>\nword\r\nswords word-play") << "word"
        << "x" << true << false << QByteArray("<b>x</b>\nx\r\nswords word-play") << 2;
    QTest::newRow("whole word: a hyphen joins, a full stop separates")
        << QByteArray("half-word. word.x") << "word"
        << "x" << true << false << QByteArray("half-word. x.x") << 1;
    QTest::newRow("whole word reads the text as replaced so far")
        << QByteArray(",a,a") << ",a"
        << "." << true << false << QByteArray("..") << 2;
    QTest::newRow("whole word: a letter put in joins the next hit")
        << QByteArray(",a,a") << ",a"
        << "b" << true << false << QByteArray("b,a") << 1;
    QTest::newRow("text put in is not searched again")
        << QByteArray("a a") << "a"
        << "aa" << false << false << QByteArray("aa aa") << 2;
    QTest::newRow("a search text with a line break never matches")
        << QByteArray("a\nb") << "a\nb"
        << "x" << false << false << QByteArray() << 0;
    QTest::newRow("an empty search text never matches")
        << QByteArray("abc") << ""
        << "x" << false << false << QByteArray() << 0;
    QTest::newRow("nul bytes pass through")
        << QByteArray("a\0old\0", 6) << "old"
        << "new" << false << false << QByteArray("a\0new\0", 6) << 1;
}

void TestByteReplace::replaces()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, find);
    QFETCH(QString, with);
    QFETCH(bool, wholeWord);
    QFETCH(bool, matchCase);
    QFETCH(QByteArray, expected);
    QFETCH(int, count);
    const ByteReplace::Outcome out =
        ByteReplace::replace(page, options(find, with, wholeWord, matchCase));
    QVERIFY2(out.failure.isEmpty(), qPrintable(out.failure));
    QCOMPARE(out.count, count);
    QCOMPARE(out.bytes, expected);
}

void TestByteReplace::windows1252PageRefusesWhatItCannotHold()
{
    const QByteArray page("caf\xE9 caf\xE9");
    // A replacement the code page cannot hold would turn into question marks.
    const auto refused = ByteReplace::replace(page, options(QString::fromUtf8("café"), "日本"));
    QVERIFY(!refused.failure.isEmpty());
    QCOMPARE(refused.count, 0);
    QVERIFY(refused.bytes.isEmpty());
    // Without a hit the replacement is never needed, so nothing is refused.
    const auto noHit = ByteReplace::replace(page, options("tea", "日本"));
    QVERIFY(noHit.failure.isEmpty());
    // A search text the code page cannot hold is nowhere in the page.
    QCOMPARE(ByteReplace::replace(page, options("日", "x")).count, 0);
}

// The bytes of a file must come out as the scratch editor's Replace Remaining would leave
// the same text, for any mix of hits, separators, letter case and line breaks.
void TestByteReplace::sameResultAsReplaceRemainingInADocument()
{
    const QStringList pieces = {QStringLiteral("ab"),   QStringLiteral("AB"), QStringLiteral("a"),
                                QStringLiteral(" "),    QStringLiteral("-"),  QStringLiteral("<"),
                                QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("é"),
                                QStringLiteral("."),    QStringLiteral("b")};
    const QStringList finds = {QStringLiteral("ab"), QStringLiteral("a"), QStringLiteral("b a"),
                               QStringLiteral(".a")};
    const QStringList withs = {QString(), QStringLiteral("."), QStringLiteral("ab"),
                               QStringLiteral("X")};
    QRandomGenerator random(33);
    MemoryEditor storememo;
    ScriptedPrompter prompter;
    FindState state;
    Finder finder(state, storememo, prompter, [] { return nullptr; });
    state.target = FindTarget::Scratch;
    for (int round = 0; round < 400; ++round) {
        QString text;
        for (int i = 0, n = int(random.bounded(12)); i < n; ++i)
            text += pieces[int(random.bounded(pieces.size()))];
        const auto o = options(finds[int(random.bounded(finds.size()))],
                               withs[int(random.bounded(withs.size()))], random.bounded(2) == 1,
                               random.bounded(2) == 1);
        storememo.setText(text);
        storememo.setCaret(0);
        state.searchText = o.find;
        state.replacement = o.replacement;
        state.wholeWord = o.wholeWord;
        state.matchCase = o.matchCase;
        finder.replaceRemaining();
        const auto out = ByteReplace::replace(text.toUtf8(), o);
        const QByteArray bytes = out.count ? out.bytes : text.toUtf8();
        QVERIFY2(QString::fromUtf8(bytes) == storememo.text(),
                 qPrintable(QStringLiteral("%1 / %2 -> %3").arg(text, o.find, o.replacement)));
    }
}

QTEST_GUILESS_MAIN(TestByteReplace)
#include "tst_bytereplace.moc"
