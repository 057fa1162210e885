#pragma once

#include <QString>

#include <functional>

class SettingsFile;
class TextEditor;
class EditingOptions;

// Who asked for an insertion decides how it meets the document's selection.
enum class InsertMode {
    Direct,        // the text goes in front of the selection, which stays selected
    Wrap,          // the text replaces the selection (wrap selection composed it around it)
    ConvSelection, // a text conversion's result replaces the selection; no upper-casing
    Replace,       // the text replaces the selection (paste)
};

// The two ways every tag reaches a document: insert text (`boardit`) and wrap selection
// (`addtags`), plus `tipper`, which wraps and then leaves the caret inside the start part with
// a typing tip. Both compose in the hidden scratch editor `storememo`, apply the tag case and
// quote settings and auto-indent, and change the document in one replacement that is one
// undo step. One instance for the whole program, owned by the main frame; helper panels,
// custom tags and the tag commands share its state.
class InsertWrap
{
public:
    // Shows the typing tip at the document's caret; the text is "Type " + what + " here".
    using TipSink = std::function<void(TextEditor &doc, const QString &text)>;

    InsertWrap(const SettingsFile &settings, const EditingOptions &options, TextEditor &scratch,
               TipSink tipSink = {});

    void setTipSink(TipSink tipSink) { m_tipSink = std::move(tipSink); }
    TextEditor &scratch() { return m_scratch; }

    // Shared state; every insert clears it again.
    void setParts(const QString &start, const QString &end);
    const QString &startPart() const { return m_start; }
    const QString &endPart() const { return m_end; }
    // On: the next insert applies the tag letter case and "apostrophe" to all of the text it
    // puts in.
    void setCaseAndQuote(bool on) { m_caseAndQuote = on; }
    bool caseAndQuote() const { return m_caseAndQuote; }
    void setInsertMode(InsertMode mode) { m_mode = mode; }
    InsertMode insertMode() const { return m_mode; }

    // Wrap selection: start part, selection, end part. The wrapped text is selected again
    // with the caret at its end; with nothing selected the caret follows the start part
    // (past any indent auto-indent added). Both parts are cleared on return.
    void addtags(TextEditor &doc, QString &start, QString &end);
    // Insert text: puts the scratch editor's whole content into the document at the
    // selection, as the insert mode says, and empties the scratch editor.
    void boardit(TextEditor &doc);
    // Wraps with the current parts, then puts the caret `back` characters before the end of
    // the start part and shows the tip, unless the "pop" option turns tips off.
    void tipper(TextEditor &doc, const QString &what, int back);

    // Puts text into the scratch editor and inserts it (the insert-text entry point of the
    // helper panels, with caseAndQuote set). Empty text is ignored.
    void insertText(TextEditor &doc, const QString &text, bool caseAndQuote);
    // Shows the tip whatever "pop" says.
    void showTip(TextEditor &doc, const QString &what);

private:
    struct Inserted
    {
        int start = 0;     // where the text went in the document
        int wrapStart = 0; // where the given offsets of the scratch text ended up,
        int wrapEnd = 0;   // relative to start
    };
    Inserted insertScratch(TextEditor &doc, int wrapStart, int wrapEnd);
    void reset();

    const SettingsFile &m_settings;
    const EditingOptions &m_options;
    TextEditor &m_scratch;
    TipSink m_tipSink;

    QString m_start;
    QString m_end;
    bool m_caseAndQuote = false;
    InsertMode m_mode = InsertMode::Direct;
};
