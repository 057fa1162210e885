// The checking dialog's walk through a document, on the in-memory editor: where it starts and
// stops, what Ignore, Ignore All, Add, Change and Change All do, and what a page's encoding
// keeps out. Then the same with the system's Hunspell dictionary and a personal word list.
#include "editor/cp1252.h"
#include "editor/memoryeditor.h"
#include "spelling/dictionaries.h"
#include "spelling/hunspellchecker.h"
#include "spelling/spellingsession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Knows the words it is given; suggests "the" for anything starting with "t".
class WordListChecker : public SpellChecker
{
public:
    explicit WordListChecker(QStringList known) : m_known(known.begin(), known.end()) {}
    bool isCorrect(const QString &word) override { return m_known.contains(word.toLower()); }
    QStringList suggestions(const QString &word) override
    {
        return word.startsWith(u't', Qt::CaseInsensitive)
                   ? QStringList{QStringLiteral("the"), QStringLiteral("thé"),
                                 QStringLiteral("tħe")}
                   : QStringList{};
    }
    void ignoreAll(const QString &word) override
    {
        ignored << word;
        m_known.insert(word.toLower());
    }
    bool add(const QString &word, QString *) override
    {
        added << word;
        m_known.insert(word.toLower());
        return true;
    }
    QStringList ignored, added;

private:
    QSet<QString> m_known;
};

const QStringList Known = {"the", "cat", "sat", "on", "mat", "a", "dog", "and", "picture"};
constexpr SpellingScope NoMarkup{true, true};

// Every misspelt word the session stops at, ignoring each.
QStringList visited(SpellingSession &session)
{
    QStringList words;
    while (session.next()) {
        words << session.word().text;
        session.ignore();
    }
    return words;
}

const DictionaryFiles *englishDictionary()
{
    static const QList<DictionaryFiles> installed =
        Dictionaries::spelling(Dictionaries::systemFolders());
    const DictionaryFiles *d = Dictionaries::choose(installed, QStringLiteral("en_US"), {});
    return d && d->language.startsWith(QLatin1String("en")) ? d : nullptr;
}

} // namespace

class TestSpellingSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void walksTheRangeItIsGiven_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("words");
        // "<p title=\"teh\">Teh cat\r\nsatt on tteh mat</p>"; "cat" starts at 19.
        QTest::addRow("whole text")
            << int(SpellingSession::Range::Whole) << 30 << 0 << "teh Teh satt tteh";
        QTest::addRow("from the caret, inside a word")
            << int(SpellingSession::Range::FromCaret) << 26 << 0 << "satt tteh";
        QTest::addRow("from the caret, just past a word")
            << int(SpellingSession::Range::FromCaret) << 28 << 0 << "tteh";
        QTest::addRow("selection, backwards too")
            << int(SpellingSession::Range::Selection) << 32 << -15 << "Teh satt";
    }
    void walksTheRangeItIsGiven()
    {
        QFETCH(int, range);
        QFETCH(int, caret);
        QFETCH(int, selLength);
        QFETCH(QString, words);
        MemoryEditor ed;
        ed.setText(QStringLiteral("<p title=\"teh\">Teh cat\r\nsatt on tteh mat</p>"));
        ed.setSelection(caret, selLength);
        WordListChecker checker(Known);
        SpellingSession session(ed, checker, NoMarkup, SpellingSession::Range(range));
        QCOMPARE(visited(session).join(u' '), words);
    }

    // The walk starts inside a tag that opened on an earlier line: the state is read from the
    // lines before the caret.
    void startsInTheMarkupStateOfTheCaret()
    {
        MemoryEditor ed;
        ed.setText(QStringLiteral("<script>\nvar abc;\nvar xyz;\n</script>\nqqq"));
        ed.setCaret(ed.lineStart(2));
        WordListChecker checker(Known);
        SpellingSession session(ed, checker, NoMarkup, SpellingSession::Range::FromCaret);
        QCOMPARE(visited(session), QStringList{QStringLiteral("qqq")});
    }

    void eachAnswerDoesItsWork()
    {
        MemoryEditor ed;
        ed.setText(QStringLiteral("teh dogg, teh catt; teh dogg\n<img alt=\"teh picture\"> dogg"));
        WordListChecker checker(Known);
        SpellingSession session(ed, checker, NoMarkup, SpellingSession::Range::Whole);
        QString error;

        QVERIFY(session.next());
        QCOMPARE(session.word().text, QStringLiteral("teh"));
        QCOMPARE(ed.selectedText(), QStringLiteral("teh"));
        QCOMPARE(session.suggestions(), (QStringList{"the", "thé", "tħe"}));
        QCOMPARE(session.context(), ed.line(0));
        QVERIFY(session.change(QStringLiteral("the"), &error));

        QVERIFY(session.next());
        QCOMPARE(session.word().text, QStringLiteral("dogg"));
        session.ignore();

        QVERIFY(session.next()); // the second "teh": changed, and every later one with it
        QCOMPARE(session.word().start, 10);
        QVERIFY(session.changeAll(QStringLiteral("the"), &error));

        QVERIFY(session.next());
        QCOMPARE(session.word().text, QStringLiteral("catt"));
        QVERIFY(session.add(&error));
        QCOMPARE(checker.added, QStringList{QStringLiteral("catt")});

        QVERIFY(session.next()); // the third "teh" went by itself
        QCOMPARE(session.word().text, QStringLiteral("dogg"));
        QCOMPARE(session.word().start, 24);
        session.ignoreAll();
        QCOMPARE(checker.ignored, QStringList{QStringLiteral("dogg")});

        QVERIFY(!session.next()); // the last "dogg" is ignored now; "teh" in alt was changed
        QCOMPARE(ed.text(),
                 QStringLiteral("the dogg, the catt; the dogg\n<img alt=\"the picture\"> dogg"));
        QCOMPARE(session.changes(), 4);
        // Each change is an undo step of its own.
        ed.undo();
        QCOMPARE(ed.text(),
                 QStringLiteral("the dogg, the catt; the dogg\n<img alt=\"teh picture\"> dogg"));
    }

    // A change that makes the text longer or shorter moves the end of a selection with it,
    // and a replacement is not checked again.
    void changesMoveTheEndOfTheSelection()
    {
        MemoryEditor ed;
        ed.setText(QStringLiteral("a tteh dogg tteh | tteh"));
        ed.setSelection(0, 16);
        WordListChecker checker(Known);
        SpellingSession session(ed, checker, NoMarkup, SpellingSession::Range::Selection);
        QString error;
        QVERIFY(session.next());
        QVERIFY(session.changeAll(QStringLiteral("tteh tteh the"), &error));
        QVERIFY(session.next());
        QCOMPARE(session.word().text, QStringLiteral("dogg"));
        QVERIFY(session.change(QStringLiteral("dog"), &error));
        QVERIFY(!session.next());
        QCOMPARE(ed.text(), QStringLiteral("a tteh tteh the dog tteh tteh the | tteh"));
    }

    void aWindows1252PageTakesOnlyWhatItCanHold()
    {
        MemoryEditor ed;
        ed.setText(QStringLiteral("tteh"));
        WordListChecker checker(Known);
        SpellingSession session(ed, checker, NoMarkup, SpellingSession::Range::Whole);
        session.setCanHold([](const QString &text) { return Cp1252::unstorable(text).isEmpty(); });
        QVERIFY(session.next());
        QCOMPARE(session.suggestions(), (QStringList{"the", "thé"}));
        QString error;
        QVERIFY(!session.change(QStringLiteral("tħe"), &error));
        QVERIFY2(error.contains(QStringLiteral("\"tħe\"")), qPrintable(error));
        QCOMPARE(ed.text(), QStringLiteral("tteh"));
        QVERIFY(session.change(QStringLiteral("thé"), &error));
        QCOMPARE(ed.text(), QStringLiteral("thé"));
    }

    // The system's dictionary: suggestions, Ignore All for this run only, Add for good.
    void hunspellSuggestsIgnoresAndAdds()
    {
        const DictionaryFiles *dictionary = englishDictionary();
        if (!dictionary)
            QSKIP("No English Hunspell dictionary is installed (Debian: hunspell-en-us).");
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("personal.dic"));
        QString error;
        auto checker = HunspellChecker::load(*dictionary, list, &error);
        QVERIFY2(checker, qPrintable(error));
        QVERIFY(checker->isCorrect(QStringLiteral("spelling")));
        QVERIFY(checker->isCorrect(QStringLiteral("Spelling")));
        QVERIFY(checker->isCorrect(QStringLiteral("don’t")));
        QVERIFY(!checker->isCorrect(QStringLiteral("speling")));
        QVERIFY(
            checker->suggestions(QStringLiteral("speling")).contains(QStringLiteral("spelling")));

        checker->ignoreAll(QStringLiteral("Quillmarkk"));
        QVERIFY(checker->isCorrect(QStringLiteral("Quillmarkk")));
        QVERIFY(checker->add(QStringLiteral("zorblax"), &error));
        QVERIFY(checker->isCorrect(QStringLiteral("zorblax")));
        QVERIFY(checker->add(QStringLiteral("grüßlich"), &error));
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("zorblax\ngrüßlich\n"));

        auto later = HunspellChecker::load(*dictionary, list, &error);
        QVERIFY(later->isCorrect(QStringLiteral("zorblax")));
        QVERIFY(later->isCorrect(QStringLiteral("grüßlich")));
        QVERIFY(!later->isCorrect(QStringLiteral("Quillmarkk")));
    }

    // The folders are searched in order: a language met twice keeps its first files; the
    // choice falls back from the wanted code to its language, the system's, then English.
    void dictionariesAreFoundAndChosenByLanguage()
    {
        QTemporaryDir first, second;
        const auto touch = [](const QTemporaryDir &dir, const char *name) {
            QFile f(dir.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        };
        for (const char *name : {"de_DE.aff", "de_DE.dic", "en_GB.aff", "en_GB.dic", "fr.aff",
                                 "hyph_de_DE.dic", "th_de_DE_v2.idx", "th_de_DE_v2.dat"})
            touch(first, name);
        for (const char *name : {"de_DE.aff", "de_DE.dic", "pt_BR.aff", "pt_BR.dic"})
            touch(second, name);
        const QList<DictionaryFiles> found = Dictionaries::spelling({first.path(), second.path()});
        QStringList languages;
        for (const DictionaryFiles &d : found)
            languages << d.language;
        QCOMPARE(languages, (QStringList{"de_DE", "en_GB", "pt_BR"}));
        QCOMPARE(found[0].first, first.filePath("de_DE.aff"));
        const QList<DictionaryFiles> thesauri = Dictionaries::thesauri({first.path()});
        QCOMPARE(thesauri.size(), 1);
        QCOMPARE(thesauri[0].language, QStringLiteral("de_DE"));

        const auto chosen = [&found](const char *wanted, const char *system) {
            const DictionaryFiles *d =
                Dictionaries::choose(found, QLatin1String(wanted), QLatin1String(system));
            return d ? d->language : QString();
        };
        QCOMPARE(chosen("pt_BR", "de_DE"), QStringLiteral("pt_BR"));
        QCOMPARE(chosen("pt_PT", "de_DE"), QStringLiteral("pt_BR"));
        QCOMPARE(chosen("", "de_AT"), QStringLiteral("de_DE"));
        QCOMPARE(chosen("", "C"), QStringLiteral("en_GB"));
        QCOMPARE(chosen("xx", "yy"), QStringLiteral("en_GB"));
        QVERIFY(!Dictionaries::choose({}, QStringLiteral("en_US"), {}));
        QCOMPARE(Dictionaries::languageName(QStringLiteral("en_US")),
                 QStringLiteral("English (United States)"));
        QCOMPARE(Dictionaries::languageName(QStringLiteral("de")), QStringLiteral("German"));
        QCOMPARE(Dictionaries::languageName(QStringLiteral("xx_YY")), QStringLiteral("xx_YY"));
    }

    // A dictionary written in Latin-1 takes and gives words as characters; a word it cannot
    // hold can still be added to the personal list.
    void aDictionaryInAnotherCharacterSet()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const char *name, const QByteArray &bytes) {
            QFile f(dir.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write("xx_XX.aff", "SET ISO8859-1\nTRY esianrtolcdugmphbyfvkwz\xE9\n");
        write("xx_XX.dic", "3\ncaf\xE9\nna\xEFve\nStra\xDF"
                           "e\n");
        const QList<DictionaryFiles> found = Dictionaries::spelling({dir.path()});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].language, QStringLiteral("xx_XX"));
        QString error;
        auto checker =
            HunspellChecker::load(found[0], dir.filePath(QStringLiteral("words.dic")), &error);
        QVERIFY2(checker, qPrintable(error));
        QVERIFY(checker->isCorrect(QStringLiteral("café")));
        QVERIFY(checker->isCorrect(QStringLiteral("Straße")));
        QVERIFY(!checker->isCorrect(QStringLiteral("cafe")));
        QVERIFY(checker->suggestions(QStringLiteral("cafe")).contains(QStringLiteral("café")));
        QVERIFY(!checker->isCorrect(QStringLiteral("Ελλάδα")));
        QVERIFY(checker->suggestions(QStringLiteral("Ελλάδα")).isEmpty());
        QVERIFY(checker->add(QStringLiteral("Ελλάδα"), &error));
        QVERIFY(checker->isCorrect(QStringLiteral("Ελλάδα")));
    }

    void aWordListThatCannotBeWrittenIsNamed()
    {
        const DictionaryFiles *dictionary = englishDictionary();
        if (!dictionary)
            QSKIP("No English Hunspell dictionary is installed (Debian: hunspell-en-us).");
        QTemporaryDir dir;
        // A folder where the list should be: neither read nor written.
        const QString list = dir.filePath(QStringLiteral("personal.dic"));
        QVERIFY(QDir().mkpath(list));
        QString error;
        auto checker = HunspellChecker::load(*dictionary, list, &error);
        QVERIFY(checker);
        QVERIFY2(error.contains(list), qPrintable(error));
        error.clear();
        QVERIFY(!checker->add(QStringLiteral("zorblax"), &error));
        QVERIFY2(error.contains(list) && error.contains(QStringLiteral("could not be saved")),
                 qPrintable(error));
        QVERIFY(checker->isCorrect(QStringLiteral("zorblax")));

        DictionaryFiles missing = *dictionary;
        missing.second = dir.filePath(QStringLiteral("none.dic"));
        error.clear();
        QVERIFY(!HunspellChecker::load(missing, list, &error));
        QVERIFY2(error.contains(missing.second), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSpellingSession)
#include "tst_spellingsession.moc"
