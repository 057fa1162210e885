#include "editor/cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesTheHighControlsRange_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro sign") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81 stays a control") << 0x81 << 0x81;
        QTest::newRow("undefined 0x8d") << 0x8D << 0x8D;
        QTest::newRow("undefined 0x8f") << 0x8F << 0x8F;
        QTest::newRow("undefined 0x90") << 0x90 << 0x90;
        QTest::newRow("undefined 0x9d") << 0x9D << 0x9D;
        QTest::newRow("bullet") << 0x95 << 0x2022;
        QTest::newRow("last of the range") << 0x9F << 0x0178;
        QTest::newRow("latin-1 above the range") << 0xE9 << 0xE9;
        QTest::newRow("nul") << 0x00 << 0x00;
    }
    void decodesTheHighControlsRange()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString text = Cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(text.size(), 1);
        QCOMPARE(int(text.at(0).unicode()), unicode);
    }

    // A page is kept as UTF-8 while it is edited; every byte comes back as it was.
    void everyByteRoundTripsThroughUtf8()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QByteArray utf8 = Cp1252::toUtf8(all);
        QVERIFY(isValidUtf8(utf8));
        QCOMPARE(QString::fromUtf8(utf8), Cp1252::decode(all));
        QCOMPARE(Cp1252::fromUtf8(utf8), all);
    }

    void charactersTheCodePageCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("euro, quotes, dash and latin-1 are held")
            << QStringLiteral("€“”—éÿ\x01") << QStringList();
        QTest::newRow("cjk, each character once")
            << QStringLiteral("a日本日b")
            << QStringList{QStringLiteral("日"), QStringLiteral("本")};
        QTest::newRow("entities' characters outside the page")
            << QStringLiteral("′ and №") << QStringList{QStringLiteral("′"), QStringLiteral("№")};
        QTest::newRow("emoji is one character")
            << QStringLiteral("a😀b") << QStringList{QStringLiteral("😀")};
        QTest::newRow("lone surrogate")
            << QString(QChar(0xD800)) << QStringList{QString(QChar(0xD800))};
        QTest::newRow("C1 control without a byte")
            << QString(QChar(0x80)) << QStringList{QString(QChar(0x80))};
    }
    void charactersTheCodePageCannotHold()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, refused);
        QCOMPARE(Cp1252::unstorable(text), refused);
    }

    void utf8Validity_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii with nul") << QByteArray("a\0b", 3) << true;
        QTest::newRow("two, three and four bytes") << QStringLiteral("é€😀").toUtf8() << true;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFx") << true;
        QTest::newRow("highest code point") << QByteArray("\xF4\x8F\xBF\xBF") << true;
        QTest::newRow("windows-1252 e acute") << QByteArray("caf\xE9") << false;
        QTest::newRow("stray continuation") << QByteArray("\x80") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("truncated at the end") << QByteArray("a\xE2\x82") << false;
        QTest::newRow("bad third byte") << QByteArray("\xE2\x82x") << false;
        QTest::newRow("lead byte F5") << QByteArray("\xF5\x80\x80\x80") << false;
        // ASCII is skipped eight bytes at a time: faults after and across such runs.
        QTest::newRow("fault after a long ASCII run")
            << QByteArray("0123456789abcdef\xE9") << false;
        QTest::newRow("character across an eight-byte boundary")
            << (QByteArray("0123456") + QStringLiteral("€x").toUtf8()) << true;
        QTest::newRow("truncated across an eight-byte boundary")
            << QByteArray("0123456\xE2\x82") << false;
    }
    void utf8Validity()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes), valid);
        // The same verdict when the bytes arrive one, two or three at a time: a sequence
        // split between pieces is judged whole.
        for (qsizetype piece = 1; piece <= 3; ++piece) {
            Utf8PieceCheck check;
            for (qsizetype at = 0; at < bytes.size(); at += piece)
                check.add(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
            QVERIFY2(check.finish() == valid, qPrintable(QString::number(piece)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
