#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "menuclicks.h"
#include "prefs/preferencesdialog.h"
#include "selectionmarkup.h"
#include "shell/firststart.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// A new user's first start: the preferences, opened from the menu on a settings file that was
// never saved, show what the quick commands, typed into the editor, then write.
class TestFreshSettings : public FrameTestBase
{
    Q_OBJECT

    std::unique_ptr<MainFrame> m_frame;
    QHash<QString, bool> m_ticks;
    QHash<QString, int> m_numbers;
    QHash<QString, bool> m_radios;

    // What a key typed into an empty, focused document writes.
    QString typed(QKeyCombination key)
    {
        DocumentWindow *doc = drive(m_frame).documents().active();
        if (!doc)
            return QStringLiteral("<no document>");
        SelectionMarkup::set(doc->editor(), QStringLiteral("|"));
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), key.key(), key.keyboardModifiers());
        return doc->editor().text();
    }
    // The first tag of the text that starts with `open`, up to its ">".
    static QString tagOf(const QString &text, const QString &open)
    {
        const qsizetype at = text.indexOf(open);
        return at < 0 ? QString() : text.mid(at, text.indexOf(u'>', at) - at + 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        resetHome();
        FirstStart::prepare(*m_settings);
        m_frame = startFrame();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QVERIFY(drive(m_frame).documents().active());

        MenuClicks::chooseFromMenu(*m_frame, "Preferences1Click");
        QPointer<PreferencesDialog> d = m_frame->findChild<PreferencesDialog *>();
        QVERIFY(d);
        QTRY_VERIFY(d->isVisible());
        for (QCheckBox *box : d->findChildren<QCheckBox *>())
            m_ticks[box->objectName()] = box->isChecked();
        for (QSpinBox *spin : d->findChildren<QSpinBox *>())
            m_numbers[spin->objectName()] = spin->value();
        for (QRadioButton *radio : d->findChildren<QRadioButton *>())
            m_radios[radio->objectName()] = radio->isChecked();
        QCOMPARE(d->findChild<QRadioButton *>("dde1")->text(), QString("start this program"));
        QTest::mouseClick(d->findChild<QPushButton *>("CancelBtn"), Qt::LeftButton);
        QTRY_VERIFY(d.isNull());
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }

    void cleanupTestCase()
    {
        if (m_frame)
            for (DocumentWindow *doc : drive(m_frame).documents().documents())
                doc->setModified(false);
        m_frame.reset();
    }

    // Lower-case tags, auto-indent and the desktop's browser, shown as such.
    void comfortsShown()
    {
        QVERIFY(m_radios.value("radTagCaseLower"));
        QVERIFY(m_ticks.value("autoindent"));
        QVERIFY(m_radios.value("dde2"));
        QVERIFY(!m_radios.value("dde1"));

        DocumentWindow *doc = drive(m_frame).documents().active();
        SelectionMarkup::set(doc->editor(), QStringLiteral("\tx|"));
        doc->memo()->setFocus();
        QTest::keyClick(doc->memo(), Qt::Key_Return);
        QCOMPARE(SelectionMarkup::get(doc->editor()), QStringLiteral("\tx\n\t|"));

        // The quick table closes its rows and cells, as the boxes show.
        QVERIFY(m_ticks.value("closetr") && m_ticks.value("closetd"));
        QCOMPARE(typed(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
                 QStringLiteral("<table>\n<tr>\n\t<td></td>\n</tr>\n</table>"));
        QVERIFY(m_ticks.value("endli"));
        QCOMPARE(typed(Qt::CTRL | Qt::SHIFT | Qt::Key_U),
                 QStringLiteral("<ul>\n\t<li></li>\n</ul>"));
    }

    // Every quick check box against the command that follows it: ticked, the command writes
    // the piece; unticked, it does not.
    void everyQuickBoxAgreesWithItsCommand_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("piece");
        const auto row = [](const char *control, QKeyCombination key, const char *tag,
                            const char *piece) {
            QTest::newRow(control) << control << key.toCombined() << tag << piece;
        };
        const QKeyCombination table = Qt::CTRL | Qt::SHIFT | Qt::Key_T;
        for (const auto &[control, piece] : {std::pair{"chktbgcolor", " bgcolor="},
                                             {"chktwidth", " width="},
                                             {"chktheight", " height="},
                                             {"chktalign", " align="},
                                             {"chktvalign", " valign="},
                                             {"chktspacing", " cellspacing="},
                                             {"chktpadding", " cellpadding="},
                                             {"chktborder", " border="}})
            row(control, table, "<table", piece);
        for (const auto &[control, piece] : {std::pair{"chkrbgcolor", " bgcolor="},
                                             {"chkralign", " align="},
                                             {"chkrvalign", " valign="}})
            row(control, table, "<tr", piece);
        for (const auto &[control, piece] : {std::pair{"chkdbgcolor", " bgcolor="},
                                             {"chkdwidth", " width="},
                                             {"chkdheight", " height="},
                                             {"chkdalign", " align="},
                                             {"chkdvalign", " valign="},
                                             {"chkdnowrap", " nowrap"},
                                             {"chkdcolspan", " colspan="},
                                             {"chkdrowspan", " rowspan="}})
            row(control, table, "<td", piece);
        row("qcaption", table, "", "<caption>");
        row("closetr", table, "", "</tr>");
        row("closetd", table, "", "</td>");

        const QKeyCombination font = Qt::CTRL | Qt::SHIFT | Qt::Key_F;
        row("chkFontFace", font, "<font", " face=");
        row("chkFontColor", font, "<font", " color=");
        row("chkFontSize", font, "<font", " size=");
        for (const auto &[control, piece] : {std::pair{"chkiwidth", " width="},
                                             {"chkiheight", " height="},
                                             {"chkialign", " align="},
                                             {"chkihspace", " hspace="},
                                             {"chkivspace", " vspace="},
                                             {"chkiusemap", " usemap"},
                                             {"chkiismap", " ismap"},
                                             {"chkiborder", " border="},
                                             {"chkialt", " alt="}})
            row(control, Qt::CTRL | Qt::SHIFT | Qt::Key_I, "<img", piece);
        row("qftextarea", Qt::CTRL | Qt::SHIFT | Qt::Key_Y, "", "<textarea");
        row("chkStyImport", Qt::CTRL | Qt::SHIFT | Qt::Key_E, "", "@import");
        row("chkStyComments", Qt::CTRL | Qt::SHIFT | Qt::Key_E, "", "/**/");
        row("endli", Qt::CTRL | Qt::SHIFT | Qt::Key_U, "", "</li>");
        row("chkcompact", Qt::CTRL | Qt::SHIFT | Qt::Key_U, "<ul", " compact");

        const QKeyCombination frames = Qt::CTRL | Qt::SHIFT | Qt::Key_R;
        for (const auto &[control, piece] : {std::pair{"chkFsrows", " rows="},
                                             {"chkfscols", " cols="},
                                             {"chkfsborder", " border="},
                                             {"chkfsbordercolor", " bordercolor="},
                                             {"chkfsframeborder", " frameborder="},
                                             {"chkfsframespacing", " framespacing="}})
            row(control, frames, "<frameset", piece);
        row("chkFsnoframe", frames, "", "<noframes>");
        for (const auto &[control, piece] : {std::pair{"chkfmarginwidth", " marginwidth="},
                                             {"chkfmarginheight", " marginheight="},
                                             {"chkfnoresize", " noresize"},
                                             {"chkfscrolling", " scrolling="},
                                             {"chkfframeborder", " frameborder="},
                                             {"chkfframespacing", " framespacing="},
                                             {"chkfbordercolor", " bordercolor="}})
            row(control, frames, "<frame ", piece);
        for (const auto &[control, piece] : {std::pair{"chkifalign", " align="},
                                             {"chkifwidth", " width="},
                                             {"chkifheight", " height="},
                                             {"chkifhspace", " hspace="},
                                             {"chkifvspace", " vspace="},
                                             {"chkifscrolling", " scrolling="},
                                             {"chkifborder", " border="},
                                             {"chkifframeborder", " frameborder="},
                                             {"chkifbordercolor", " bordercolor="}})
            row(control, Qt::CTRL | Qt::SHIFT | Qt::Key_G, "<iframe", piece);
    }
    void everyQuickBoxAgreesWithItsCommand()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, tag);
        QFETCH(QString, piece);
        QVERIFY2(m_ticks.contains(control), qPrintable(control));
        const QString text = typed(QKeyCombination::fromCombined(key));
        QVERIFY2(!text.isEmpty(), "the key wrote nothing");
        const QString where = tag.isEmpty() ? text : tagOf(text, tag);
        QVERIFY2(!where.isEmpty(), qPrintable(text));
        QCOMPARE(where.contains(piece), m_ticks.value(control));
    }

    // The counts shown are the counts written; the link target shown is the one written.
    void everyQuickCountAgreesWithItsCommand_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("times"); // a second count the pieces multiply by
        const auto row = [](const char *control, QKeyCombination key, const char *piece,
                            const char *times = "") {
            QTest::newRow(control) << control << key.toCombined() << piece << times;
        };
        row("qrow", Qt::CTRL | Qt::SHIFT | Qt::Key_T, "<tr");
        row("qcell", Qt::CTRL | Qt::SHIFT | Qt::Key_T, "<td", "qrow");
        row("qlitem", Qt::CTRL | Qt::SHIFT | Qt::Key_U, "<li");
        row("qfhidden", Qt::CTRL | Qt::SHIFT | Qt::Key_Y, "type=\"hidden\"");
        row("qfedit", Qt::CTRL | Qt::SHIFT | Qt::Key_Y, "type=\"text\"");
        row("qfradio", Qt::CTRL | Qt::SHIFT | Qt::Key_Y, "type=\"radio\"");
        row("qfcheck", Qt::CTRL | Qt::SHIFT | Qt::Key_Y, "type=\"checkbox\"");
        row("styItems", Qt::CTRL | Qt::SHIFT | Qt::Key_E, " { : }");
        row("txtFfitems", Qt::CTRL | Qt::SHIFT | Qt::Key_R, "<frame ");
    }
    void everyQuickCountAgreesWithItsCommand()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, piece);
        QFETCH(QString, times);
        QVERIFY2(m_numbers.contains(control), qPrintable(control));
        const int expected = m_numbers.value(control) * (times.isEmpty() ? 1 : m_numbers[times]);
        QCOMPARE(int(typed(QKeyCombination::fromCombined(key)).count(piece)), expected);
    }

    void linkTargetAgrees()
    {
        QVERIFY(m_radios.value("radTargetNone"));
        QVERIFY(!typed(Qt::CTRL | Qt::SHIFT | Qt::Key_H).contains(QLatin1String("target")));
    }
};

QTEST_MAIN(TestFreshSettings)
#include "tst_freshsettings.moc"
