#include "base/settingsfile.h"
#include "commands/commandids.h"
#include "commands/commandtable.h"
#include "commands/commandtitles.h"
#include "commands/keymap.h"
#include "commands/keyshelppage.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// The keys the user chooses: the two ready-made sets, the user's changes kept in the settings
// file, and the keys two commands would hold.
class TestKeyMap : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString settingsPath(const QByteArray &content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("quillm%1.ini").arg(++n));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QString holderOf(const KeyMap &map, const char *key)
    {
        const QStringList holders = map.holders(QLatin1String(key));
        return holders.size() == 1 ? holders.first() : holders.join(u'|');
    }

private Q_SLOTS:
    // A settings file written before keys could be chosen keeps the table's keys.
    void fileWithoutTheSectionKeepsTheTablesKeys()
    {
        SettingsFile settings(settingsPath("[Varnel]\nai=1\n[Quick]\nqrf=4\n"));
        const KeyMap map = KeyMap::read(settings);
        QCOMPARE(map.set(), KeySet::Quillmark);
        QVERIFY(map == KeyMap());
        for (const CommandRow &row : commandRows()) {
            const QString id = QString::fromLatin1(row.id);
            QCOMPARE(KeyText::join(map.keys(id)), QLatin1String(row.shortcut ? row.shortcut : ""));
        }
        QCOMPARE(holderOf(map, "Ctrl+W"), QLatin1String(Cmd::Indent1Click));
        // Keys of the desktop that no command held work in this set as well.
        QCOMPARE(holderOf(map, "Ctrl+F4"), QLatin1String(Cmd::Close1Click));
        QCOMPARE(holderOf(map, "Ctrl+H"), QLatin1String(Cmd::FindbutClick));
    }

    void desktopConventionsMoveTheTagCommands()
    {
        const KeyMap desktop(KeySet::Desktop);
        QCOMPARE(holderOf(desktop, "Ctrl+W"), QLatin1String(Cmd::Close1Click));
        QCOMPARE(holderOf(desktop, "Ctrl+F4"), QLatin1String(Cmd::Close1Click));
        QCOMPARE(holderOf(desktop, "Ctrl+Shift+S"), QLatin1String(Cmd::SavesAs));
        QCOMPARE(holderOf(desktop, "Ctrl+P"), QLatin1String(Cmd::Prints));
        QCOMPARE(holderOf(desktop, "Ctrl+H"), QLatin1String(Cmd::FindbutClick));
        // The tag commands that held those keys keep a key of their own.
        for (const char *moved : {Cmd::Indent1Click, Cmd::Quickscript, Cmd::Paragraph}) {
            const QStringList keys = desktop.keys(QLatin1String(moved));
            QCOMPARE(keys.size(), 1);
            QCOMPARE(desktop.holders(keys.first()), QStringList{QLatin1String(moved)});
            QVERIFY2(KeyText::refusal(keys.first()).isEmpty(), moved);
        }
        QVERIFY(desktop.conflicts().isEmpty());
        QVERIFY(KeyMap().conflicts().isEmpty());
        for (const KeyMap::Change &change : KeyMap::desktopChanges())
            QVERIFY2(findCommand(change.command), change.command);
    }

    void sameKeysAreSpelledAlike_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("modifier order") << "Shift+Alt+Enter"
                                        << "Alt+Shift+Enter" << true;
        QTest::newRow("Return is Enter") << "Ctrl+Return"
                                         << "Ctrl+Enter" << true;
        QTest::newRow("keypad key") << "Ctrl+Num+Enter"
                                    << "Ctrl+Enter" << true;
        QTest::newRow("letter case") << "ctrl+w"
                                     << "Ctrl+W" << true;
        QTest::newRow("the plus key") << "Ctrl++"
                                      << "Ctrl+Shift+=" << false;
        QTest::newRow("comma") << "Ctrl+Shift+,"
                               << "Ctrl+Shift+." << false;
        QTest::newRow("a modifier more") << "Ctrl+W"
                                         << "Ctrl+Alt+W" << false;
    }
    void sameKeysAreSpelledAlike()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QVERIFY(!KeyText::canonical(a).isEmpty());
        QCOMPARE(KeyText::canonical(a) == KeyText::canonical(b), same);
    }

    void keysThatCannotRunACommandAreRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a letter types") << "A" << true;
        QTest::newRow("a shifted letter types") << "Shift+A" << true;
        QTest::newRow("Enter breaks the line") << "Enter" << true;
        QTest::newRow("an arrow moves") << "Left" << true;
        QTest::newRow("F1 is the help") << "F1" << true;
        QTest::newRow("the display server's") << "Ctrl+Alt+F3" << true;
        QTest::newRow("no key at all") << "Ctrl+Bogus+K" << true;
        QTest::newRow("a key and more") << "Ctrl+K;;" << true;
        QTest::newRow("a modifier alone") << "Ctrl+" << true;
        QTest::newRow("a function key") << "F5" << false;
        QTest::newRow("Shift+F1") << "Shift+F1" << false;
        QTest::newRow("with Ctrl and Alt") << "Ctrl+Alt+K" << false;
        QTest::newRow("Alt and a digit") << "Alt+7" << false;
    }
    void keysThatCannotRunACommandAreRefused()
    {
        QFETCH(QString, key);
        QFETCH(bool, refused);
        QCOMPARE(!KeyText::refusal(key).isEmpty(), refused);
    }

    // Only what differs from the set is stored, so that a later table still reaches the
    // commands the user left alone; a key given back to the set's leaves the file.
    void changesAreStoredAndReadBack()
    {
        const QString path = settingsPath("[Varnel]\nai=1\n");
        SettingsFile settings(path);
        KeyMap map(KeySet::Desktop);
        map.setKeys(QLatin1String(Cmd::Bold),
                    {QStringLiteral("Ctrl+Alt+K"), QStringLiteral("Ctrl+B")});
        map.setKeys(QLatin1String(Cmd::italics1Click), {});
        QVERIFY(map.write(settings));

        SettingsFile again(path);
        const KeyMap read = KeyMap::read(again);
        QVERIFY(read == map);
        QCOMPARE(read.keys(QLatin1String(Cmd::italics1Click)), QStringList());
        QCOMPARE(again.readString("Keys", "set"), QStringLiteral("desktop"));
        QCOMPARE(again.readString("Keys", "Bold"), QStringLiteral("Ctrl+Alt+K; Ctrl+B"));
        QVERIFY(!again.hasKey("Keys", "Close1Click"));
        QCOMPARE(again.readString("Varnel", "ai"), QStringLiteral("1"));

        map.setKeys(QLatin1String(Cmd::Bold), {QStringLiteral("ctrl+b")});
        QVERIFY(map.write(settings));
        QVERIFY(!SettingsFile(path).hasKey("Keys", "Bold"));
        QVERIFY(SettingsFile(path).hasKey("Keys", "italics1Click"));
    }

    // A section typed by hand: keys that cannot run a command and an unknown set are passed
    // over, what is sound is kept.
    void handWrittenSectionsAreReadSafely()
    {
        SettingsFile settings(
            settingsPath("[Keys]\nset=sideways\nBold=A; Ctrl+Alt+B; ;\nSaves=Ctrl+K:\n"));
        const KeyMap map = KeyMap::read(settings);
        QCOMPARE(map.set(), KeySet::Quillmark);
        QCOMPARE(map.keys(QLatin1String(Cmd::Bold)), QStringList{QStringLiteral("Ctrl+Alt+B")});
        QCOMPARE(map.keys(QLatin1String(Cmd::Saves)), QStringList());
    }

    void aKeyTwoCommandsHoldIsAConflict()
    {
        KeyMap map;
        map.setKeys(QLatin1String(Cmd::Bold), {QStringLiteral("ctrl+w")});
        map.setKeys(QLatin1String(Cmd::Underline1Click),
                    {QStringLiteral("Ctrl+U"), QStringLiteral("Ctrl+W")});
        const QList<KeyConflict> conflicts = map.conflicts();
        QCOMPARE(conflicts.size(), 1);
        QCOMPARE(KeyText::canonical(conflicts.first().key), QStringLiteral("ctrl+w"));
        QCOMPARE(conflicts.first().commands,
                 (QStringList{Cmd::Indent1Click, Cmd::Bold, Cmd::Underline1Click}));
        // One command holding a key twice is no conflict.
        KeyMap twice;
        twice.setKeys(QLatin1String(Cmd::Bold),
                      {QStringLiteral("Ctrl+B"), QStringLiteral("Ctrl+B")});
        QVERIFY(twice.conflicts().isEmpty());
    }

    // Command ids are keys of the section, whose names ignore letter case.
    void commandIdsFitTheSection()
    {
        QSet<QString> seen;
        for (const CommandRow &row : commandRows()) {
            const QString id = QString::fromLatin1(row.id).toLower();
            QVERIFY2(!seen.contains(id), row.id);
            QVERIFY2(id != QLatin1String(Keys::KeySet.name), row.id);
            seen << id;
        }
    }

    void everyCommandHasATitleOfItsOwn()
    {
        QSet<QString> titles;
        for (const CommandRow &row : commandRows()) {
            const QString title = commandTitle(QString::fromLatin1(row.id));
            QVERIFY2(!title.isEmpty(), row.id);
            QVERIFY2(!titles.contains(title), qPrintable(title));
            titles << title;
        }
        QCOMPARE(commandTitle(Cmd::Indent1Click), QStringLiteral("Layout > Indent"));
        QCOMPARE(commandTitle(Cmd::Exit1Click), QStringLiteral("File > Exit"));
        QCOMPARE(commandTitle(Cmd::news), QStringLiteral("Toolbar > New HTML Document"));
        QCOMPARE(commandTitle(Cmd::newclean1Click), QStringLiteral("Toolbar > New Document"));
        QCOMPARE(commandTitle(Cmd::FindbutClick), QStringLiteral("Edit > Find&Replace..."));
        QCOMPARE(commandTitle(Cmd::Custom31Click), QStringLiteral("Custom > Custom 3"));
        QCOMPARE(commandTitle(Cmd::LineBreakPlus), QStringLiteral("Layout > Line Break ... Plus"));
    }

    // The help page follows the keys in force and lists what the desktop set moves.
    void helpPageShowsTheKeysInForce()
    {
        KeyMap map;
        map.setKeys(QLatin1String(Cmd::Bold), {QStringLiteral("Ctrl+Alt+K")});
        const QString page = KeysHelpPage::html(map);
        QVERIFY(page.contains(QStringLiteral("<title>Keyboard shortcuts</title>")));
        QVERIFY(page.contains(
            QStringLiteral("<tr><td>Character &gt; Bold</td><td><b>Ctrl+Alt+K</b></td></tr>")));
        QVERIFY(!page.contains(QStringLiteral("<td><b>Ctrl+B</b></td>")));
        QVERIFY(page.contains(QStringLiteral("<tr><td>Layout &gt; Indent</td><td><b>Ctrl+W</b></td>"
                                             "<td><b>Ctrl+Shift+W</b></td></tr>")));
        for (const KeyMap::Change &change : KeyMap::desktopChanges())
            QVERIFY2(page.contains(commandTitle(QLatin1String(change.command)).toHtmlEscaped()),
                     change.command);
    }
};

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
