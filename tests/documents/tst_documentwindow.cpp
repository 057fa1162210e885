#include "base/settingsfile.h"
#include "documents/documentcontext.h"
#include "documents/documentwindow.h"
#include "editor/scintillaeditor.h"
#include "scriptedprompter.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// A document window on its own, set up from a settings file of the test's making.
class TestDocumentWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsFile> m_settings;
    ScriptedPrompter m_prompter;
    std::unique_ptr<DocumentContext> m_context;

    long send(DocumentWindow &doc, unsigned int message, unsigned long wParam = 0)
    {
        return doc.memo()->SendScintilla(message, wParam);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsFile>(m_dir->filePath("quillm.ini"));
        m_prompter = ScriptedPrompter();
        m_context.reset(new DocumentContext{*m_settings, m_prompter, QString()});
    }

    void defaultsFromAnEmptySettingsFile()
    {
        DocumentWindow doc(*m_context);
        QCOMPARE(doc.windowTitle(), DocumentWindow::LoadingCaption);
        QCOMPARE(send(doc, QsciScintilla::SCI_GETMARGINLEFT), 4L);
        QCOMPARE(doc.editor().tabWidth(), 5);
        QCOMPARE(send(doc, QsciScintilla::SCI_GETCARETWIDTH), 1L);
        QCOMPARE(doc.memo()->wrapMode(), QsciScintilla::WrapWord);
        QVERIFY(!doc.gutterVisible());
        QVERIFY(!doc.isModified());
        QVERIFY(doc.editor().wordSeparators().contains(u'\t'));
    }

    // The gutter takes the window's colours from the palette: at creation, after the settings
    // are applied again, and when the desktop's colours change under a running program; the
    // current line follows too, and the view stays where it was.
    void gutterFollowsThePalette()
    {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xDD, 0xDD, 0xDD));
        const auto colour = [this](DocumentWindow &doc, unsigned int message, int style) {
            const long bgr = send(doc, message, ulong(style));
            return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
        };
        const auto gutter = [&](DocumentWindow &doc) {
            return colour(doc, QsciScintilla::SCI_STYLEGETBACK, QsciScintilla::STYLE_LINENUMBER);
        };
        const auto numbers = [&](DocumentWindow &doc) {
            return colour(doc, QsciScintilla::SCI_STYLEGETFORE, QsciScintilla::STYLE_LINENUMBER);
        };
        m_settings->write(Keys::GutterOn, true);
        m_settings->write(Keys::CurLine, true);
        DocumentWindow doc(*m_context);
        doc.editor().setText(QString("line\n").repeated(300));
        QCOMPARE(gutter(doc), light.color(QPalette::Window));
        QVERIFY(numbers(doc).lightness() < gutter(doc).lightness());
        m_settings->announceApplied();
        QCOMPARE(gutter(doc), light.color(QPalette::Window));

        doc.editor().setSelection(520, 4);
        doc.editor().setFirstVisibleLine(100);
        const auto backToLight = qScopeGuard([&light] { QApplication::setPalette(light); });
        QApplication::setPalette(dark);
        QTRY_COMPARE(gutter(doc), QColor(0x30, 0x30, 0x30));
        QVERIFY(numbers(doc).lightness() > 160);
        QVERIFY(colour(doc, QsciScintilla::SCI_GETCARETLINEBACK, 0).lightness() < 100);
        QCOMPARE(doc.editor().firstVisibleLine(), 100);
        QCOMPARE(doc.editor().caret(), 520);
        QCOMPARE(doc.editor().selLength(), 4);
        DocumentWindow later(*m_context);
        QCOMPARE(gutter(later), QColor(0x30, 0x30, 0x30));

        QApplication::setPalette(light);
        QTRY_COMPARE(gutter(doc), light.color(QPalette::Window));
        QVERIFY(numbers(doc).lightness() < gutter(doc).lightness());
    }

    void settingsApplyAtCreationAndOnReapply()
    {
        m_settings->write(Keys::Margin, 9);
        m_settings->write(Keys::RightMargin, 7);
        m_settings->write(Keys::TabWidth, 3);
        m_settings->write(Keys::CaretWidth, 2);
        m_settings->write(Keys::StartWW, "off");
        m_settings->write(Keys::GutterOn, true);
        DocumentWindow doc(*m_context);
        QCOMPARE(send(doc, QsciScintilla::SCI_GETMARGINLEFT), 9L);
        QVERIFY(send(doc, QsciScintilla::SCI_GETMARGINRIGHT) != 7L); // only reapplying sets it
        QCOMPARE(doc.editor().tabWidth(), 3);
        QCOMPARE(send(doc, QsciScintilla::SCI_GETCARETWIDTH), 2L);
        QCOMPARE(doc.memo()->wrapMode(), QsciScintilla::WrapNone);
        QVERIFY(doc.gutterVisible());

        m_settings->write(Keys::TabWidth, 8);
        m_settings->write(Keys::GutterOn, false);
        doc.applySettings();
        QCOMPARE(send(doc, QsciScintilla::SCI_GETMARGINRIGHT), 7L);
        QCOMPARE(doc.editor().tabWidth(), 8);
        QVERIFY(!doc.gutterVisible());
    }

    void reapplyKeepsCaretAndTopLine()
    {
        DocumentWindow doc(*m_context);
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("<p>line %1</p>\r\n").arg(i);
        doc.editor().setText(text);
        doc.editor().setCaret(doc.editor().lineStart(120) + 3);
        doc.editor().setFirstVisibleLine(100);
        doc.applySettings();
        QCOMPARE(doc.editor().caret(), doc.editor().lineStart(120) + 3);
        QCOMPARE(doc.editor().firstVisibleLine(), 100);
    }

    void onlyUserEditsCount()
    {
        DocumentWindow doc(*m_context);
        QSignalSpy edits(&doc, &DocumentWindow::edited);
        {
            const DocumentWindow::NotAnEdit loading(doc);
            doc.editor().loadBytes("<p>loaded</p>", ScintillaEditor::Encoding::Utf8);
            doc.editor().replaceSelection("x");
        }
        QCOMPARE(edits.size(), 0);
        QVERIFY(!doc.isModified());

        // Loading an empty file changes nothing; the next edit still counts.
        {
            const DocumentWindow::NotAnEdit loading(doc);
            doc.editor().loadBytes("", ScintillaEditor::Encoding::Utf8);
        }
        doc.editor().replaceSelection("z");
        QCOMPARE(edits.size(), 1);
        QVERIFY(doc.isModified());
    }

    void theModelFollowsTheEditor()
    {
        DocumentWindow doc(*m_context);
        QSignalSpy format(&doc.document(), &Document::formatChanged);
        doc.editor().loadBytes("caf\xe9\r\n", ScintillaEditor::Encoding::Utf8);
        QCOMPARE(doc.document().encoding(), Document::Encoding::Windows1252);
        QCOMPARE(doc.document().lineBreak(), QStringLiteral("\r\n"));
        QCOMPARE(doc.document().formatText(), QStringLiteral("Windows-1252  CR LF"));
        QVERIFY(!format.isEmpty());

        // The caption shows the model: loading, a name, a new name.
        QCOMPARE(doc.windowTitle(), DocumentWindow::LoadingCaption);
        doc.document().setUntitled(4);
        doc.document().setLoading(false);
        QCOMPARE(doc.windowTitle(), QStringLiteral("Untitled4"));
        doc.document().setPath(QStringLiteral("/srv/www/Untitled5.html"));
        QCOMPARE(doc.windowTitle(), QStringLiteral("Untitled5.html"));
        QVERIFY(!doc.document().isUntitled());
        m_settings->write(Keys::FullPath, true);
        m_settings->announceApplied();
        QCOMPARE(doc.windowTitle(), QStringLiteral("/srv/www/Untitled5.html"));
    }

    // Undo back to the text as it was read leaves the page unmodified: no mark, no question
    // on closing. A text that differs from the file whatever undo does (one restored after a
    // crash) stays modified.
    void undoBackToTheSavedTextIsUnmodified()
    {
        DocumentWindow doc(*m_context);
        {
            const DocumentWindow::NotAnEdit loading(doc);
            doc.editor().loadBytes("<p>a</p>", ScintillaEditor::Encoding::Utf8);
        }
        doc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doc));
        doc.memo()->setFocus();
        QSignalSpy modified(&doc.document(), &Document::modifiedChanged);
        QTest::keyClicks(doc.memo(), "xy");
        QVERIFY(doc.isModified());
        QTest::keyClick(doc.memo(), Qt::Key_Z, Qt::ControlModifier); // the typing, one step
        QCOMPARE(doc.editor().text(), QStringLiteral("<p>a</p>"));
        QVERIFY(!doc.isModified());
        QCOMPARE(modified.size(), 2);
        const auto save = [](DocumentWindow *) { QFAIL("nothing to save"); };
        QVERIFY(doc.closeQuery(save));
        QVERIFY(m_prompter.shown.isEmpty());
        QTest::keyClick(doc.memo(), Qt::Key_Y, Qt::ControlModifier); // redo
        QVERIFY(doc.isModified());

        doc.setModified(true);
        doc.editor().undo();
        QCOMPARE(doc.editor().text(), QStringLiteral("<p>a</p>"));
        QVERIFY(doc.isModified());
    }

    void closeQueryLoopsUntilSavedOrAnswered()
    {
        DocumentWindow doc(*m_context);
        doc.setWindowTitle("page.htm");
        doc.editor().replaceSelection("edit");
        int saves = 0;
        // The first save fails (the document stays modified), so the question comes again.
        const auto save = [&](DocumentWindow *d) {
            if (++saves == 2)
                d->setModified(false);
        };
        m_prompter.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
        QVERIFY(doc.closeQuery(save));
        QCOMPARE(saves, 2);
        QCOMPARE(m_prompter.shown, QStringList(2, "Save Changes to 'page.htm'?"));

        QSignalSpy refused(&doc, &DocumentWindow::closeRefused);
        doc.editor().replaceSelection("more");
        m_prompter.answers = {PromptAnswer::Cancel};
        QVERIFY(!doc.closeQuery(save));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(doc.editor().text(), QString("editmore"));

        m_prompter.answers = {PromptAnswer::No};
        QVERIFY(doc.closeQuery(save));

        doc.setModified(false);
        m_prompter.shown.clear();
        QVERIFY(doc.closeQuery(save));
        QVERIFY(m_prompter.shown.isEmpty()); // unmodified: no question
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
