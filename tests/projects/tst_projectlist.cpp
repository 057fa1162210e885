#include "base/settingsfile.h"
#include "projects/projectfile.h"
#include "projects/projectlist.h"
#include "projects/templatestore.h"
#include "readonlyfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The project manager's list and the template folder's default, without windows.
class TestProjectList : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void addingKeepsEachPathOnceWithLetterCaseCounting()
    {
        ProjectList list;
        QString error;
        QVERIFY(list.add({"/a/one.htm"}, &error));
        QVERIFY(list.add({"/a/two.htm"}, &error));
        QVERIFY(list.add({"/a/one.htm"}, &error));
        QVERIFY(list.add({"/a/ONE.htm"}, &error));
        // One at a time goes to the top; several keep their order above the old ones.
        QCOMPARE(list.entries(), (QStringList{"/a/ONE.htm", "/a/two.htm", "/a/one.htm"}));
        QVERIFY(list.add({"/b/x.htm", "/a/two.htm", "/b/y.htm"}, &error));
        QCOMPARE(list.entries(),
                 (QStringList{"/b/x.htm", "/b/y.htm", "/a/ONE.htm", "/a/two.htm", "/a/one.htm"}));
        list.removeAt(0);
        list.removeAt(99);
        QCOMPARE(list.entries().size(), 4);
    }

    void addingAProjectFileMergesItsEntries()
    {
        const QString other = put("other.qpj", "/a/two.htm\n/c/new.htm\n/c/more.htm\n");
        ProjectList list;
        QString error;
        QVERIFY(list.add({"/a/one.htm", "/a/two.htm"}, &error));
        QVERIFY(list.add({other}, &error));
        QCOMPARE(list.entries(),
                 (QStringList{"/c/new.htm", "/c/more.htm", "/a/one.htm", "/a/two.htm"}));

        // An unreadable project among several files is named; the rest are added.
        const QString binary = put("binary.qpj", QByteArray("\0\1\2", 3));
        QVERIFY(!list.add({binary, "/d/z.htm"}, &error));
        QVERIFY(error.startsWith(binary + " could not be read: "));
        QCOMPARE(list.entries().front(), QString("/d/z.htm"));
    }

    void saveThenLoadGivesTheSameEntriesInOrder()
    {
        ProjectList list;
        QString error;
        QVERIFY(list.add({"/z/b.htm", "/a/a.htm", "/m/c.htm"}, &error));
        const QString path = m_dir->filePath("site.qpj");
        QVERIFY(list.save(path, &error));
        ProjectList back;
        QVERIFY(back.add({"/old.htm"}, &error));
        QVERIFY(back.load(path, &error));
        QCOMPARE(back.entries(), list.entries());

        // A failed load keeps what was listed.
        QVERIFY(!back.load(m_dir->filePath("missing.qpj"), &error));
        QVERIFY(error.contains("missing.qpj"));
        QCOMPARE(back.entries(), list.entries());
        QVERIFY(!list.save(m_dir->filePath("no/such/folder/x.qpj"), &error));
        QVERIFY(error.contains("could not be saved"));
    }

    void templateDefaultSetClearedAndDeletedWithItsFile()
    {
        SettingsFile settings(m_dir->filePath("quillm.ini"));
        QDir(m_dir->path()).mkdir("template");
        const QString folder = m_dir->filePath("template");
        QFile(folder + "/a.htm").open(QIODevice::WriteOnly);
        QFile(folder + "/b.htm").open(QIODevice::WriteOnly);
        TemplateStore store(settings, folder);
        store.setDefault("a.htm");
        QCOMPARE(settings.read(Keys::Template), QString("a.htm"));
        QString error;
        QVERIFY(store.remove("b.htm", &error));
        QCOMPARE(store.defaultName(), QString("a.htm"));
        QVERIFY(store.remove("a.htm", &error));
        QVERIFY(!QFile::exists(folder + "/a.htm"));
        QCOMPARE(store.defaultName(), QString());
        store.setDefault("c.htm");
        store.clearDefault();
        QCOMPARE(settings.read(Keys::Template), QString());
    }

    void templateThatCannotBeDeletedKeepsTheDefault()
    {
        SettingsFile settings(m_dir->filePath("quillm.ini"));
        ReadOnlyFolder folder(m_dir->filePath("template"));
        if (!folder.error().isEmpty())
            QSKIP(qPrintable(folder.error()));
        QFile(folder.path() + "/a.htm").open(QIODevice::WriteOnly);
        TemplateStore store(settings, folder.path());
        store.setDefault("a.htm");
        QVERIFY(folder.lock());
        QString error;
        QVERIFY(!store.remove("a.htm", &error));
        QVERIFY2(error.startsWith(folder.path() + "/a.htm could not be deleted: "),
                 qPrintable(error));
        QVERIFY(!error.endsWith(": "));
        QCOMPARE(store.defaultName(), QString("a.htm"));
        QVERIFY(!store.remove("missing.htm", &error));
    }

    void defaultTemplateIsAPlainNameInsideTheFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("plain");
        QTest::newRow("name") << "page.htm" << true;
        QTest::newRow("hidden name") << ".page" << true;
        QTest::newRow("up and out") << "../addict.cfg" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
        QTest::newRow("subfolder") << "sub/page.htm" << false;
        QTest::newRow("backslash") << "..\\quillm.ini" << false;
        QTest::newRow("dot dot") << ".." << false;
    }
    void defaultTemplateIsAPlainNameInsideTheFolder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, plain);
        SettingsFile settings(m_dir->filePath("quillm.ini"));
        settings.write(Keys::Template, stored);
        TemplateStore store(settings, m_dir->filePath("template"));
        QCOMPARE(store.defaultName(), plain ? stored : QString());
    }
};

QTEST_GUILESS_MAIN(TestProjectList)
#include "tst_projectlist.moc"
