// The spelling commands as a user reaches them: F7, Ctrl+F7 and F8 typed into the focused
// editor open the checking and thesaurus windows, whose buttons are clicked. Markup is left
// out of the check, Add writes the personal word list, and the thesaurus replaces a word.
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentcontext.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "selectionmarkup.h"
#include "spelling/spellcheckdialog.h"
#include "spelling/spellingcontroller.h"
#include "spelling/thesaurusdialog.h"
#include "spellingtestsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace SpellingTestSupport;

class TestSpellingCommands : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;

    DocumentWindow *focusedDocument(const QString &marked)
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        SelectionMarkup::set(doc->editor(), marked);
        doc->memo()->setFocus();
        if (!QTest::qWaitFor([doc] { return doc->memo()->hasFocus(); }))
            qFatal("the editor has no focus");
        return doc;
    }

    SpellCheckDialog *checkWindow() const { return drive(m_frame).spelling().checkDialog(); }

    template <typename T> static T *part(QWidget *window, const char *name)
    {
        auto *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    void click(const char *button)
    {
        QTest::mouseClick(part<QPushButton>(checkWindow(), button), Qt::LeftButton);
    }
    // The misspelt word the checking window shows, as selected in the document.
    QString shownWord() const
    {
        return drive(m_frame).documents().active()->editor().selectedText();
    }
    static void clickItem(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            qFatal("no item %s", qPrintable(text));
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }
    bool completed() const
    {
        return m_prompter.shown.contains(QStringLiteral("The spelling check is complete."));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!englishInstalled())
            QSKIP("No English Hunspell dictionary and MyThes thesaurus are installed "
                  "(Debian: hunspell-en-us, mythes-en-us).");
    }
    void init()
    {
        resetHome();
        writeConfig(m_home->file(QStringLiteral("addict.cfg")));
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup()
    {
        if (checkWindow())
            checkWindow()->close();
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    void f7ChecksFromTheCaretWithChangeAndIgnore()
    {
        DocumentWindow *doc = focusedDocument("Skipped wrod. |Teh qick brown fox jumpd.");
        QTest::keyClick(doc->memo(), Qt::Key_F7);
        QTRY_VERIFY(checkWindow() && checkWindow()->isVisible());
        QCOMPARE(shownWord(), QStringLiteral("Teh"));
        QVERIFY(part<QLabel>(checkWindow(), "notInDictionary")->text().contains("Teh"));
        auto *suggestions = part<QListWidget>(checkWindow(), "suggestions");
        QVERIFY(!suggestions->findItems("The", Qt::MatchExactly).isEmpty());
        clickItem(suggestions, QStringLiteral("The"));
        QCOMPARE(part<QLineEdit>(checkWindow(), "changeTo")->text(), QStringLiteral("The"));
        click("change");

        QCOMPARE(shownWord(), QStringLiteral("qick"));
        auto *changeTo = part<QLineEdit>(checkWindow(), "changeTo");
        changeTo->selectAll();
        QTest::keyClicks(changeTo, QStringLiteral("quick"));
        click("change");

        QCOMPARE(shownWord(), QStringLiteral("jumpd"));
        click("ignore");
        QTRY_VERIFY(!checkWindow());
        QVERIFY(completed());
        QCOMPARE(doc->editor().text(), QStringLiteral("Skipped wrod. The quick brown fox jumpd."));
    }

    // Ctrl+F7 reads the whole page but not its markup.
    void ctrlF7ChecksTheWholePageLeavingMarkupOut()
    {
        DocumentWindow *doc = focusedDocument(
            "<html><head><title>A mispeled title</title>\n"
            "<style>\np.intro { colr: red }\n</style>\n"
            "<script type=\"text/javascript\">\nvar wrongvar = 'zzzq';\n</script></head>\n"
            "<body class=\"bodyy\">\n<p>Fish &amp; chps, caf&eacute; and "
            "<a href=\"http://www.exampel.com/pagge\">a lnk</a> at www.exampel.org.|</p>\n"
            "<img src=\"pictur.gif\" alt=\"A phto of it\">\n<!-- a commment -->\n</body></html>");
        QTest::keyClick(doc->memo(), Qt::Key_F7, Qt::ControlModifier);
        QTRY_VERIFY(checkWindow() && checkWindow()->isVisible());
        QStringList visited;
        while (checkWindow() && checkWindow()->isVisible() && visited.size() < 20) {
            visited << shownWord();
            click("ignore");
        }
        // The dictionary has "cafe" but not "café": the entity is read as its letter.
        QCOMPARE(visited, (QStringList{"mispeled", "chps", "caf&eacute;", "lnk", "phto"}));
        QVERIFY(completed());
    }

    void addGoesToThePersonalListAndIgnoreAllForTheRun()
    {
        DocumentWindow *doc = focusedDocument("zorblax frobnitz| zorblax frobnitz blorf");
        QTest::keyClick(doc->memo(), Qt::Key_F7, Qt::ControlModifier);
        QTRY_VERIFY(checkWindow());
        QCOMPARE(shownWord(), QStringLiteral("zorblax"));
        click("add");
        QCOMPARE(shownWord(), QStringLiteral("frobnitz"));
        click("ignoreAll");
        QCOMPARE(shownWord(), QStringLiteral("blorf"));
        click("close");
        QTRY_VERIFY(!checkWindow());
        QVERIFY(!completed());

        QFile list(m_home->file(QStringLiteral("personal.dic")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("zorblax\n"));
        // The same words in a new page are known now.
        drive(m_frame).files().news();
        doc = focusedDocument("frobnitz zorblax blorf|");
        QTest::keyClick(doc->memo(), Qt::Key_F7, Qt::ControlModifier);
        QTRY_VERIFY(checkWindow());
        QCOMPARE(shownWord(), QStringLiteral("blorf"));
    }

    // The scope options are the configuration file's: unticking one checks markup too, for
    // the check under way and for live spelling.
    void theScopeOptionsAreStored()
    {
        DocumentWindow *doc = focusedDocument("|<p class=\"zzqx\">A wrod</p>");
        doc->setLiveSpelling(true);
        QTest::keyClick(doc->memo(), Qt::Key_F7);
        QTRY_VERIFY(checkWindow());
        QCOMPARE(shownWord(), QStringLiteral("wrod"));
        auto *skipHtml = part<QCheckBox>(checkWindow(), "skipHtml");
        QVERIFY(skipHtml->isChecked());
        QTest::mouseClick(skipHtml, Qt::LeftButton, {}, QPoint(4, skipHtml->height() / 2));
        QVERIFY(!skipHtml->isChecked());
        QCOMPARE(SettingsFile(m_home->file("addict.cfg")).read(Keys::SoHtml), 0);
        QCOMPARE(shownWord(), QStringLiteral("wrod")); // the check goes on at the same word
        click("close");
        QTRY_VERIFY(!checkWindow());
        QVERIFY(!doc->spellingSkipsHtml());
        LiveSpeller *live = drive(m_frame).spelling().liveSpeller(doc);
        QTRY_VERIFY(!live->isPending());
        QCOMPARE(markedWords(doc), (QStringList{"zzqx", "wrod"}));
    }

    void nothingMisspeltSaysSoWithoutAWindow()
    {
        DocumentWindow *doc = focusedDocument("|<p>All good here.</p>");
        QTest::keyClick(doc->memo(), Qt::Key_F7);
        QVERIFY(completed());
        QVERIFY(!checkWindow());
    }

    void f8OffersSynonymsAndReplaces()
    {
        DocumentWindow *doc = focusedDocument("a bi|g house");
        QTest::keyClick(doc->memo(), Qt::Key_F8);
        ThesaurusDialog *window = drive(m_frame).spelling().thesaurusDialog();
        QTRY_VERIFY(window && window->isVisible());
        QCOMPARE(part<QLineEdit>(window, "lookedUp")->text(), QStringLiteral("big"));
        auto *meanings = part<QListWidget>(window, "meanings");
        QVERIFY(meanings->count() > 3);
        QVERIFY(meanings->item(0)->text().contains(QLatin1String("(adj)")));
        auto *synonyms = part<QListWidget>(window, "synonyms");
        QVERIFY(!synonyms->findItems("large", Qt::MatchExactly).isEmpty());
        QVERIFY(!synonyms->findItems("huge (similar term)", Qt::MatchExactly).isEmpty());
        clickItem(synonyms, QStringLiteral("huge (similar term)"));
        QCOMPARE(part<QLineEdit>(window, "replaceWith")->text(), QStringLiteral("huge"));
        QTest::mouseClick(part<QPushButton>(window, "replace"), Qt::LeftButton);
        QTRY_VERIFY(!drive(m_frame).spelling().thesaurusDialog());
        QCOMPARE(doc->editor().text(), QStringLiteral("a huge house"));
        doc->editor().undo();
        QCOMPARE(doc->editor().text(), QStringLiteral("a big house"));
    }

    void aWordWithoutMeaningsCanBeLookedUpAnew()
    {
        DocumentWindow *doc = focusedDocument("|zzqx");
        QTest::keyClick(doc->memo(), Qt::Key_F8);
        ThesaurusDialog *window = drive(m_frame).spelling().thesaurusDialog();
        QTRY_VERIFY(window);
        QCOMPARE(part<QListWidget>(window, "meanings")->count(), 0);
        QVERIFY(part<QLabel>(window, "status")->text().contains(QLatin1String("zzqx")));
        auto *word = part<QLineEdit>(window, "lookedUp");
        word->selectAll();
        QTest::keyClicks(word, QStringLiteral("happy"));
        QTest::keyClick(word, Qt::Key_Return);
        QVERIFY(part<QListWidget>(window, "meanings")->count() > 0);
        QTest::mouseClick(part<QPushButton>(window, "cancel"), Qt::LeftButton);
        QTRY_VERIFY(!drive(m_frame).spelling().thesaurusDialog());
        QCOMPARE(doc->editor().text(), QStringLiteral("zzqx"));
    }

    // Without dictionaries the commands say what is missing and change nothing.
    void missingDictionariesAreNamed()
    {
        QTemporaryDir empty;
        auto frame = startFrame();
        DocumentWindow &doc = *drive(frame).files().newclean();
        doc.editor().setText(QStringLiteral("wrod"));
        SpellingController controller(m_home->file("addict.cfg"), m_prompter,
                                      drive(frame).documents(), nullptr, nullptr, {empty.path()});
        controller.spellcheck();
        controller.thesaurus();
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown.at(0).startsWith("No spelling dictionary is installed."));
        QVERIFY(m_prompter.shown.at(1).startsWith("No thesaurus is installed."));
        QVERIFY(!controller.checkDialog());
        QCOMPARE(doc.editor().text(), QStringLiteral("wrod"));
    }
};

QTEST_MAIN(TestSpellingCommands)
#include "tst_spellingcommands.moc"
