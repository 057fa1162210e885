#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "files/documentwatcher.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "session/documentjournal.h"
#include "session/recoveryjournal.h"
#include "session/sessionrestore.h"
#include "shell/tabstrips.h"

#include <Qsci/qsciscintilla.h>

#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

// Unsaved work after a crash, and the documents of the last session, across real restarts.
class TestCrashRecovery : public FrameTestBase
{
    Q_OBJECT

private:
    QString recovery() const { return m_home->file(QStringLiteral("recovery")); }
    QStringList sessions() const
    {
        return QDir(recovery()).entryList({QStringLiteral("run-*")}, QDir::Dirs);
    }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir->filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    std::unique_ptr<MainFrame> start(const QStringList &files = {})
    {
        auto frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        frame->queueFiles(files);
        frame->showAtStart(false);
        return frame;
    }
    // A clean end: every remaining question is answered No.
    void closeWithoutSaving(std::unique_ptr<MainFrame> &frame)
    {
        for (int i = 0; i < 10; ++i)
            m_prompter.answers << PromptAnswer::No;
        QVERIFY(frame->close());
        m_prompter.answers.clear();
        frame.reset();
    }
    DocumentWindow *documentNamed(MainFrame &frame, const QString &identity)
    {
        for (DocumentWindow *doc : drive(frame).documents().documents())
            if (doc->document().identity() == identity)
                return doc;
        return nullptr;
    }
    // The journal a run leaves when it ends without closing, made here without a process.
    void leaveOrphan(const QList<JournalEntry> &entries)
    {
        RecoveryJournal run(recovery());
        QVERIFY(run.open());
        QVERIFY(run.write(entries));
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void aKilledCopysUnsavedDocumentsComeBack()
    {
        const QByteArray original("caf\xe9\r\n<p>x</p>\r\n");
        const QString page = write(QStringLiteral("page.htm"), original);
        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        copy.setProcessEnvironment(env);
        copy.start(QStringLiteral(QM_CRASHING_COPY), {m_home->path(), page});
        QVERIFY(copy.waitForStarted());
        const auto stop = qScopeGuard([&] {
            copy.kill();
            copy.waitForFinished();
        });
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += copy.readAllStandardOutput()).contains("journaled"),
                                 30000);
        QCOMPARE(sessions().size(), 1);

        // A copy that runs beside it does not take its journal, and leaves it at its own end.
        auto beside = start();
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join(u'\n')));
        closeWithoutSaving(beside);
        QCOMPARE(sessions().size(), 1);

        copy.kill();
        QVERIFY(copy.waitForFinished());
        QCOMPARE(copy.exitStatus(), QProcess::CrashExit);

        m_prompter.shown.clear();
        m_prompter.answers = {PromptAnswer::Yes};
        auto next = start();
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown[0].contains(page));
        QVERIFY(m_prompter.shown[0].contains(QStringLiteral("Untitled")));
        QCOMPARE(drive(next).documents().documents().size(), 2);

        DocumentWindow *named = documentNamed(*next, page);
        QVERIFY(named);
        QVERIFY(named->isModified());
        QCOMPARE(named->editor().bytes(), original + "\x80 typed");
        QCOMPARE(named->document().formatText(), QStringLiteral("Windows-1252  CR LF"));
        QCOMPARE(drive(next).tabs().text(named), TabStrips::ModifiedMarker + "page.htm");
        DocumentWindow *untitled = drive(next).documents().documents().value(1);
        QVERIFY(untitled != named &&
                untitled->document().identity().startsWith(QStringLiteral("Untitled")));
        QVERIFY(untitled->isModified());
        QCOMPARE(untitled->editor().bytes(), QByteArray("<p>new \u65e5\u672c</p>\n"));
        QCOMPARE(untitled->windowTitle(), untitled->document().identity());

        // Saving writes the page's own file, byte for byte; the killed run's journal is gone.
        QVERIFY(drive(next).saving().save(named));
        QCOMPARE(read(page), original + "\x80 typed");
        QCOMPARE(sessions().size(), 1);
        closeWithoutSaving(next);
        QVERIFY(!QFileInfo::exists(recovery()));
    }

    // Another editor or a version-control update changed the page after the crash: restoring
    // asks as about any outside change, and the save does not replace it without asking.
    void aPageChangedOnDiskAfterTheCrashIsNotSilentlyReplaced()
    {
        const QByteArray base("<p>base</p>\n");
        const QString changed = write(QStringLiteral("changed.htm"), base);
        const QString same = write(QStringLiteral("same.htm"), base);
        const auto textOf = [&](int id, const QString &page) {
            JournalEntry e;
            e.id = id;
            e.identity = page;
            e.named = true;
            e.modified = true;
            e.encoding = QStringLiteral("UTF-8");
            e.lineBreak = QStringLiteral("\n");
            e.generation = 2;
            e.withText = true;
            e.bytes = base + "<p>typed</p>\n";
            e.baseHash = DocumentWatcher::hashOf(base);
            e.baseSize = base.size();
            return e;
        };
        leaveOrphan({textOf(1, changed), textOf(2, same)});
        write(QStringLiteral("changed.htm"), "<p>from the other program</p>\n");

        // Restore, then keep the restored text (the default) rather than reload.
        m_prompter.answers = {PromptAnswer::Yes, PromptAnswer::No};
        auto next = start();
        QCOMPARE(m_prompter.shown.size(), 2);
        QVERIFY(m_prompter.shown[1].contains(changed));
        QVERIFY(m_prompter.shown[1].contains(QStringLiteral("changed by another program")));
        DocumentWindow *doc = documentNamed(*next, changed);
        QVERIFY(doc && doc->isModified());
        QCOMPARE(doc->editor().bytes(), base + "<p>typed</p>\n");

        // Enter at the save's question keeps the other program's file.
        m_prompter.shown.clear();
        m_prompter.answers = {PromptAnswer::No};
        QVERIFY(!drive(next).saving().save(doc));
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown[0].contains(QStringLiteral("changed by another program")));
        QCOMPARE(read(changed), QByteArray("<p>from the other program</p>\n"));
        QCOMPARE(m_prompter.buttons.last(), PromptButtons::YesNoDefaultNo);

        // The page nobody touched saves without a word.
        m_prompter.shown.clear();
        DocumentWindow *untouched = documentNamed(*next, same);
        QVERIFY(untouched);
        QVERIFY(drive(next).saving().save(untouched));
        QVERIFY(m_prompter.shown.isEmpty());
        QCOMPARE(read(same), base + "<p>typed</p>\n");

        // The base travels on through this run's journal.
        drive(next).journal().flush();
        closeWithoutSaving(next);
    }

    // A list of the journal that cannot be read: the texts are still offered, as Untitled
    // documents, instead of being deleted without a word.
    void aDamagedJournalListStillOffersTheTexts()
    {
        JournalEntry e;
        e.id = 1;
        e.identity = m_dir->filePath(QStringLiteral("gone.htm"));
        e.named = true;
        e.modified = true;
        e.encoding = QStringLiteral("UTF-8");
        e.lineBreak = QStringLiteral("\n");
        e.generation = 1;
        e.withText = true;
        e.bytes = "<p>an hour of work</p>\n";
        leaveOrphan({e});
        const QString session = recovery() + u'/' + sessions().value(0);
        QFile index(session + u'/' + RecoveryJournal::indexName());
        QVERIFY(index.resize(7));

        m_prompter.answers = {PromptAnswer::Yes};
        auto next = start();
        QCOMPARE(m_prompter.shown.size(), 1);
        QCOMPARE(drive(next).documents().documents().size(), 1);
        DocumentWindow *doc = drive(next).documents().documents().value(0);
        QVERIFY(doc->document().identity().startsWith(QStringLiteral("Untitled")));
        QVERIFY(doc->isModified());
        QCOMPARE(doc->editor().bytes(), e.bytes);
        closeWithoutSaving(next);
    }

    // Crash recovery that cannot work says so once, in the status bar, instead of failing
    // without a word.
    // Hundreds of documents to restore: the question names the first and counts the rest, so
    // its buttons stay on the screen.
    void aLongRestoreQuestionStaysShort()
    {
        QStringList names;
        for (int i = 1; i <= 300; ++i)
            names << QStringLiteral("/w/page%1.htm").arg(i);
        const QString question = SessionRestore::question(names);
        QVERIFY(question.count(u'\n') < 30);
        QVERIFY(question.contains(QStringLiteral("/w/page1.htm\n")));
        QVERIFY(question.contains(QStringLiteral("and 285 more")));
        QVERIFY(question.endsWith(QStringLiteral("Cancel: keep them for the next start.")));
    }

    void recoveryThatCannotWorkSaysSoOnce()
    {
        QFile blocker(recovery());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        QSignalSpy failed(&drive(frame).journal(), &DocumentJournal::failed);
        frame->showAtStart(false);
        QCOMPARE(failed.size(), 1);
        const QString message = failed[0][0].toString();
        QVERIFY2(message.startsWith(QStringLiteral("Crash recovery is not working: ")) &&
                     message.contains(recovery()),
                 qPrintable(message));
        QCOMPARE(frame->statusBar()->currentMessage(), message);
        drive(frame).journal().setEnabled(false);
        drive(frame).journal().setEnabled(true);
        QCOMPARE(failed.size(), 1);
        QVERIFY(m_prompter.shown.isEmpty());
        closeWithoutSaving(frame);
    }

    void changesReachTheJournalSoonAndACleanEndRemovesIt()
    {
        auto frame = start();
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(doc);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), QStringLiteral("<p>kept</p>"));
        const auto journaled = [&] {
            const QDir session(recovery() + u'/' + sessions().value(0));
            const QStringList texts = session.entryList({QStringLiteral("*.text")});
            return texts.size() == 1 && read(session.filePath(texts[0])) == "<p>kept</p>";
        };
        QTRY_VERIFY(journaled());
        closeWithoutSaving(frame);
        QVERIFY(!QFileInfo::exists(recovery()));
        QVERIFY(m_prompter.shown.size() == 1); // the save question only
    }

    void theRestoreQuestionCanDiscardOrWait_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::newRow("No discards the changes") << PromptAnswer::No;
        QTest::newRow("Cancel keeps them for the next start") << PromptAnswer::Cancel;
    }
    void theRestoreQuestionCanDiscardOrWait()
    {
        QFETCH(PromptAnswer, answer);
        m_settings->write(Keys::Reopen, true);
        const QString page = write(QStringLiteral("page.htm"), "<p>on disk</p>");
        JournalEntry e;
        e.id = 1;
        e.identity = page;
        e.named = e.modified = e.withText = true;
        e.encoding = QStringLiteral("UTF-8");
        e.lineBreak = QStringLiteral("\n");
        e.bytes = "<p>unsaved</p>";
        leaveOrphan({e});

        m_prompter.answers = {answer};
        auto frame = start();
        QCOMPARE(m_prompter.shown.size(), 1);
        DocumentWindow *doc = documentNamed(*frame, page);
        if (answer == PromptAnswer::No) {
            // The file itself still opens, as the session had it.
            QVERIFY(doc);
            QVERIFY(!doc->isModified());
            QCOMPARE(doc->editor().bytes(), QByteArray("<p>on disk</p>"));
        } else {
            QVERIFY(!doc);
        }
        closeWithoutSaving(frame);
        m_prompter.shown.clear();
        m_prompter.answers = {PromptAnswer::Yes};
        frame = start();
        QCOMPARE(m_prompter.shown.size(), answer == PromptAnswer::Cancel ? 1 : 0);
        doc = documentNamed(*frame, page);
        QVERIFY(doc);
        QCOMPARE(doc->editor().bytes(), answer == PromptAnswer::Cancel
                                            ? QByteArray("<p>unsaved</p>")
                                            : QByteArray("<p>on disk</p>"));
        closeWithoutSaving(frame);
    }

    void theLastSessionOpensAgain()
    {
        m_settings->write(Keys::Reopen, true);
        m_settings->write(Keys::StartNew, QStringLiteral("no"));
        QByteArray lines;
        for (int i = 0; i < 200; ++i)
            lines += "<p>line</p>\n";
        const QString a = write(QStringLiteral("a.htm"), lines);
        const QString b = write(QStringLiteral("b.htm"), lines);
        const QString gone = write(QStringLiteral("gone.htm"), "x");
        const QString given = write(QStringLiteral("given.htm"), "y");

        auto frame = start({a, gone, b});
        QCOMPARE(drive(frame).documents().documents().size(), 3);
        documentNamed(*frame, a)->editor().setCaret(120);
        documentNamed(*frame, b)->editor().setCaret(1200);
        documentNamed(*frame, b)->editor().setFirstVisibleLine(90);
        drive(frame).documents().activate(documentNamed(*frame, a));
        closeWithoutSaving(frame);
        QVERIFY(QFile::remove(gone));

        m_prompter.shown.clear();
        frame = start();
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join(u'\n')));
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QCOMPARE(drive(frame).documents().active(), documentNamed(*frame, a));
        QCOMPARE(documentNamed(*frame, a)->editor().caret(), 120);
        QCOMPARE(documentNamed(*frame, b)->editor().caret(), 1200);
        QCOMPARE(documentNamed(*frame, b)->editor().firstVisibleLine(), 90);
        QVERIFY(!documentNamed(*frame, b)->isModified());
        closeWithoutSaving(frame);

        // Files of the command line open besides; one the session brought back is shown.
        frame = start({given, b});
        QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.shown.join(u'\n')));
        QCOMPARE(drive(frame).documents().documents().size(), 3);
        QCOMPARE(drive(frame).documents().active(), documentNamed(*frame, given));
        closeWithoutSaving(frame);

        // Switched off, nothing comes back.
        m_settings->write(Keys::Reopen, false);
        frame = start();
        QVERIFY(drive(frame).documents().documents().isEmpty());
        closeWithoutSaving(frame);
    }
};

QTEST_MAIN(TestCrashRecovery)
#include "tst_crashrecovery.moc"
