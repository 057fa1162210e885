// "quillmark --check PAGE...": the lines it prints, its exit status, and that it needs no
// display.
#include "checking/pagecheckrun.h"
#include "testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

const QByteArray Clean = "<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title></head>\n"
                         "<body><p>fine</p></body></html>\n";
const QByteArray Broken = "<!DOCTYPE html>\n<html lang=\"en\"><head><title>T</title></head>\n"
                          "<body><img src=\"gone.png\">\n<p id=\"a\"></p><p id=\"a\"></p>\n"
                          "</body></html>\n";

struct Outcome
{
    int status;
    QString out;
    QString err;
};

Outcome check(const QStringList &pages, const QString &folder)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = PageCheckRun::run(pages, folder, o, e);
    return {status, out, err};
}

} // namespace

class TestPageCheckRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        TestFiles::writeFile(m_dir.filePath("clean.htm"), Clean);
        TestFiles::writeFile(m_dir.filePath("b/broken.htm"), Broken);
        // A page that is not UTF-8 is read as Windows-1252, as the editor reads it.
        TestFiles::writeFile(m_dir.filePath("latin.htm"),
                             QByteArray(Clean).replace("fine", "caf\xe9 <b>x</p>"));
    }

    void problemsAreListedByPageAndPlace()
    {
        const Outcome r = check({"latin.htm", "b/broken.htm", "clean.htm"}, m_dir.path());
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QStringLiteral("b/broken.htm:3:7: warning: the image has no alt text\n"
                                       "b/broken.htm:3:17: error: \"gone.png\" is not there\n"
                                       "b/broken.htm:4:22: error: the id \"a\" is already used "
                                       "on line 4\n"
                                       "latin.htm:3:15: error: missing </b> before </p>\n"
                                       "latin.htm:3:23: error: end tag </p> closes no open "
                                       "element\n"));
    }

    void aCleanPagePrintsNothing()
    {
        const Outcome r = check({"clean.htm"}, m_dir.path());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString());
    }

    void anUnreadablePageIsNamedWithTheReasonAndTheOthersAreStillChecked()
    {
        TestFiles::writeFile(m_dir.filePath("picture.htm"), QByteArray("GIF89a\0\0\x01", 9));
        const Outcome r = check({"missing.htm", "b", "picture.htm", "b/broken.htm"}, m_dir.path());
        QCOMPARE(r.status, 2);
        const QStringList lines = r.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith("quillmark: b: "), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("quillmark: missing.htm: "), qPrintable(lines[1]));
        QVERIFY2(lines[2].contains("picture.htm") && lines[2].contains("NUL"),
                 qPrintable(lines[2]));
        QVERIFY(r.out.startsWith("b/broken.htm:"));
        QCOMPARE(check({}, m_dir.path()).status, 2);
    }

    // The program itself, with no display and no platform named: it must not need one.
    void theProgramChecksWithoutADisplay()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(m_dir.path());
        program.start(QStringLiteral(QM_EXECUTABLE), {"--check", "clean.htm", "b/broken.htm"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QCOMPARE(out.count(u'\n'), 3);
        QVERIFY(out.startsWith("b/broken.htm:3:7: warning: "));

        program.start(QStringLiteral(QM_EXECUTABLE), {"--check", "clean.htm"});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestPageCheckRun)
#include "tst_pagecheckrun.moc"
