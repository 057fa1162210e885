// The character table of the special characters panel: cells filled from the lines that
// exist and no further, codes taken whole, and the table shipped with the program.
#include "helpers/specialchars/chartable.h"
#include "testfiles.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestCharTable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void shortAndLongFiles_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("filledSpecial");
        QTest::addColumn<int>("filledExtended");
        QTest::newRow("missing") << -1 << 0 << 0;
        QTest::newRow("empty") << 0 << 0 << 0;
        QTest::newRow("40 lines") << 40 << 36 << 4;
        QTest::newRow("150 lines") << 150 << 36 << 64;
    }
    void shortAndLongFiles()
    {
        QFETCH(int, lines);
        QFETCH(int, filledSpecial);
        QFETCH(int, filledExtended);
        const QString path = m_dir.filePath(QStringLiteral("chars%1").arg(lines));
        if (lines >= 0) {
            QByteArray bytes;
            for (int i = 0; i < lines; ++i)
                bytes += "c" + QByteArray::number(i) + "..&#" + QByteArray::number(i) + ";\r\n";
            TestFiles::writeFile(path, bytes);
        }
        CharTable::Table table;
        QString reason;
        QVERIFY(CharTable::read(path, &table, &reason));
        QCOMPARE(table.special.size(), CharTable::SpecialCells);
        QCOMPARE(table.extended.size(), CharTable::ExtendedCells);
        const auto filled = [](const QList<CharTable::Cell> &cells) {
            return std::count_if(cells.begin(), cells.end(),
                                 [](const CharTable::Cell &c) { return !c.code.isEmpty(); });
        };
        QCOMPARE(filled(table.special), filledSpecial);
        QCOMPARE(filled(table.extended), filledExtended);
        if (lines >= 37) {
            QCOMPARE(table.special.at(35).shown, QStringLiteral("c35"));
            QCOMPARE(table.extended.at(0).code, QStringLiteral("&#36;"));
        }
    }

    void cellsOfALine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("code");
        QTest::newRow("entity") << "\u00e9..&eacute;"
                                << "\u00e9"
                                << "&eacute;";
        QTest::newRow("first separator") << "...&hellip;"
                                         << ""
                                         << ".&hellip;";
        QTest::newRow("no separator") << "\u2192"
                                      << "\u2192"
                                      << "\u2192";
        const QString longCode = QStringLiteral("<span class=\"x\">") + QString(300, u'y');
        QTest::newRow("long code taken whole") << "y.." + longCode << "y" << longCode;
    }
    void cellsOfALine()
    {
        QFETCH(QString, line);
        const CharTable::Cell cell = CharTable::Cell::of(line);
        QTEST(cell.shown, "shown");
        QTEST(cell.code, "code");
    }

    void unreadableFilesSayWhy()
    {
        const QString path = m_dir.filePath(QStringLiteral("binary"));
        TestFiles::writeFile(path, QByteArray("a..b\n\0\0", 7));
        CharTable::Table table;
        QString reason;
        QVERIFY(!CharTable::read(path, &table, &reason));
        QVERIFY2(reason.contains(QStringLiteral("binary")), qPrintable(reason));
        QCOMPARE(table.special.size(), CharTable::SpecialCells);
        QVERIFY(!CharTable::read(m_dir.path(), &table, &reason));
        QVERIFY(!reason.isEmpty());
    }

    // Every cell of the shipped table shows something and inserts a code of its own.
    void shippedTable()
    {
        CharTable::Table table;
        QString reason;
        QVERIFY(
            CharTable::read(QStringLiteral(QM_SOURCE_DATA_DIR "/library/chars"), &table, &reason));
        QSet<QString> codes;
        for (const CharTable::Cell &cell : table.special + table.extended) {
            QVERIFY(!cell.shown.isEmpty());
            QVERIFY2(cell.code.startsWith(u'&') && cell.code.endsWith(u';'), qPrintable(cell.code));
            codes.insert(cell.code);
        }
        QCOMPARE(codes.size(), CharTable::SpecialCells + CharTable::ExtendedCells);
        for (const char *code : {"&amp;", "&nbsp;", "&euro;", "&rarr;", "&ne;", "&mdash;"})
            QVERIFY2(codes.contains(QLatin1String(code)), code);
    }
};

QTEST_GUILESS_MAIN(TestCharTable)
#include "tst_chartable.moc"
