#include "base/settingsfile.h"
#include "prefs/preferencesstore.h"

#include <QTemporaryDir>
#include <QtTest>

// The preferences model without windows: loading, the save order and where it stops, the
// filter grid's text and the colour rows.
class TestPreferencesStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsFile> m_settings;
    QStringList m_existing;

    PreferencesStore store()
    {
        PreferencesStore s(*m_settings);
        s.setFileCheck([this](const QString &path) { return m_existing.contains(path); });
        return s;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsFile>(m_dir->filePath("quillm.ini"));
        m_existing = {"/bin/browser", "/bin/one", "/bin/two", "/bin/three", "/bin/five"};
    }

    void filterTextRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("shown"); // description and patterns, row by row
        QTest::addColumn<QString>("savedAgain");
        QTest::newRow("patterns shown with commas, stored with semicolons")
            << "Pages|*.htm;*.html|All|*.*|" << QStringList{"Pages", "*.htm,*.html", "All", "*.*"}
            << "Pages|*.htm;*.html|All|*.*|";
        QTest::newRow("a trailing description without patterns keeps its row")
            << "Pages|*.htm|Other" << QStringList{"Pages", "*.htm", "Other", ""}
            << "Pages|*.htm|Other||";
        QTest::newRow("seven entries all survive")
            << "a|1|b|2|c|3|d|4|e|5|f|6|g|7|"
            << QStringList{"a", "1", "b", "2", "c", "3", "d", "4", "e", "5", "f", "6", "g", "7"}
            << "a|1|b|2|c|3|d|4|e|5|f|6|g|7|";
        QTest::newRow("empty entries in the middle are dropped")
            << "a|1|||b|2|" << QStringList{"a", "1", "b", "2"} << "a|1|b|2|";
        QTest::newRow("nothing stored") << "" << QStringList{} << "";
    }
    void filterTextRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, shown);
        QFETCH(QString, savedAgain);
        const QList<FilterRow> rows = PreferencesStore::filterRows(stored);
        QVERIFY(rows.size() >= PreferencesStore::FilterRowCount);
        QStringList cells;
        for (const FilterRow &r : rows)
            if (!r.description.isEmpty() || !r.patterns.isEmpty())
                cells << r.description << r.patterns;
        QCOMPARE(cells, shown);
        QCOMPARE(PreferencesStore::filterText(rows), savedAgain);
    }

    void barTypedInACellDoesNotSplitTheEntry()
    {
        const QList<FilterRow> rows{{"Web|pages", "*.htm"}, {}, {"Text", "*.txt,*.text"}};
        QCOMPARE(PreferencesStore::filterText(rows), QString("Webpages|*.htm|Text|*.txt;*.text|"));
    }

    void unquoted_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("plain");
        QTest::newRow("quoted path") << "\"/usr/bin/gimp\""
                                     << "/usr/bin/gimp";
        QTest::newRow("only leading") << "\"/usr/bin/gimp"
                                      << "/usr/bin/gimp";
        QTest::newRow("one pair only") << "\"\"x\"\""
                                       << "\"x\"";
        QTest::newRow("lone quote") << "\""
                                    << "";
        QTest::newRow("inner quotes stay") << "/a \"b\" c"
                                           << "/a \"b\" c";
    }
    void unquoted()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, plain);
        QCOMPARE(PreferencesStore::unquoted(pasted), plain);
    }

    void quickOptionsLoadOnlyOnceSaved()
    {
        // Before the first save the quick options show the dialog's own starting state,
        // whatever the keys hold.
        m_settings->writeString("Quick", "closetr", "");
        m_settings->writeString("Quick", "fontface", "");
        m_settings->writeString("Quick", "qrf", "4");
        PreferenceValues v = store().load();
        QCOMPARE(v.ticks["closetr"], true);
        QCOMPARE(v.ticks["chkFontFace"], false);
        QCOMPARE(v.numbers["qrf"], 9);
        m_settings->writeString("Quick", "qrow", "3");
        v = store().load();
        QCOMPARE(v.ticks["closetr"], false);
        QCOMPARE(v.ticks["chkFontFace"], true);
        QCOMPARE(v.numbers["qrf"], 4);
        QCOMPARE(v.numbers["qrow"], 3);
    }

    void numbersOutsideTheirLimitsAreClamped_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("recent files above 15") << "Quick"
                                               << "qrf"
                                               << "qrf"
                                               << "40" << 15;
        QTest::newRow("tab width 0") << "Qorvin*Plat"
                                     << "tabwidth"
                                     << "tabsedit"
                                     << "0" << 1;
        QTest::newRow("negative margin") << "Qorvin*Plat"
                                         << "margin"
                                         << "marginedit"
                                         << "-3" << 0;
        QTest::newRow("not a number") << "Qorvin*Plat"
                                      << "caret"
                                      << "caretedit"
                                      << "wide" << 2;
    }
    void numbersOutsideTheirLimitsAreClamped()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, control);
        QFETCH(QString, stored);
        QFETCH(int, shown);
        m_settings->writeString("Quick", "qrow", "1");
        m_settings->writeString(section, key, stored);
        QCOMPARE(store().load().numbers[control], shown);
    }

    void colourRows_data()
    {
        QTest::addColumn<QString>("fore");
        QTest::addColumn<QString>("back");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("background");
        QTest::newRow("both set") << "255"
                                  << "65280" << true << 255 << 65280;
        QTest::newRow("only background ticks the row, text stays black")
            << ""
            << "65280" << true << 0 << 65280;
        QTest::newRow("only text, background stays white") << "255"
                                                           << "" << true << 255 << 0xFFFFFF;
        QTest::newRow("neither") << ""
                                 << "" << false << 0 << 0xFFFFFF;
        QTest::newRow("system colour") << "255"
                                       << "-2147483643" << true << 255 << int(0x80000005u);
    }
    void colourRows()
    {
        QFETCH(QString, fore);
        QFETCH(QString, back);
        QFETCH(bool, ticked);
        QFETCH(int, text);
        QFETCH(int, background);
        m_settings->writeString("Qorvin*Plat", "ttags", fore);
        m_settings->writeString("Qorvin*Plat", "ttagsback", back);
        const ColourRowValue row = store().load().colours["tabletagcheck"];
        QCOMPARE(row, (ColourRowValue{ticked, text, background}));

        // Saved back: ticked writes both numbers, unticked empties both keys.
        PreferenceValues v = store().load();
        PreferencesStore s = store();
        QVERIFY(s.save(v).ok());
        QCOMPARE(m_settings->readString("Qorvin*Plat", "ttags"),
                 ticked ? QString::number(text) : QString());
        QCOMPARE(m_settings->readString("Qorvin*Plat", "ttagsback"),
                 ticked ? QString::number(background) : QString());
        QVERIFY(m_settings->hasKey("Qorvin*Plat", "ttagsback"));
    }

    void saveStopsAtTheFirstMissingProgram()
    {
        m_settings->writeString("Paths", "helper2", "/bin/two");
        m_settings->writeString("Paths", "helpname2", "Two");
        m_settings->writeString("Paths", "helper3", "/bin/old");
        m_settings->writeString("Paths", "helpname3", "Old");
        m_settings->writeString("Paths", "helper4", "/bin/four-old");
        m_settings->writeString("Paths", "helpname4", "Four");
        m_settings->writeString("Paths", "helpname5", "Five");
        PreferencesStore s = store();
        PreferenceValues v = s.load();
        v.texts["browsertext"] = "/bin/browser";
        v.texts["f2text"] = "/bin/one";
        v.texts["f3text"] = "/bin/two"; // unchanged
        v.texts["f4text"] = "/bin/three";
        v.texts["f5text"] = "/nowhere/four";
        v.texts["f6text"] = "/bin/five";
        v.ticks["flatbutcheck"] = true;

        const PreferencesStore::SaveResult result = s.save(v);
        QCOMPARE(result.message, QString("Your F5 Helper path/filename is invalid"));
        QCOMPARE(result.control, QString("f5text"));
        // Everything before the helper that failed is written...
        QCOMPARE(m_settings->readString("Varnel", "flat"), QString("yes"));
        QCOMPARE(m_settings->readString("Paths", "browser"), QString("/bin/browser"));
        QCOMPARE(m_settings->readString("Paths", "helper1"), QString("/bin/one"));
        QCOMPARE(m_settings->readString("Paths", "helper3"), QString("/bin/three"));
        // ...a changed path forgets the old program's name, an unchanged one keeps it...
        QCOMPARE(m_settings->readString("Paths", "helpname2"), QString("Two"));
        QCOMPARE(m_settings->readString("Paths", "helpname3"), QString(""));
        QCOMPARE(m_settings->readString("Paths", "helpname4"), QString(""));
        // ...and nothing after it: the failed path keeps its old value.
        QCOMPARE(m_settings->readString("Paths", "helper4"), QString("/bin/four-old"));
        QCOMPARE(m_settings->readString("Paths", "helpname5"), QString("Five"));
        QVERIFY(!m_settings->hasKey("Paths", "helper5"));
    }

    void missingBrowserStopsBeforeTheSecondBrowserAndTheHelpers()
    {
        PreferencesStore s = store();
        PreferenceValues v = s.load();
        v.texts["browsertext"] = "/nowhere/browser";
        v.texts["browser2text"] = "/bin/browser";
        v.texts["f2text"] = "/bin/one";
        const PreferencesStore::SaveResult result = s.save(v);
        QCOMPARE(result.message, QString("Your Primary Browser path/filename is invalid"));
        QVERIFY(m_settings->hasKey("Varnel", "dde2"));
        QVERIFY(!m_settings->hasKey("Paths", "browser2"));
        QVERIFY(!m_settings->hasKey("Paths", "helper1"));

        v.texts["browsertext"] = "";
        v.texts["browser2text"] = "/nowhere/browser";
        QCOMPARE(s.save(v).message, QString("Your Secondary Browser path/filename is invalid"));
        QVERIFY(m_settings->hasKey("Paths", "browser"));
    }

    // A program path may carry arguments, written like a command line.
    void programsMayComeWithArguments()
    {
        PreferencesStore s = store();
        PreferenceValues v = s.load();
        v.texts["browsertext"] = "/bin/browser --new-window \"a b\"";
        v.texts["f2text"] = "/nowhere/one --flag";
        QCOMPARE(s.save(v).message, QString("Your F2 Helper path/filename is invalid"));
        QCOMPARE(m_settings->readString("Paths", "browser"),
                 QString("/bin/browser --new-window \"a b\""));
    }

    void browserByFileAssociationNeedsNoExistingPath()
    {
        PreferencesStore s = store();
        PreferenceValues v = s.load();
        v.texts["browsertext"] = "/nowhere/browser";
        v.choices["browsermode1"] = 1; // use file association
        QVERIFY(s.save(v).ok());
        QCOMPARE(m_settings->readString("Paths", "browser"), QString("/nowhere/browser"));
        QCOMPARE(m_settings->readString("Varnel", "dde"), QString("no"));
    }

    void hiddenKeysSurviveASave()
    {
        m_settings->writeString("Varnel", "previewexts", "htm,php");
        m_settings->writeString("Varnel", "spaces", "no");
        m_settings->writeString("Locations", "href", "/srv/www");
        m_settings->writeBool("Quick", "fsrc", false);
        PreferencesStore s = store();
        QVERIFY(s.save(s.load()).ok());
        QCOMPARE(m_settings->readString("Varnel", "previewexts"), QString("htm,php"));
        QCOMPARE(m_settings->readString("Varnel", "spaces"), QString("no"));
        QCOMPARE(m_settings->readString("Qorvin*Plat", "&tags"), QString(""));
        QVERIFY(m_settings->hasKey("Qorvin*Plat", "&tags"));
        QCOMPARE(m_settings->readString("Locations", "href"), QString("/srv/www"));
        QCOMPARE(m_settings->readString("Quick", "fsrc"), QString("0"));
        QCOMPARE(m_settings->readString("Quick", "fname"), QString("1"));
    }

    void unwritableSettingsFileStopsTheSave()
    {
        SettingsFile broken(m_dir->filePath("missing/folder/quillm.ini"));
        PreferencesStore s(broken);
        const PreferencesStore::SaveResult result = s.save(s.load());
        QVERIFY(!result.ok());
        QVERIFY(result.message.contains(QLatin1String("missing/folder")));
    }

    void everyControlHasOneRow()
    {
        QSet<QString> names;
        for (const PrefField &f : PreferencesStore::fields()) {
            QVERIFY2(!names.contains(f.control), f.control);
            names << f.control;
            for (const PrefChoice &c : f.choices)
                names << c.control;
        }
        QCOMPARE(PreferencesStore::field("f8text")->nameKey, "helpname7");
        QVERIFY(!PreferencesStore::field("nothing"));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesStore)
#include "tst_preferencesstore.moc"
