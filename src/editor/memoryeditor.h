#pragma once

#include "editor/texteditor.h"

#include <vector>

// An editor that is never shown: the scratch editor `storememo` that commands compose text in,
// and the editor the logic tests run against. Undo keeps the edits themselves, not copies of
// the text, so a large buffer costs no more than its edits.
class MemoryEditor : public TextEditor
{
public:
    MemoryEditor();

    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    int length() const override { return int(m_text.size()); }

    int lineCount() const override;
    QString line(int line) const override;
    int lineStart(int line) const override;
    int lineEnd(int line) const override;
    int lineOfOffset(int offset) const override;
    // LF unless set, as in a new document.
    QString lineBreak() const override { return m_lineBreak; }
    void setLineBreak(const QString &lineBreak) override { m_lineBreak = lineBreak; }

    int caret() const override { return m_caret; }
    int selLength() const override { return m_anchor - m_caret; }
    void setSelection(int caret, int selLength) override;
    void replaceSelection(const QString &text) override;
    QString textRange(int start, int end) const override;

    int firstVisibleLine() const override { return m_firstVisibleLine; }
    void setFirstVisibleLine(int line) override;
    void ensureCaretVisible() override {}
    int tabWidth() const override { return m_tabWidth; }
    void setTabWidth(int width) override { m_tabWidth = width; }
    QString wordSeparators() const override { return m_separators; }
    void setWordSeparators(const QString &separators) override { m_separators = separators; }

    bool isModified() const override { return m_modified; }
    void setModified(bool modified) override { m_modified = modified; }
    void beginUndoAction() override;
    void endUndoAction() override;
    bool canUndo() const override { return !m_undo.empty(); }
    void undo() override;
    // The scratch editor keeps no history: nobody undoes in it, and it may hold large files.
    void setUndoEnabled(bool enabled);

private:
    struct Edit
    {
        int position;
        QString removed;
        QString inserted;
    };
    struct UndoStep
    {
        std::vector<Edit> edits;
        int caret;
        int anchor;
    };

    void edit(int position, int removeLength, const QString &insert);
    void ensureLineIndex() const;

    QString m_text;
    int m_caret = 0;
    int m_anchor = 0;
    int m_firstVisibleLine = 0;
    int m_tabWidth = 8;
    QString m_separators;
    QString m_lineBreak = QStringLiteral("\n");
    bool m_modified = false;

    std::vector<UndoStep> m_undo;
    int m_groupDepth = 0;
    bool m_groupOpen = false; // the current group already has its undo step
    bool m_undoEnabled = true;

    mutable std::vector<int> m_lineStarts;
    mutable bool m_lineIndexValid = false;
};
