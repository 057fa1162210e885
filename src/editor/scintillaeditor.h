#pragma once

#include "editor/texteditor.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>

#include <utility>
#include <vector>

// The editor contract over a document window's QsciScintilla. The document window owns the
// widget and must destroy this adapter first. Scintilla holds the file's bytes unchanged:
// UTF-8 documents use Scintilla's UTF-8 mode and a UTF-16 line index for offsets, Windows-1252
// documents use code page 0, where one byte is one offset.
class ScintillaEditor : public TextEditor
{
public:
    enum class Encoding { Utf8, Cp1252 };

    explicit ScintillaEditor(QsciScintilla *widget);
    ~ScintillaEditor() override;
    ScintillaEditor(const ScintillaEditor &) = delete;
    ScintillaEditor &operator=(const ScintillaEditor &) = delete;

    QsciScintilla *widget() const { return m_widget; }

    // Replaces the document with the file's bytes, clears undo and the modified flag and
    // notifies the change listeners. Bytes that are not valid UTF-8 are always shown as
    // Windows-1252, so that every byte keeps its own offset.
    void loadBytes(const QByteArray &bytes, Encoding encoding);
    QByteArray bytes() const;
    Encoding encoding() const { return m_encoding; }
    // Replaces the whole text with the file's new bytes as one step that undo reverses.
    // False, and nothing done, when the bytes need the other encoding: the caller loads them.
    bool reloadBytes(const QByteArray &bytes);

    QString text() const override;
    void setText(const QString &text) override;
    int length() const override;

    int lineCount() const override;
    QString line(int line) const override;
    int lineStart(int line) const override;
    int lineEnd(int line) const override;
    int lineOfOffset(int offset) const override;

    int caret() const override;
    int selLength() const override;
    void setSelection(int caret, int selLength) override;
    void replaceSelection(const QString &text) override;
    QString textRange(int start, int end) const override;

    int firstVisibleLine() const override;
    void setFirstVisibleLine(int line) override;
    void ensureCaretVisible() override;
    int tabWidth() const override;
    void setTabWidth(int width) override;
    QString wordSeparators() const override { return m_separators; }
    void setWordSeparators(const QString &separators) override;

    bool isModified() const override { return m_modified; }
    void setModified(bool modified) override;
    void beginUndoAction() override;
    void endUndoAction() override;
    bool canUndo() const override;
    void undo() override;

    // The character offset nearest to a point of the editor's text area.
    int offsetAtPoint(const QPoint &point) const;

private:
    class Batch;

    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    QString decode(long position, long byteLength) const;
    QByteArray encode(const QString &text) const;
    long positionOfOffset(int offset) const;
    int offsetOfPosition(long position) const;
    void replaceBytes(long start, long end, const QByteArray &bytes);
    void recordUndoSelection();
    void applyWordCharacters();
    void onModified(int type, int token);

    QPointer<QsciScintilla> m_widget;
    QMetaObject::Connection m_connection;
    Encoding m_encoding = Encoding::Utf8;
    QString m_separators;
    bool m_modified = false;

    // Scintilla's undo puts the caret at the undone change; to give back the selection an edit
    // started from, each undo step begins with a container action whose token indexes this list
    // of (anchor, caret) byte positions.
    std::vector<std::pair<long, long>> m_undoSelections;
    int m_undoDepth = 0;
    bool m_undoStepMarked = false;
    int m_restoreToken = -1;

    // Listeners hear of an edit made through this class once, after it is complete.
    int m_batchDepth = 0;
    bool m_changePending = false;
};
