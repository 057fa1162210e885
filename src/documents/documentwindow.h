#pragma once

#include "documents/document.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <memory>

class HtmlLexer;
class QsciScintilla;
class ScintillaEditor;
class TypingTip;
struct DocumentContext;

// A document window: one colouring editor for one file, set up from the settings file, and
// the document model it keeps up to date. Made by the document files, which name it and fill
// it; listed by the document registry; its caption and tab show the model.
class DocumentWindow : public QWidget
{
    Q_OBJECT

public:
    static inline const QString LoadingCaption = QStringLiteral("Loading ...");

    explicit DocumentWindow(DocumentContext &context, QWidget *parent = nullptr);
    ~DocumentWindow() override;

    QsciScintilla *memo() const { return m_memo; }
    ScintillaEditor &editor() const { return *m_editor; }
    HtmlLexer &lexer() const { return *m_lexer; }

    Document &document() { return m_document; }
    const Document &document() const { return m_document; }

    // While one lives, changes of the text are not the user's edits: loading, reloading and
    // re-applying settings.
    class NotAnEdit
    {
    public:
        explicit NotAnEdit(DocumentWindow &window) : m_window(window) { ++m_window.m_notAnEdit; }
        ~NotAnEdit() { --m_window.m_notAnEdit; }
        NotAnEdit(const NotAnEdit &) = delete;
        NotAnEdit &operator=(const NotAnEdit &) = delete;

    private:
        DocumentWindow &m_window;
    };

    // Re-reads every editor setting and recolours, keeping an unmodified document unmodified.
    void applySettings();
    // Switches live spelling on or off from the settings, refreshes it and recolours the
    // whole text.
    void memoReapply();
    // Reads the spelling scope again and refreshes live spelling and the colouring, keeping
    // live spelling on or off as it is (after a spelling check).
    void refreshSpelling();

    bool isModified() const { return m_document.isModified(); }
    // The editor's flag and the model's together: saved, reloaded, restored, kept after a
    // deletion.
    void setModified(bool modified);
    bool gutterVisible() const;
    void setGutterVisible(bool visible);
    // Characters that look like a space or like nothing, drawn as a marked box when shown.
    void showInvisibles(bool shown);
    bool liveSpelling() const { return m_liveSpelling; }
    // Live spelling for this document until the settings are reapplied; recolours.
    void setLiveSpelling(bool on);
    // What live spelling leaves out, from the spelling configuration file ("soHTML",
    // "soInternet"), as read by the last reapply.
    bool spellingSkipsHtml() const { return m_spellingSkipsHtml; }
    bool spellingSkipsInternet() const { return m_spellingSkipsInternet; }
    bool wordWrap() const;
    // Switches word wrap; the caret's line stays where it was on screen (when the caret was
    // off screen, the first visible line stays first).
    void setWordWrap(bool on);
    // Pages larger than this open unwrapped whatever the settings say: wrapping lays out every
    // line of the page, about half a second of work for each megabyte.
    static constexpr qsizetype LargePageBytes = qsizetype(1) << 20;
    // Puts word wrap back as it was before a load switched it off, unless the new text is a
    // large page: then wrap stays off and wrapHeldOff() tells the status bar so.
    void restoreWrapAfterLoad(bool wanted, qsizetype bytes);
    // Word wrap was wanted but left off because the page is large; the Wordwrap command or a
    // click on the status bar note turns it on.
    bool wrapHeldOff() const { return m_wrapHeldOff; }
    // Scrolls, where needed, so that the caret's line stands a few lines inside the view.
    void showCaretInContext();
    bool currentLineShown() const;
    // Tag colouring on or off; a restyle only, so the modified state, caret, selection and
    // top line stay as they are.
    bool tagColouring() const;
    void setTagColouring(bool on);

    // The editor's font and text colour (the plain text's style), kept across reapplying
    // settings.
    QFont editorFont() const;
    QColor textColour() const;
    void setEditorFont(const QFont &font, const QColor &colour);

    // The typing tip below the caret, and whether it shows.
    void showTip(const QString &text);
    TypingTip &tip() const { return *m_tip; }

    // Asks "Save Changes to '…'?" while the document is modified. Yes runs the save and asks
    // again while the document stays modified; No closes; Cancel keeps the window.
    using SaveHandler = std::function<void(DocumentWindow *)>;
    bool closeQuery(const SaveHandler &save);
    void setSaveHandler(SaveHandler save) { m_save = std::move(save); }

Q_SIGNALS:
    // A change of the text that the user made (not loading or recolouring).
    void edited(DocumentWindow *document);
    void caretMoved(DocumentWindow *document);
    // Live spelling was switched, or its scope read again.
    void liveSpellingChanged(DocumentWindow *document);
    // The user cancelled the close question.
    void closeRefused(DocumentWindow *document);
    void closed(DocumentWindow *document);
    // The encoding, the byte-order mark or the own line break changed, or word wrap was held
    // off or given back.
    void formatChanged(DocumentWindow *document);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void memoChange();
    void formatChange();
    void showCaption();
    bool askToSaveAsUtf8(const QStringList &characters);
    void offerUtf8Declaration();
    void applyDisplaySettings(bool withRightMargin);
    void applyCurrentLineTint();
    void followPalette();
    // The caret's screen row counted in display lines from the first visible one.
    int caretRow() const;
    void applyColours();
    void applyWrapMode(bool on);

    DocumentContext &m_context;
    QsciScintilla *m_memo = nullptr;
    std::unique_ptr<ScintillaEditor> m_editor;
    HtmlLexer *m_lexer = nullptr;
    TypingTip *m_tip = nullptr;
    Document m_document;
    SaveHandler m_save;
    int m_notAnEdit = 0;
    bool m_liveSpelling = false;
    bool m_wrapHeldOff = false;
    bool m_spellingSkipsHtml = false;
    bool m_spellingSkipsInternet = false;
    // Invalid until a font command sets it: the palette's text colour.
    QColor m_textColour;
};
