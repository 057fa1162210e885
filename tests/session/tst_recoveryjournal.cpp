#include "base/settingsfile.h"
#include "session/recoveryjournal.h"
#include "session/storedsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

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

    // A pipe named "lock" would hold the start for ever; a link would lead out of the journal.
    void aLockOrListThatIsNoRegularFileIsPassedOver()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        const QString piped = folder + QStringLiteral("/run-1-1");
        const QString linked = folder + QStringLiteral("/run-2-2");
        const QString listLinked = folder + QStringLiteral("/run-3-3");
        for (const QString &session : {piped, linked, listLinked})
            QVERIFY(QDir().mkpath(session));
        QVERIFY(::mkfifo(QFile::encodeName(piped + QStringLiteral("/lock")).constData(), 0600) ==
                0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), linked + QStringLiteral("/lock")));
        // A list that is a link to a list elsewhere is not read.
        const QString elsewhere = home.filePath(QStringLiteral("elsewhere.json"));
        QFile list(elsewhere);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(R"({"documents":[{"id":1,"identity":"/w/a.htm","named":true}]})");
        list.close();
        QVERIFY(QFile::link(elsewhere, listLinked + u'/' + RecoveryJournal::indexName()));

        const auto orphans = RecoveryJournal::takeOrphans(folder);
        QCOMPARE(orphans.size(), 1);
        QCOMPARE(orphans[0].folder, listLinked);
        QVERIFY(orphans[0].entries.isEmpty());
        QVERIFY(QFileInfo(piped + QStringLiteral("/lock")).exists());
        QVERIFY(QFileInfo(linked + QStringLiteral("/lock")).isSymLink());
    }

    // A list that cannot be read any more loses the names, never the texts.
    void aDamagedListKeepsTheTexts()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        auto run = std::make_unique<RecoveryJournal>(folder);
        QVERIFY(run->open());
        const JournalEntry page = entry(1, QStringLiteral("/w/a.htm"), "<p>caf\xc3\xa9</p>", 3);
        const JournalEntry other = entry(2, QStringLiteral("Untitled2"), "<p>\x80</p>", 5);
        QVERIFY(run->write({page, other}));
        const QString session = run->sessionFolder();
        run.reset();
        QFile index(session + u'/' + RecoveryJournal::indexName());
        QVERIFY(index.resize(index.size() / 2));

        const auto orphans = RecoveryJournal::takeOrphans(folder);
        QCOMPARE(orphans.size(), 1);
        QVERIFY(orphans[0].hasModified());
        const QList<JournalEntry> &found = orphans[0].entries;
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].bytes, page.bytes);
        QCOMPARE(found[0].encoding, QStringLiteral("UTF-8"));
        QCOMPARE(found[1].bytes, other.bytes);
        QCOMPARE(found[1].encoding, QStringLiteral("Windows-1252"));
        for (const JournalEntry &e : found)
            QVERIFY(e.modified && e.withText && !e.named && !e.identity.isEmpty());
        // Still on the disk until the question is answered.
        QCOMPARE(textFiles(session).size(), 2);
    }

    // The texts of private pages are private: folders 0700, files 0600, whatever the umask.
    void theJournalIsReadableByItsUserAlone()
    {
        QTemporaryDir home;
        const mode_t old = ::umask(022);
        const QString folder = home.filePath(QStringLiteral("recovery"));
        RecoveryJournal run(folder);
        QVERIFY(run.open());
        QVERIFY(run.write({entry(1, QStringLiteral("/w/secret.htm"), "secret", 1)}));
        ::umask(old);
        const auto modeOf = [](const QString &path) {
            struct stat st;
            return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777)
                                                                          : -1;
        };
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(run.sessionFolder()), 0700);
        QCOMPARE(modeOf(run.sessionFolder() + u'/' + RecoveryJournal::indexName()), 0600);
        QCOMPARE(modeOf(run.sessionFolder() + QStringLiteral("/1-1.text")), 0600);
        run.close();
    }

    // The file a text was based on travels with it.
    void theBaseOfATextRoundTrips()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("recovery"));
        auto run = std::make_unique<RecoveryJournal>(folder);
        QVERIFY(run->open());
        JournalEntry page = entry(1, QStringLiteral("/w/a.htm"), "new", 1);
        page.baseHash = QByteArray::fromHex("00ff10");
        page.baseSize = 5000000000;
        QVERIFY(run->write({page}));
        run.reset();
        const auto orphans = RecoveryJournal::takeOrphans(folder);
        QCOMPARE(orphans.size(), 1);
        QCOMPARE(orphans[0].entries[0].baseHash, page.baseHash);
        QCOMPARE(orphans[0].entries[0].baseSize, page.baseSize);
        RecoveryJournal::discard(orphans[0]);
    }

    void theSessionListRoundTrips()
    {
        QTemporaryDir home;
        SettingsFile settings(home.filePath(QStringLiteral("quillm.ini")));
        StoredSession session;
        // A line break, a tab and backslashes in a name come back exactly.
        session.documents = {{QStringLiteral("/w/a b.htm"), 12, 3},
                             {QStringLiteral("/w/c.htm"), 0, 0},
                             {QStringLiteral("/w/two\nlines\tand \\n.htm"), 1, 0}};
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
