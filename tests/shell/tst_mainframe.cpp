#include "base/homefolder.h"
#include "base/settingsfile.h"
#include "base/temporaryfiles.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "readonlyfolder.h"
#include "scripteddialogs.h"
#include "shell/mainframe.h"
#include "shell/startupsteps.h"
#include "shell/tabstrips.h"
#include "toolbar/speedbar.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

// Drives the main frame as a user would, from a fresh home folder for every test.
class TestMainFrame : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> start() { return startFrame(); }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void init() { resetHome(); }

    void firstStartShowsUntitled1Maximised()
    {
        auto frame = start();
        QVERIFY(frame->windowTitle().startsWith("Quillmark"));
        const auto docs = drive(frame).documents().documents();
        QCOMPARE(docs.size(), 1);
        QCOMPARE(docs[0]->document().identity(), QString("Untitled1"));
        QCOMPARE(docs[0]->windowTitle(), QString("Untitled1"));
        QVERIFY(docs[0]->parentWidget()->isMaximized());
        QCOMPARE(m_settings->read(Keys::State), QString("max"));
        QCOMPARE(m_settings->readInt("Varnel", "count", -1), 1);
        QVERIFY(drive(frame).tabs().isShown());
        QVERIFY(drive(frame).tabs().lower()->isVisible());
        QCOMPARE(drive(frame).tabs().lower()->tabText(0), QString("Untitled1"));
        QCOMPARE(drive(frame).status().caretText(), QString(" line: 1  col: 1"));
    }

    void startNewNoMakesNoDocument()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = start();
        QVERIFY(drive(frame).documents().documents().isEmpty());
        // Only the first call is skipped.
        drive(frame).files().news();
        QCOMPARE(drive(frame).documents().documents().size(), 1);
    }

    void handedOverFileOpensAndSecondTimeIsAlreadyOpen()
    {
        const QString page = writeFile("Page.htm", "<b>bold</b>\r\n");
        m_settings->write(Keys::Hello, page);
        auto frame = start();
        auto docs = drive(frame).documents().documents();
        QCOMPARE(docs.size(), 1);
        QCOMPARE(docs[0]->document().identity(), page);
        QCOMPARE(docs[0]->windowTitle(), QString("Page.htm"));
        QCOMPARE(docs[0]->editor().text(), QString("<b>bold</b>\r\n"));
        QVERIFY(!docs[0]->isModified());
        QCOMPARE(m_settings->read(Keys::Hello), QString());

        // The same file handed over again, through a symbolic link.
        QVERIFY(QFile::link(page, m_dir->filePath("link.htm")));
        m_settings->write(Keys::Hello, m_dir->filePath("link.htm"));
        frame->openHandedOverFile();
        QCOMPARE(drive(frame).documents().documents().size(), 1);
        QCOMPARE(m_prompter.shown.last(), m_dir->filePath("link.htm") + " is already open.");
        QCOMPARE(m_settings->read(Keys::Hello), QString());

        // A second file opens beside the first and becomes the current tab.
        const QString other = writeFile("other.htm", "x");
        m_settings->write(Keys::Hello, other);
        frame->openHandedOverFile();
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        QCOMPARE(drive(frame).documents().active()->document().identity(), other);
        QCOMPARE(drive(frame).tabs().lower()->currentIndex(), 1);
        QCOMPARE(drive(frame).tabs().upper()->currentIndex(), 1);

        // Nothing waiting: activation does nothing.
        const int shown = int(m_prompter.shown.size());
        frame->openHandedOverFile();
        QCOMPARE(m_prompter.shown.size(), shown);
    }

    void userEditMarksTheTabOnceLoadingAndReapplyingDoNot()
    {
        auto frame = start();
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(doc);
        doc->applySettings();
        QCOMPARE(drive(frame).tabs().text(doc), QString("Untitled1"));
        QVERIFY(!doc->isModified());

        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), "ab");
        QCOMPARE(drive(frame).tabs().text(doc), TabStrips::ModifiedMarker + "Untitled1");
        QCOMPARE(drive(frame).tabs().upper()->tabText(0), TabStrips::ModifiedMarker + "Untitled1");
        QVERIFY(doc->isModified());

        // Reapplying settings to a modified document keeps it modified and marked once.
        doc->applySettings();
        QVERIFY(doc->isModified());
        QCOMPARE(drive(frame).tabs().text(doc), TabStrips::ModifiedMarker + "Untitled1");
    }

    void dateLabelInsertsTheDateSelected()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = start();
        drive(frame).status().insertDate(); // no document: nothing, no crash
        DocumentWindow *doc = drive(frame).files().newclean();
        doc->editor().setText("x");
        doc->editor().setCaret(1);
        drive(frame).status().insertDate();
        QString expected = drive(frame).status().dateText();
        expected.chop(2);
        QCOMPARE(doc->editor().text(), "x" + expected);
        QCOMPARE(doc->editor().selectedText(), expected);
    }

    void untitledCounterRunsAcrossNewVariants()
    {
        auto frame = start();
        drive(frame).files().newclean();
        drive(frame).files().news();
        QStringList names;
        for (DocumentWindow *doc : drive(frame).documents().documents())
            names << doc->document().identity();
        QCOMPARE(names, (QStringList{"Untitled1", "Untitled2", "Untitled3"}));
    }

    void closeQueryAnswers()
    {
        auto frame = start();
        DocumentWindow *doc = drive(frame).documents().active();
        doc->editor().replaceSelection("text");
        QVERIFY(doc->isModified());

        m_prompter.answers = {PromptAnswer::Cancel};
        QVERIFY(!frame->close());
        QCOMPARE(m_prompter.shown.last(), QString("Save Changes to 'Untitled1'?"));
        QCOMPARE(drive(frame).documents().documents().size(), 1);
        QCOMPARE(doc->editor().text(), QString("text"));

        m_prompter.answers = {PromptAnswer::No};
        QVERIFY(frame->close());
    }

    void closingWritesGeometryUnlessMinimised()
    {
        m_settings->write(Keys::RestoreMain, "1");
        m_settings->write(Keys::MainWidth, 700);
        m_settings->write(Keys::MainHeight, 500);
        {
            auto frame = start();
            QCOMPARE(frame->size(), QSize(700, 500));
            frame->resize(640, 480);
            QVERIFY(frame->close());
        }
        QCOMPARE(m_settings->read(Keys::MainWidth), 640);
        QCOMPARE(m_settings->read(Keys::Up), QString());

        auto frame = start();
        frame->showMinimized();
        QTRY_VERIFY(frame->isMinimized());
        QVERIFY(frame->close());
        QCOMPARE(m_settings->read(Keys::MainWidth), 640);
        QCOMPARE(m_settings->read(Keys::Up), QString());
    }

    // Only the temporary files this run registered go at close; a path the clean-up section
    // got from elsewhere (another copy of the program, a hand edit) is not this run's.
    void temporaryFilesGoAtClose()
    {
        const QString mine = writeFile("preview.tmp", "x");
        const QString other = writeFile("other.tmp", "y");
        auto frame = start();
        QVERIFY(drive(frame).temporaryFiles().add(mine));
        m_settings->writeInt("CleanUp", "count", 2);
        m_settings->writeString("CleanUp", "2", other);
        QVERIFY(frame->close());
        QVERIFY(!QFile::exists(mine));
        QVERIFY(QFile::exists(other));
    }

    void cleanUpListOfAnUnwritableSettingsFileDeletesNothing()
    {
        // The start cannot erase the list, and the list names a page of the user's.
        const QString page = writeFile("page.htm", "the user's page");
        ReadOnlyFolder home(m_dir->filePath("ro"));
        if (!home.error().isEmpty())
            QSKIP(qPrintable(home.error()));
        m_home = std::make_unique<HomeFolder>(home.path());
        QString error;
        QVERIFY(m_home->createFolders(&error));
        m_settings = std::make_unique<SettingsFile>(
            m_home->settingsPath(), StartupSteps::reportSettingsErrorsOnce(m_prompter));
        QVERIFY(m_settings->writeInt("CleanUp", "count", 1));
        QVERIFY(m_settings->writeString("CleanUp", "1", page));
        QVERIFY(home.lock());

        auto frame = start();
        QCOMPARE(m_settings->readString("CleanUp", "1"), page);
        QVERIFY(frame->close());
        QCOMPARE(QFile(page).size(), qint64(15));
    }

    void commandLineFileOpensWhateverTheSettingsFile_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("read-only home") << "read-only";
        QTest::newRow("binary settings file") << "binary";
        QTest::newRow("a folder in its place") << "folder";
    }
    void commandLineFileOpensWhateverTheSettingsFile()
    {
        QFETCH(QString, problem);
        const QString page = writeFile("page.htm", "<p>mine</p>");
        ReadOnlyFolder home(m_dir->filePath("home"));
        m_home = std::make_unique<HomeFolder>(home.path());
        QString error;
        QVERIFY(m_home->createFolders(&error));
        if (problem == "read-only") {
            if (!home.error().isEmpty())
                QSKIP(qPrintable(home.error()));
            QVERIFY(home.lock());
        } else if (problem == "binary") {
            QFile f(m_home->settingsPath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("[Varnel]\0\x01\x02", 11));
        } else {
            QVERIFY(QDir().mkdir(m_home->settingsPath()));
        }
        m_settings = std::make_unique<SettingsFile>(
            m_home->settingsPath(), StartupSteps::reportSettingsErrorsOnce(m_prompter));

        MainFrame frame(*m_home, *m_settings, m_prompter);
        frame.queueFiles({page});
        frame.showAtStart(false);
        QCOMPARE(drive(frame).documents().documents().size(), 1);
        QCOMPARE(drive(frame).documents().active()->document().identity(), page);
        QCOMPARE(drive(frame).documents().active()->editor().text(), QString("<p>mine</p>"));
        // The settings problem is told once, however many writes fail.
        drive(frame).files().newclean();
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown[0].startsWith("The settings file " + m_home->settingsPath() +
                                               " could not be written: "));
    }

    // A "&" of a file name is shown in the tabs and the Window menu, not taken for an
    // accelerator.
    void ampersandInAFileNameIsShown()
    {
        const QString page = writeFile("a&b.htm", "x");
        auto frame = start();
        DocumentWindow *doc = drive(frame).files().openFile(page);
        QVERIFY(doc);
        QCOMPARE(drive(frame).tabs().text(doc), QString("a&b.htm"));
        for (QTabBar *bar : {drive(frame).tabs().lower(), drive(frame).tabs().upper()}) {
            QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(bar);
            QVERIFY(strip && strip->child(1));
            QCOMPARE(strip->child(1)->text(QAccessible::Name), QString("a&b.htm"));
        }
        QMenu *window = drive(frame).menu("Window1");
        QVERIFY(window);
        QMenuBar *bar = frame->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(window->menuAction()).center());
        QTRY_VERIFY(window->isVisible());
        QStringList shown;
        for (QAction *a : window->actions())
            shown << a->iconText();
        QVERIFY2(shown.contains("2 a&b.htm"), qPrintable(shown.join(u'|')));
        window->hide();
    }

    // A reload gives the Save button back its saved picture.
    void savePictureFollowsAReload()
    {
        const QString page = writeFile("page.htm", "one");
        auto frame = start();
        DocumentWindow *doc = drive(frame).files().openFile(page);
        QVERIFY(doc);
        const auto picture = [&] {
            return drive(frame).speedBar().button("SpeedItem26")->icon().cacheKey();
        };
        const qint64 saved = picture();
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), "x");
        QVERIFY(picture() != saved);
        m_prompter.answers << PromptAnswer::Yes;
        writeFile("page.htm", "two, longer");
        QTRY_COMPARE(doc->editor().text(), QString("two, longer"));
        QCOMPARE(picture(), saved);
    }

    // Until a data folder is set, the Open and Save dialogs start in the user's documents
    // folder, not in the home folder the settings live in.
    void dialogsStartInTheUsersDocuments()
    {
        const QString docs = m_dir->filePath("Documents");
        QVERIFY(QDir().mkpath(docs));
        m_home = std::make_unique<HomeFolder>(m_dir->filePath("home"), docs);
        QString error;
        QVERIFY(m_home->createFolders(&error));
        m_settings = std::make_unique<SettingsFile>(m_home->settingsPath());
        auto frame = start();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        ScriptedDialogs dialogs;
        drive(frame).files().setDialogs(&dialogs);
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(doc);
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClicks(doc->memo(), "x");
        QTest::keyClick(doc->memo(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[0].folder, docs);
        QCOMPARE(dialogs.shown[1].folder, docs);
        drive(frame).files().setDialogs(nullptr);
        doc->setModified(false);
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
