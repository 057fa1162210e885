#include "commands/commandactions.h"
#include "commands/commandtable.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "selectionmarkup.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>
#include <QSignalSpy>
#include <QtTest>

// The keys of the command table as a user types them: into the focused editor of a document
// in the shown main frame, so that each passes the editor's shortcut-override step first.
class TestShortcutKeys : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;
    QStringList m_ran;

    DocumentWindow *focusedDocument(const QString &marked)
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        if (!doc)
            qFatal("no document");
        SelectionMarkup::set(doc->editor(), marked);
        doc->setModified(false);
        doc->memo()->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
        doc->memo()->setFocus();
        return doc;
    }
    static QString shown(DocumentWindow *doc) { return SelectionMarkup::get(doc->editor()); }
    // Where an action's key counts: in the document window it belongs to, in the frame, or
    // (nullptr) in a window of its own.
    const QObject *scopeOf(const QObject *o) const
    {
        for (; o; o = o->parent()) {
            if (qobject_cast<const QMdiSubWindow *>(o) || o == m_frame.get())
                return o;
            const auto *w = qobject_cast<const QWidget *>(o);
            if (w && w->isWindow() && !qobject_cast<const QMenu *>(w))
                return nullptr;
        }
        return nullptr;
    }
    // A keypad Enter comes with the keypad modifier, as the keyboard sends it.
    static void type(QWidget *widget, const QKeyCombination &key)
    {
        Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
        if (key.key() == Qt::Key_Enter)
            modifiers |= Qt::KeypadModifier;
        QTest::keyClick(widget, key.key(), modifiers);
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_ran.clear();
        m_frame = startFrame();
        QVERIFY(drive(m_frame).documents().active());
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

    // Every command listens, so a key that runs a command other than its own shows; the
    // text, the selection, the clipboard and the zoom must be as they were. A command that
    // cannot run leaves its key doing nothing at all.
    void everyShortcutRunsItsCommandAndNothingElse_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QKeySequence>("keys");
        for (const CommandRow &row : commandRows()) {
            for (const QKeySequence &keys : CommandActions::keysFor(row.shortcut))
                QTest::addRow("%s %s", row.id, qPrintable(keys.toString()))
                    << QString::fromLatin1(row.id) << keys;
        }
    }
    void everyShortcutRunsItsCommandAndNothingElse()
    {
        QFETCH(QString, id);
        QFETCH(QKeySequence, keys);
        QCOMPARE(keys.count(), 1);
        for (const CommandRow &row : commandRows()) {
            const QString each = QString::fromLatin1(row.id);
            drive(m_frame).commands().setHandler(each, [this, each] { m_ran.append(each); });
        }
        const QString before = QStringLiteral("  one\r\n  t^wo|\r\n\tthree");
        DocumentWindow *doc = focusedDocument(before);
        QTRY_VERIFY(doc->memo()->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
        const long zoom = doc->memo()->SendScintilla(QsciScintilla::SCI_GETZOOM);
        QSignalSpy fired(drive(m_frame).commands().action(id), &QAction::triggered);
        const auto nothingElseHappened = [&] {
            QCOMPARE(drive(m_frame).documents().documents().size(), 1);
            QCOMPARE(shown(doc), before);
            QVERIFY(!doc->isModified());
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
            QCOMPARE(doc->memo()->SendScintilla(QsciScintilla::SCI_GETZOOM), zoom);
        };

        type(doc->memo(), keys[0]);
        QCOMPARE(m_ran, QStringList{id});
        QCOMPARE(fired.count(), 1);
        nothingElseHappened();
        if (QTest::currentTestFailed())
            return;

        m_ran.clear();
        drive(m_frame).commands().setCommandEnabled(id, false);
        type(doc->memo(), keys[0]);
        QCOMPARE(fired.count(), 1);
        nothingElseHappened();
    }

    // The keys with the commands behind them, as the user sees the result.
    void keysDoTheProgramsCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Ctrl+L wraps the line in a left-aligned paragraph")
            << QKeySequence(QStringLiteral("Ctrl+L")) << "^one line|\r\n"
            << "<P align=\"left\">^one line|</P>\r\n";
        QTest::newRow("Ctrl+Shift+L inserts the linked style sheet tag")
            << QKeySequence(QStringLiteral("Ctrl+Shift+L")) << "a|"
            << "a<LINK href=\"|\" rel=\"stylesheet\" type=\"text/css\">";
        QTest::newRow("Ctrl+W indents") << QKeySequence(QStringLiteral("Ctrl+W")) << "a|b"
                                        << "a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|b";
        QTest::newRow("Ctrl+V pastes over the selection")
            << QKeySequence(QStringLiteral("Ctrl+V")) << "a ^b| c"
            << "a X| c";
        QTest::newRow("Shift+Insert pastes as Ctrl+V does")
            << QKeySequence(QStringLiteral("Shift+Ins")) << "a ^b| c"
            << "a X| c";
        QTest::newRow("Ctrl+Z gives the selection back")
            << QKeySequence(QStringLiteral("Ctrl+B, Ctrl+Z")) << "a ^b| c"
            << "a ^b| c";
        QTest::newRow("Alt+Backspace undoes as Ctrl+Z does")
            << QKeySequence(QStringLiteral("Ctrl+B, Alt+Backspace")) << "a ^b| c"
            << "a ^b| c";
        QTest::newRow("Ctrl+Shift+T inserts a table, the clipboard stays")
            << QKeySequence(QStringLiteral("Ctrl+Shift+T")) << "|"
            << "<TABLE";
    }
    void keysDoTheProgramsCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, before);
        QFETCH(QString, after);
        DocumentWindow *doc = focusedDocument(before);
        QTRY_VERIFY(doc->memo()->hasFocus());
        QApplication::clipboard()->setText(QStringLiteral("X"));
        for (int i = 0; i < keys.count(); ++i)
            type(doc->memo(), keys[i]);
        if (after.contains(u'|'))
            QCOMPARE(shown(doc), after);
        else
            QVERIFY2(doc->editor().text().startsWith(after), qPrintable(doc->editor().text()));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("X"));
    }

    // The editor's own paste would put a question mark for every character the page's
    // encoding has no byte for; the program's paste writes the Windows-1252 euro byte.
    void pasteKeysKeepTheDocumentsEncoding_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Ctrl+V") << QKeySequence(QStringLiteral("Ctrl+V"));
        QTest::newRow("Shift+Insert") << QKeySequence(QStringLiteral("Shift+Ins"));
    }
    void pasteKeysKeepTheDocumentsEncoding()
    {
        QFETCH(QKeySequence, keys);
        DocumentWindow *doc = focusedDocument(QStringLiteral("|"));
        doc->editor().loadBytes(QByteArray("caf\xe9 "), ScintillaEditor::Encoding::Cp1252);
        doc->editor().setCaret(5);
        QApplication::clipboard()->setText(QStringLiteral("5 \u20ac"));
        type(doc->memo(), keys[0]);
        QCOMPARE(doc->editor().bytes(), QByteArray("caf\xe9 5 \x80"));
    }

    // Two holders of one key in one place make it ambiguous, and then neither runs. The keys
    // of a document window count only while the focus is in it: each window's keys meet the
    // frame's, not those of the other windows.
    void noKeyIsHeldTwiceInTheFrame()
    {
        drive(m_frame).files().news();
        QCOMPARE(drive(m_frame).documents().documents().size(), 2);
        QHash<const QObject *, QMultiHash<QKeySequence, QString>> scopes;
        for (const QAction *a : m_frame->findChildren<QAction *>()) {
            const QString name = a->objectName().isEmpty() ? a->text() : a->objectName();
            for (const QKeySequence &keys : a->shortcuts())
                scopes[scopeOf(a)].insert(keys, name);
        }
        for (const QShortcut *s : m_frame->findChildren<QShortcut *>()) {
            for (const QKeySequence &keys : s->keys())
                scopes[scopeOf(s)].insert(keys, s->objectName());
        }
        scopes.remove(nullptr);
        const auto frameKeys = scopes.value(m_frame.get());
        QStringList clashes;
        for (auto scope = scopes.cbegin(); scope != scopes.cend(); ++scope) {
            QMultiHash<QKeySequence, QString> keys = scope.value();
            if (scope.key() != m_frame.get())
                keys.unite(frameKeys);
            for (const QKeySequence &k : keys.uniqueKeys()) {
                if (keys.count(k) > 1)
                    clashes.append(k.toString() + u' ' + QStringList(keys.values(k)).join(u'/'));
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String(", "))));
        QCOMPARE(frameKeys.value(QKeySequence(QStringLiteral("Ctrl+W"))),
                 QStringLiteral("Indent1Click"));
    }

    void helperProgramKeysShowInTheirMenu()
    {
        const QList<QAction *> entries =
            drive(m_frame).menu(QStringLiteral("HelperProgram"))->actions();
        QCOMPARE(entries.size(), 7);
        for (int n = 0; n < 7; ++n)
            QCOMPARE(entries[n]->shortcut(),
                     QKeySequence(QStringLiteral("Ctrl+Shift+F%1").arg(n + 2)));
    }
};

QTEST_MAIN(TestShortcutKeys)
#include "tst_shortcutkeys.moc"
