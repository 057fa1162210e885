#pragma once

#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

enum class SearchDirection { Forward, Backward };

// The operations the rest of the program needs of an editor: the document editor and the
// in-memory scratch editor both provide them, so tag insertion, conversions and searches are
// written once against this interface.
//
// Offsets and lengths count UTF-16 code units (QString indices). The caret is where the
// selection's length is measured from: the selection runs from caret() to
// caret() + selLength(), so a negative length selects backwards with the caret at the end.
// A line's text never includes its line break; CR LF, LF and CR all end a line.
class TextEditor
{
public:
    virtual ~TextEditor() = default;

    // Whole text.
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0; // caret to 0, one undo step
    virtual int length() const = 0;
    void clear() { setText(QString()); }

    // Lines.
    virtual int lineCount() const = 0; // an empty text has one line
    virtual QString line(int line) const = 0;
    virtual int lineStart(int line) const = 0; // lineCount() gives length()
    virtual int lineEnd(int line) const = 0;   // before the line break
    virtual int lineOfOffset(int offset) const = 0;
    void replaceLine(int line, const QString &text);
    // The document's own line break ("\r\n", "\n" or "\r"): what Enter types and what
    // generated text is written with. Setting it changes no text.
    virtual QString lineBreak() const = 0;
    virtual void setLineBreak(const QString &lineBreak) = 0;

    // Caret and selection.
    virtual int caret() const = 0;
    virtual int selLength() const = 0;
    virtual void setSelection(int caret, int selLength) = 0; // clamped to the text
    virtual void replaceSelection(const QString &text) = 0;  // caret after the new text
    virtual QString textRange(int start, int end) const;
    void setCaret(int offset) { setSelection(offset, 0); }
    void setSelLength(int length) { setSelection(caret(), length); }
    int selectionStart() const { return std::min(caret(), caret() + selLength()); }
    int selectionEnd() const { return std::max(caret(), caret() + selLength()); }
    QString selectedText() const { return textRange(selectionStart(), selectionEnd()); }
    void selectAll() { setSelection(0, length()); }
    void clearSelection() { replaceSelection(QString()); }
    int caretLine() const { return lineOfOffset(caret()); }
    int caretColumn() const { return caret() - lineStart(caretLine()); }
    // A column past the line's end puts the caret at the end of the line.
    void setCaretLineColumn(int line, int column);

    // View.
    virtual int firstVisibleLine() const = 0;
    virtual void setFirstVisibleLine(int line) = 0;
    virtual void ensureCaretVisible() = 0;
    virtual int tabWidth() const = 0;
    virtual void setTabWidth(int width) = 0;

    // The characters that end a word, for the whole-word searches.
    virtual QString wordSeparators() const = 0;
    virtual void setWordSeparators(const QString &separators) = 0;

    // Searches line by line from the caret without wrapping around. Forward: the first hit
    // starting at or after the caret, selected with the caret at its end. Backward: the last
    // hit starting before the caret, selected with the caret at its start. Match case off
    // compares with a to z upper-cased; whole word needs a separator or the line's edge on
    // both sides. On failure nothing changes.
    virtual bool find(const QString &what, SearchDirection direction, bool matchCase,
                      bool wholeWord);

    // Modified flag and undo: every edit between begin and end is one undo step.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual void beginUndoAction() = 0;
    virtual void endUndoAction() = 0;
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;

    // Called after every change of the text, including programmatic ones.
    using ChangeListener = std::function<void()>;
    void addChangeListener(ChangeListener listener) { m_listeners.push_back(std::move(listener)); }

protected:
    void notifyChanged();

private:
    std::vector<ChangeListener> m_listeners;
};

// Groups every edit of its lifetime into one undo step.
class UndoGroup
{
public:
    explicit UndoGroup(TextEditor &editor) : m_editor(editor) { m_editor.beginUndoAction(); }
    ~UndoGroup() { m_editor.endUndoAction(); }
    UndoGroup(const UndoGroup &) = delete;
    UndoGroup &operator=(const UndoGroup &) = delete;

private:
    TextEditor &m_editor;
};
