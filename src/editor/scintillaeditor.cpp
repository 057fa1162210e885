#include "editor/scintillaeditor.h"

#include "editor/cp1252.h"

#include <QStringDecoder>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

constexpr unsigned long kUtf16Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16;

// Length of the UTF-8 sequence a lead byte starts; a stray byte counts as one, as in Scintilla.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

// Holds change notifications back until the outermost batch ends, so that listeners hear of
// an edit once and see the finished text.
class ScintillaEditor::Batch
{
public:
    explicit Batch(ScintillaEditor &editor) : m_editor(editor) { ++m_editor.m_batchDepth; }
    ~Batch()
    {
        if (--m_editor.m_batchDepth == 0 && m_editor.m_changePending) {
            m_editor.m_changePending = false;
            m_editor.notifyChanged();
        }
    }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

private:
    ScintillaEditor &m_editor;
};

ScintillaEditor::ScintillaEditor(QsciScintilla *widget)
    : m_widget(widget), m_separators(QStringLiteral(" \"!(),./:;<=>?[\\]{}\t"))
{
    Q_ASSERT(widget);
    send(QsciScintillaBase::SCI_SETCODEPAGE, QsciScintillaBase::SC_CP_UTF8);
    send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK,
         send(QsciScintillaBase::SCI_GETMODEVENTMASK) | QsciScintillaBase::SC_MOD_INSERTTEXT |
             QsciScintillaBase::SC_MOD_DELETETEXT | QsciScintillaBase::SC_MOD_CONTAINER);
    m_connection = QObject::connect(widget, &QsciScintillaBase::SCN_MODIFIED, widget,
                                    [this](int, int type, const char *, int, int, int, int, int,
                                           int token, int) { onModified(type, token); });
    applyWordCharacters();
}

ScintillaEditor::~ScintillaEditor()
{
    QObject::disconnect(m_connection);
    if (m_widget)
        send(QsciScintillaBase::SCI_RELEASELINECHARACTERINDEX, kUtf16Index);
}

long ScintillaEditor::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_widget->SendScintilla(message, wParam, lParam);
}

// --- Bytes ---------------------------------------------------------------------------------

void ScintillaEditor::loadBytes(const QByteArray &bytes, Encoding encoding)
{
    const Encoding effective =
        encoding == Encoding::Utf8 && !isValidUtf8(bytes) ? Encoding::Cp1252 : encoding;
    Batch batch(*this);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
    send(QsciScintillaBase::SCI_CLEARALL);
    // Switched while the document is empty, so the UTF-16 line index stays valid.
    m_encoding = effective;
    send(QsciScintillaBase::SCI_SETCODEPAGE,
         effective == Encoding::Utf8 ? QsciScintillaBase::SC_CP_UTF8 : 0);
    // No modification notices for the new text: the widget would turn all of it into a
    // QString for its listeners, which costs more than the load itself in a large file. The
    // clear-all above has told every listener that the text starts afresh.
    const long eventMask = send(QsciScintillaBase::SCI_GETMODEVENTMASK);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    // The UTF-16 line index (kept only for UTF-8) is built once over the whole text: cheaper
    // than keeping it up to date line by line while the text goes in.
    const bool rebuildIndex = effective == Encoding::Utf8;
    if (rebuildIndex)
        send(QsciScintillaBase::SCI_RELEASELINECHARACTERINDEX, kUtf16Index);
    m_widget->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(bytes.size()),
                            bytes.constData());
    if (rebuildIndex)
        send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, eventMask);
    if (!bytes.isEmpty())
        m_changePending = true;
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_undoSelections.clear();
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
    applyWordCharacters();
    setModified(false);
}

bool ScintillaEditor::reloadBytes(const QByteArray &bytes)
{
    const bool utf8 = isValidUtf8(bytes);
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (m_encoding == Encoding::Utf8 ? !utf8 : utf8 && !ascii)
        return false;
    Batch batch(*this);
    UndoGroup group(*this);
    replaceBytes(0, send(QsciScintillaBase::SCI_GETLENGTH), bytes);
    return true;
}

QByteArray ScintillaEditor::bytes() const
{
    const long n = send(QsciScintillaBase::SCI_GETLENGTH);
    const auto *data =
        reinterpret_cast<const char *>(send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return QByteArray(data, n);
}

QString ScintillaEditor::decode(long position, long byteLength) const
{
    if (byteLength <= 0)
        return QString();
    const auto *data = reinterpret_cast<const char *>(
        send(QsciScintillaBase::SCI_GETRANGEPOINTER, position, byteLength));
    const QByteArrayView view(data, byteLength);
    if (m_encoding == Encoding::Cp1252)
        return Cp1252::decode(view);
    // A byte-order mark is a character to Scintilla: keep it, or offsets would shift by one.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(view);
}

QByteArray ScintillaEditor::encode(const QString &text) const
{
    return m_encoding == Encoding::Utf8 ? text.toUtf8() : Cp1252::encode(text);
}

// --- Offsets -------------------------------------------------------------------------------

long ScintillaEditor::positionOfOffset(int offset) const
{
    offset = std::clamp(offset, 0, length());
    if (m_encoding == Encoding::Cp1252)
        return offset;
    const long line = send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, offset, kUtf16Index);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    long remaining = offset - send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf16Index);
    if (remaining <= 0)
        return start;
    // Walk the line's bytes: Scintilla's own relative move cannot stop inside a surrogate pair,
    // which an offset may name; such an offset rounds down to the character's start.
    const long end = line + 1 < send(QsciScintillaBase::SCI_GETLINECOUNT)
                         ? send(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1)
                         : send(QsciScintillaBase::SCI_GETLENGTH);
    const auto *data = reinterpret_cast<const unsigned char *>(
        send(QsciScintillaBase::SCI_GETRANGEPOINTER, start, end - start));
    long i = 0;
    while (remaining > 0 && start + i < end) {
        const int bytes = sequenceLength(data[i]);
        const int units = bytes == 4 ? 2 : 1;
        if (units > remaining)
            break;
        remaining -= units;
        i += bytes;
    }
    return std::min(start + i, end);
}

int ScintillaEditor::offsetOfPosition(long position) const
{
    if (m_encoding == Encoding::Cp1252)
        return int(position);
    const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return int(send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf16Index) +
               send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, position));
}

// --- Text and lines ------------------------------------------------------------------------

QString ScintillaEditor::text() const
{
    return decode(0, send(QsciScintillaBase::SCI_GETLENGTH));
}

void ScintillaEditor::setText(const QString &text)
{
    const QByteArray bytes = encode(text);
    Batch batch(*this);
    UndoGroup group(*this);
    // The caret goes to the start first, so undo gives back a caret at the start as well.
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
    replaceBytes(0, send(QsciScintillaBase::SCI_GETLENGTH), bytes);
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
}

int ScintillaEditor::length() const
{
    if (m_encoding == Encoding::Cp1252)
        return int(send(QsciScintillaBase::SCI_GETLENGTH));
    // The index holds one entry past the last line: the length of the whole text.
    return int(send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE,
                    send(QsciScintillaBase::SCI_GETLINECOUNT), kUtf16Index));
}

int ScintillaEditor::lineCount() const
{
    return int(send(QsciScintillaBase::SCI_GETLINECOUNT));
}

QString ScintillaEditor::line(int line) const
{
    if (line < 0 || line >= lineCount())
        return QString();
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return decode(start, send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line) - start);
}

int ScintillaEditor::lineStart(int line) const
{
    if (line <= 0)
        return 0;
    if (line >= lineCount())
        return length();
    if (m_encoding == Encoding::Cp1252)
        return int(send(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
    return int(send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf16Index));
}

int ScintillaEditor::lineEnd(int line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount() - 1)
        return length();
    const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    if (m_encoding == Encoding::Cp1252)
        return int(end);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return lineStart(line) + int(send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, end));
}

int ScintillaEditor::lineOfOffset(int offset) const
{
    if (offset <= 0)
        return 0;
    if (offset >= length())
        return lineCount() - 1;
    if (m_encoding == Encoding::Cp1252)
        return int(send(QsciScintillaBase::SCI_LINEFROMPOSITION, offset));
    return int(send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, offset, kUtf16Index));
}

QString ScintillaEditor::textRange(int start, int end) const
{
    const int n = length();
    start = std::clamp(start, 0, n);
    end = std::clamp(end, start, n);
    const long from = positionOfOffset(start);
    return decode(from, positionOfOffset(end) - from);
}

// --- Caret and selection -------------------------------------------------------------------

int ScintillaEditor::caret() const
{
    return offsetOfPosition(send(QsciScintillaBase::SCI_GETCURRENTPOS));
}

int ScintillaEditor::selLength() const
{
    return offsetOfPosition(send(QsciScintillaBase::SCI_GETANCHOR)) - caret();
}

void ScintillaEditor::setSelection(int caret, int selLength)
{
    const int n = length();
    const int anchor = int(std::clamp<qint64>(qint64(caret) + selLength, 0, n));
    send(QsciScintillaBase::SCI_SETSEL, positionOfOffset(anchor),
         positionOfOffset(std::clamp(caret, 0, n)));
}

void ScintillaEditor::replaceSelection(const QString &text)
{
    const long anchor = send(QsciScintillaBase::SCI_GETANCHOR);
    const long caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long start = std::min(anchor, caret);
    const QByteArray bytes = encode(text);
    Batch batch(*this);
    UndoGroup group(*this);
    replaceBytes(start, std::max(anchor, caret), bytes);
    send(QsciScintillaBase::SCI_SETSEL, start + bytes.size(), start + bytes.size());
}

void ScintillaEditor::replaceBytes(long start, long end, const QByteArray &bytes)
{
    if (start == end && bytes.isEmpty())
        return;
    recordUndoSelection();
    send(QsciScintillaBase::SCI_SETTARGETRANGE, start, end);
    // With the length given, NUL characters are inserted too.
    m_widget->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(bytes.size()),
                            bytes.constData());
}

// --- View ----------------------------------------------------------------------------------

int ScintillaEditor::firstVisibleLine() const
{
    // Scintilla counts display lines, which differ from text lines under word wrap.
    return int(send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                    send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
}

void ScintillaEditor::setFirstVisibleLine(int line)
{
    line = std::clamp(line, 0, lineCount() - 1);
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
         send(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line));
}

void ScintillaEditor::ensureCaretVisible()
{
    send(QsciScintillaBase::SCI_SCROLLCARET);
}

int ScintillaEditor::tabWidth() const
{
    return int(send(QsciScintillaBase::SCI_GETTABWIDTH));
}

void ScintillaEditor::setTabWidth(int width)
{
    send(QsciScintillaBase::SCI_SETTABWIDTH, std::max(width, 1));
}

void ScintillaEditor::setWordSeparators(const QString &separators)
{
    m_separators = separators;
    applyWordCharacters();
}

// Scintilla's word characters (used by double-click selection) are what the separators are not.
// Control characters stay blanks. In UTF-8 mode only ASCII can be set; Scintilla classifies the
// rest by Unicode category.
void ScintillaEditor::applyWordCharacters()
{
    const int last = m_encoding == Encoding::Utf8 ? 0x7E : 0xFF;
    QByteArray words;
    for (int b = 0x21; b <= last; ++b) {
        const char byte = char(b);
        const QString decoded =
            m_encoding == Encoding::Utf8 ? QString(QChar(b)) : Cp1252::decode({&byte, 1});
        if (b != 0x7F && !m_separators.contains(decoded.at(0)))
            words.append(byte);
    }
    m_widget->SendScintilla(QsciScintillaBase::SCI_SETWORDCHARS, words.constData());
}

// --- Modified flag, undo and notifications -------------------------------------------------

void ScintillaEditor::setModified(bool modified)
{
    m_modified = modified;
    if (!modified)
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
}

void ScintillaEditor::beginUndoAction()
{
    if (m_undoDepth++ == 0)
        m_undoStepMarked = false;
    send(QsciScintillaBase::SCI_BEGINUNDOACTION);
}

void ScintillaEditor::endUndoAction()
{
    if (m_undoDepth == 0)
        return;
    --m_undoDepth;
    send(QsciScintillaBase::SCI_ENDUNDOACTION);
}

bool ScintillaEditor::canUndo() const
{
    return send(QsciScintillaBase::SCI_CANUNDO) != 0;
}

void ScintillaEditor::recordUndoSelection()
{
    if (m_undoStepMarked)
        return;
    m_undoStepMarked = true;
    const auto token = long(m_undoSelections.size());
    m_undoSelections.emplace_back(send(QsciScintillaBase::SCI_GETANCHOR),
                                  send(QsciScintillaBase::SCI_GETCURRENTPOS));
    send(QsciScintillaBase::SCI_ADDUNDOACTION, token, 0);
}

void ScintillaEditor::undo()
{
    if (!canUndo())
        return;
    Batch batch(*this);
    m_restoreToken = -1;
    send(QsciScintillaBase::SCI_UNDO);
    if (m_restoreToken >= 0 && size_t(m_restoreToken) < m_undoSelections.size()) {
        const auto [anchor, caret] = m_undoSelections[size_t(m_restoreToken)];
        const long n = send(QsciScintillaBase::SCI_GETLENGTH);
        send(QsciScintillaBase::SCI_SETSEL, std::min(anchor, n), std::min(caret, n));
    }
    m_restoreToken = -1;
}

void ScintillaEditor::onModified(int type, int token)
{
    if (type & QsciScintillaBase::SC_MOD_CONTAINER) {
        if (type & QsciScintillaBase::SC_PERFORMED_UNDO)
            m_restoreToken = token;
        return;
    }
    if (!(type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT)))
        return;
    m_modified = true;
    if (m_batchDepth > 0)
        m_changePending = true;
    else
        notifyChanged();
}

int ScintillaEditor::offsetAtPoint(const QPoint &point) const
{
    return offsetOfPosition(send(QsciScintilla::SCI_POSITIONFROMPOINT,
                                 ulong(std::max(0, point.x())), long(std::max(0, point.y()))));
}
