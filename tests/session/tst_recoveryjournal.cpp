#include "base/settingsfile.h"
#include "session/recoveryjournal.h"
#include "session/storedsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

JournalEntry entry(int id, const QString &identity, const QByteArray &bytes, quint64 generation)
{
    JournalEntry e;
    e.id = id;
    e.identity = identity;
    e.named = identity.startsWith(u'/');
    e.modified = true;
    e.encoding = QStringLiteral("UTF-8");
    e.lineBreak = QStringLiteral("\n");
    e.generation = generation;
    e.withText = true;
    e.bytes = bytes;
    return e;
}

QStringList textFiles(const QString &session)
{
    return QDir(session).entryList({QStringLiteral("*.text")}, QDir::Files, QDir::Name);
}

} // namespace

// The journal's files on the disk: what a run leaves behind when it is killed, what the next
// run finds, and that nothing else is touched.
class TestRecoveryJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aKilledRunLeavesItsDocumentsForTheNext()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        JournalEntry page =
            entry(1, QStringLiteral("/w/caf\u00e9.htm"), QByteArray("caf\xe9\r\n<p>\x80</p>"), 4);
        page.encoding = QStringLiteral("Windows-1252");
        page.lineBreak = QStringLiteral("\r\n");
        page.caret = 7;
        page.firstLine = 2;
        page.active = true;
        const JournalEntry untitled =
            entry(2, QStringLiteral("Untitled3"), QByteArray("\xef\xbb\xbf<b>\n"), 9);
        JournalEntry plain = entry(3, QStringLiteral("/w/saved.htm"), {}, 1);
        plain.modified = false;
        plain.withText = false;
        JournalEntry emptied = entry(4, QStringLiteral("Untitled4"), QByteArray(), 2);

        auto run = std::make_unique<RecoveryJournal>(folder);
        QVERIFY(run->open());
        QVERIFY(run->write({page, untitled, plain, emptied}));
        // A live run's journal is its own.
        QVERIFY(RecoveryJournal::takeOrphans(folder).isEmpty());

        // Unchanged texts travel without their bytes; a changed one replaces its old file.
        JournalEntry again = page;
        again.withText = false;
        again.bytes.clear();
        JournalEntry changed = untitled;
        changed.generation = 10;
        changed.bytes = QByteArray("\xef\xbb\xbf<b>x\n");
        QVERIFY(run->write({again, changed, plain, emptied}));
        QCOMPARE(textFiles(run->sessionFolder()),
                 (QStringList{"1-4.text", "2-10.text", "4-2.text"}));
        // A modified document whose text the journal never got is refused, not listed empty.
        JournalEntry unknown = entry(5, QStringLiteral("Untitled5"), {}, 1);
        unknown.withText = false;
        QVERIFY(!run->write({again, unknown}));

        // What a killed run leaves: the files, and a lock nobody holds.
        const QString session = run->sessionFolder();
        QVERIFY(run->write({page, changed, plain, emptied}));
        run.reset();
        QVERIFY(QFileInfo(session).isDir());

        const QList<RecoveryJournal::Orphan> orphans = RecoveryJournal::takeOrphans(folder);
        QCOMPARE(orphans.size(), 1);
        QVERIFY(orphans[0].hasModified());
        const QList<JournalEntry> &found = orphans[0].entries;
        QCOMPARE(found.size(), 4);
        QCOMPARE(found[0].identity, page.identity);
        QCOMPARE(found[0].bytes, page.bytes);
        QCOMPARE(found[0].encoding, QStringLiteral("Windows-1252"));
        QCOMPARE(found[0].lineBreak, QStringLiteral("\r\n"));
        QCOMPARE(found[0].caret, 7);
        QCOMPARE(found[0].firstLine, 2);
        QVERIFY(found[0].active && found[0].named);
        QCOMPARE(found[1].bytes, changed.bytes);
        QVERIFY(!found[1].named);
        QVERIFY(!found[2].modified);
        QVERIFY(found[3].modified);
        QCOMPARE(found[3].bytes, QByteArray());
        // Taken by this look: a second look at the same moment does not get it too.
        QVERIFY(RecoveryJournal::takeOrphans(folder).isEmpty());

        RecoveryJournal::discard(orphans[0]);
        QVERIFY(!QFileInfo::exists(session));
    }

    void aCleanEndLeavesNothing()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        RecoveryJournal run(folder);
        QVERIFY(run.open());
        QVERIFY(run.write({entry(1, QStringLiteral("Untitled1"), "text", 1)}));
        run.close();
        QVERIFY(!QFileInfo::exists(folder));
    }

    // An edited list cannot make the next start read or delete a file outside the session,
    // and a list that is not one brings back nothing.
    void aForgedListReachesNothingElse()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        QFile secret(home.filePath(QStringLiteral("secret.text")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("mine");
        secret.close();
        const QString session = folder + QStringLiteral("/run-1-1");
        QVERIFY(QDir().mkpath(session));
        QFile index(session + u'/' + RecoveryJournal::indexName());
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write(R"({"documents":[{"id":1,"identity":"/w/a.htm","named":true,)"
                    R"("modified":true,"text":"../../secret.text"}]})");
        index.close();
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/run-2-2")));
        QFile garbage(folder + QStringLiteral("/run-2-2/") + RecoveryJournal::indexName());
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x01\x02 not a list");
        garbage.close();

        const auto orphans = RecoveryJournal::takeOrphans(folder);
        QCOMPARE(orphans.size(), 2);
        for (const auto &orphan : orphans) {
            QVERIFY(!orphan.hasModified());
            RecoveryJournal::discard(orphan);
        }
        QVERIFY(secret.exists());
    }

    void theSessionListRoundTrips()
    {
        QTemporaryDir home;
        SettingsFile settings(home.filePath(QStringLiteral("quillm.ini")));
        StoredSession session;
        session.documents = {{QStringLiteral("/w/a b.htm"), 12, 3},
                             {QStringLiteral("/w/c.htm"), 0, 0}};
        session.active = 1;
        QVERIFY(session.write(settings));
        const StoredSession back = StoredSession::read(settings);
        QCOMPARE(back.documents, session.documents);
        QCOMPARE(back.active, 1);

        // A shorter list leaves no entry of the longer one behind.
        StoredSession one;
        one.documents = {{QStringLiteral("/w/c.htm"), 5, 0}};
        QVERIFY(one.write(settings));
        QCOMPARE(StoredSession::read(settings).documents, one.documents);
        QCOMPARE(StoredSession::read(settings).active, -1);
        QVERIFY(settings.readString(Sections::Session, QStringLiteral("2")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecoveryJournal)
#include "tst_recoveryjournal.moc"
