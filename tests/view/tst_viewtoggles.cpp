#include "base/settingsfile.h"
#include "commands/commandactions.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "files/documentfiles.h"
#include "framedriver.h"
#include "frametestbase.h"
#include "menuclicks.h"
#include "shell/mainframe.h"
#include "shell/tabstrips.h"
#include "view/fontdialog.h"
#include "view/viewtoggles.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QFontDatabase>
#include <QSignalSpy>
#include <QtTest>

#include <optional>

namespace {

// Answers the font dialog from a script and records the font it started with.
class ScriptedFontDialog : public FontDialog
{
public:
    std::optional<QFont> chooseFont(const QFont &initial, QWidget *) override
    {
        shown << initial;
        return std::exchange(answer, std::nullopt);
    }
    std::optional<QFont> answer;
    QList<QFont> shown;
};

const char *const Commands[] = {"fontup",          "fontdown",
                                "Font1Click",      "ReadFont",
                                "nofont",          "WriteFont",
                                "Wordwrap1Click",  "ColoredTags1Click",
                                "Gutter1Click",    "LiveSpellcheck1Click",
                                "Invisibles1Click"};

} // namespace

// The view and font commands driven through the main frame's command routing.
class TestViewToggles : public FrameTestBase
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrame> m_frame;
    std::unique_ptr<ViewToggles> m_view;
    ScriptedFontDialog m_dialog;

    bool run(const char *id) { return drive(m_frame).commands().run(QLatin1String(id)); }
    bool checked(const char *id) { return drive(m_frame).commands().action(id)->isChecked(); }
    QString stored(const char *key) { return m_settings->readString("Qorvin*Plat", key, "-"); }
    static void setFont(DocumentWindow *doc, const QString &face, int points, bool bold = false)
    {
        QFont f(face, points);
        f.setBold(bold);
        doc->setEditorFont(f, Qt::black);
    }

private Q_SLOTS:
    void init()
    {
        resetHome();
        m_settings->write(Keys::StartNew, "no");
        m_frame = startFrame();
        m_view =
            std::make_unique<ViewToggles>(*m_settings, drive(m_frame).documents(), m_frame.get());
        m_view->setFontDialog(&m_dialog);
        m_view->registerHandlers(drive(m_frame).commands());
        m_dialog = ScriptedFontDialog();
    }
    void cleanup()
    {
        m_view.reset();
        // Documents close while the frame is whole, not during its destruction.
        for (DocumentWindow *doc : drive(m_frame).documents().documents())
            doc->setModified(false);
        QVERIFY(drive(m_frame).closer().CloseAll());
        m_frame.reset();
    }

    void withNoDocumentNothingHappens()
    {
        m_settings->write(Keys::Wraps, "keep");
        for (const char *id : Commands)
            QVERIFY2(!run(id), id);
        m_view->changeFont();
        m_view->writeFont();
        m_view->updateChecks();
        QVERIFY(m_dialog.shown.isEmpty());
        QCOMPARE(m_settings->read(Keys::Wraps), QString("keep"));
        QCOMPARE(stored("Tname"), QString("-"));
    }

    void sizeStepsStopAtOnePoint()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        setFont(doc, "Courier", 2, true);
        QVERIFY(run("fontdown"));
        QCOMPARE(doc->editorFont().pointSize(), 1);
        QVERIFY(run("fontdown"));
        QCOMPARE(doc->editorFont().pointSize(), 1);
        QVERIFY(run("fontup"));
        QVERIFY(run("fontup"));
        QCOMPARE(doc->editorFont().pointSize(), 3);
        QCOMPARE(doc->editorFont().family(), QString("Courier"));
        QVERIFY(doc->editorFont().bold());
    }

    void changedUnderlinedFontStoresNoStyle()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        setFont(doc, "Courier", 11, true);
        doc->setEditorFont(doc->editorFont(), QColor(0, 0, 255));

        QVERIFY(run("Font1Click")); // cancelled: nothing changes
        QCOMPARE(m_dialog.shown.size(), 1);
        QCOMPARE(m_dialog.shown[0].family(), QString("Courier"));
        QCOMPARE(doc->editorFont().pointSize(), 11);

        QFont chosen("Serif", 14);
        chosen.setUnderline(true);
        m_dialog.answer = chosen;
        QVERIFY(run("Font1Click"));
        QCOMPARE(doc->editorFont().family(), QString("Serif"));
        QVERIFY(doc->editorFont().underline());
        QCOMPARE(doc->textColour(), QColor(0, 0, 255)); // the dialog chooses no colour

        QVERIFY(run("WriteFont"));
        QCOMPARE(stored("Tname"), QString("Serif"));
        QCOMPARE(stored("Tsize"), QString("14"));
        QCOMPARE(stored("Tcolor"), QString("16711680"));
        QCOMPARE(stored("Tstyle"), QString());

        // The empty style leaves the editor's style as it is.
        setFont(doc, "Courier", 9, true);
        QVERIFY(run("ReadFont"));
        QCOMPARE(doc->editorFont().family(), QString("Serif"));
        QCOMPARE(doc->editorFont().pointSize(), 14);
        QVERIFY(doc->editorFont().bold());
        QCOMPARE(doc->textColour(), QColor(0, 0, 255));
    }

    void readFontKeepsWhatIsNotStored()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        setFont(doc, "Courier", 11, true);
        m_settings->write(Keys::FontPoints, 16);
        m_settings->write(Keys::FontColour, 0x008000);
        QVERIFY(run("ReadFont"));
        QCOMPARE(doc->editorFont().family(), QString("Courier"));
        QCOMPARE(doc->editorFont().pointSize(), 16);
        QVERIFY(doc->editorFont().bold());
        // The colour survives the settings being reapplied.
        doc->applySettings();
        QCOMPARE(doc->textColour(), QColor(0, 128, 0));
    }

    void defaultFontLeavesTheStoredOne()
    {
        m_settings->write(Keys::FontName, "Courier");
        m_settings->write(Keys::FontPoints, 13);
        m_settings->write(Keys::FontStyle, "bold");
        DocumentWindow *doc = drive(m_frame).files().newclean();
        QCOMPARE(doc->editorFont().family(), QString("Courier")); // new documents get it
        QCOMPARE(doc->editorFont().pointSize(), 13);

        QVERIFY(run("nofont"));
        QCOMPARE(doc->editorFont().family(),
                 QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(doc->editorFont().pointSize(), 10);
        QVERIFY(!doc->editorFont().bold());
        QCOMPARE(doc->textColour(), QColor(Qt::black));
        QCOMPARE(stored("Tname"), QString("Courier"));
        QCOMPARE(stored("Tstyle"), QString("bold"));

        DocumentWindow *next = drive(m_frame).files().newclean();
        QCOMPARE(next->editorFont().family(), QString("Courier"));
        QCOMPARE(next->editorFont().pointSize(), 13);
        QVERIFY(next->editorFont().bold());
    }

    void colouredTagsKeepTheModifiedState()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        doc->editor().replaceSelection("<p>one</p>\r\n<p>two</p>");
        doc->setModified(false);
        drive(m_frame).tabs().setText(doc, "Untitled1");
        doc->editor().setSelection(3, 3);
        QSignalSpy edits(doc, &DocumentWindow::edited);

        QVERIFY(doc->tagColouring());
        QVERIFY(run("ColoredTags1Click"));
        QVERIFY(!doc->tagColouring());
        QVERIFY(!checked("ColoredTags1Click"));
        QVERIFY(!doc->isModified());
        QCOMPARE(drive(m_frame).tabs().text(doc), QString("Untitled1"));
        QCOMPARE(doc->editor().selectedText(), QString("one"));
        // The next real edit still counts.
        doc->editor().replaceSelection("1");
        QCOMPARE(edits.size(), 1);
        QCOMPARE(drive(m_frame).tabs().text(doc), TabStrips::ModifiedMarker + "Untitled1");

        QVERIFY(run("ColoredTags1Click"));
        QVERIFY(doc->tagColouring());
        QVERIFY(checked("ColoredTags1Click"));
        QVERIFY(doc->isModified());
    }

    void wordWrapIsRemembered()
    {
        DocumentWindow *doc = drive(m_frame).files().newclean();
        QVERIFY(doc->wordWrap());
        QVERIFY(run("Wordwrap1Click"));
        QCOMPARE(doc->memo()->wrapMode(), QsciScintilla::WrapNone);
        QCOMPARE(m_settings->read(Keys::Wraps), QString("no"));
        QVERIFY(!checked("Wordwrap1Click"));
        QVERIFY(run("Wordwrap1Click"));
        QCOMPARE(doc->memo()->wrapMode(), QsciScintilla::WrapWord);
        QCOMPARE(m_settings->readString("Varnel", "wraps", "absent"), QString());
        QVERIFY(checked("Wordwrap1Click"));
        QVERIFY(!doc->isModified());
    }

    // Look-alike and invisible characters are drawn as marked boxes in every page until the
    // user turns that off from the menu; the choice is kept for the next session.
    void invisibleCharactersAreShownUntilTurnedOff()
    {
        DocumentWindow *first = drive(m_frame).files().newclean();
        DocumentWindow *second = drive(m_frame).files().newclean();
        const auto box = [](DocumentWindow *doc, const char *character) {
            char out[16] = {};
            doc->memo()->SendScintilla(QsciScintilla::SCI_GETREPRESENTATION,
                                       reinterpret_cast<unsigned long>(character),
                                       reinterpret_cast<long>(out));
            return QByteArray(out);
        };
        QCOMPARE(box(first, "\xC2\xA0"), QByteArray("NBSP"));
        QCOMPARE(box(second, "\xE2\x80\x8B"), QByteArray("ZWSP"));
        QVERIFY(checked("Invisibles1Click"));
        MenuClicks::chooseFromMenu(*m_frame, "Invisibles1Click");
        QCOMPARE(box(first, "\xC2\xA0"), QByteArray());
        QCOMPARE(box(second, "\xC2\xAD"), QByteArray());
        QVERIFY(!checked("Invisibles1Click"));
        QCOMPARE(m_settings->read(Keys::ShowInvisibles), false);
        // A page opened now follows the choice; the text is never touched.
        DocumentWindow *third = drive(m_frame).files().newclean();
        QCOMPARE(box(third, "\xC2\xA0"), QByteArray());
        MenuClicks::chooseFromMenu(*m_frame, "Invisibles1Click");
        QCOMPARE(box(first, "\xC2\xA0"), QByteArray("NBSP"));
        QVERIFY(!first->isModified());
    }

    void gutterAndLiveSpellingFollowTheActiveDocument()
    {
        DocumentWindow *first = drive(m_frame).files().newclean();
        QSignalSpy spelling(m_view.get(), &ViewToggles::liveSpellingChanged);
        QVERIFY(run("Gutter1Click"));
        QVERIFY(first->gutterVisible());
        QVERIFY(checked("Gutter1Click"));
        QVERIFY(run("LiveSpellcheck1Click"));
        QVERIFY(first->liveSpelling());
        QCOMPARE(spelling.size(), 1);
        QCOMPARE(spelling.at(0).at(0).toBool(), true);

        // A second document starts from the settings; the marks follow it on activation.
        DocumentWindow *second = drive(m_frame).files().newclean();
        m_view->updateChecks();
        QVERIFY(!checked("Gutter1Click"));
        QVERIFY(!checked("LiveSpellcheck1Click"));
        QVERIFY(run("Gutter1Click"));
        QVERIFY(second->gutterVisible());
        QVERIFY(run("Gutter1Click"));
        QVERIFY(!second->gutterVisible());
        QVERIFY(!checked("Gutter1Click"));
        QVERIFY(first->gutterVisible());
    }
};

QTEST_MAIN(TestViewToggles)
#include "tst_viewtoggles.moc"
