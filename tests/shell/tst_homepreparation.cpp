// The home folder is chosen and made on a second thread while the program starts.
#include "shell/homepreparation.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestHomePreparation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSettingsFileBesideTheProgramMakesItsFolderTheHome()
    {
        QTemporaryDir program;
        QFile ini(program.filePath(QStringLiteral("quillm.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.close();
        HomePreparation preparing(program.path());
        QVERIFY2(preparing.error().isEmpty(), qPrintable(preparing.error()));
        const HomeFolder &home = preparing.home();
        QCOMPARE(home.path(), program.path());
        for (const QString &dir : {home.dataDir(), home.templateDir(), home.libraryDir()}) {
            QVERIFY2(QFileInfo(dir).isDir(), qPrintable(dir));
            QCOMPARE(QFileInfo(dir).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                     QFile::Permissions());
        }
    }

    void aFileInTheWayIsNamedAndNothingIsReplaced()
    {
        QTemporaryDir program;
        QFile ini(program.filePath(QStringLiteral("quillm.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.close();
        const QString inTheWay = HomeFolder(program.path()).templateDir();
        QFile blocker(inTheWay);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("mine");
        blocker.close();

        HomePreparation preparing(program.path());
        QVERIFY(preparing.error().contains(inTheWay));
        QVERIFY(preparing.error().contains(QLatin1String("not a folder")));
        QVERIFY(QFileInfo(inTheWay).isFile());
        QFile kept(inTheWay);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }

    void theProgramsFolderIsFoundWithoutTheApplicationObject()
    {
        const QString folder = HomePreparation::executableFolder();
        QCOMPARE(folder, QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
    }
};

QTEST_GUILESS_MAIN(TestHomePreparation)
#include "tst_homepreparation.moc"
