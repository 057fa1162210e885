#include "commands/commandtable.h"
#include "commands/mainmenu.h"
#include "markup/tagcommands.h"
#include "toolbar/speeditems.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The command, toolbar and menu tables checked against each other: a wrong id or a key
// claimed twice shows here before any user meets it.
class TestCommandTable : public QObject
{
    Q_OBJECT

private:
    static void collect(std::span<const MenuEntry> entries, QList<const MenuEntry *> &out)
    {
        for (const MenuEntry &e : entries) {
            if (e.kind == MenuEntry::Kind::Command)
                out.append(&e);
            collect(e.entries, out);
        }
    }
    static QList<const MenuEntry *> menuCommands()
    {
        QList<const MenuEntry *> out;
        for (const TopMenu &top : mainMenu())
            collect(top.entries, out);
        return out;
    }

private Q_SLOTS:
    void commandsAreUniqueAndComplete()
    {
        QSet<QString> ids;
        QSet<QString> keys;
        for (const CommandRow &row : commandRows()) {
            const QString id = QString::fromLatin1(row.id);
            QVERIFY2(!ids.contains(id), row.id);
            ids.insert(id);
            QVERIFY2(row.caption && *row.caption, row.id);
            QVERIFY2((row.icon && *row.icon) || (row.label && *row.label), row.id);
            if (row.alternative)
                QVERIFY2(findCommand(row.alternative), row.alternative);
            if (row.shortcut) {
                const QString key = QString::fromLatin1(row.shortcut).toLower();
                QVERIFY2(!keys.contains(key), row.shortcut);
                keys.insert(key);
            }
        }
    }

    // On Linux the display server keeps Ctrl+Alt with a function key (it switches consoles)
    // and Ctrl+Alt+Backspace; a program never sees them.
    void noKeyIsOneTheDisplayServerKeeps()
    {
        const QRegularExpression kept(QStringLiteral("^Ctrl\\+Alt\\+(F\\d+|Backspace)$"),
                                      QRegularExpression::CaseInsensitiveOption);
        for (const CommandRow &row : commandRows()) {
            if (row.shortcut)
                QVERIFY2(!kept.match(QLatin1String(row.shortcut)).hasMatch(), row.shortcut);
        }
    }

    void everyToolbarItemRunsAKnownCommand()
    {
        QSet<int> numbers;
        QList<int> perSection(int(speedSections().size()), 0);
        for (const SpeedItemRow &item : speedItems()) {
            QVERIFY2(findCommand(item.command), item.command);
            QVERIFY(item.number >= 1 && item.number <= SpeedItemCount);
            QVERIFY(!numbers.contains(item.number));
            numbers.insert(item.number);
            QVERIFY(item.section >= 0 && item.section < perSection.size());
            ++perSection[item.section];
            QCOMPARE(findSpeedItem(speedItemName(item.number)), &item);
        }
        QCOMPARE(numbers.size(), SpeedItemCount);
        QVERIFY(!perSection.contains(0));
        QCOMPARE(speedSections().size(), std::size_t(20));
        // Items sit section by section, in the sections' order.
        int last = 0;
        for (const SpeedItemRow &item : speedItems()) {
            QVERIFY(item.section >= last);
            last = item.section;
        }
    }

    void itemNamesAreExact()
    {
        QVERIFY(findSpeedItem(u"speeditem74"));
        QVERIFY(!findSpeedItem(u"SpeedItem074"));
        QVERIFY(!findSpeedItem(u"SpeedItem167"));
        QVERIFY(!findSpeedItem(u"SpeedItem"));
        QVERIFY(!findSpeedItem(u"Bogus"));
    }

    void everyMenuEntryRunsAKnownCommandWithItsOwnKey()
    {
        const auto entries = menuCommands();
        QVERIFY(entries.size() > 150);
        for (const MenuEntry *e : entries) {
            const CommandRow *row = findCommand(e->command);
            QVERIFY2(row, e->command);
            // The key shown beside an entry is the one its command owns.
            QCOMPARE(QLatin1String(e->shortcut ? e->shortcut : ""),
                     QLatin1String(row->shortcut ? row->shortcut : ""));
        }
        for (const TopMenu &top : mainMenu()) {
            if (top.command)
                QVERIFY(findCommand(top.command));
        }
    }

    // A command with a key must have a menu entry that shows it, and every command must be
    // reachable from somewhere.
    void everyCommandIsReachable()
    {
        QSet<QString> reached;
        for (const MenuEntry *e : menuCommands())
            reached.insert(QLatin1String(e->command));
        for (const SpeedItemRow &item : speedItems())
            reached.insert(QLatin1String(item.command));
        for (const CommandRow &row : commandRows()) {
            if (row.alternative)
                reached.insert(QLatin1String(row.alternative));
        }
        for (const char *popup : {"ShowOneRow1Click", "ShowTwoRows1Click", "ShowThreeRows1Click",
                                  "ShowFourRows1Click", "ShowFiveRows1Click", "ToolbarHelp1Click"})
            reached.insert(QLatin1String(popup));
        for (const CommandRow &row : commandRows())
            QVERIFY2(reached.contains(QLatin1String(row.id)), row.id);
    }

    // Shared keys of two menus run one command: Ctrl+Shift+T is the quick table in both
    // Quick and Layout > Tables.
    void keysListedTwiceBelongToOneCommand()
    {
        QHash<QString, QString> byKey;
        for (const MenuEntry *e : menuCommands()) {
            if (!e->shortcut)
                continue;
            const QString key = QLatin1String(e->shortcut);
            if (byKey.contains(key))
                QCOMPARE(byKey[key], QLatin1String(e->command));
            byKey.insert(key, QLatin1String(e->command));
        }
        QCOMPARE(byKey.value(QStringLiteral("Ctrl+Shift+T")), QStringLiteral("QuickTable"));
    }

    // Every tag command of the document window is on the menus or the toolbar, but for the
    // quick variants that only the editor's own pop-up menu offers.
    void everyTagCommandHasARow()
    {
        const QSet<QString> popupOnly = {"Table2Click", "OrderedList1Click", "DefineList2Click"};
        for (const TagCommand &tag : tagCommands()) {
            if (!popupOnly.contains(QLatin1String(tag.id)))
                QVERIFY2(findCommand(tag.id), tag.id);
        }
    }

    void rightButtonAlternatives()
    {
        QCOMPARE(QLatin1String(findCommand(u"Centeralign")->alternative),
                 QLatin1String("centerpalign"));
        QCOMPARE(QLatin1String(findCommand(u"centerpalign")->alternative),
                 QLatin1String("Centeralign"));
        QVERIFY(!findCommand(u"Paragraph")->alternative);
        QCOMPARE(QLatin1String(findCommand(u"QuickNList")->alternative), QLatin1String("listitem"));
    }
};

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
