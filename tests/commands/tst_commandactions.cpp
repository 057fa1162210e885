#include "base/editingoptions.h"
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandicons.h"
#include "commands/commandtable.h"
#include "commands/menubuilder.h"
#include "toolbar/customizedialog.h"
#include "toolbar/speedbar.h"
#include "toolbar/speeditems.h"

#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Menus, shortcuts and toolbar built from the tables, on a window like the main frame: each
// command reaches its handler every way, once, and only when it may.
class TestCommandActions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<QMainWindow> m_window;
    CommandActions *m_commands = nullptr;
    SpeedBar *m_bar = nullptr;
    bool m_hasDocument = true;
    QStringList m_ran;

    void handleEverything()
    {
        for (const CommandRow &row : commandRows()) {
            const QString id = QLatin1String(row.id);
            m_commands->setHandler(id, [this, id] { m_ran.append(id); });
        }
    }
    // The menu entry of a command: its own action, else the first plain entry.
    QAction *menuEntry(const QString &id) const
    {
        QAction *own = m_commands->action(id);
        for (QMenu *menu : m_window->menuBar()->findChildren<QMenu *>()) {
            if (menu->actions().contains(own))
                return own;
        }
        const auto entries =
            m_window->menuBar()->findChildren<QAction *>(id + QLatin1String("_entry"));
        return entries.isEmpty() ? nullptr : entries.first();
    }
    QStringList runItem(const QString &item, Qt::MouseButton button)
    {
        m_ran.clear();
        SpeedButton *b = m_bar->button(item);
        b->show();
        if (button == Qt::LeftButton)
            QTest::mouseClick(b, button);
        else
            QTest::mousePress(b, button);
        return m_ran;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsFile>(m_dir->filePath(QStringLiteral("quillm.ini")));
        m_window = std::make_unique<QMainWindow>();
        m_hasDocument = true;
        m_ran.clear();
        m_commands = new CommandActions(m_window.get(), [this] { return m_hasDocument; });
        MenuBuilder::build(m_window->menuBar(), *m_commands);
        m_bar = new SpeedBar(*m_settings, *m_commands, m_dir->path());
        m_window->setCentralWidget(m_bar);
        m_window->resize(700, 300);
    }
    void cleanup()
    {
        m_window.reset();
        m_settings.reset();
        m_dir.reset();
    }

    void everyCommandReachesItsHandler_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("document");
        for (const CommandRow &row : commandRows()) {
            QTest::addRow("%s", row.id) << QString::fromLatin1(row.id) << true;
            if (row.needsDocument)
                QTest::addRow("%s without document", row.id)
                    << QString::fromLatin1(row.id) << false;
        }
    }
    void everyCommandReachesItsHandler()
    {
        QFETCH(QString, id);
        QFETCH(bool, document);
        handleEverything();
        m_hasDocument = document;
        const CommandRow *row = findCommand(id);
        const QStringList expected = document ? QStringList{id} : QStringList{};

        if (QAction *entry = menuEntry(id)) {
            m_ran.clear();
            entry->trigger();
            QCOMPARE(m_ran, expected);
        }
        if (row->shortcut) {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            for (const QKeySequence &keys : CommandActions::keysFor(row->shortcut)) {
                m_ran.clear();
                QTest::keySequence(m_window.get(), keys);
                QCOMPARE(m_ran, expected);
            }
        }
        for (const SpeedItemRow &item : speedItems()) {
            if (id == QLatin1String(item.command))
                QCOMPARE(runItem(speedItemName(item.number), Qt::LeftButton), expected);
        }
    }

    void commandsWithoutHandlersStayDisabled()
    {
        m_commands->setHandler(QStringLiteral("Bold"), [this] { m_ran.append("Bold"); });
        QVERIFY(m_commands->action(QStringLiteral("Bold"))->isEnabled());
        QVERIFY(!m_commands->action(QStringLiteral("italics1Click"))->isEnabled());
        QVERIFY(!m_bar->button(QStringLiteral("SpeedItem100"))->isEnabled());
        QVERIFY(m_bar->button(QStringLiteral("SpeedItem99"))->isEnabled());
        QVERIFY(!m_commands->run(QStringLiteral("italics1Click")));
        QVERIFY(!m_commands->setHandler(QStringLiteral("NoSuchCommand"), [] {}));
        // The second Quick Table entry follows its command.
        QAction *second = m_window->menuBar()->findChild<QAction *>("QuickTable_entry");
        QVERIFY(second);
        QVERIFY(!second->isEnabled());
        QVERIFY(second->text().endsWith(QLatin1String("\tCtrl+Shift+T")));
        m_commands->setHandler(QStringLiteral("QuickTable"), [] {});
        QVERIFY(second->isEnabled());
    }

    void noKeyIsClaimedTwice()
    {
        QSet<QKeySequence> seen;
        for (const QAction *a : m_window->findChildren<QAction *>()) {
            for (const QKeySequence &k : a->shortcuts()) {
                QVERIFY2(!seen.contains(k), qPrintable(k.toString()));
                seen.insert(k);
            }
        }
        QVERIFY(seen.contains(QKeySequence(QStringLiteral("Ctrl+Shift+T"))));
    }

    void rightButtonRunsTheAlternativeOnly()
    {
        handleEverything();
        QCOMPARE(runItem("SpeedItem74", Qt::LeftButton), QStringList{"Centeralign"});
        QCOMPARE(runItem("SpeedItem74", Qt::RightButton), QStringList{"centerpalign"});
        QCOMPARE(runItem("SpeedItem77", Qt::RightButton), QStringList{"Centeralign"});
        QCOMPARE(runItem("SpeedItem75", Qt::RightButton), QStringList{});
        QCOMPARE(runItem("SpeedItem61", Qt::RightButton), QStringList{"listitem"});
        m_hasDocument = false;
        QCOMPARE(runItem("SpeedItem74", Qt::RightButton), QStringList{});
        QCOMPARE(runItem("SpeedItem115", Qt::RightButton), QStringList{"ImageHelperClose"});
    }

    void editMenuStateFollowsTheDocument()
    {
        handleEverything();
        EditMenuState state;
        state.hasDocument = true;
        state.wordWrap = true;
        state.canUndo = true;
        MenuState::applyEdit(*m_commands, state);
        QVERIFY(m_commands->action("Wordwrap1Click")->isChecked());
        QVERIFY(!m_commands->action("ColoredTags1Click")->isChecked());
        QVERIFY(m_commands->action("Undo1Click")->isEnabled());
        QVERIFY(!m_commands->action("Redo1Click")->isEnabled());
        QVERIFY(!m_commands->action("Cut1Click")->isEnabled());
        QVERIFY(!m_commands->action("Paste1Click")->isEnabled());
        QCOMPARE(m_commands->action("spellcheck")->text(), QStringLiteral("From Cursor"));
        state.hasSelection = true;
        MenuState::applyEdit(*m_commands, state);
        QVERIFY(m_commands->action("Cut1Click")->isEnabled());
        QCOMPARE(m_commands->action("spellcheck")->text(), QStringLiteral("Selected Text"));
        // Closed again, the keys work whatever the selection became.
        state.hasSelection = false;
        MenuState::applyEdit(*m_commands, state);
        MenuState::releaseEdit(*m_commands);
        QVERIFY(m_commands->action("Cut1Click")->isEnabled());
        QVERIFY(m_commands->action("Redo1Click")->isEnabled());
    }

    void characterCaptionsFollowTheOptions()
    {
        EditingOptions options(*m_settings);
        m_settings->write(Keys::CtrlB, QStringLiteral("strong"));
        MenuState::applyCharacter(*m_commands, options);
        QCOMPARE(m_commands->action("Bold")->text(), QStringLiteral("Stron&g"));
        QCOMPARE(m_commands->action("italics1Click")->text(), QStringLiteral("&Italics"));
        m_settings->write(Keys::CtrlB, QString());
        m_settings->write(Keys::CtrlI, QStringLiteral("em"));
        MenuState::applyCharacter(*m_commands, options);
        QCOMPARE(m_commands->action("Bold")->text(), QStringLiteral("&Bold"));
        QCOMPARE(m_commands->action("italics1Click")->text(), QStringLiteral("&Em"));
    }

    void everyCommandHasAPicture()
    {
        for (const CommandRow &row : commandRows()) {
            QVERIFY2(!m_commands->action(QLatin1String(row.id))->icon().isNull(), row.id);
            if (row.icon)
                QVERIFY2(!CommandIcons::theme(row.icon).isNull(), row.icon);
            const QPixmap pm =
                m_commands->action(QLatin1String(row.id))->icon().pixmap(QSize(22, 22), 2.0);
            QCOMPARE(pm.deviceIndependentSize().toSize(), QSize(22, 22));
        }
    }

    void rowsAreWrittenAndRestored()
    {
        m_bar->registerHandlers();
        const auto entries = m_bar->popupMenu()->actions();
        QCOMPARE(entries.size(), 8);
        QCOMPARE(entries[3]->text(), QStringLiteral("Show Four Rows"));
        entries[3]->trigger();
        QCOMPARE(m_bar->height(), 106);
        QCOMPARE(m_settings->readInt("TMDImainthepanel", "width", 0), 106);
        SpeedBar next(*m_settings, *m_commands, m_dir->path());
        next.restoreLayout();
        QCOMPARE(next.rows(), 4);
    }

    void savedLayoutIsRestored()
    {
        m_bar->setRows(2);
        m_bar->removeItem("SpeedItem21");
        m_bar->placeItem("SpeedItem80", {3, 28});
        m_bar->saveLayout();
        SpeedBar next(*m_settings, *m_commands, m_dir->path());
        next.restoreLayout();
        QCOMPARE(next.shownItems(), m_bar->shownItems());
        QCOMPARE(next.button("SpeedItem80")->pos(), QPoint(3, 28));
        QVERIFY(next.button("SpeedItem21")->isHidden());
    }

    void unknownItemsAreSkippedAndIncompatibleLayoutsIgnored()
    {
        const QString section = QStringLiteral("TMDImainthepanel");
        m_settings->writeString(section, "Count", "3");
        m_settings->writeString(section, "Button1", "SpeedItem999,3,3");
        m_settings->writeString(section, "Button2", "Bogus,28,3");
        m_settings->writeString(section, "Button3", "SpeedItem80,53,3");
        SpeedBar restored(*m_settings, *m_commands, m_dir->path());
        restored.restoreLayout();
        QCOMPARE(restored.shownItems(), QStringList{"SpeedItem80"});

        m_settings->writeString(section, "Version", "-1");
        SpeedBar ignored(*m_settings, *m_commands, m_dir->path());
        const QStringList designed = ignored.shownItems();
        ignored.restoreLayout();
        QCOMPARE(ignored.shownItems(), designed);
        QCOMPARE(designed.size(), 25);
    }

    void removedItemLosesItsPictureUntilTheNextCustomisation()
    {
        handleEverything();
        m_bar->registerHandlers();
        m_bar->doButtons();
        QVERIFY(m_bar->hasPicture("SpeedItem21"));
        QVERIFY(!m_bar->hasPicture("SpeedItem80"));

        m_commands->run(QStringLiteral("Customize1Click"));
        CustomizeDialog *dialog = m_bar->customizeDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Customize Speedbar"));
        QVERIFY(m_bar->hasPicture("SpeedItem80")); // every item, for the dialog's list
        dialog->categories()->setCurrentRow(5);    // "Heading"
        QCOMPARE(dialog->available()->count(), 6);
        QVERIFY(!dialog->available()->item(0)->icon().isNull());

        m_bar->removeItem("SpeedItem21");
        m_bar->placeItem("SpeedItem80", {3, 3}); // taken: goes to the next free cell
        QVERIFY(m_bar->button("SpeedItem80")->pos() != m_bar->button("SpeedItem23")->pos());
        dialog->accept();
        QTRY_VERIFY(!m_bar->customizeDialog());

        QVERIFY(!m_bar->hasPicture("SpeedItem21"));
        QVERIFY(m_bar->hasPicture("SpeedItem80"));
        QVERIFY(!SpeedLayout::storedItems(*m_settings).contains("SpeedItem21"));
        QVERIFY(SpeedLayout::storedItems(*m_settings).contains("SpeedItem80"));

        m_bar->customize();
        QVERIFY(m_bar->hasPicture("SpeedItem21"));
        // Reset shows the default layout at once.
        m_bar->customizeDialog()->findChild<QPushButton *>("reset")->click();
        QVERIFY(!m_bar->button("SpeedItem21")->isHidden());
        QVERIFY(m_bar->button("SpeedItem80")->isHidden());
        m_bar->customizeDialog()->reject();
        QTRY_VERIFY(!m_bar->customizeDialog());
    }

    void anItemPutOnTheBarLaterLooksAndWorksLikeTheOthers()
    {
        // Flat buttons and a stored hint, before the item is ever on the bar.
        m_bar->setFlat(true);
        m_settings->writeString("Custom", "4hint", "Footer");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_bar->placeItem("SpeedItem4", {203, 3});
        SpeedButton *b = m_bar->button("SpeedItem4");
        QVERIFY(b && !b->isHidden());
        QVERIFY(b->autoRaise());
        QCOMPARE(b->toolTip(), QStringLiteral("Footer (Ctrl+4, Ctrl+Shift+4)"));
        handleEverything();
        m_ran.clear();
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(m_ran, QStringList{QStringLiteral("Custom41Click")});
    }

    void customButtonsTakeTheirPicturesAndHints()
    {
        m_settings->writeString("Custom", "2hint", "Signature");
        m_bar->setRows(2);
        m_bar->placeItem("SpeedItem1", {3, 28});
        m_bar->placeItem("SpeedItem2", {28, 28});
        m_bar->placeItem("SpeedItem7", {53, 28});
        m_bar->doButtons();
        // Written once the event loop runs.
        for (int n = 1; n <= 5; ++n)
            QTRY_VERIFY(
                QFile::exists(m_dir->filePath(QStringLiteral("custbmp/cust%1.bmp").arg(n))));
        QVERIFY(!QFile::exists(m_dir->filePath("custbmp/cust6.bmp")));
        QVERIFY(m_bar->hasPicture("SpeedItem1"));
        QVERIFY(m_bar->hasPicture("SpeedItem7")); // no file: its numbered picture
        QCOMPARE(m_bar->button("SpeedItem1")->toolTip(),
                 QStringLiteral("Custom Button 1 (Ctrl+1, Ctrl+Shift+1)"));
        QCOMPARE(m_bar->button("SpeedItem2")->toolTip(),
                 QStringLiteral("Signature (Ctrl+2, Ctrl+Shift+2)"));
    }

    void saveItemShowsTheModifiedState()
    {
        m_bar->doButtons();
        const qint64 saved = m_bar->button("SpeedItem26")->icon().cacheKey();
        m_bar->setSaveModified(true);
        const qint64 modified = m_bar->button("SpeedItem26")->icon().cacheKey();
        QVERIFY(modified != saved);
        m_bar->setSaveModified(false);
        QVERIFY(m_bar->button("SpeedItem26")->icon().cacheKey() != modified);
    }
};

QTEST_MAIN(TestCommandActions)
#include "tst_commandactions.moc"
