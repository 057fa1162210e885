// Previews in the two browsers as a user gives them: keys typed into the editor of the shown
// main frame. The browsers are small scripts that record their arguments; the desktop's file
// handler is caught through QDesktopServices.
#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "programscripts.h"
#include "scripteddialogs.h"
#include "widgets/returnbutton.h"

#include <Qsci/qsciscintilla.h>

#include <QDesktopServices>
#include <QtTest>

class TestBrowserPreview : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;
    ScriptedDialogs m_dialogs;
    QList<QUrl> m_opened;

    QString site() const { return m_dir->filePath(QStringLiteral("site")); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Opens the page in the shown frame and gives its editor the keyboard focus.
    DocumentWindow *openPage(const QString &path)
    {
        m_frame = startFrame();
        drive(m_frame).files().setDialogs(&m_dialogs);
        DocumentWindow *doc = drive(m_frame).files().openFile(path);
        m_frame->activateWindow();
        if (!QTest::qWaitForWindowActive(m_frame.get()) || !doc)
            return nullptr;
        doc->memo()->setFocus();
        return doc;
    }
    QString previewOf(int viewer, const QString &name = QString()) const
    {
        return site() + (name.isEmpty() ? QStringLiteral("/_temp%1.htm").arg(viewer) : name);
    }

public Q_SLOTS:
    void openedByDesktop(const QUrl &url) { m_opened << url; }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_dialogs = ScriptedDialogs();
        m_opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedByDesktop");
        writeFile(site() + QStringLiteral("/page.htm"), "<p>saved</p>\n");
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // Ctrl+F9: the configured browser, split into program and arguments, gets the preview
    // file's address as one more argument; the user's own _temp1.htm stays as it was, the
    // preview takes another name, and only the preview goes when the program ends.
    void firstBrowserGetsThePreviewsAddressAsAnArgument()
    {
        const QString own = previewOf(1);
        writeFile(own, "mine");
        const QString browser = ProgramScripts::make(m_dir->filePath(QStringLiteral("bin/web")));
        m_settings->write(Keys::Browser, browser + QStringLiteral(" --new-window \"a b\""));
        DocumentWindow *doc = openPage(site() + QStringLiteral("/page.htm"));
        QVERIFY(doc);
        QTest::keyClick(doc->memo(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(doc->memo(), "<p>unsaved</p>");
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier);

        const QString preview = previewOf(1, QStringLiteral("/_temp1-2.htm"));
        QTRY_VERIFY(ProgramScripts::ran(browser));
        QCOMPARE(ProgramScripts::arguments(browser),
                 QStringList({"--new-window", "a b", QUrl::fromLocalFile(preview).toString()}));
        QCOMPARE(readFile(preview),
                 QByteArray("<Title>Quillmark Preview 1</Title>\n<p>saved</p>\n<p>unsaved</p>"));
        QCOMPARE(readFile(site() + QStringLiteral("/page.htm")), QByteArray("<p>saved</p>\n"));
        QCOMPARE(m_settings->readString(QStringLiteral("CleanUp"), QStringLiteral("1")), preview);
        QVERIFY(drive(m_frame).returnButtons().button());
        QVERIFY(m_prompter.shown.isEmpty());

        doc->setModified(false);
        m_frame->close();
        QVERIFY(!QFile::exists(preview));
        QCOMPARE(readFile(own), QByteArray("mine"));
        QTRY_VERIFY(!drive(m_frame).returnButtons().button());
    }

    // Ctrl+Shift+F9 goes to the second browser with the viewer-2 file; with "use file
    // association" the desktop's handler gets it and no program of ours is needed.
    void secondBrowserByFileAssociation()
    {
        m_settings->write(Keys::Dde2, QStringLiteral("no"));
        m_settings->write(Keys::Back, QStringLiteral("no"));
        DocumentWindow *doc = openPage(site() + QStringLiteral("/page.htm"));
        QVERIFY(doc);
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(previewOf(2))});
        QVERIFY(readFile(previewOf(2)).startsWith("<Title>Quillmark Preview 2</Title>\n"));
        QVERIFY(m_dialogs.shown.isEmpty());
        // "back" set: no return button.
        QVERIFY(!drive(m_frame).returnButtons().button());
    }

    // With "use file association" and nothing on the desktop to open the page, the message
    // says so and the return button goes again.
    void nothingToOpenTheAssociationWith()
    {
        m_settings->write(Keys::Dde, QStringLiteral("no"));
        // A handler the desktop cannot call: opening fails as with no program set up.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "noSuchHandler");
        DocumentWindow *doc = openPage(site() + QStringLiteral("/page.htm"));
        QVERIFY(doc);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchHandler")));
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(m_prompter.shown,
                 QStringList{QStringLiteral("No program is set up to open ") + previewOf(1)});
        QVERIFY(!drive(m_frame).returnButtons().button());
    }

    // With no browser set up, the locate dialog asks; any executable file will do, and it is
    // remembered. Cancelling does nothing; a file that is no program is refused with a message.
    void anUnsetBrowserIsLocatedFirst()
    {
        const QString browser = ProgramScripts::make(m_dir->filePath(QStringLiteral("bin/other")));
        const QString text = m_dir->filePath(QStringLiteral("notes.txt"));
        writeFile(text, "not a program");
        DocumentWindow *doc = openPage(site() + QStringLiteral("/page.htm"));
        QVERIFY(doc);

        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier); // cancelled
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Please locate primary browser program"));
        QVERIFY(!QFile::exists(previewOf(1)));

        m_dialogs.openAnswers = {{text}};
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(m_prompter.shown,
                 QStringList{text + QStringLiteral(" is not a program that can be started")});
        QCOMPARE(m_settings->read(Keys::Browser), QString());

        m_dialogs.openAnswers = {{browser}};
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier);
        QTRY_VERIFY(ProgramScripts::ran(browser));
        QCOMPARE(m_settings->read(Keys::Browser), browser);
        QCOMPARE(ProgramScripts::arguments(browser),
                 QStringList{QUrl::fromLocalFile(previewOf(1)).toString()});
    }

    // A browser that cannot start says so and why; the return button does not linger.
    void aBrowserThatCannotStartSaysSo()
    {
        const QString missing = m_dir->filePath(QStringLiteral("bin/nothing"));
        m_settings->write(Keys::Browser2, missing);
        DocumentWindow *doc = openPage(site() + QStringLiteral("/page.htm"));
        QVERIFY(doc);
        // The right button on the Browser 1 item goes to browser 2.
        QVERIFY(drive(m_frame).commands().runAlternative(QLatin1String(Cmd::openbrowser)));
        QCOMPARE(m_prompter.shown,
                 QStringList{QStringLiteral("The browser ") + missing +
                             QStringLiteral(" could not be started: the program does not exist")});
        QVERIFY(!drive(m_frame).returnButtons().button());
    }

    // An untitled page is previewed from the home folder; a page whose folder has gone gets a
    // message naming the file.
    void untitledAndUnwritableFolders()
    {
        const QString browser = ProgramScripts::make(m_dir->filePath(QStringLiteral("bin/web")));
        m_settings->write(Keys::Browser, browser);
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        DocumentWindow *untitled = drive(m_frame).documents().active();
        QVERIFY(untitled);
        untitled->memo()->setFocus();
        QTest::keyClick(untitled->memo(), Qt::Key_F9, Qt::ControlModifier);
        QTRY_VERIFY(ProgramScripts::ran(browser));
        QVERIFY(QFile::exists(m_home->file(QStringLiteral("_temp1.htm"))));

        const QString folder = m_dir->filePath(QStringLiteral("going"));
        writeFile(folder + QStringLiteral("/page.htm"), "<p>x</p>");
        DocumentWindow *doc = drive(m_frame).files().openFile(folder + QStringLiteral("/page.htm"));
        QVERIFY(doc);
        QVERIFY(QDir(folder).removeRecursively());
        // Back in the editor from the browser.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_F9, Qt::ControlModifier);
        // The last message; the editor may have said first that the page's file has gone.
        QVERIFY(!m_prompter.shown.isEmpty());
        QVERIFY2(m_prompter.shown.last().startsWith(
                     QStringLiteral("The preview file ") + folder +
                     QStringLiteral("/_temp1.htm could not be written: ")),
                 qPrintable(m_prompter.shown.join(u'|')));
    }
};

QTEST_MAIN(TestBrowserPreview)
#include "tst_browserpreview.moc"
