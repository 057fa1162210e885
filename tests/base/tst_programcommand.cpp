// A configured program text becomes a program and an argument list, never a shell line.
#include "base/programcommand.h"

#include <QtTest>

class TestProgramCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("plain path") << "/usr/bin/browser"
                                    << "/usr/bin/browser" << QStringList();
        QTest::newRow("path with arguments")
            << "/usr/bin/browser --new-window -P \"my profile\""
            << "/usr/bin/browser" << QStringList{"--new-window", "-P", "my profile"};
        QTest::newRow("quoted path with blanks") << "\"/opt/My Browser/run\" -x"
                                                 << "/opt/My Browser/run" << QStringList{"-x"};
        QTest::newRow("an existing file with blanks is one program")
            << "/opt/Web Browser"
            << "/opt/Web Browser" << QStringList();
        QTest::newRow("shell characters are plain arguments")
            << "/bin/prog ; rm -rf x | y"
            << "/bin/prog" << QStringList{";", "rm", "-rf", "x", "|", "y"};
        QTest::newRow("blank") << "   " << QString() << QStringList();
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const ProgramCommand c = ProgramCommand::parse(
            text, [](const QString &path) { return path == QLatin1String("/opt/Web Browser"); });
        QCOMPARE(c.program, program);
        QCOMPARE(c.arguments, arguments);
    }
};

QTEST_GUILESS_MAIN(TestProgramCommand)
#include "tst_programcommand.moc"
