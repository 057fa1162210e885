#include "base/modifiersource.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "menuclicks.h"
#include "projects/projectcommands.h"
#include "projects/projectmanager.h"
#include "projects/templatechooser.h"
#include "scripteddialogs.h"

#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// Projects and templates as the user reaches them: menus, keys and the windows' own buttons.
class TestProjects : public FrameTestBase
{
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    FixedModifiers m_keys;

    std::unique_ptr<MainFrame> start()
    {
        m_settings->write(Keys::StartNew, "no");
        auto frame = std::make_unique<MainFrame>(*m_home, *m_settings, m_prompter);
        drive(frame).files().setDialogs(&m_dialogs);
        drive(frame).files().setModifiers(&m_keys);
        frame->showAtStart(false);
        return frame;
    }
    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static QStringList paths(const QList<DocumentWindow *> &docs)
    {
        QStringList list;
        for (DocumentWindow *doc : docs)
            list << doc->document().identity();
        return list;
    }
    static void click(QPushButton *button)
    {
        QVERIFY(button);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Clicks the file of that name in the manager's file picker once the folder has loaded.
    static void pickFile(ProjectManager *manager, const QString &name)
    {
        QListView *view = manager->fileView();
        auto *model = static_cast<QFileSystemModel *>(view->model());
        QModelIndex found;
        QTRY_VERIFY(
            (found = model->index(model->filePath(view->rootIndex()) + '/' + name)).isValid() &&
            !view->visualRect(found).isEmpty());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found).center());
        QCOMPARE(view->currentIndex(), found);
    }
    static QStringList shownEntries(ProjectManager *manager)
    {
        QStringList names;
        for (int i = 0; i < manager->projectView()->count(); ++i)
            names << manager->projectView()->item(i)->text();
        return names;
    }
    void typeCtrl(MainFrame &frame, Qt::Key key)
    {
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(doc);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), key, Qt::ControlModifier);
    }

private Q_SLOTS:
    void init()
    {
        resetHome("home");
        m_dialogs = ScriptedDialogs();
        m_keys.set({});
    }

    void managerLoadsAProjectAndOpensItsPagesByMouse()
    {
        const QString a = put("site/a.htm", "a");
        const QString b = put("site/b.htm", "b");
        const QString gone = m_dir->filePath("site/gone.htm");
        const QString alsoGone = m_dir->filePath("site/also gone.htm");
        // Written by another editor: LF only, a duplicate, no final line break.
        const QString project =
            put("site.qpj", (a + "\n" + gone + "\n" + b + "\n" + a + "\n" + alsoGone).toUtf8());
        auto frame = start();
        drive(frame).files().openFile(b);
        MenuClicks::chooseFromMenu(*frame, Cmd::Projects1Click);
        ProjectManager *manager = drive(frame).projects().manager();
        QVERIFY(manager && manager->isVisible());
        QCOMPARE(manager->windowTitle(), QString("Project Manager"));
        QVERIFY(!manager->button("quillmark")->isEnabled());

        m_dialogs.openAnswers << QStringList{project};
        click(manager->button("loadbut"));
        QCOMPARE(m_dialogs.shown.last().title, QString("Load Project"));
        QCOMPARE(manager->projectName(), QString("site.qpj"));
        QCOMPARE(shownEntries(manager),
                 (QStringList{"a.htm", "gone.htm", "b.htm", "a.htm", "also gone.htm"}));

        click(manager->button("quillmark"));
        QCOMPARE(paths(drive(frame).documents().documents()), (QStringList{b, a}));
        QCOMPARE(m_prompter.shown,
                 QStringList{gone + "\n" + alsoGone + "\ndon't exist and can't be loaded"});
        QVERIFY(manager->isVisible());

        // Again: everything is open, and the open pages come forward instead.
        drive(frame).documents().activate(drive(frame).documents().documents().front());
        m_prompter.shown.clear();
        QFile::remove(alsoGone);
        put("site/gone.htm", "back");
        click(manager->button("quillmark"));
        QCOMPARE(drive(frame).documents().documents().size(), 3);
        QCOMPARE(m_prompter.shown, QStringList{alsoGone + "\ndoesn't exist and can't be loaded"});

        click(manager->button("closebut"));
        QTRY_VERIFY(!drive(frame).projects().manager());
    }

    void pickersBuildAProjectThatSavesWithCrLf()
    {
        const QString a = put("pages/a.htm", "a");
        const QString b = put("pages/b.html", "b");
        put("pages/notes.txt", "n");
        const QString other = put("pages/other.qpj", (a + "\r\n/x/from other.htm\r\n").toUtf8());
        auto frame = start();
        ProjectManager *manager = drive(frame).projects().showManager();
        manager->showFolder(m_dir->filePath("pages"));

        pickFile(manager, "b.html");
        click(manager->button("butaddone"));
        pickFile(manager, "a.htm");
        QTest::mouseDClick(
            manager->fileView()->viewport(), Qt::LeftButton, {},
            manager->fileView()->visualRect(manager->fileView()->currentIndex()).center());
        // A project added with ">" gives its entries, never itself, and none twice.
        pickFile(manager, "other.qpj");
        click(manager->button("butaddone"));
        QCOMPARE(manager->list().entries(), (QStringList{"/x/from other.htm", a, b}));
        QVERIFY(manager->button("quillmark")->isEnabled());

        // Only "All files" shows the notes; ">>" adds what is shown.
        auto *model = static_cast<QFileSystemModel *>(manager->fileView()->model());
        const QModelIndex root = manager->fileView()->rootIndex();
        QTRY_COMPARE(model->rowCount(root), 3);
        manager->filterBox()->setCurrentIndex(manager->filterBox()->findText("All files"));
        QTRY_COMPARE(model->rowCount(root), 4);
        click(manager->button("butlessall"));
        QVERIFY(!manager->button("quillmark")->isEnabled());
        click(manager->button("butaddall"));
        QCOMPARE(manager->list().entries().size(), 4);
        QVERIFY(manager->list().entries().contains(m_dir->filePath("pages/notes.txt")));
        QVERIFY(!manager->list().entries().contains(other));

        // "<" and a double click take the selected entry out.
        manager->projectView()->setCurrentRow(0);
        const QString first = manager->list().entries().front();
        click(manager->button("butlessone"));
        QVERIFY(!manager->list().entries().contains(first));
        QListWidget *view = manager->projectView();
        const QPoint firstRow = view->visualItemRect(view->item(0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, firstRow);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, firstRow);
        QCOMPARE(manager->list().entries().size(), 2);

        const QStringList kept = manager->list().entries();
        m_dialogs.saveAnswers << m_dir->filePath("saved");
        click(manager->button("Savebut"));
        QCOMPARE(m_dialogs.shown.last().title, QString("Save Project"));
        QCOMPARE(bytesOf(m_dir->filePath("saved.qpj")), (kept.join("\r\n") + "\r\n").toUtf8());
        QCOMPARE(manager->projectName(), QString("saved.qpj"));

        click(manager->button("Newbut"));
        QCOMPARE(manager->projectName(), QString("Untitled"));
        QVERIFY(manager->list().isEmpty());
    }

    void holdingTheMouseOnAnEntryShowsItsFullPath()
    {
        const QString a = put("deep/folder/a.htm", "a");
        const QString project = put("p.qpj", (a + "\r\n").toUtf8());
        auto frame = start();
        drive(frame).files().openFile(project);
        ProjectManager *manager = drive(frame).projects().manager();
        QVERIFY(manager);
        QListWidget *view = manager->projectView();
        const QPoint at = view->visualItemRect(view->item(0)).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(manager->pathLabel()->isVisible());
        QCOMPARE(manager->pathLabel()->text(), " " + a + " ");
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!manager->pathLabel()->isVisible());

        // A short click shows nothing.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::qWait(600);
        QVERIFY(!manager->pathLabel()->isVisible());

        auto *hint = manager->findChild<QLabel *>(QString(), Qt::FindChildrenRecursively);
        for (QLabel *label : manager->findChildren<QLabel *>())
            if (label->text() == "Hint!")
                hint = label;
        QTest::mousePress(hint, Qt::LeftButton);
        QCOMPARE(manager->pathLabel()->text(),
                 QString(" Click and hold on a file below to see its full path "));
        QVERIFY(manager->pathLabel()->isVisible());
        QTest::mouseRelease(hint, Qt::LeftButton);
        QVERIFY(!manager->pathLabel()->isVisible());
    }

    void saveIntoAProjectAddsThePagePathOnce()
    {
        const QString saved = put("p/saved.htm", "saved");
        const QString edited = put("p/edited.htm", "edited");
        const QString project = m_dir->filePath("p/site.qpj");
        auto frame = start();

        // An unmodified saved page: no save, its path goes in, once.
        drive(frame).files().openFile(saved);
        m_dialogs.saveAnswers << project << project;
        MenuClicks::chooseFromMenu(*frame, Cmd::intoaProject1Click);
        QCOMPARE(m_dialogs.shown.last().title, QString("Locate a Project File"));
        MenuClicks::chooseFromMenu(*frame, Cmd::intoaProject1Click);
        QCOMPARE(bytesOf(project), (saved + "\r\n").toUtf8());

        // A modified page is saved first.
        DocumentWindow *doc = drive(frame).files().openFile(edited);
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), "new ");
        m_dialogs.saveAnswers << project;
        MenuClicks::chooseFromMenu(*frame, Cmd::intoaProject1Click);
        QVERIFY(!doc->isModified());
        QCOMPARE(bytesOf(edited), QByteArray("new edited"));
        QCOMPARE(bytesOf(project), (saved + "\r\n" + edited + "\r\n").toUtf8());

        // An untitled page goes through Save As; cancelling it ends the command.
        drive(frame).files().newclean();
        const int shown = m_dialogs.shown.size();
        MenuClicks::chooseFromMenu(*frame, Cmd::intoaProject1Click);
        QCOMPARE(m_dialogs.shown.size(), shown + 1);
        QCOMPARE(m_dialogs.shown.last().title, QString("Save As"));
        const QString named = m_dir->filePath("p/named");
        m_dialogs.saveAnswers << named << m_dir->filePath("p/site");
        MenuClicks::chooseFromMenu(*frame, Cmd::intoaProject1Click);
        QCOMPARE(bytesOf(project),
                 (saved + "\r\n" + edited + "\r\n" + named + ".htm\r\n").toUtf8());
        QVERIFY(m_prompter.shown.isEmpty());
    }

    void newGoesThroughTheTemplateChooser()
    {
        const QString folder = m_home->templateDir();
        put("home/template/page.htm", "<html>\r\n<body>\r\n</body>\r\n</html>\r\n");
        put("home/template/other.htm", "other");
        auto frame = start();
        drive(frame).files().newclean();
        typeCtrl(*frame, Qt::Key_N);
        TemplateChooser *chooser = drive(frame).projects().templateChooser();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->windowTitle(), QString("Open Template"));
        QVERIFY(!chooser->button("SpeedButton1")->isEnabled());
        QVERIFY(!chooser->button("deletebut")->isVisible());

        QListView *list = chooser->list();
        auto *model = static_cast<QFileSystemModel *>(list->model());
        QModelIndex page;
        QTRY_VERIFY((page = model->index(folder + "/page.htm")).isValid() &&
                    !list->visualRect(page).isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(page).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(page).center());
        QTRY_VERIFY(!drive(frame).projects().templateChooser());
        DocumentWindow *doc = drive(frame).documents().active();
        QVERIFY(doc->document().isUntitled());
        QCOMPARE(doc->editor().bytes(), QByteArray("<html>\n<body>\n</body>\n</html>\n"));

        // Saving it asks for a name: the template stays as it was.
        doc->memo()->setFocus();
        QTest::keyClicks(doc->memo(), "x");
        m_dialogs.saveAnswers << m_dir->filePath("mine.htm");
        QTest::keyClick(doc->memo(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(bytesOf(folder + "/page.htm"),
                 QByteArray("<html>\r\n<body>\r\n</body>\r\n</html>\r\n"));
        QCOMPARE(bytesOf(m_dir->filePath("mine.htm")),
                 QByteArray("x<html>\n<body>\n</body>\n</html>\n"));
    }

    void chooserSetsClearsAndDeletesTheDefault()
    {
        const QString folder = m_home->templateDir();
        put("home/template/a.htm", "A");
        put("home/template/b.htm", "B");
        auto frame = start();
        TemplateChooser *chooser = drive(frame).projects().showTemplateChooser();
        QListView *list = chooser->list();
        auto *model = static_cast<QFileSystemModel *>(list->model());
        const auto choose = [&](const QString &name) {
            QModelIndex index;
            QTRY_VERIFY((index = model->index(folder + '/' + name)).isValid() &&
                        !list->visualRect(index).isEmpty());
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(index).center());
            QCOMPARE(chooser->selectedName(), name);
        };
        choose("a.htm");
        click(chooser->button("SpeedButton1"));
        QCOMPARE(m_settings->read(Keys::Template), QString("a.htm"));
        QCOMPARE(chooser->defaultLabel()->text(), QString("a.htm"));

        // Deleting another file keeps the default; No keeps the file.
        choose("b.htm");
        QVERIFY(chooser->button("deletebut")->isVisible());
        m_prompter.answers << PromptAnswer::No << PromptAnswer::Yes;
        click(chooser->button("deletebut"));
        QVERIFY(QFile::exists(folder + "/b.htm"));
        click(chooser->button("deletebut"));
        QCOMPARE(m_prompter.shown, (QStringList{"Delete b.htm?", "Delete b.htm?"}));
        QVERIFY(!QFile::exists(folder + "/b.htm"));
        QCOMPARE(m_settings->read(Keys::Template), QString("a.htm"));

        // OK with nothing chosen takes the default.
        click(chooser->button("Button1"));
        QCOMPARE(drive(frame).documents().active()->editor().bytes(), QByteArray("A"));

        // Deleting the default clears it; Clear empties it.
        chooser = drive(frame).projects().showTemplateChooser();
        list = chooser->list();
        model = static_cast<QFileSystemModel *>(list->model());
        choose("a.htm");
        m_prompter.answers << PromptAnswer::Yes;
        click(chooser->button("deletebut"));
        QCOMPARE(m_settings->read(Keys::Template), QString());
        QCOMPARE(chooser->defaultLabel()->text(), QString());
        m_settings->write(Keys::Template, "gone.htm");
        click(chooser->button("SpeedButton4"));
        QCOMPARE(m_settings->read(Keys::Template), QString());
        click(chooser->button("cancelbtn"));
        QTRY_VERIFY(!drive(frame).projects().templateChooser());
    }

    void defaultTemplateOutsideTheFolderIsIgnoredAndReportedOnce()
    {
        put("home/addict.cfg", "[addict]\r\n");
        m_settings->write(Keys::Template, "../addict.cfg");
        m_settings->write(Keys::NewT, "yes");
        auto frame = start();
        drive(frame).files().news();
        drive(frame).files().news();
        QCOMPARE(drive(frame).documents().documents().size(), 2);
        for (DocumentWindow *doc : drive(frame).documents().documents())
            QCOMPARE(doc->editor().bytes(), QByteArray());
        QCOMPARE(m_prompter.shown.size(), 1);
        QVERIFY(m_prompter.shown.front().contains("\"../addict.cfg\""));
    }

    void saveAsTemplateStartsInTheTemplateFolderOnly()
    {
        const QString page = put("work/page.htm", "page");
        auto frame = start();
        DocumentWindow *doc = drive(frame).files().openFile(page);
        QVERIFY(doc);
        const QString openFolder =
            m_dialogs.shown.isEmpty() ? drive(frame).files().dialogState().folder() : QString();
        m_dialogs.saveAnswers << m_home->templateDir() + "/mine";
        MenuClicks::chooseFromMenu(*frame, Cmd::SaveasTemplate1Click);
        QCOMPARE(m_dialogs.shown.last().folder, m_home->templateDir());
        QCOMPARE(bytesOf(m_home->templateDir() + "/mine.htm"), QByteArray("page"));
        QCOMPARE(doc->document().path(), m_home->templateDir() + "/mine.htm");

        // The next Save As starts where Open and Save were before.
        MenuClicks::chooseFromMenu(*frame, Cmd::SavesAs);
        QCOMPARE(m_dialogs.shown.last().folder, openFolder);
    }
};

QTEST_MAIN(TestProjects)
#include "tst_projects.moc"
