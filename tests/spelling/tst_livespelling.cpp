// Live spelling as a user meets it in the main frame: words typed into a document are marked
// when misspelt, only outside markup; a keystroke rereads its own line only; pages in
// Windows-1252 and UTF-8 are read as their characters; the toolbar item switches it and shows
// its state; a right-click on a marked word offers the dictionary's suggestions.
#include "commands/commandactions.h"
#include "commands/commandicons.h"
#include "commands/commandids.h"
#include "documents/documentcontextmenu.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "spelling/spellingcontroller.h"
#include "spellingtestsupport.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

using namespace SpellingTestSupport;

class TestLiveSpelling : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;

    LiveSpeller *speller(DocumentWindow *doc) const
    {
        return drive(m_frame).spelling().liveSpeller(doc);
    }

    DocumentWindow *focusedDocument()
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        doc->memo()->setFocus();
        return doc;
    }

    // The marks once live spelling has caught up with the text.
    QStringList marksOf(DocumentWindow *doc)
    {
        if (!QTest::qWaitFor([&] { return !speller(doc)->isPending(); }, 30000))
            return {QStringLiteral("(still reading)")};
        return markedWords(doc);
    }

    DocumentWindow *openBytes(const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(QStringLiteral("page%1.htm").arg(qrand()));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the page");
        file.close();
        return drive(m_frame).files().openFile(path);
    }
    static int qrand()
    {
        static int n = 0;
        return ++n;
    }

    // The point of the text area where a character offset is drawn.
    static QPoint pointOf(DocumentWindow *doc, int offset)
    {
        ScintillaEditor &ed = doc->editor();
        const int line = ed.lineOfOffset(offset);
        const long pos =
            doc->memo()->positionFromLineIndex(line, 0) + (offset - ed.lineStart(line));
        return {int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0, pos)) + 2,
                int(doc->memo()->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0, pos)) + 4};
    }

    // A right-click at a character offset, as the window system reports it.
    QMenu *rightClick(DocumentWindow *doc, int offset)
    {
        QWidget *viewport = doc->memo()->viewport();
        const QPoint at = pointOf(doc, offset);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QMenu *menu = drive(m_frame).contextMenu().menu();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            qFatal("no context menu");
        return menu;
    }

    static void choose(QMenu *menu, QAction *action)
    {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
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
        // The dictionary is plain ASCII: accented words come from the user's own list.
        QFile list(m_home->file(QStringLiteral("personal.dic")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("café\nnaïve\nété\n");
        list.close();
        m_settings->write(Keys::SpellCheck, true);
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    void typedWordsAreMarkedOnlyOutsideMarkup()
    {
        DocumentWindow *doc = focusedDocument();
        QVERIFY(doc->liveSpelling());
        QTest::keyClicks(doc->memo(),
                         QStringLiteral("<p class=\"zzqx\" title=\"a wrongg title\">Helo wrld "
                                        "&amp; <a href=\"pagge.htm\">good</a> "
                                        "http://www.exampel.com/pagge xx@exampel.org</p>"));
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QTest::keyClicks(doc->memo(), QStringLiteral("<script>var qqx = 'zzz';</script>"));
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QTest::keyClicks(doc->memo(), QStringLiteral("<!-- commment --> caf&eacute; fine"));
        QCOMPARE(marksOf(doc), (QStringList{"wrongg", "Helo", "wrld"}));

        // A word typed later is marked once it is complete, and unmarked when corrected.
        QTest::keyClicks(doc->memo(), QStringLiteral(" speling"));
        QCOMPARE(marksOf(doc), (QStringList{"wrongg", "Helo", "wrld", "speling"}));
        QTest::keyClick(doc->memo(), Qt::Key_Left);
        QTest::keyClick(doc->memo(), Qt::Key_Left);
        QTest::keyClick(doc->memo(), Qt::Key_Left);
        QTest::keyClicks(doc->memo(), QStringLiteral("l"));
        QCOMPARE(marksOf(doc), (QStringList{"wrongg", "Helo", "wrld"}));
    }

    // Letters typed as entities are checked as the letters they stand for, with markup left
    // out or not; an entity standing alone is no word.
    void entitiesAreReadAsTheirLetters()
    {
        DocumentWindow *doc = focusedDocument();
        QTest::keyClicks(doc->memo(),
                         QStringLiteral("<P>&Eacute;t&eacute; caf&eacute; &eacute; &agrave; "
                                        "caf&eacute;e</P>"));
        QCOMPARE(marksOf(doc), QStringList{"caf&eacute;e"});
        speller(doc)->setScope({false, true});
        QCOMPARE(marksOf(doc), QStringList{"caf&eacute;e"});
    }

    // Typing a comment opener hides what follows until its end; typing the end shows it.
    void markupTypedAboveChangesTheLinesBelow()
    {
        DocumentWindow *doc = focusedDocument();
        doc->editor().setText(QStringLiteral("first\nsecnd line\nthird\nfourht -->\nfith"));
        QCOMPARE(marksOf(doc), (QStringList{"secnd", "fourht", "fith"}));
        doc->editor().setCaret(5);
        QTest::keyClicks(doc->memo(), QStringLiteral("<!--"));
        QCOMPARE(marksOf(doc), QStringList{"fith"});
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(doc->memo(), Qt::Key_Backspace);
        QCOMPARE(marksOf(doc), (QStringList{"secnd", "fourht", "fith"}));
    }

    // A keystroke reads its own line again, however long the page.
    void aKeystrokeRereadsItsLineOnly()
    {
        QByteArray page;
        for (int i = 0; i < 20000; ++i)
            page += "<p>A line of text with a mistaek, number " + QByteArray::number(i) + "</p>\n";
        DocumentWindow *doc = openBytes(page);
        QVERIFY(doc);
        LiveSpeller *live = speller(doc);
        QTRY_VERIFY_WITH_TIMEOUT(!live->isPending(), 60000);
        QCOMPARE(markedWords(doc).size(), 20000);
        const qint64 before = live->linesRead();
        doc->memo()->setFocus();
        doc->editor().setCaret(doc->editor().lineStart(10000) + 3);
        QTest::keyClicks(doc->memo(), QStringLiteral("Wrd "));
        QTRY_VERIFY(!live->isPending());
        QVERIFY2(live->linesRead() - before <= 4,
                 qPrintable(QString::number(live->linesRead() - before)));
        QCOMPARE(markedWords(doc).size(), 20001);
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QTRY_VERIFY(!live->isPending());
        QVERIFY(live->linesRead() - before <= 8);
        QCOMPARE(markedWords(doc).size(), 20001);
    }

    void pagesAreReadAsTheirCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QStringList>("marked");
        QTest::addRow("Windows-1252")
            << QByteArray("caf\xE9 na\xEFve don\x92t xyzzq\xE9 end\r\n")
            << int(ScintillaEditor::Encoding::Cp1252) << QStringList{QString::fromUtf8("xyzzqé")};
        QTest::addRow("UTF-8") << QByteArray("café naïve don’t xyzzqé\nend")
                               << int(ScintillaEditor::Encoding::Utf8)
                               << QStringList{QString::fromUtf8("xyzzqé")};
    }
    void pagesAreReadAsTheirCharacters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QStringList, marked);
        DocumentWindow *doc = openBytes(bytes);
        QVERIFY(doc);
        QCOMPARE(int(doc->editor().encoding()), encoding);
        QCOMPARE(marksOf(doc), marked);
    }

    // The toolbar item switches live spelling for the active document, with its picture.
    void theToolbarItemSwitchesAndShowsTheState()
    {
        DocumentWindow *doc = focusedDocument();
        doc->editor().setText(QStringLiteral("a mistaek"));
        QCOMPARE(marksOf(doc), QStringList{"mistaek"});
        SpeedBar &bar = drive(m_frame).speedBar();
        bar.placeItem(QStringLiteral("SpeedItem151"), QPoint(600, 4));
        bar.doButtons();
        SpeedButton *item = bar.button(QStringLiteral("SpeedItem151"));
        QVERIFY(item && item->isVisible());
        const QImage on = item->icon().pixmap(16, 16).toImage();
        QAction *check = drive(m_frame).commands().action(Cmd::LiveSpellcheck1Click);
        QVERIFY(check->isChecked());

        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY(!doc->liveSpelling());
        QVERIFY(!check->isChecked());
        QCOMPARE(markedWords(doc), QStringList());
        QVERIFY(item->icon().pixmap(16, 16).toImage() != on);

        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY(doc->liveSpelling());
        QCOMPARE(marksOf(doc), QStringList{"mistaek"});
        QCOMPARE(item->icon().pixmap(16, 16).toImage(), on);
    }

    // The setting is each new document's start; a document's own switch stays its own.
    void theSettingIsTheDefault()
    {
        DocumentWindow *first = focusedDocument();
        drive(m_frame).commands().run(Cmd::LiveSpellcheck1Click);
        QVERIFY(!first->liveSpelling());
        drive(m_frame).files().news();
        DocumentWindow *second = drive(m_frame).documents().active();
        QVERIFY(second != first);
        QVERIFY(second->liveSpelling());
        QVERIFY(!first->liveSpelling());
        m_settings->write(Keys::SpellCheck, false);
        m_settings->announceApplied();
        QVERIFY(!second->liveSpelling());
        QVERIFY(!drive(m_frame).commands().action(Cmd::LiveSpellcheck1Click)->isChecked());
    }

    void rightClickOnAMarkedWordOffersSuggestions()
    {
        DocumentWindow *doc = focusedDocument();
        doc->editor().setText(QStringLiteral("<p>Good speling here</p>"));
        QCOMPARE(marksOf(doc), QStringList{"speling"});

        QMenu *menu = rightClick(doc, 10);
        QList<QAction *> items = menu->actions();
        QStringList captions;
        for (QAction *a : items)
            captions << a->text();
        // Suggestions first, then the two answers, a separator and the usual items.
        const qsizetype suggestion = captions.indexOf(QStringLiteral("spelling"));
        const qsizetype ignoreAll = captions.indexOf(QStringLiteral("Ignore All"));
        QVERIFY2(suggestion >= 0 && suggestion < ignoreAll, qPrintable(captions.join(u'|')));
        QCOMPARE(captions.at(ignoreAll + 1), QStringLiteral("Add to Dictionary"));
        QVERIFY(items.at(ignoreAll + 2)->isSeparator());
        QCOMPARE(captions.at(ignoreAll + 3), QStringLiteral("Undo"));
        choose(menu, items.at(suggestion));
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>Good spelling here</p>"));
        QCOMPARE(marksOf(doc), QStringList());
        doc->editor().undo();
        QCOMPARE(doc->editor().text(), QStringLiteral("<p>Good speling here</p>"));

        // Elsewhere the menu is the usual one: on a correct word, and on a misspelt one in a
        // script that began on a line above.
        menu = rightClick(doc, 5);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Undo"));
        menu->hide();
        doc->editor().setText(QStringLiteral("<p>Good speling here</p>\n<script>\nvar wrongg;\n"
                                             "</script>"));
        menu = rightClick(doc, int(doc->editor().text().indexOf(QLatin1String("wrongg"))) + 2);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Undo"));
        menu->hide();

        // Ignore All unmarks the word in every document for the rest of the run.
        menu = rightClick(doc, 10);
        QAction *ignore = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == QLatin1String("Ignore All"))
                ignore = a;
        choose(menu, ignore);
        QCOMPARE(marksOf(doc), QStringList());
        drive(m_frame).files().news();
        DocumentWindow *other = focusedDocument();
        other->editor().setText(QStringLiteral("speling again"));
        QCOMPARE(marksOf(other), QStringList());
    }
};

QTEST_MAIN(TestLiveSpelling)
#include "tst_livespelling.moc"
