#include "editor/memoryeditor.h"
#include "find/finder.h"
#include "find/findstate.h"
#include "scriptedprompter.h"
#include "selectionmarkup.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString DocumentSeparators = QStringLiteral(" \"!(),./:;<=>?[\\]{}\t");

struct Options
{
    bool wholeWord = false;
    bool matchCase = false;
    bool upwards = false;
    bool fromTop = false;
};

} // namespace

Q_DECLARE_METATYPE(Options)

class TestFinder : public QObject
{
    Q_OBJECT

private:
    FindState m_state;
    MemoryEditor m_doc;
    MemoryEditor m_storememo;
    ScriptedPrompter m_prompter;
    bool m_docOpen = true;
    std::unique_ptr<Finder> m_finder;

    void setOptions(const Options &o)
    {
        m_state.wholeWord = o.wholeWord;
        m_state.matchCase = o.matchCase;
        m_state.upwards = o.upwards;
        m_state.fromTop = o.fromTop;
    }

private slots:
    void init()
    {
        m_state = FindState();
        m_prompter.shown.clear();
        m_docOpen = true;
        m_doc.setWordSeparators(DocumentSeparators);
        m_storememo.setWordSeparators(DocumentSeparators);
        m_finder = std::make_unique<Finder>(m_state, m_storememo, m_prompter,
                                            [this] { return m_docOpen ? &m_doc : nullptr; });
    }

    void search_data();
    void search();
    void fromTopIsUsedOnce();
    void notFoundTellsOnceAndEndsRepeat();
    void scratchTargets();
    void noDocumentDoesNothing();
    void replaceStepIgnoresMatchCaseForTheSelection();
    void replaceRemaining_data();
    void replaceRemaining();
    void replaceRemainingIsOneUndoStep();
    void replaceRemainingMatchesStepByStep();
};

// Find-only steps from a marked start.
void TestFinder::search_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("what");
    QTest::addColumn<Options>("options");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("messages");

    const Options plain;
    Options up;
    up.upwards = true;
    Options word;
    word.wholeWord = true;
    Options exact;
    exact.matchCase = true;

    QTest::newRow("hit selected, caret at its end") << "|a cat cat"
                                                    << "cat" << plain << 1 << "a ^cat| cat" << 0;
    QTest::newRow("next search starts behind the hit") << "|a cat cat"
                                                       << "cat" << plain << 2 << "a cat ^cat|" << 0;
    QTest::newRow("no wrap-around at the end") << "cat a |b"
                                               << "cat" << plain << 1 << "cat a |b" << 1;
    QTest::newRow("failure keeps the selection") << "^cat| a"
                                                 << "cat" << plain << 1 << "^cat| a" << 1;
    QTest::newRow("two upward searches, two hits") << "cat cat|"
                                                   << "cat" << up << 2 << "|cat^ cat" << 0;
    QTest::newRow("upward after a forward hit finds it again")
        << "a ^cat| b"
        << "cat" << up << 1 << "a |cat^ b" << 0;
    QTest::newRow("no wrap-around at the start") << "|a cat"
                                                 << "cat" << up << 1 << "|a cat" << 1;
    QTest::newRow("whole word: full stop separates") << "|end.cat"
                                                     << "cat" << word << 1 << "end.^cat|" << 0;
    QTest::newRow("whole word: hyphen does not") << "|bay-cat cat-bay"
                                                 << "cat" << word << 1 << "|bay-cat cat-bay" << 1;
    QTest::newRow("whole word: line breaks separate") << "|xcat\r\ncat\r\n"
                                                      << "cat" << word << 1 << "xcat\r\n^cat|\r\n"
                                                      << 0;
    QTest::newRow("whole word upwards")
        << "cat cats|"
        << "cat" << Options{true, false, true} << 1 << "|cat^ cats" << 0;
    QTest::newRow("case folds a to z") << "|Grüße"
                                       << "GRüßE" << plain << 1 << "^Grüße|" << 0;
    QTest::newRow("case folding leaves ü and Ü apart") << "|Grüße"
                                                       << "grÜße" << plain << 1 << "|Grüße" << 1;
    QTest::newRow("match case skips other case") << "|Cat cat"
                                                 << "cat" << exact << 1 << "Cat ^cat|" << 0;
    QTest::newRow("never across a line break") << "|ab\r\ncd"
                                               << "b\r\nc" << plain << 1 << "|ab\r\ncd" << 1;
    QTest::newRow("empty text never matches") << "|abc"
                                              << "" << plain << 1 << "|abc" << 1;
}

void TestFinder::search()
{
    QFETCH(QString, before);
    QFETCH(QString, what);
    QFETCH(Options, options);
    QFETCH(int, steps);
    SelectionMarkup::set(m_doc, before);
    setOptions(options);
    m_state.searchText = what;
    for (int i = 0; i < steps; ++i)
        m_finder->find(FindStep::FindOnly);
    QFETCH(QString, after);
    QCOMPARE(SelectionMarkup::get(m_doc), after);
    QFETCH(int, messages);
    QCOMPARE(m_prompter.shown.size(), messages);
}

void TestFinder::fromTopIsUsedOnce()
{
    SelectionMarkup::set(m_doc, "cat a cat|");
    m_state.searchText = "cat";
    m_state.fromTop = true;
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(SelectionMarkup::get(m_doc), "^cat| a cat");
    QVERIFY(!m_state.fromTop);
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(SelectionMarkup::get(m_doc), "cat a ^cat|");
}

void TestFinder::notFoundTellsOnceAndEndsRepeat()
{
    SelectionMarkup::set(m_doc, "|abc");
    m_state.searchText = "dog";
    m_state.repeat = true;
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(m_prompter.shown, QStringList{"\"dog\" not found"});
    QVERIFY(!m_state.repeat);
    QVERIFY(!m_state.notFound); // only raised for the open dialog

    m_state.findDialogOpen = true;
    m_finder->find(FindStep::FindOnly);
    QVERIFY(m_state.notFound);

    m_state.wholeWord = true;
    m_state.notFound = false;
    m_state.repeat = true;
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(m_prompter.shown.size(), 3);
    QVERIFY(m_state.notFound);
    QVERIFY(!m_state.repeat);
}

void TestFinder::scratchTargets()
{
    SelectionMarkup::set(m_doc, "|cat");
    SelectionMarkup::set(m_storememo, "|x Cat");

    // The scratch editor with the options as set; failure is silent and ends repeat.
    m_state.target = FindTarget::Scratch;
    m_state.searchText = "cat";
    m_state.matchCase = true;
    m_state.repeat = true;
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(SelectionMarkup::get(m_storememo), "|x Cat");
    QCOMPARE(SelectionMarkup::get(m_doc), "|cat");
    QVERIFY(m_prompter.shown.isEmpty());
    QVERIFY(!m_state.repeat);

    // The silent scan ignores whole word, match case and upwards, and reports its end by
    // setting the target back to the active document.
    m_state.target = FindTarget::SilentScan;
    m_state.wholeWord = m_state.upwards = true;
    m_state.searchText = "ca";
    m_state.repeat = true;
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(SelectionMarkup::get(m_storememo), "x ^Ca|t");
    QVERIFY(m_state.target == FindTarget::SilentScan);
    m_finder->find(FindStep::FindOnly);
    QCOMPARE(SelectionMarkup::get(m_storememo), "x ^Ca|t");
    QVERIFY(m_state.target == FindTarget::ActiveDocument);
    QVERIFY(m_state.repeat);
    QVERIFY(m_prompter.shown.isEmpty());
}

void TestFinder::noDocumentDoesNothing()
{
    m_docOpen = false;
    m_state.searchText = "x";
    m_state.repeat = true;
    m_finder->find(FindStep::FindOnly);
    m_finder->replaceRemaining();
    QVERIFY(m_prompter.shown.isEmpty());
    QVERIFY(m_state.repeat);
}

void TestFinder::replaceStepIgnoresMatchCaseForTheSelection()
{
    SelectionMarkup::set(m_doc, "^CAT| cat");
    m_state.searchText = "cat";
    m_state.replacement = "dog";
    m_state.matchCase = true;
    m_finder->find(FindStep::ReplaceThenFind);
    QCOMPARE(SelectionMarkup::get(m_doc), "dog ^cat|");

    // Upwards, the text just put in is not searched: the next hit lies before it.
    SelectionMarkup::set(m_doc, "a b |a^");
    m_state.searchText = "a";
    m_state.replacement = "aa";
    m_state.upwards = true;
    m_finder->find(FindStep::ReplaceThenFind);
    QCOMPARE(SelectionMarkup::get(m_doc), "|a^ b aa");
}

void TestFinder::replaceRemaining_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<Options>("options");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("replaced");

    const Options plain;
    Options up;
    up.upwards = true;
    Options word;
    word.wholeWord = true;

    QTest::newRow("from the caret to the end only") << "cat |cat cat"
                                                    << "cat"
                                                    << "dog" << plain << "cat dog dog|" << 2;
    QTest::newRow("upwards to the start only") << "cat cat| cat"
                                               << "cat"
                                               << "dog" << up << "|dog dog cat" << 2;
    QTest::newRow("selected hit goes first") << "^cat| cat"
                                             << "cat"
                                             << "dog" << plain << "dog dog|" << 2;
    QTest::newRow("selected hit goes first, upwards") << "cat |cat^ cat"
                                                      << "cat"
                                                      << "dog" << up << "|dog dog cat" << 2;
    QTest::newRow("replacement holds the search text") << "|a a"
                                                       << "a"
                                                       << "aa" << plain << "aa aa|" << 2;
    QTest::newRow("replacement holds the search text, upwards") << "a a|"
                                                                << "a"
                                                                << "aa" << up << "|aa aa" << 2;
    QTest::newRow("replacement ends with a prefix, upwards") << "aab|"
                                                             << "ab"
                                                             << "bX" << up << "a|bX" << 1;
    QTest::newRow("match case off") << "|Cat CAT"
                                    << "cat"
                                    << "dog" << plain << "dog dog|" << 2;
    QTest::newRow("whole word skips parts of words") << "|cat cats cat"
                                                     << "cat"
                                                     << "dog" << word << "dog cats dog|" << 2;
    QTest::newRow("whole word sees the text as replaced so far") << "|.a..a."
                                                                 << ".a."
                                                                 << "b" << word << "b|.a." << 1;
    QTest::newRow("whole word upwards sees the text as replaced so far")
        << ".a..a.|"
        << ".a."
        << "b" << Options{true, false, true} << ".a.|b" << 1;
    QTest::newRow("hits on several lines") << "|a\r\na\na"
                                           << "a"
                                           << "bb" << plain << "bb\r\nbb\nbb|" << 3;
    QTest::newRow("nothing found") << "|abc"
                                   << "x"
                                   << "y" << plain << "|abc" << 0;
    QTest::newRow("empty search text puts the replacement in once")
        << "a|b"
        << ""
        << "dog" << plain << "adog|b" << 1;
    QTest::newRow("empty replacement") << "|a-a-a"
                                       << "-"
                                       << "" << plain << "aa|a" << 2;
}

void TestFinder::replaceRemaining()
{
    QFETCH(QString, before);
    QFETCH(QString, what);
    QFETCH(Options, options);
    SelectionMarkup::set(m_doc, before);
    setOptions(options);
    m_state.searchText = what;
    QFETCH(QString, with);
    m_state.replacement = with;
    m_state.findDialogOpen = true;
    m_finder->replaceRemaining();
    QFETCH(QString, after);
    QCOMPARE(SelectionMarkup::get(m_doc), after);
    // How many were replaced, or that there was nothing to replace.
    QFETCH(int, replaced);
    QCOMPARE(m_prompter.shown,
             QStringList{replaced > 0 ? QStringLiteral("%1 replaced").arg(replaced)
                                      : '"' + what + "\" not found"});
    QVERIFY(m_state.notFound);
    QVERIFY(!m_state.repeat);
}

void TestFinder::replaceRemainingIsOneUndoStep()
{
    SelectionMarkup::set(m_doc, "|cat cat cat");
    m_doc.setModified(false);
    m_state.searchText = "cat";
    m_state.replacement = "dog";
    m_state.wholeWord = true;
    m_finder->replaceRemaining();
    QCOMPARE(m_doc.text(), "dog dog dog");
    m_doc.undo();
    QCOMPARE(m_doc.text(), "cat cat cat");
}

// The one-pass replacement gives what stepping hit by hit gives, in both directions, when
// the replacement cannot meet the search text.
void TestFinder::replaceRemainingMatchesStepByStep()
{
    QRandomGenerator random(7);
    const QString letters = QStringLiteral("aAb .-\r\n");
    auto pick = [&](int length, const QString &from) {
        QString out;
        for (int i = 0; i < length; ++i)
            out += from.at(random.bounded(int(from.size())));
        return out;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString text = pick(random.bounded(1, 30), letters);
        const int caret = random.bounded(int(text.size()) + 1);
        const int selection = random.bounded(-2, 3);
        const QString what = pick(random.bounded(1, 3), QStringLiteral("aAb .-"));
        const Options options{random.bounded(2) == 1, random.bounded(2) == 1,
                              random.bounded(2) == 1};
        const QString with = options.upwards ? pick(random.bounded(3), QStringLiteral("xy,"))
                                             : pick(random.bounded(4), QStringLiteral("aAbx -"));

        auto run = [&](bool oneCall) {
            m_doc.setText(text);
            m_doc.setSelection(caret, selection);
            setOptions(options);
            m_state.searchText = what;
            m_state.replacement = with;
            m_prompter.shown.clear();
            if (oneCall) {
                m_finder->replaceRemaining();
            } else {
                m_state.repeat = true;
                do
                    m_finder->find(FindStep::ReplaceThenFind);
                while (m_state.repeat);
            }
            return SelectionMarkup::get(m_doc) + QString::number(m_prompter.shown.size());
        };
        const QString expected = run(false);
        const QString actual = run(true);
        const QString described =
            QStringLiteral("%1 at %2%3: %4 by %5, word %6 case %7 up %8")
                .arg(text, QString::number(caret), QString::number(selection), what, with,
                     QString::number(options.wholeWord), QString::number(options.matchCase),
                     QString::number(options.upwards));
        QVERIFY2(actual == expected,
                 qPrintable(described + " gives " + actual + ", not " + expected));
    }
}

QTEST_GUILESS_MAIN(TestFinder)
#include "tst_finder.moc"
