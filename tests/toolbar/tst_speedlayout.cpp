#include "base/settingsfile.h"
#include "toolbar/speedlayout.h"

#include <QTemporaryDir>
#include <QtTest>

// The toolbar layout in section "TMDImainthepanel": what a restore takes, what a save and
// the default layout write.
class TestSpeedLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsFile> m_settings;

    void put(const QString &key, const QString &value)
    {
        QVERIFY(m_settings->writeString(QStringLiteral("TMDImainthepanel"), key, value));
    }
    QString get(const QString &key) const
    {
        return m_settings->readString(QStringLiteral("TMDImainthepanel"), key);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsFile>(m_dir->filePath(QStringLiteral("quillm.ini")));
    }

    void rows_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("rows");
        QTest::newRow("one") << 31 << 1;
        QTest::newRow("four") << 106 << 4;
        QTest::newRow("five") << 131 << 5;
        QTest::newRow("between rounds") << 60 << 2;
        QTest::newRow("too thin") << 0 << 1;
        QTest::newRow("too thick") << 500 << 5;
    }
    void rows()
    {
        QFETCH(int, stored);
        QFETCH(int, rows);
        QCOMPARE(SpeedLayout::rowsForHeight(stored), rows);
    }

    // The row commands write "width" alone; the next start shows that many rows.
    void rowsAloneAreRestored()
    {
        QVERIFY(
            m_settings->writeInt(QStringLiteral("TMDImainthepanel"), QStringLiteral("width"), 106));
        const auto stored = SpeedLayout::read(*m_settings, 120);
        QCOMPARE(stored.height, std::optional<int>(106));
        QVERIFY(!stored.buttons);
    }

    void savedLayoutIsRestoredSnappedToTheGrid()
    {
        SpeedLayout layout;
        layout.height = SpeedLayout::heightForRows(2);
        layout.buttons = {{"SpeedItem80", 3, 3}, {"SpeedItem74", 28, 28}};
        layout.write(*m_settings, 96);
        QCOMPARE(get("Button2"), QStringLiteral("SpeedItem74,28,28"));
        QCOMPARE(get("Count"), QStringLiteral("2"));
        QCOMPARE(get("Version"), QStringLiteral("0"));
        QCOMPARE(get("PixelsPerInch"), QStringLiteral("96"));

        put("Button2", "SpeedItem74, 40 ,20");
        put("Button3", "SpeedItem75,x,53");
        put("Count", "3");
        const auto stored = SpeedLayout::read(*m_settings, 96);
        QCOMPARE(stored.height, std::optional<int>(56));
        QVERIFY(stored.buttons);
        const QList<SpeedPlacement> expected = {
            {"SpeedItem80", 3, 3}, {"SpeedItem74", 28, 28}, {"SpeedItem75", std::nullopt, 53}};
        QCOMPARE(*stored.buttons, expected);
    }

    void incompatibleLayoutsAreIgnored_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("lower version") << "Version"
                                       << "-1";
        QTest::newRow("other pixels per inch") << "PixelsPerInch"
                                               << "120";
    }
    void incompatibleLayoutsAreIgnored()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        SpeedLayout::defaults().write(*m_settings, 96);
        put(key, value);
        const auto stored = SpeedLayout::read(*m_settings, 96);
        QVERIFY(!stored.height);
        QVERIFY(!stored.buttons);
    }

    void defaultLayoutWritesEveryKey()
    {
        put("Button40", "SpeedItem5,3,3");
        SpeedLayout::writeDefaults(*m_settings);
        QCOMPARE(get("Position"), QStringLiteral("1"));
        QCOMPARE(get("Width"), QStringLiteral("31"));
        QCOMPARE(get("Version"), QStringLiteral("0"));
        QCOMPARE(get("PixelsPerInch"), QStringLiteral("96"));
        QCOMPARE(get("BtnWidth"), QStringLiteral("25"));
        QCOMPARE(get("BtnHeight"), QStringLiteral("25"));
        QCOMPARE(get("Count"), QStringLiteral("25"));
        QCOMPARE(get("Button1"), QStringLiteral("SpeedItem21,3,3"));
        QCOMPARE(get("Button13"), QStringLiteral("SpeedItem156,428,3"));
        QCOMPARE(get("Button25"), QStringLiteral("SpeedItem124,553,3"));
        QVERIFY(get("Button40").isEmpty()); // the section was erased first
        QCOMPARE(SpeedLayout::storedItems(*m_settings).size(), 25);
        QCOMPARE(SpeedLayout::storedItems(*m_settings).first(), QStringLiteral("SpeedItem21"));
    }

    // A hand-edited count names at most every item there is; beyond that nothing is read.
    void countIsBoundedByTheItemsThereAre_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("a few too many") << "500";
        QTest::newRow("two thousand million") << "2000000000";
    }
    void countIsBoundedByTheItemsThereAre()
    {
        QFETCH(QString, count);
        put("Version", "0");
        put("Count", count);
        put("Button1", "SpeedItem21,3,3");
        put("Button2", "SpeedItem23,28,3");
        const auto stored = SpeedLayout::read(*m_settings, 96);
        QVERIFY(stored.buttons);
        QCOMPARE(stored.buttons->size(), 166);
        QCOMPARE(stored.buttons->at(1).item, QStringLiteral("SpeedItem23"));
        QCOMPARE(SpeedLayout::storedItems(*m_settings).size(), 166);
    }

    void noLayoutMeansNothingToRestore()
    {
        const auto stored = SpeedLayout::read(*m_settings, 96);
        QVERIFY(!stored.height);
        QVERIFY(!stored.buttons);
        QVERIFY(SpeedLayout::storedItems(*m_settings).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSpeedLayout)
#include "tst_speedlayout.moc"
