#pragma once

#include "editor/texteditor.h"

struct TextChange;
class TextChanges;

#include <Qsci/qsciscintilla.h>

#include <QByteArray>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The editor contract over a document window's QsciScintilla. The document window owns the
// widget and must destroy this adapter first. Scintilla holds the text as UTF-8 with a UTF-16
// line index for offsets. A Windows-1252 page is turned into UTF-8 on loading (every byte is
// one character, so the display shows the real characters) and back into the same bytes on
// saving; a character the code page cannot hold never stays in. A UTF-8 byte-order mark is
// kept apart from the text, so no caret or insert can go in front of it.
class ScintillaEditor : public TextEditor
{
public:
    enum class Encoding { Utf8, Cp1252 };
    // Asked, with the characters, before a Windows-1252 page would take a text it cannot
    // hold; true switches the page to UTF-8 and lets the text in, false keeps it out.
    using UnstorableHandler = std::function<bool(const QStringList &characters)>;

    explicit ScintillaEditor(QsciScintilla *widget);
    ~ScintillaEditor() override;
    ScintillaEditor(const ScintillaEditor &) = delete;
    ScintillaEditor &operator=(const ScintillaEditor &) = delete;

    QsciScintilla *widget() const { return m_widget; }

    // Replaces the document with the file's bytes, clears undo and the modified flag and
    // notifies the change listeners. Bytes that are not valid UTF-8 are always taken as
    // Windows-1252. The line break Enter types becomes the file's first one (LF in a file
    // without any).
    void loadBytes(const QByteArray &bytes, Encoding encoding);
    // The same from a source that hands over the file in pieces (and again from the start,
    // should the bytes turn out not to be UTF-8), so that the file is never held beside the
    // text. False when the source fails; the text is empty then.
    using PieceSink = std::function<void(QByteArrayView piece)>;
    using PieceSource = std::function<bool(const PieceSink &take)>;
    bool loadPieces(const PieceSource &source, qint64 size, Encoding encoding = Encoding::Utf8);
    // The file's bytes: the byte-order mark, if the file had one, and the text in its encoding.
    QByteArray bytes() const;
    Encoding encoding() const { return m_encoding; }
    // Replaces the whole text with the file's new bytes as one step that undo reverses.
    // False, and nothing done, when the bytes need the other encoding: the caller loads them.
    bool reloadBytes(const QByteArray &bytes);
    bool hasByteOrderMark() const { return m_byteOrderMark; }
    // A Windows-1252 page is written as UTF-8 from now on; its text stays as it is. Marks the
    // document modified.
    void switchToUtf8();
    void setUnstorableHandler(UnstorableHandler handler) { m_unstorable = std::move(handler); }
    // Called whenever the encoding, the byte-order mark or the own line break changes.
    void setFormatListener(std::function<void()> listener)
    {
        m_formatListener = std::move(listener);
    }

    QString text() const override;
    void setText(const QString &text) override;
    int length() const override;

    int lineCount() const override;
    QString line(int line) const override;
    int lineStart(int line) const override;
    int lineEnd(int line) const override;
    int lineOfOffset(int offset) const override;
    QString lineBreak() const override;
    void setLineBreak(const QString &lineBreak) override;

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
    bool canRedo() const;
    void undo() override;

    // The character offset nearest to a point of the editor's text area.
    int offsetAtPoint(const QPoint &point) const;

private:
    class Batch;
    class InputGuard;

    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    QString decode(long position, long byteLength) const;
    long positionOfOffset(int offset) const;
    int offsetOfPosition(long position) const;
    void replaceBytes(long start, long end, const QByteArray &bytes);
    void recordUndoSelection();
    void applyWordCharacters();
    void onContainerAction(int type, int token);
    void onTextChanged(const TextChange &change);
    // Whether the page may take the text: always for UTF-8; for Windows-1252 only when it can
    // hold every character, or the handler has switched the page to UTF-8.
    bool mayInsert(const QString &text);
    void noteInsertion(long position, const char *text, long length);
    void askAboutStrays();
    void notifyFormat();

    QPointer<QsciScintilla> m_widget;
    TextChanges *m_changes;
    QMetaObject::Connection m_connection;
    QMetaObject::Connection m_textConnection;
    std::unique_ptr<InputGuard> m_inputGuard;
    Encoding m_encoding = Encoding::Utf8;
    bool m_byteOrderMark = false;
    QString m_separators;
    bool m_modified = false;
    // Set when the file would differ from the disk whatever undo does: the encoding changed,
    // or the owner said so (a text restored after a crash). Undo back to the save point clears
    // the modified flag only without it.
    bool m_modifiedBeyondUndo = false;
    UnstorableHandler m_unstorable;
    std::function<void()> m_formatListener;

    // Text Scintilla put in by itself (a pasted X11 selection, a case change) that the page
    // cannot hold, to be asked about once the event that brought it is over.
    struct Stray
    {
        long position;
        QByteArray bytes;
    };
    std::vector<Stray> m_strays;

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
