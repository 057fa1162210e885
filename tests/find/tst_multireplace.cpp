#include "base/settingsfile.h"
#include "base/settingskeys.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "files/documentfiles.h"
#include "find/findcontroller.h"
#include "find/multireplacedialog.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "menuclicks.h"
#include "paneltesting.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// Replace in multiple files as the user works it: the dialog opened from the Edit menu or
// the toolbar, files picked with the arrow buttons, texts typed, Replace clicked, the
// summary read.
class TestMultiReplace : public FrameTestBase
{
    Q_OBJECT

private:
    QString m_site;

    template <typename T> static T *child(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }
    static void click(QWidget *window, const char *name)
    {
        auto *b = child<QPushButton>(window, name);
        QVERIFY(b->isVisible() && b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static QStringList listed(QWidget *dialog)
    {
        QStringList names;
        auto *list = child<QListWidget>(dialog, "replist");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static MultiReplaceDialog *newestDialog(MainFrame &frame, int count)
    {
        QList<MultiReplaceDialog *> dialogs;
        for (MultiReplaceDialog *d : frame.findChildren<MultiReplaceDialog *>())
            if (d->isVisible())
                dialogs << d;
        if (dialogs.size() != count)
            return nullptr;
        return dialogs.last();
    }
    QString page(const char *name) const { return QDir(m_site).filePath(QLatin1String(name)); }
    void replaceAndWait(MultiReplaceDialog *dialog)
    {
        QSignalSpy done(dialog, &MultiReplaceDialog::replaced);
        click(dialog, "Button2");
        QVERIFY(done.size() == 1 || done.wait(20000));
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_site = m_dir->filePath(QStringLiteral("site"));
        TestFiles::writeFile(page("a.htm"), "<p>old <b>old</b></p>\r\n");
        TestFiles::writeFile(page("b.html"), "Old\rbold\r");
        TestFiles::writeFile(page("c.htm"), "nothing\n");
        TestFiles::writeFile(page("notes.txt"), "old\n");
    }

    void menuEntryReplacesInPickedFiles()
    {
        auto frame = startFrame();
        MenuClicks::chooseFromMenu(*frame, Cmd::MultiDocFR1Click);
        MultiReplaceDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = newestDialog(*frame, 1)));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Multiple File Replace"));
        dialog->browser()->setFolder(m_site);
        QCOMPARE(child<QLabel>(dialog, "Label5")->text(), m_site);

        PanelTesting::clickFile(*dialog->browser(), "b.html");
        click(dialog, "butaddone");
        QCOMPARE(listed(dialog), QStringList({" b.html"}));
        click(dialog, "butaddall");
        QCOMPARE(listed(dialog), QStringList({" a.htm", " c.htm", " b.html"}));
        // "<" takes out the selected entry.
        auto *list = child<QListWidget>(dialog, "replist");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        click(dialog, "butlessone");
        QCOMPARE(listed(dialog), QStringList({" a.htm", " b.html"}));
        // ">>" again puts back only what is missing, on top.
        click(dialog, "butaddall");
        QCOMPARE(listed(dialog), QStringList({" c.htm", " a.htm", " b.html"}));

        // Pressing and holding on an entry shows its full path until the button comes up.
        const QPoint onFirst = list->visualItemRect(list->item(0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, onFirst);
        auto *fullPath = child<QLabel>(dialog, "thefile");
        QTRY_VERIFY(fullPath->isVisible());
        QCOMPARE(fullPath->text(), u' ' + page("c.htm") + u' ');
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onFirst);
        QVERIFY(!fullPath->isVisible());

        const QDateTime untouched = QFileInfo(page("c.htm")).lastModified();
        QTest::keyClicks(child<QLineEdit>(dialog, "fedit"), "old");
        QTest::keyClicks(child<QLineEdit>(dialog, "Redit"), "new");
        QTest::mouseClick(child<QCheckBox>(dialog, "wholewordcheck"), Qt::LeftButton, {},
                          QPoint(6, child<QCheckBox>(dialog, "wholewordcheck")->height() / 2));
        QVERIFY(child<QCheckBox>(dialog, "wholewordcheck")->isChecked());
        replaceAndWait(dialog);

        QCOMPARE(contents(page("a.htm")), QByteArray("<p>new <b>new</b></p>\r\n"));
        QCOMPARE(contents(page("b.html")), QByteArray("new\rbold\r"));
        QCOMPARE(contents(page("c.htm")), QByteArray("nothing\n"));
        QCOMPARE(QFileInfo(page("c.htm")).lastModified(), untouched);
        QCOMPARE(contents(page("notes.txt")), QByteArray("old\n"));
        QVERIFY(!m_prompter.shown.isEmpty());
        QVERIFY2(m_prompter.shown.last().startsWith("3 replacements in 2 of 3 files."),
                 qPrintable(m_prompter.shown.last()));

        click(dialog, "Button3");
        QTRY_VERIFY(!newestDialog(*frame, 1));
        QCOMPARE(m_settings->read(Keys::FindWholeWord), true);
        QCOMPARE(drive(frame).finding().state().savedFind, QStringLiteral("old"));
    }

    // A project picked with ">" stands for the pages it lists, in its own order.
    void aProjectAddsThePagesItLists()
    {
        TestFiles::writeFile(page("site.qpj"),
                             (page("b.html") + "\r\n" + page("a.htm") + "\r\n").toUtf8());
        auto frame = startFrame();
        MenuClicks::chooseFromMenu(*frame, Cmd::MultiDocFR1Click);
        MultiReplaceDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = newestDialog(*frame, 1)));
        dialog->browser()->setFolder(m_site);
        PanelTesting::clickFile(*dialog->browser(), "site.qpj");
        click(dialog, "butaddone");
        QCOMPARE(listed(dialog), QStringList({" b.html", " a.htm"}));
        QVERIFY(m_prompter.shown.isEmpty());
        click(dialog, "Button3");
    }

    void openFilesAreRefusedWhenAddedAndAtReplace()
    {
        auto frame = startFrame();
        drive(frame).files().openFiles({page("a.htm")});
        QTRY_VERIFY(drive(frame).files().findOpen(page("a.htm")));

        SpeedButton *item = PanelTesting::toolbarItem(*frame, Cmd::MultiDocFR1Click);
        QVERIFY(item);
        QTest::mouseClick(item, Qt::LeftButton);
        MultiReplaceDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = newestDialog(*frame, 1)));
        dialog->browser()->setFolder(m_site);

        auto *panel = child<QWidget>(dialog, "messagepanel");
        PanelTesting::clickFile(*dialog->browser(), "a.htm");
        click(dialog, "butaddone");
        QVERIFY(listed(dialog).isEmpty());
        QVERIFY(panel->isVisible());
        QVERIFY(panel->findChild<QLabel *>()->text() == page("a.htm"));
        click(panel, "messageok");
        QVERIFY(!panel->isVisible());

        PanelTesting::clickFile(*dialog->browser(), "b.html");
        click(dialog, "butaddone");
        QCOMPARE(listed(dialog), QStringList({" b.html"}));

        // An empty find text would put the replacement at the start of every file.
        QTest::keyClicks(child<QLineEdit>(dialog, "Redit"), "new");
        click(dialog, "Button2");
        QVERIFY(m_prompter.shown.last().startsWith("Type the text to find first"));
        QCOMPARE(contents(page("b.html")), QByteArray("Old\rbold\r"));

        // Opened in the editor after it was added: refused at Replace, named in the summary.
        drive(frame).files().openFiles({page("b.html")});
        QTRY_VERIFY(drive(frame).files().findOpen(page("b.html")));
        QTest::keyClicks(child<QLineEdit>(dialog, "fedit"), "old");
        replaceAndWait(dialog);
        QCOMPARE(contents(page("b.html")), QByteArray("Old\rbold\r"));
        QVERIFY(panel->isVisible());
        QVERIFY(m_prompter.shown.last().contains(page("b.html") + ": it was opened in the editor"));

        // A second dialog beside the first one.
        MenuClicks::chooseFromMenu(*frame, Cmd::MultiDocFR1Click);
        QTRY_VERIFY(newestDialog(*frame, 2));
    }
};

QTEST_MAIN(TestMultiReplace)
#include "tst_multireplace.moc"
