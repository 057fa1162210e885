// The user tag list files and the tag library: lists kept line for line, written only when
// they change and never over a file that could not be read; item files named by plain
// numbers only, new items never written over an existing file.
#include "base/settingsfile.h"
#include "helpers/usertags/taglibrary.h"
#include "helpers/usertags/taglistfile.h"
#include "readonlyfolder.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

using TestFiles::writeFile;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray lines(int count, const QByteArray &prefix, const QByteArray &lineBreak = "\n")
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + lineBreak;
    return bytes;
}

} // namespace

class TestTagLists : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // The grid's edits as the panel makes them: a new entry, a row inserted in front of it,
    // one deleted, saved and read again.
    void editsSurviveSavingAndReading()
    {
        TagListFile list(file("fillers.dat"));
        QString reason;
        QVERIFY(list.load(&reason));
        QStringList rows = list.entries();
        QCOMPARE(rows.size(), TagListFile::Rows);
        QVERIFY(rows.join(QString()).isEmpty());
        rows[0] = QStringLiteral("&copy; 2026");
        rows[1] = QStringLiteral("<hr>");
        rows.insert(0, QString());
        rows.removeLast();
        rows[0] = QStringLiteral("caf\u00e9 \u2192 \U0001F600");
        rows.removeAt(1);
        rows << QString();
        QVERIFY2(list.save(rows, &reason), qPrintable(reason));

        const QByteArray bytes = readAll(list.path());
        QCOMPARE(bytes.count('\n'), TagListFile::Rows);
        QVERIFY(bytes.startsWith("caf\xC3\xA9 \xE2\x86\x92 \xF0\x9F\x98\x80\n<hr>\n\n"));
        TagListFile again(list.path());
        QVERIFY(again.load(&reason));
        QCOMPARE(again.entries(), rows);
    }

    // Saving what the file already says leaves its bytes, line breaks and all, and an empty
    // list makes no file.
    void unchangedListsAreNotWritten()
    {
        const QByteArray crlf = "<b>..</b>\r\n<i>..</i>";
        writeFile(file("tags.dat"), crlf);
        TagListFile list(file("tags.dat"));
        QString reason;
        QVERIFY(list.load(&reason));
        QCOMPARE(list.entries().mid(0, 3), (QStringList{"<b>..</b>", "<i>..</i>", QString()}));
        QVERIFY(list.save(list.entries(), &reason));
        QCOMPARE(readAll(file("tags.dat")), crlf);

        QStringList rows = list.entries();
        rows[2] = QStringLiteral("<u>..</u>");
        QVERIFY(list.save(rows, &reason));
        const QByteArray saved = readAll(file("tags.dat"));
        QVERIFY(saved.startsWith("<b>..</b>\r\n<i>..</i>\r\n<u>..</u>\r\n\r\n"));
        QCOMPARE(saved.count("\r\n"), TagListFile::Rows);

        TagListFile none(file("library.dat"));
        QVERIFY(none.load(&reason));
        QVERIFY(none.save(none.entries(), &reason));
        QVERIFY(!QFile::exists(file("library.dat")));
    }

    // A list typed in the old code page stays in it; lines past the usual 256 are kept.
    void oldCodePageAndLongLists()
    {
        writeFile(file("fillers.dat"), "caf\xE9\n" + lines(299, "line "));
        TagListFile list(file("fillers.dat"));
        QString reason;
        QVERIFY(list.load(&reason));
        QStringList rows = list.entries();
        QCOMPARE(rows.size(), 300);
        QCOMPARE(rows.at(0), QStringLiteral("caf\u00e9"));
        QCOMPARE(rows.at(299), QStringLiteral("line 298"));
        rows[1] = QStringLiteral("\u00e9t\u00e9");
        QVERIFY(list.save(rows, &reason));
        const QByteArray saved = readAll(file("fillers.dat"));
        QVERIFY(saved.startsWith("caf\xE9\n\xE9t\xE9\nline 1\n"));
        QVERIFY(saved.endsWith("line 298\n"));
        QCOMPARE(saved.count('\n'), 300);

        // A character the code page has not turns the whole file into UTF-8.
        rows[1] = QStringLiteral("\u2192");
        QVERIFY(list.save(rows, &reason));
        QVERIFY(readAll(file("fillers.dat")).startsWith("caf\xC3\xA9\n\xE2\x86\x92\n"));
    }

    // A file that cannot be read is reported and never written over.
    void unreadableListsAreKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << QByteArray("<b>..</b>\n\0\x01\x02", 13)
                                << QStringLiteral("binary");
        QTest::newRow("too many lines")
            << lines(TagListFile::MaxRows + 1, "x") << QStringLiteral("more than 10000 lines");
        QTest::newRow("too large")
            << QByteArray(TextLines::MaxSize + 1, 'x') << QStringLiteral("too large");
    }
    void unreadableListsAreKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        writeFile(file("tags.dat"), bytes);
        TagListFile list(file("tags.dat"));
        QString why;
        QVERIFY(!list.load(&why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QStringList rows = list.entries();
        QVERIFY(rows.join(QString()).isEmpty());
        // Left as it was read, it is no change and stops no other list from being saved.
        QVERIFY(list.save(rows, &why));
        rows[0] = QStringLiteral("new");
        QVERIFY(!list.save(rows, &why));
        QVERIFY2(why.contains(QStringLiteral("could not be read")), qPrintable(why));
        QCOMPARE(readAll(file("tags.dat")), bytes);
    }

    void failedWritesSayWhy()
    {
        ReadOnlyFolder folder(file("ro"));
        if (!folder.error().isEmpty())
            QSKIP(qPrintable(folder.error()));
        TagListFile list(file("ro/tags.dat"));
        QString reason;
        QVERIFY(list.load(&reason));
        QVERIFY(folder.lock());
        QStringList rows = list.entries();
        rows[0] = QStringLiteral("<b>..</b>");
        QVERIFY(!list.save(rows, &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!QFile::exists(file("ro/tags.dat")));
    }

    void blockAndLibraryLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("parts") << "<b>..</b>"
                               << "<b>"
                               << "</b>";
        QTest::newRow("first separator splits") << "<a>..x..</a>"
                                                << "<a>"
                                                << "x..</a>";
        QTest::newRow("no separator: all second") << "<hr>"
                                                  << ""
                                                  << "<hr>";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void blockAndLibraryLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const BlockParts parts = BlockParts::of(line);
        QCOMPARE(parts.start, first);
        QCOMPARE(parts.end, second);
        const LibraryLine library = LibraryLine::of(line);
        QCOMPARE(library.item, first);
        QCOMPARE(library.description, second);
        // Written back, a line reads as the same item and description.
        const LibraryLine again = LibraryLine::of(library.text());
        QCOMPARE(again.item, first);
        QCOMPARE(again.description, second);
    }

    // Only plain numbers name items: a crafted list reaches no file outside the folder.
    void itemNamesStayInTheFolder()
    {
        QDir().mkpath(file("library"));
        writeFile(file("outside"), "secret");
        writeFile(file("library/7"), "<p>seven</p>\r\n");
        const TagLibrary library(file("library"));
        QString text, reason;
        QVERIFY(library.readItem("7", &text, &reason));
        QCOMPARE(text, QStringLiteral("<p>seven</p>\r\n"));
        for (const QString &name :
             {QStringLiteral("../outside"), file("outside"), QStringLiteral("7/"),
              QStringLiteral(" 7"), QStringLiteral("1234567890"), QString()}) {
            QVERIFY2(!library.readItem(name, &text, &reason), qPrintable(name));
            QVERIFY(!library.deleteItem(name, &reason));
            QVERIFY(library.itemPath(name).isEmpty());
        }
        QCOMPARE(readAll(file("outside")), QByteArray("secret"));
        QVERIFY(!library.readItem("8", &text, &reason));
        QVERIFY(library.deleteItem("8", &reason));
        QVERIFY(library.deleteItem("7", &reason));
        QVERIFY(!QFile::exists(file("library/7")));
    }

    // The first item makes library.dat; "libs" pointing at a number in use moves on past it,
    // whether a file or the list holds it.
    void newItemsNeverOverwrite()
    {
        QDir().mkpath(file("library"));
        SettingsFile settings(file("quillm.ini"));
        const TagLibrary library(file("library"));
        QString reason;
        std::optional<QString> name = library.addItem(settings, QStringLiteral("<table>\n</table>"),
                                                      QStringLiteral("a table"), 0, &reason);
        QCOMPARE(name, QStringLiteral("0"));
        QCOMPARE(readAll(file("library/0")), QByteArray("<table>\n</table>"));
        QCOMPARE(settings.read(Keys::Libs), 1);
        QVERIFY(readAll(file("library/library.dat")).startsWith("0..a table\n\n"));

        writeFile(file("library/1"), "mine");
        writeFile(file("library/library.dat"), "0..a table\n2..listed, file gone\n");
        name = library.addItem(settings, QStringLiteral("x"), QStringLiteral("third"), 3, &reason);
        QCOMPARE(name, QStringLiteral("3"));
        QCOMPARE(readAll(file("library/1")), QByteArray("mine"));
        QCOMPARE(settings.read(Keys::Libs), 4);
        // Into the empty row it is given; in front of a row that is taken.
        name = library.addItem(settings, QStringLiteral("y"), QStringLiteral("fourth"), 1, &reason);
        TagListFile list(file("library/library.dat"));
        QVERIFY(list.load(&reason));
        QCOMPARE(list.entries().mid(0, 5),
                 (QStringList{"0..a table", "4..fourth", "2..listed, file gone", QString(),
                              "3..third"}));
        QCOMPARE(list.entries().size(), TagListFile::Rows);
    }

    void failedAddingLeavesNothing()
    {
        QDir().mkpath(file("library"));
        SettingsFile settings(file("quillm.ini"));
        const TagLibrary library(file("library"));
        const QByteArray binary("0..x\n\0", 6);
        writeFile(file("library/library.dat"), binary);
        QString reason;
        QVERIFY(!library.addItem(settings, "x", "d", 0, &reason));
        QVERIFY2(reason.contains(file("library/library.dat")) && reason.contains("binary"),
                 qPrintable(reason));
        QCOMPARE(QDir(file("library")).entryList(QDir::Files), QStringList{"library.dat"});
        QCOMPARE(settings.read(Keys::Libs), 0);
    }
};

QTEST_GUILESS_MAIN(TestTagLists)
#include "tst_taglists.moc"
