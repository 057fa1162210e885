#include "base/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "filesizelimit.h"

#include <sys/stat.h>
#include <unistd.h>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void writeRaw(const QByteArray &bytes)
    {
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readRaw()
    {
        QFile f(m_path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("quillm.ini"));
        QFile::remove(m_path);
    }

    void missingFileAndKeysGiveDefaults()
    {
        SettingsFile s(m_path);
        QCOMPARE(s.read(Keys::TabWidth), 5);
        QCOMPARE(s.read(Keys::State), QString());
        QCOMPARE(s.readString("Varnel", "nothing", "dflt"), QString("dflt"));
        QCOMPARE(s.read(Keys::CTagsBack), -2147483643);
        QVERIFY(!QFile::exists(m_path)); // reading never creates the file
    }

    void namesIgnoreLetterCase()
    {
        writeRaw("[VARNEL]\nHeLLo=/tmp/a.htm\n[qorvin*plat]\nTABWIDTH=8\n");
        SettingsFile s(m_path);
        QCOMPARE(s.read(Keys::Hello), QString("/tmp/a.htm"));
        QCOMPARE(s.read(Keys::TabWidth), 8);
        QVERIFY(s.write(Keys::TabWidth, 3));
        QVERIFY(readRaw().contains("TABWIDTH=3")); // the existing spelling is kept
        QVERIFY(!readRaw().contains("tabwidth"));
    }

    void typedReads_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<bool>("asBool");
        QTest::newRow("one") << QByteArray("1") << 1 << true;
        QTest::newRow("zero") << QByteArray("0") << 0 << false;
        QTest::newRow("negative colour") << QByteArray("-2147483643") << -2147483643 << true;
        QTest::newRow("hex with 0x") << QByteArray("0x10") << 16 << true;
        QTest::newRow("hex with dollar") << QByteArray("$FF") << 255 << true;
        QTest::newRow("text falls back") << QByteArray("yes") << 42 << false;
        QTest::newRow("empty falls back") << QByteArray("") << 42 << false;
        QTest::newRow("blanks trimmed") << QByteArray("  7  ") << 7 << true;
    }
    void typedReads()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, asInt);
        QFETCH(bool, asBool);
        writeRaw("[s]\nk=" + stored + "\n");
        SettingsFile s(m_path);
        QCOMPARE(s.readInt("s", "k", 42), asInt);
        QCOMPARE(s.readBool("s", "k", false), asBool);
    }

    void writesKeepEverythingElse()
    {
        const QByteArray before = "; kept comment\n[Zeta]\nz=1\n\n[Varnel]\n; about hello\n"
                                  "hello=x\nunknown=keep me\nno equals sign line\n[Alpha]\na=2\n";
        writeRaw(before);
        SettingsFile s(m_path);
        QVERIFY(s.writeString("Varnel", "hello", ""));
        QVERIFY(s.writeString("Varnel", "state", "max"));
        const QByteArray after = readRaw();
        QVERIFY(after.contains("; kept comment"));
        QVERIFY(after.contains("; about hello"));
        QVERIFY(after.contains("unknown=keep me"));
        QVERIFY(!s.hasKey("Varnel", "no equals sign line"));
        QVERIFY(after.indexOf("[Zeta]") < after.indexOf("[Varnel]"));
        QVERIFY(after.indexOf("[Varnel]") < after.indexOf("[Alpha]"));
        // An empty value keeps the key.
        QVERIFY(s.hasKey("Varnel", "hello"));
        QCOMPARE(s.readString("Varnel", "hello", "dflt"), QString());
        QCOMPARE(s.readString("varnel", "STATE"), QString("max"));
    }

    void valuesRoundTripExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("leading blank") << QString(" align=\"center\"");
        QTest::newRow("trailing blank") << QString("mailto:?subject= ");
        QTest::newRow("quoted whole") << QString("\"x\"");
        QTest::newRow("equals and semicolon") << QString("a=b;c");
        QTest::newRow("non-ascii path") << QString("/tmp/größe €.htm");
        QTest::newRow("section-like text") << QString("[Varnel]");
    }
    void valuesRoundTripExactly()
    {
        QFETCH(QString, value);
        SettingsFile s(m_path);
        QVERIFY(s.writeString("Quick", "v", value));
        QCOMPARE(s.readString("Quick", "v"), value);
    }

    void eraseSectionRemovesOnlyThatSection()
    {
        writeRaw("[CleanUp]\ncount=2\n1=/tmp/a\n[Varnel]\nstate=max\n");
        SettingsFile s(m_path);
        QVERIFY(s.eraseSection("cleanup"));
        QVERIFY(!s.hasKey("CleanUp", "count"));
        QCOMPARE(s.read(Keys::State), QString("max"));
    }

    void unchangedWriteDoesNotTouchTheFile()
    {
        writeRaw("[Varnel]\r\nstate=max\r\n");
        SettingsFile s(m_path);
        QVERIFY(s.write(Keys::State, "max"));
        QCOMPARE(readRaw(), QByteArray("[Varnel]\r\nstate=max\r\n"));
    }

    void badFilesGiveDefaultsAndAreNeverReplaced_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff[Varnel]\nstate=max\x00", 20);
        QTest::newRow("random high bytes") << QByteArray("\xfe\xff\x80\x81[\n=\n]]]==\n");
    }
    void badFilesGiveDefaultsAndAreNeverReplaced()
    {
        QFETCH(QByteArray, content);
        writeRaw(content);
        QStringList errors;
        SettingsFile s(m_path, [&](const QString &m) { errors << m; });
        QCOMPARE(s.read(Keys::TabWidth), 5);
        const bool wrote = s.write(Keys::TabWidth, 9);
        if (content.contains('\0')) {
            QVERIFY(!wrote);
            QCOMPARE(errors.size(), 1);
            QVERIFY(errors.front().contains(m_path));
            QCOMPARE(readRaw(), content);
        } else {
            QVERIFY(wrote);
            QCOMPARE(s.read(Keys::TabWidth), 9);
        }
    }

    void truncatedFileReadsWhatIsThere()
    {
        writeRaw("[Varnel]\nstate=max\n[Qorvin*Plat]\ntabwi");
        SettingsFile s(m_path);
        QCOMPARE(s.read(Keys::State), QString("max"));
        QCOMPARE(s.read(Keys::TabWidth), 5);
    }

    void failedWriteSaysWhichFileAndWhy()
    {
        // A folder where the file should be: nothing can be written, nothing is lost.
        const QString folderPath = m_dir.filePath("folder.ini");
        QVERIFY(QDir().mkpath(folderPath));
        QStringList errors;
        SettingsFile s(folderPath, [&](const QString &m) { errors << m; });
        QVERIFY(!s.write(Keys::State, "max"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.front().contains(folderPath));
        QVERIFY(!s.lastError().isEmpty());
        QVERIFY(QFileInfo(folderPath).isDir());
    }

    void unreadableFileIsLeftAlone()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        writeRaw("[Varnel]\nstate=norm\n");
        QFile::setPermissions(m_path, QFileDevice::WriteOwner);
        SettingsFile s(m_path);
        QCOMPARE(s.read(Keys::State), QString());
        QVERIFY(!s.write(Keys::State, "max"));
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readRaw(), QByteArray("[Varnel]\nstate=norm\n"));
    }

    void writeIsAtomic()
    {
        // The new content appears whole through a rename: the old inode stays untouched.
        writeRaw("[Varnel]\nstate=max\n");
        QFile old(m_path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        SettingsFile s(m_path);
        QVERIFY(s.write(Keys::State, "norm"));
        QCOMPARE(old.readAll(), QByteArray("[Varnel]\nstate=max\n"));
        QCOMPARE(s.read(Keys::State), QString("norm"));
        QDir dir(m_dir.path());
        QCOMPARE(dir.entryList(QDir::Files), QStringList{"quillm.ini"}); // no leftovers
    }

    void batchWritesOnceAtItsEnd()
    {
        writeRaw("; kept\n[Varnel]\nstate=max\n");
        SettingsFile s(m_path);
        {
            SettingsFile::Batch outer(s);
            QVERIFY(s.write(Keys::State, "norm"));
            {
                SettingsFile::Batch inner(s);
                QVERIFY(s.write(Keys::TabWidth, 7));
                QVERIFY(s.eraseSection("Varnel"));
                QVERIFY(s.write(Keys::Hello, "a.htm"));
            }
            // Reads see what was gathered; the file is untouched until the end.
            QCOMPARE(s.read(Keys::TabWidth), 7);
            QCOMPARE(s.read(Keys::State), QString());
            QCOMPARE(s.read(Keys::Hello), QString("a.htm"));
            QCOMPARE(readRaw(), QByteArray("; kept\n[Varnel]\nstate=max\n"));
        }
        SettingsFile fresh(m_path);
        QCOMPARE(fresh.read(Keys::TabWidth), 7);
        QCOMPARE(fresh.read(Keys::State), QString());
        QCOMPARE(fresh.read(Keys::Hello), QString("a.htm"));
        QVERIFY(readRaw().startsWith("; kept"));
    }

    void batchReportsAFailedWriteOnce()
    {
        // A file in a folder that does not exist cannot be written, not even by root.
        const QString path = m_dir.filePath(QStringLiteral("gone/quillm.ini"));
        QStringList errors;
        SettingsFile s(path, [&errors](const QString &m) { errors << m; });
        bool committed = true;
        {
            SettingsFile::Batch batch(s);
            QVERIFY(s.write(Keys::State, "norm"));
            QVERIFY(s.write(Keys::TabWidth, 3));
            committed = batch.commit();
        }
        QVERIFY(!committed);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains(QLatin1String("gone")));
        QVERIFY(!s.write(Keys::State, "other"));
        QCOMPARE(errors.size(), 2);
        QCOMPARE(s.read(Keys::State), QString());
    }

    void aPipeOrDeviceByTheNameIsNeitherReadNorReplaced()
    {
        // Neither waits for a writer that never comes nor reads without end.
        QVERIFY(::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
        QStringList errors;
        SettingsFile s(m_path, [&](const QString &m) { errors << m; });
        QCOMPARE(s.read(Keys::TabWidth), 5);
        QVERIFY(!s.write(Keys::TabWidth, 3));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains("it is a pipe"));
        QVERIFY(!QFileInfo(m_path).isFile());
        QFile::remove(m_path);

        SettingsFile device("/dev/zero");
        QCOMPARE(device.read(Keys::TabWidth), 5);
        QVERIFY(!device.write(Keys::TabWidth, 3));
    }

    void aFullDiskLeavesTheFileWhole()
    {
        const QByteArray before = QByteArray(480, ';') + "\n[Varnel]\nstate=max\n";
        writeRaw(before);
        QStringList errors;
        SettingsFile s(m_path, [&](const QString &m) { errors << m; });
        {
            FileSizeLimit full(20); // the disk takes 20 bytes more, then no more
            const bool wrote = s.write(Keys::State, "norm");
            QVERIFY(!wrote);
        }
        QCOMPARE(readRaw(), before);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(s.read(Keys::State), QString("max")); // what the disk holds
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"quillm.ini"});
    }

    void theParsedCopyFollowsTheFileOnTheDisk()
    {
        writeRaw("[Varnel]\nstate=max\n");
        SettingsFile s(m_path);
        QCOMPARE(s.read(Keys::State), QString("max"));
        // Changed in place, same size, by hand or another program.
        writeRaw("[Varnel]\nstate=nrm\n");
        QCOMPARE(s.read(Keys::State), QString("nrm"));
        // Replaced by another copy's write.
        SettingsFile other(m_path);
        QVERIFY(other.write(Keys::TabWidth, 4));
        QCOMPARE(s.read(Keys::TabWidth), 4);
        QVERIFY(s.write(Keys::State, "max"));
        QCOMPARE(other.read(Keys::State), QString("max"));
        QCOMPARE(other.read(Keys::TabWidth), 4);
        // Gone: defaults again.
        QFile::remove(m_path);
        QCOMPARE(s.read(Keys::State), QString());
    }

    void batchOverAnUnreadableFileCommitsNothing()
    {
        writeRaw(QByteArray("[Varnel]\nstate=max\n\0\x01", 22));
        SettingsFile s(m_path);
        SettingsFile::Batch batch(s);
        QVERIFY(!s.write(Keys::State, "norm"));
        QVERIFY(!batch.commit());
        QVERIFY(!s.lastError().isEmpty());
        QCOMPARE(readRaw().size(), 22);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
