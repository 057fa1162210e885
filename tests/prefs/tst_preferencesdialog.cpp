#include "commands/commandactions.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "prefs/preferencesdialog.h"
#include "shell/tabstrips.h"
#include "tagcolouring/htmllexer.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <limits>

// Drives the preferences dialog's controls as a user would and reads what they wrote.
class TestPreferencesDialog : public FrameTestBase
{
    Q_OBJECT

    QString m_pickedFile;
    QString m_pickedFolder;
    QColor m_pickedColour;
    QList<int> m_helpTopics;
    QByteArray m_savedDefaults;

    std::unique_ptr<PreferencesDialog> open()
    {
        PreferencesHost host(*m_settings, m_prompter);
        host.pickFile = [this](const QString &, const QString &, const QString &) {
            return m_pickedFile;
        };
        host.pickFolder = [this](const QString &, const QString &) { return m_pickedFolder; };
        host.pickColour = [this](const QColor &) { return m_pickedColour; };
        host.help = [this](int topic) { m_helpTopics << topic; };
        return std::make_unique<PreferencesDialog>(std::move(host));
    }
    template <typename W> static W *find(PreferencesDialog &d, const QString &name)
    {
        W *w = d.findChild<W *>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    static void apply(PreferencesDialog &d) { find<QPushButton>(d, "apply")->click(); }
    QString stored(const QString &section, const QString &key)
    {
        return m_settings->readString(section, key, "<missing>");
    }
    QString existingFile(const QString &name)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }

    // The settings file as the first OK on an empty file leaves it. Every write goes to the
    // disk on its own, so the tests that save many times start from this copy.
    void startFromSavedDefaults()
    {
        QFile file(m_settings->path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(m_savedDefaults);
    }

private Q_SLOTS:
    void initTestCase()
    {
        resetHome();
        auto d = open();
        apply(*d);
        QFile file(m_settings->path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_savedDefaults = file.readAll();
    }

    void init()
    {
        resetHome();
        m_pickedFile.clear();
        m_pickedFolder.clear();
        m_pickedColour = QColor();
        m_helpTopics.clear();
    }

    void checkBoxes_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("tickedAtFirst");
        QTest::addColumn<QString>("whenTicked");
        QTest::addColumn<QString>("whenUnticked");
        const auto row = [](const char *control, const char *section, const char *key, bool ticked,
                            const char *on, const char *off) {
            QTest::newRow(control) << control << section << key << ticked << on << off;
        };
        const auto flag = [&row](const char *control, const char *key, bool ticked = false) {
            row(control, "Quick", key, ticked, "1", "0");
        };
        // General
        row("remembermain", "Windows", "main", false, "ok", "");
        row("rememberhelpers", "Windows", "help", false, "ok", "");
        row("comeback", "Varnel", "back", true, "", "no");
        row("htmlcheck", "Varnel", "defext", false, "html", "");
        row("newcheck", "Varnel", "newt", false, "nope", "");
        row("blankdoccheck", "Varnel", "startnew", true, "", "no");
        row("flatbutcheck", "Varnel", "flat", false, "yes", "");
        row("tabtopcheck", "Varnel", "tabloc", false, "top", "");
        row("chkFullPath", "Varnel", "fullpath", false, "1", "0");
        // Editor
        row("autoindent", "Varnel", "ai", false, "sure", "");
        row("popupcheck", "Varnel", "pop", true, "", "no");
        row("ctrlbbox", "Varnel", "ctrlb", false, "strong", "");
        row("ctrlibox", "Varnel", "ctrli", false, "em", "");
        row("chkapostrophe", "Varnel", "apostrophe", false, "1", "0");
        row("wordwrapcheck", "Varnel", "startww", true, "", "no");
        row("chkgutteron", "Varnel", "gutteron", false, "1", "0");
        row("chkcurline", "Varnel", "curline", false, "1", "0");
        row("chkspellcheckon", "Varnel", "spellcheck", false, "1", "0");
        // Quick 1
        row("qcaption", "Quick", "qcaption", false, "sure", "");
        row("closetr", "Quick", "closetr", true, "nope", "");
        row("closetd", "Quick", "closetd", true, "nope", "");
        flag("chktbgcolor", "tbgcolor");
        flag("chktwidth", "twidth");
        flag("chktheight", "theight");
        flag("chktalign", "talign");
        flag("chktvalign", "tvalign");
        flag("chktspacing", "tspacing");
        flag("chktpadding", "tpadding");
        flag("chktborder", "tborder");
        flag("chkrbgcolor", "rbgcolor");
        flag("chkralign", "ralign");
        flag("chkrvalign", "rvalign");
        flag("chkdbgcolor", "dbgcolor");
        flag("chkdwidth", "dwidth");
        flag("chkdheight", "dheight");
        flag("chkdalign", "dalign");
        flag("chkdvalign", "dvalign");
        flag("chkdnowrap", "dnowrap");
        flag("chkdcolspan", "dcolspan");
        flag("chkdrowspan", "drowspan");
        // Quick 2
        row("chkFontFace", "Quick", "fontface", false, "", "nope");
        row("chkFontColor", "Quick", "fontcolor", false, "", "nope");
        row("chkFontSize", "Quick", "fontsize", true, "", "nope");
        flag("chkiwidth", "iwidth");
        flag("chkiheight", "iheight");
        flag("chkialign", "ialign");
        flag("chkihspace", "ihspace");
        flag("chkivspace", "ivspace");
        flag("chkiusemap", "iusemap");
        flag("chkiismap", "iismap");
        flag("chkiborder", "iborder");
        flag("chkialt", "ialt");
        row("qftextarea", "Quick", "qftextarea", true, "", "nope");
        row("chkStyImport", "Quick", "styimport", false, "yes", "");
        row("chkStyComments", "Quick", "stycomments", false, "yes", "");
        row("endli", "Quick", "closeli", true, "nope", "");
        flag("chkcompact", "lcompact");
        // Quick 3
        flag("chkFsrows", "fsrows", true);
        flag("chkfscols", "fscols");
        flag("chkfsborder", "fsborder");
        flag("chkfsbordercolor", "fsbordercolor");
        flag("chkfsframeborder", "fsframeborder");
        flag("chkfsframespacing", "fsframespacing");
        flag("chkFsnoframe", "fsnoframe", true);
        flag("chkfmarginwidth", "fmarginwidth");
        flag("chkfmarginheight", "fmarginheight");
        flag("chkfnoresize", "fnoresize");
        flag("chkfscrolling", "fscrolling");
        flag("chkfframeborder", "fframeborder");
        flag("chkfframespacing", "fframespacing");
        flag("chkfbordercolor", "ffbordercolor");
        flag("chkifalign", "ifalign");
        flag("chkifwidth", "ifwidth");
        flag("chkifheight", "ifheight");
        flag("chkifhspace", "ifhspace");
        flag("chkifvspace", "ifvspace");
        flag("chkifscrolling", "ifscrolling");
        flag("chkifborder", "ifborder");
        flag("chkifframeborder", "ifframeborder");
        flag("chkifbordercolor", "ifbordercolor");
    }
    void checkBoxes()
    {
        QFETCH(QString, control);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(bool, tickedAtFirst);
        QFETCH(QString, whenTicked);
        QFETCH(QString, whenUnticked);
        {
            auto d = open();
            QCOMPARE(find<QCheckBox>(*d, control)->isChecked(), tickedAtFirst);
        }
        startFromSavedDefaults();
        for (bool ticked : {tickedAtFirst, !tickedAtFirst}) {
            auto d = open();
            auto *box = find<QCheckBox>(*d, control);
            QVERIFY(box);
            QVERIFY(!box->text().isEmpty());
            QCOMPARE(box->isChecked(), ticked);
            box->click();
            apply(*d);
            QCOMPARE(stored(section, key), ticked ? whenUnticked : whenTicked);
        }
    }

    void spinFields_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("shownAtFirst");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        const int none = std::numeric_limits<int>::max();
        const auto row = [](const char *control, const char *section, const char *key, int shown,
                            int lower, int upper) {
            QTest::newRow(control) << control << section << key << shown << lower << upper;
        };
        row("tabsedit", "Qorvin*Plat", "tabwidth", 5, 1, none);
        row("marginedit", "Qorvin*Plat", "margin", 4, 0, none);
        row("rtmarginedit", "Qorvin*Plat", "rtmargin", 4, 0, none);
        row("caretedit", "Qorvin*Plat", "caret", 2, 1, none);
        row("qrf", "Quick", "qrf", 9, 1, 15);
        row("qrow", "Quick", "qrow", 1, 1, none);
        row("qcell", "Quick", "qcell", 1, 1, none);
        row("qlitem", "Quick", "qlitem", 1, 1, none);
        row("styItems", "Quick", "styitems", 1, 1, none);
        row("qfhidden", "Quick", "qfhidden", 1, 0, none);
        row("qfedit", "Quick", "qfedit", 1, 0, none);
        row("qfradio", "Quick", "qfradio", 1, 0, none);
        row("qfcheck", "Quick", "qfcheck", 1, 0, none);
        row("qflistbox", "Quick", "qflistbox", 1, 0, none);
        row("qfdroplist", "Quick", "qfdroplist", 1, 0, none);
        row("txtFfitems", "Quick", "ffitems", 1, 1, none);
    }
    void spinFields()
    {
        QFETCH(QString, control);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, shownAtFirst);
        QFETCH(int, lower);
        QFETCH(int, upper);
        auto d = open();
        auto *spin = find<QSpinBox>(*d, control);
        QVERIFY(spin);
        QCOMPARE(spin->value(), shownAtFirst);
        startFromSavedDefaults();
        d = open();
        spin = find<QSpinBox>(*d, control);
        QCOMPARE(spin->value(), shownAtFirst);
        spin->setValue(lower);
        spin->stepDown();
        QCOMPARE(spin->value(), lower);
        QCOMPARE(spin->maximum(), upper);
        spin->setValue(lower + 6);
        apply(*d);
        QCOMPARE(stored(section, key), QString::number(lower + 6));
        d = open();
        QCOMPARE(find<QSpinBox>(*d, control)->value(), lower + 6);
    }

    void radios_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("written");
        QTest::newRow("radTargetNull") << "radTargetNull"
                                       << "Quick"
                                       << "target"
                                       << "_top"
                                       << "null";
        QTest::newRow("radTargetBlank") << "radTargetBlank"
                                        << "Quick"
                                        << "target"
                                        << "null"
                                        << "_blank";
        QTest::newRow("radTargetSelf") << "radTargetSelf"
                                       << "Quick"
                                       << "target"
                                       << "null"
                                       << "_self";
        QTest::newRow("radTargetParent") << "radTargetParent"
                                         << "Quick"
                                         << "target"
                                         << "null"
                                         << "_parent";
        QTest::newRow("radTargetTop") << "radTargetTop"
                                      << "Quick"
                                      << "target"
                                      << "null"
                                      << "_top";
        QTest::newRow("radTargetNone") << "radTargetNone"
                                       << "Quick"
                                       << "target"
                                       << "null"
                                       << "";
        QTest::newRow("radTagCaseTable") << "radTagCaseTable"
                                         << "Varnel"
                                         << "tagcase"
                                         << "lower"
                                         << "table";
        QTest::newRow("radTagCaseLower") << "radTagCaseLower"
                                         << "Varnel"
                                         << "tagcase"
                                         << "upper"
                                         << "lower";
        QTest::newRow("radTagCaseUpper") << "radTagCaseUpper"
                                         << "Varnel"
                                         << "tagcase"
                                         << "table"
                                         << "upper";
        QTest::newRow("dde1") << "dde1"
                              << "Varnel"
                              << "dde"
                              << "no"
                              << "";
        QTest::newRow("dde2") << "dde2"
                              << "Varnel"
                              << "dde"
                              << ""
                              << "no";
        QTest::newRow("dde3") << "dde3"
                              << "Varnel"
                              << "dde2"
                              << "no"
                              << "";
        QTest::newRow("dde4") << "dde4"
                              << "Varnel"
                              << "dde2"
                              << ""
                              << "no";
    }
    void radios()
    {
        QFETCH(QString, radio);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, before);
        QFETCH(QString, written);
        m_settings->writeString("Quick", "qrow", "1"); // the quick options load once saved
        m_settings->writeString(section, key, before);
        auto d = open();
        auto *button = find<QRadioButton>(*d, radio);
        QVERIFY(button);
        QVERIFY(!button->isChecked());
        button->click();
        apply(*d);
        QCOMPARE(stored(section, key), written);
        d = open();
        QVERIFY(find<QRadioButton>(*d, radio)->isChecked());
    }

    void firstOpeningShowsTheStartingStateAndOkWritesIt()
    {
        auto d = open();
        QVERIFY(find<QRadioButton>(*d, "dde1")->isChecked());
        QVERIFY(find<QRadioButton>(*d, "dde3")->isChecked());
        for (const char *target : {"radTargetNull", "radTargetBlank", "radTargetSelf",
                                   "radTargetParent", "radTargetTop", "radTargetNone"})
            QVERIFY2(!find<QRadioButton>(*d, target)->isChecked(), target);
        d->show();
        find<QPushButton>(*d, "SpeedButton7")->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(stored("Qorvin*Plat", "caret"), QString("2"));
        QCOMPARE(stored("Qorvin*Plat", "tabwidth"), QString("5"));
        QCOMPARE(stored("Quick", "qrf"), QString("9"));
        QCOMPARE(stored("Quick", "closeli"), QString("nope"));
        QCOMPARE(stored("Quick", "fontface"), QString("nope"));
        QCOMPARE(stored("Quick", "fontsize"), QString(""));
        QCOMPARE(stored("Varnel", "dde"), QString(""));
        QCOMPARE(stored("Quick", "target"), QString("<missing>"));
        QCOMPARE(stored("Varnel", "yourfiles"),
                 QString("Quillmark files|*.htm*;*.qpj|HTML files|*.htm*|Project files|*.qpj|"
                         "All files|*.*|"));
    }

    // A settings file from before the letter case choice shows what "ucase" does, and OK
    // keeps it doing that; "ucase" itself is left as it was.
    void letterCaseOfAnOlderFile()
    {
        {
            auto d = open();
            QVERIFY(find<QRadioButton>(*d, "radTagCaseTable")->isChecked());
            QCOMPARE(find<QRadioButton>(*d, "radTagCaseTable")->text(),
                     QString("as the commands write them"));
            QCOMPARE(find<QRadioButton>(*d, "radTagCaseLower")->text(), QString("lower case"));
            QCOMPARE(find<QRadioButton>(*d, "radTagCaseUpper")->text(), QString("UPPER CASE"));
        }
        m_settings->writeBool("Varnel", "ucase", true);
        auto d = open();
        QVERIFY(find<QRadioButton>(*d, "radTagCaseUpper")->isChecked());
        apply(*d);
        QCOMPARE(stored("Varnel", "tagcase"), QString("upper"));
        QCOMPARE(stored("Varnel", "ucase"), QString("1"));
        // A value the dialog does not know is read as a missing one.
        m_settings->writeString("Varnel", "tagcase", "Mixed");
        d = open();
        QVERIFY(find<QRadioButton>(*d, "radTagCaseUpper")->isChecked());
        find<QRadioButton>(*d, "radTagCaseLower")->click();
        apply(*d);
        QCOMPARE(stored("Varnel", "tagcase"), QString("lower"));
        QCOMPARE(stored("Varnel", "ucase"), QString("1"));
    }

    void fileAssociationNeedsNoBrowserPath()
    {
        m_settings->writeString("Varnel", "dde2", "no");
        auto d = open();
        QVERIFY(find<QLineEdit>(*d, "browsertext")->isEnabled());
        QVERIFY(!find<QLineEdit>(*d, "browser2text")->isEnabled());
        QVERIFY(!find<QPushButton>(*d, "writebrows2")->isEnabled());
        find<QRadioButton>(*d, "dde2")->click();
        QVERIFY(!find<QLineEdit>(*d, "browsertext")->isEnabled());
        QVERIFY(!find<QPushButton>(*d, "writebrows1")->isEnabled());
        find<QRadioButton>(*d, "dde3")->click();
        QVERIFY(find<QLineEdit>(*d, "browser2text")->isEnabled());
        QVERIFY(find<QPushButton>(*d, "writebrows2")->isEnabled());
    }

    void colourRows_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("textButton");
        QTest::addColumn<QString>("backButton");
        QTest::addColumn<QString>("key");
        const auto row = [](const char *box, const char *text, const char *back, const char *key) {
            QTest::newRow(box) << box << text << back << key;
        };
        row("colortagcheck", "colorbox1", "colorboxback", "ctags");
        row("urltagcheck", "urlbox", "urlboxback", "utags");
        row("tabletagcheck", "tablebox", "tableboxback", "ttags");
        row("imgtagcheck", "imgbox", "imgboxback", "itags");
        row("commenttagcheck", "commentbox", "commentboxback", "comtags");
        row("scripttagcheck", "scriptbox", "scriptboxback", "stags");
        row("listtagcheck", "listbox", "listboxback", "ltags");
        row("formtagcheck", "formbox", "formboxback", "ftags");
        row("frametagcheck", "framebox", "frameboxback", "frtags");
        row("chkStyle", "stylbox", "stylboxback", "styltags");
    }
    void colourRows()
    {
        QFETCH(QString, box);
        QFETCH(QString, textButton);
        QFETCH(QString, backButton);
        QFETCH(QString, key);
        auto d = open();
        QVERIFY(!find<QCheckBox>(*d, box)->isChecked());
        startFromSavedDefaults();
        d = open();
        // A background alone does not tick the row; a text colour does.
        m_pickedColour = QColor(0xAB, 0xCD, 0xEF);
        find<QPushButton>(*d, backButton)->click();
        QVERIFY(!find<QCheckBox>(*d, box)->isChecked());
        m_pickedColour = QColor(0x12, 0x34, 0x56);
        find<QPushButton>(*d, textButton)->click();
        QVERIFY(find<QCheckBox>(*d, box)->isChecked());
        apply(*d);
        QCOMPARE(stored("Qorvin*Plat", key), QString::number(0x563412));
        QCOMPARE(stored("Qorvin*Plat", key + "back"), QString::number(0xEFCDAB));

        d = open();
        QVERIFY(find<QCheckBox>(*d, box)->isChecked());
        find<QCheckBox>(*d, box)->click();
        apply(*d);
        QCOMPARE(stored("Qorvin*Plat", key), QString(""));
        QCOMPARE(stored("Qorvin*Plat", key + "back"), QString(""));
        d = open();
        QVERIFY(!find<QCheckBox>(*d, box)->isChecked());
    }

    void folders_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("cboLocData") << "cboLocData"
                                    << "data";
        QTest::newRow("cboLocBody") << "cboLocBody"
                                    << "body";
        QTest::newRow("cboLocImage") << "cboLocImage"
                                     << "image";
    }
    void folders()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        auto d = open();
        QCOMPARE(find<QLineEdit>(*d, control)->text(), QString());
        startFromSavedDefaults();
        d = open();
        m_pickedFolder = m_dir->path();
        find<QPushButton>(*d, control + "browse")->click();
        QCOMPARE(find<QLineEdit>(*d, control)->text(), m_dir->path());
        apply(*d);
        QCOMPARE(stored("Locations", key), m_dir->path());
        d = open();
        QCOMPARE(find<QLineEdit>(*d, control)->text(), m_dir->path());
    }

    void programPaths_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("browsertext") << "browsertext"
                                     << "browser"
                                     << "Your Primary Browser path/filename is invalid";
        QTest::newRow("browser2text") << "browser2text"
                                      << "browser2"
                                      << "Your Secondary Browser path/filename is invalid";
        for (int f = 2; f <= 8; ++f) {
            const QString control = QString("f%1text").arg(f);
            QTest::newRow(qPrintable(control))
                << control << QString("helper%1").arg(f - 1)
                << QString("Your F%1 Helper path/filename is invalid").arg(f);
        }
    }
    void programPaths()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        QFETCH(QString, message);
        const QString program = existingFile("program");
        startFromSavedDefaults();
        auto d = open();
        d->show();
        QCOMPARE(find<QLineEdit>(*d, control)->text(), QString());
        find<QLineEdit>(*d, control)->setText(m_dir->filePath("missing"));
        find<QPushButton>(*d, "SpeedButton7")->click();
        QCOMPARE(m_prompter.shown, QStringList{message});
        QVERIFY(d->isVisible());
        QCOMPARE(stored("Paths", key), QString(""));
        // A folder is no program either.
        find<QLineEdit>(*d, control)->setText(m_dir->path());
        apply(*d);
        QCOMPARE(m_prompter.shown.size(), 2);

        find<QLineEdit>(*d, control)->setText(program);
        find<QPushButton>(*d, "SpeedButton7")->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(stored("Paths", key), program);
        d = open();
        QCOMPARE(find<QLineEdit>(*d, control)->text(), program);
        find<QLineEdit>(*d, control)->clear();
        apply(*d);
        QCOMPARE(stored("Paths", key), QString(""));
    }

    void saveStopsAtTheFirstWrongHelperWithTheDialogOpen()
    {
        const QString program = existingFile("program");
        m_settings->writeString("Paths", "helpname3", "Old name");
        auto d = open();
        d->show();
        find<QLineEdit>(*d, "browsertext")->setText(program);
        find<QLineEdit>(*d, "f2text")->setText(program);
        find<QLineEdit>(*d, "f3text")->setText(program);
        find<QLineEdit>(*d, "f4text")->setText(m_dir->filePath("gone"));
        find<QLineEdit>(*d, "f5text")->setText(program);
        find<QCheckBox>(*d, "flatbutcheck")->click();
        find<QPushButton>(*d, "SpeedButton7")->click();

        QCOMPARE(m_prompter.shown, QStringList{"Your F4 Helper path/filename is invalid"});
        QVERIFY(d->isVisible());
        QCOMPARE(d->notebook()->tabText(d->notebook()->currentIndex()), QString("Helper Apps"));
        QCOMPARE(stored("Varnel", "flat"), QString("yes"));
        QCOMPARE(stored("Paths", "browser"), program);
        QCOMPARE(stored("Paths", "helper2"), program);
        QCOMPARE(stored("Paths", "helpname3"), QString(""));
        QCOMPARE(stored("Paths", "helper3"), QString("<missing>"));
        QCOMPARE(stored("Paths", "helper4"), QString("<missing>"));
    }

    // A whole path pasted in quotes becomes plain; quotes typed stay, so that a path with a
    // blank can take arguments; a whole quoted path typed loses its quotes when left.
    void quotesInHelperPaths()
    {
        auto d = open();
        find<QLineEdit>(*d, "f6text")->setText("\"/usr/bin/gimp\"");
        QCOMPARE(find<QLineEdit>(*d, "f6text")->text(), QString("/usr/bin/gimp"));
        find<QLineEdit>(*d, "f2text")->setText("\"/usr/bin/x y\"");
        QCOMPARE(find<QLineEdit>(*d, "f2text")->text(), QString("/usr/bin/x y"));
        find<QLineEdit>(*d, "f7text")->setText("\"/a b/prog\" --arg \"x\"");
        QCOMPARE(find<QLineEdit>(*d, "f7text")->text(), QString("\"/a b/prog\" --arg \"x\""));

        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QTabWidget *tabs = d->notebook();
        tabs->setCurrentWidget(d->findChild<QWidget *>(QStringLiteral("Helper Apps")));
        auto *f3 = find<QLineEdit>(*d, "f3text");
        auto *f4 = find<QLineEdit>(*d, "f4text");
        f3->setFocus();
        QTest::keyClicks(f3, "\"/path with blank/prog\" --arg");
        QCOMPARE(f3->text(), QString("\"/path with blank/prog\" --arg"));
        f4->setFocus();
        QTest::keyClicks(f4, "\"/path with blank/prog\"");
        QCOMPARE(f4->text(), QString("\"/path with blank/prog\""));
        QTest::keyClick(f4, Qt::Key_Tab);
        QCOMPARE(f4->text(), QString("/path with blank/prog"));
        QCOMPARE(f3->text(), QString("\"/path with blank/prog\" --arg"));

        // The labels name the keys that start the helpers.
        QStringList labels;
        for (QLabel *label : d->findChildren<QLabel *>())
            if (label->buddy() == f3 || label->buddy() == find<QLineEdit>(*d, "f8text"))
                labels << label->text();
        QCOMPARE(labels, QStringList({"Ctrl+Shift+F3", "Ctrl+Shift+F8"}));
    }

    void locateStoresTheBrowserAtOnce()
    {
        m_settings->writeString("Paths", "browser2", "/old/browser");
        auto d = open();
        m_pickedFile = "/usr/bin/browser";
        find<QPushButton>(*d, "writebrows1")->click();
        QCOMPARE(stored("Paths", "browser"), QString("/usr/bin/browser"));
        QCOMPARE(find<QLineEdit>(*d, "browsertext")->text(), QString("/usr/bin/browser"));
        // A cancelled pick shows the stored path again.
        find<QLineEdit>(*d, "browser2text")->setText("typed");
        m_pickedFile.clear();
        find<QPushButton>(*d, "writebrows2")->click();
        QCOMPARE(find<QLineEdit>(*d, "browser2text")->text(), QString("/old/browser"));
    }

    void filterGrid()
    {
        auto d = open();
        auto *grid = find<QTableWidget>(*d, "OSfilters");
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->item(0, 0)->text(), QString("Quillmark files"));
        QCOMPARE(grid->item(0, 1)->text(), QString("*.htm*,*.qpj"));
        grid->item(4, 0)->setText("Text");
        grid->item(4, 1)->setText("*.txt,*.text");
        apply(*d);
        QCOMPARE(stored("Varnel", "yourfiles"),
                 QString("Quillmark files|*.htm*;*.qpj|HTML files|*.htm*|Project files|*.qpj|"
                         "All files|*.*|Text|*.txt;*.text|"));
        d = open();
        grid = find<QTableWidget>(*d, "OSfilters");
        QCOMPARE(grid->item(4, 1)->text(), QString("*.txt,*.text"));
        find<QPushButton>(*d, "SpeedButton17")->click();
        QCOMPARE(grid->item(4, 0)->text(), QString());
        QCOMPARE(grid->item(3, 1)->text(), QString("*.*"));
        apply(*d);
        QCOMPARE(stored("Varnel", "yourfiles"),
                 QString("Quillmark files|*.htm*;*.qpj|HTML files|*.htm*|Project files|*.qpj|"
                         "All files|*.*|"));
    }

    void helpButtons_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("topic");
        QTest::newRow("General") << "General" << 28;
        QTest::newRow("Editor") << "Editor" << 30;
        QTest::newRow("Quick 1") << "Quick 1" << 35;
        QTest::newRow("Quick 2") << "Quick 2" << 31;
        QTest::newRow("Quick 3") << "Quick 3" << 39;
        QTest::newRow("Locations") << "Locations" << 36;
        QTest::newRow("Helper Apps") << "Helper Apps" << 32;
    }
    void helpButtons()
    {
        QFETCH(QString, page);
        QFETCH(int, topic);
        auto d = open();
        auto *pageWidget = d->findChild<QWidget *>(page);
        QVERIFY(pageWidget);
        pageWidget->findChild<QPushButton *>(QString("help%1").arg(topic))->click();
        QCOMPARE(m_helpTopics, QList<int>{topic});
    }

    void enterPressesOkAndEscapeCancels()
    {
        auto d = open();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        find<QCheckBox>(*d, "flatbutcheck")->setChecked(true);
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QVERIFY(!QFile::exists(m_settings->path()));

        d = open();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        find<QCheckBox>(*d, "flatbutcheck")->setChecked(true);
        find<QLineEdit>(*d, "cboLocData")->setFocus();
        QTest::keyClick(d.get(), Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QCOMPARE(stored("Varnel", "flat"), QString("yes"));
    }

    void cancelWritesNothing()
    {
        m_settings->writeString("Varnel", "flat", "yes");
        QFile file(m_settings->path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        auto d = open();
        d->show();
        find<QCheckBox>(*d, "flatbutcheck")->click();
        find<QSpinBox>(*d, "tabsedit")->setValue(12);
        find<QPushButton>(*d, "CancelBtn")->click();
        QVERIFY(!d->isVisible());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    // The whole path through the main frame: the command opens a fresh dialog, and OK
    // reapplies the settings to every document without marking an unmodified one.
    void okReappliesSettingsToEveryDocument()
    {
        auto frame = startFrame();
        DocumentWindow *clean = drive(frame).documents().documents().value(0);
        DocumentWindow *edited = drive(frame).files().news();
        QVERIFY(clean && edited);
        QTest::keyClicks(edited->memo(), "<b>x</b>");
        QVERIFY(edited->isModified());
        QVERIFY(!clean->isModified());

        drive(frame).commands().action("Preferences1Click")->trigger();
        drive(frame).commands().action("Preferences1Click")->trigger();
        const auto dialogs = frame->findChildren<PreferencesDialog *>();
        QCOMPARE(dialogs.size(), 2);
        QPointer<PreferencesDialog> d = dialogs.last();
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        QCOMPARE(d->windowTitle(), QString("Quillmark Preferences"));
        dialogs.first()->close();

        find<QSpinBox>(*d, "tabsedit")->setValue(9);
        find<QSpinBox>(*d, "marginedit")->setValue(12);
        find<QSpinBox>(*d, "rtmarginedit")->setValue(7);
        find<QCheckBox>(*d, "tabtopcheck")->setChecked(true);
        find<QCheckBox>(*d, "ctrlbbox")->setChecked(true);
        d->host().pickColour = [](const QColor &) { return QColor(0x12, 0x34, 0x56); };
        find<QPushButton>(*d, "tablebox")->click();
        QSignalSpy applied(m_settings.get(), &SettingsFile::applied);
        find<QPushButton>(*d, "SpeedButton7")->click();
        QTRY_VERIFY(d.isNull());

        QVERIFY(drive(frame).tabs().isUpper());
        // Every part read its own keys again, once.
        QCOMPARE(applied.size(), 1);
        for (DocumentWindow *doc : {clean, edited}) {
            QCOMPARE(doc->memo()->tabWidth(), 9);
            QCOMPARE(int(doc->memo()->SendScintilla(QsciScintilla::SCI_GETMARGINLEFT)), 12);
            QCOMPARE(int(doc->memo()->SendScintilla(QsciScintilla::SCI_GETMARGINRIGHT)), 7);
            QCOMPARE(doc->lexer().scheme().foregroundOf(TagCategory::Tables), 0x563412);
            QCOMPARE(doc->lexer().scheme().backgroundOf(TagCategory::Tables), 0xFFFFFF);
        }
        QVERIFY(!clean->isModified());
        QVERIFY(!drive(frame).tabs().text(clean).startsWith(TabStrips::ModifiedMarker));
        QVERIFY(edited->isModified());
        QVERIFY(drive(frame).tabs().text(edited).startsWith(TabStrips::ModifiedMarker));

        // Unticking a row stops its colouring at once.
        drive(frame).commands().action("Preferences1Click")->trigger();
        d = frame->findChild<PreferencesDialog *>();
        QVERIFY(find<QCheckBox>(*d, "tabletagcheck")->isChecked());
        find<QCheckBox>(*d, "tabletagcheck")->setChecked(false);
        find<QPushButton>(*d, "apply")->click();
        QVERIFY(!d.isNull());
        for (DocumentWindow *doc : {clean, edited})
            QVERIFY(!doc->lexer().scheme().enabled(TagCategory::Tables));
        QVERIFY(!clean->isModified());
        d->close();
    }
};

QTEST_MAIN(TestPreferencesDialog)
#include "tst_preferencesdialog.moc"
