#include "editor/scintillaeditor.h"

#include "base/filebytes.h"
#include "editor/cp1252.h"
#include "editor/linebreaks.h"
#include "editor/textchanges.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStringDecoder>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstring>

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

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool isAscii(QByteArrayView bytes)
{
    for (const char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
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
        if (m_editor.m_batchDepth == 1)
            m_editor.m_changes->flush(); // the batch's last change belongs to it
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

// Typed and dropped text reaches a Windows-1252 page only when the page can hold it; asking
// before Scintilla sees the event keeps a selection the text would replace.
class ScintillaEditor::InputGuard : public QObject
{
public:
    explicit InputGuard(ScintillaEditor &editor) : m_editor(editor) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        QString text;
        if (event->type() == QEvent::KeyPress)
            text = static_cast<QKeyEvent *>(event)->text();
        else if (event->type() == QEvent::InputMethod)
            text = static_cast<QInputMethodEvent *>(event)->commitString();
        else if (event->type() == QEvent::Drop)
            text = droppedText(static_cast<QDropEvent *>(event));
        if (text.isEmpty() || m_editor.mayInsert(text))
            return false;
        event->ignore();
        return true;
    }

private:
    static QString droppedText(const QDropEvent *event)
    {
        const QMimeData *data = event->mimeData();
        return data && data->hasText() ? data->text() : QString();
    }

    ScintillaEditor &m_editor;
};

ScintillaEditor::ScintillaEditor(QsciScintilla *widget)
    : m_widget(widget), m_inputGuard(std::make_unique<InputGuard>(*this)),
      m_separators(QStringLiteral(" \"!(),./:;<=>?[\\]{}\t"))
{
    Q_ASSERT(widget);
    send(QsciScintillaBase::SCI_SETCODEPAGE, QsciScintillaBase::SC_CP_UTF8);
    send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    m_changes = &TextChanges::of(widget);
    m_textConnection =
        QObject::connect(m_changes, &TextChanges::changed, widget,
                         [this](const TextChange &change) { onTextChanged(change); });
    send(QsciScintillaBase::SCI_SETMODEVENTMASK,
         send(QsciScintillaBase::SCI_GETMODEVENTMASK) | QsciScintillaBase::SC_MOD_CONTAINER);
    m_connection = QObject::connect(widget, &QsciScintillaBase::SCN_MODIFIED, widget,
                                    [this](int, int type, const char *, int, int, int, int, int,
                                           int token, int) { onContainerAction(type, token); });
    widget->installEventFilter(m_inputGuard.get());
    widget->viewport()->installEventFilter(m_inputGuard.get());
    applyWordCharacters();
}

ScintillaEditor::~ScintillaEditor()
{
    QObject::disconnect(m_connection);
    QObject::disconnect(m_textConnection);
    if (m_widget) {
        m_widget->removeEventFilter(m_inputGuard.get());
        m_widget->viewport()->removeEventFilter(m_inputGuard.get());
        send(QsciScintillaBase::SCI_RELEASELINECHARACTERINDEX, kUtf16Index);
    }
}

long ScintillaEditor::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_widget->SendScintilla(message, wParam, lParam);
}

// --- Bytes ---------------------------------------------------------------------------------

void ScintillaEditor::loadBytes(const QByteArray &bytes, Encoding encoding)
{
    loadPieces(
        [&bytes](const PieceSink &take) {
            take(bytes);
            return true;
        },
        bytes.size(), encoding);
}

bool ScintillaEditor::loadPieces(const PieceSource &source, qint64 size, Encoding encoding)
{
    Batch batch(*this);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
    send(QsciScintillaBase::SCI_CLEARALL);
    m_strays.clear();
    // No modification notices for the new text: the widget would turn all of it into a
    // QString for its listeners, which costs more than the load itself in a large file. The
    // clear-all above has told every listener that the text starts afresh.
    m_changes->flush();
    const long eventMask = send(QsciScintillaBase::SCI_GETMODEVENTMASK);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    // The UTF-16 line index is built once over the whole text: cheaper than keeping it up to
    // date line by line while the text goes in.
    send(QsciScintillaBase::SCI_RELEASELINECHARACTERINDEX, kUtf16Index);
    // Room for the whole text at once: grown piece by piece, the buffer would be copied as it
    // grows and for a moment be there twice. A little room beyond it for typing: with none, the
    // first key would have the editor copy the whole text and its styles into buffers a sixth
    // larger (a third of a second and over 100 MB more on a 50 MB page).
    const qint64 bytes = std::max<qint64>(size, 0);
    const qint64 typingRoom = std::clamp<qint64>(bytes / 64, 16 * 1024, 1024 * 1024);
    send(QsciScintillaBase::SCI_ALLOCATE, ulong(bytes + typingRoom));
    const auto append = [this](QByteArrayView text) {
        m_widget->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(text.size()),
                                text.data());
    };

    FileBytes::LineEndingScan ends;
    bool utf8 = encoding == Encoding::Utf8;
    bool byteOrderMark = false;
    bool ok = true;
    if (utf8) {
        Utf8PieceCheck check;
        bool first = true;
        ok = source([&](QByteArrayView piece) {
            ends.add(piece);
            if (std::exchange(first, false) && piece.startsWith(ByteOrderMark)) {
                byteOrderMark = true;
                piece = piece.sliced(ByteOrderMark.size());
            }
            if (check.add(piece))
                append(piece);
        });
        utf8 = ok && check.finish();
    }
    if (ok && !utf8) {
        // Not UTF-8 after all (or never taken as such): the same bytes again, as
        // Windows-1252.
        send(QsciScintillaBase::SCI_CLEARALL);
        ends = {};
        byteOrderMark = false;
        ok = source([&](QByteArrayView piece) {
            ends.add(piece);
            append(Cp1252::toUtf8(piece));
        });
    }
    if (!ok)
        send(QsciScintillaBase::SCI_CLEARALL);
    m_encoding = utf8 ? Encoding::Utf8 : Encoding::Cp1252;
    m_byteOrderMark = byteOrderMark;
    send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, eventMask);
    if (send(QsciScintillaBase::SCI_GETLENGTH) > 0)
        m_changePending = true;
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    m_undoSelections.clear();
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
    applyWordCharacters();
    setModified(false);
    switch (ends.result(FileBytes::LineEnding::Lf)) {
    case FileBytes::LineEnding::CrLf:
        send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
        break;
    case FileBytes::LineEnding::Cr:
        send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CR);
        break;
    case FileBytes::LineEnding::Lf:
        send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_LF);
        break;
    }
    notifyFormat();
    return ok;
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
    // Copied in the two pieces on either side of the widget's editing gap: asking for the text
    // in one piece would move the gap to its end, and the next keystroke would move it back,
    // each a copy of everything after the caret.
    const long n = send(QsciScintillaBase::SCI_GETLENGTH);
    const long gap = std::clamp(long(send(QsciScintillaBase::SCI_GETGAPPOSITION)), 0L, n);
    const qsizetype mark =
        m_encoding == Encoding::Utf8 && m_byteOrderMark ? ByteOrderMark.size() : 0;
    QByteArray out(mark + n, Qt::Uninitialized);
    std::memcpy(out.data(), ByteOrderMark.data(), size_t(mark));
    const auto piece = [this](long from, long length) {
        return reinterpret_cast<const char *>(
            send(QsciScintillaBase::SCI_GETRANGEPOINTER, ulong(from), length));
    };
    if (gap > 0)
        std::memcpy(out.data() + mark, piece(0, gap), size_t(gap));
    if (n > gap)
        std::memcpy(out.data() + mark + gap, piece(gap, n - gap), size_t(n - gap));
    if (m_encoding == Encoding::Cp1252)
        return Cp1252::fromUtf8(out);
    return out;
}

void ScintillaEditor::switchToUtf8()
{
    if (m_encoding == Encoding::Utf8)
        return;
    m_encoding = Encoding::Utf8;
    m_modified = m_modifiedBeyondUndo = true;
    notifyFormat();
    // What the file will hold has changed, though the text has not.
    if (m_batchDepth > 0)
        m_changePending = true;
    else
        notifyChanged();
}

void ScintillaEditor::notifyFormat()
{
    if (m_formatListener)
        m_formatListener();
}

bool ScintillaEditor::mayInsert(const QString &text)
{
    if (m_encoding == Encoding::Utf8)
        return true;
    const QStringList refused = Cp1252::unstorable(text);
    if (refused.isEmpty())
        return true;
    if (!m_unstorable || !m_unstorable(refused))
        return false;
    switchToUtf8();
    return true;
}

// Text Scintilla has put in of its own accord (a pasted X11 selection, a case change): a
// Windows-1252 page that cannot hold it asks once the event is over, and takes it out again
// on No.
void ScintillaEditor::noteInsertion(long position, const char *text, long length)
{
    if (m_encoding == Encoding::Utf8 || !text || length <= 0 ||
        isAscii(QByteArrayView(text, length)))
        return;
    if (Cp1252::unstorable(QString::fromUtf8(text, length)).isEmpty())
        return;
    m_strays.push_back({position, QByteArray(text, length)});
    if (m_strays.size() == 1)
        QMetaObject::invokeMethod(
            m_inputGuard.get(), [this] { askAboutStrays(); }, Qt::QueuedConnection);
}

void ScintillaEditor::askAboutStrays()
{
    const std::vector<Stray> strays = std::exchange(m_strays, {});
    if (m_encoding == Encoding::Utf8)
        return;
    QString all;
    for (const Stray &s : strays)
        all += QString::fromUtf8(s.bytes);
    const QStringList characters = Cp1252::unstorable(all);
    if (characters.isEmpty())
        return;
    if (m_unstorable && m_unstorable(characters)) {
        switchToUtf8();
        return;
    }
    // Last first, so that the positions of the earlier ones hold; each only where it still
    // stands as it went in.
    Batch batch(*this);
    UndoGroup group(*this);
    for (auto it = strays.rbegin(); it != strays.rend(); ++it) {
        const long size = long(it->bytes.size());
        if (it->position + size > send(QsciScintillaBase::SCI_GETLENGTH))
            continue;
        const auto *at = reinterpret_cast<const char *>(
            send(QsciScintillaBase::SCI_GETRANGEPOINTER, it->position, size));
        if (QByteArrayView(at, size) == QByteArrayView(it->bytes))
            replaceBytes(it->position, it->position + size, {});
    }
}

QString ScintillaEditor::decode(long position, long byteLength) const
{
    if (byteLength <= 0)
        return QString();
    const auto *data = reinterpret_cast<const char *>(
        send(QsciScintillaBase::SCI_GETRANGEPOINTER, position, byteLength));
    // A U+FEFF inside the text is a character like any other: keep it, or offsets would shift.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, byteLength));
}

// --- Offsets -------------------------------------------------------------------------------

long ScintillaEditor::positionOfOffset(int offset) const
{
    offset = std::clamp(offset, 0, length());
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
    if (!mayInsert(text))
        return;
    const QByteArray bytes = text.toUtf8();
    Batch batch(*this);
    UndoGroup group(*this);
    // The caret goes to the start first, so undo gives back a caret at the start as well.
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
    replaceBytes(0, send(QsciScintillaBase::SCI_GETLENGTH), bytes);
    send(QsciScintillaBase::SCI_SETSEL, 0, 0);
}

int ScintillaEditor::length() const
{
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
    return int(send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf16Index));
}

int ScintillaEditor::lineEnd(int line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount() - 1)
        return length();
    const long end = send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    return lineStart(line) + int(send(QsciScintillaBase::SCI_COUNTCODEUNITS, start, end));
}

int ScintillaEditor::lineOfOffset(int offset) const
{
    if (offset <= 0)
        return 0;
    if (offset >= length())
        return lineCount() - 1;
    return int(send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, offset, kUtf16Index));
}

QString ScintillaEditor::lineBreak() const
{
    switch (send(QsciScintillaBase::SCI_GETEOLMODE)) {
    case QsciScintillaBase::SC_EOL_CRLF:
        return LineBreaks::CrLf;
    case QsciScintillaBase::SC_EOL_CR:
        return LineBreaks::Cr;
    default:
        return LineBreaks::Lf;
    }
}

void ScintillaEditor::setLineBreak(const QString &lineBreak)
{
    const long mode = lineBreak == LineBreaks::CrLf ? QsciScintillaBase::SC_EOL_CRLF
                      : lineBreak == LineBreaks::Cr ? QsciScintillaBase::SC_EOL_CR
                                                    : QsciScintillaBase::SC_EOL_LF;
    if (send(QsciScintillaBase::SCI_GETEOLMODE) == mode)
        return;
    send(QsciScintillaBase::SCI_SETEOLMODE, mode);
    notifyFormat();
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
    if (!mayInsert(text))
        return;
    const long anchor = send(QsciScintillaBase::SCI_GETANCHOR);
    const long caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long start = std::min(anchor, caret);
    const QByteArray bytes = text.toUtf8();
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
// Control characters stay blanks. Only ASCII can be set; Scintilla classifies the rest by
// Unicode category.
void ScintillaEditor::applyWordCharacters()
{
    QByteArray words;
    for (int b = 0x21; b < 0x7F; ++b)
        if (!m_separators.contains(QChar(b)))
            words.append(char(b));
    m_widget->SendScintilla(QsciScintillaBase::SCI_SETWORDCHARS, words.constData());
}

// --- Modified flag, undo and notifications -------------------------------------------------

void ScintillaEditor::setModified(bool modified)
{
    m_modified = m_modifiedBeyondUndo = modified;
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

bool ScintillaEditor::canRedo() const
{
    return send(QsciScintillaBase::SCI_CANREDO) != 0;
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

void ScintillaEditor::onContainerAction(int type, int token)
{
    if ((type & QsciScintillaBase::SC_MOD_CONTAINER) &&
        (type & QsciScintillaBase::SC_PERFORMED_UNDO))
        m_restoreToken = token;
}

void ScintillaEditor::onTextChanged(const TextChange &change)
{
    if (change.inserted && m_encoding != Encoding::Utf8)
        noteInsertion(change.position,
                      reinterpret_cast<const char *>(send(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                                          change.position, change.length)),
                      change.length);
    // Undo back to where the file was last read or saved leaves the page unmodified.
    m_modified = m_modifiedBeyondUndo || send(QsciScintillaBase::SCI_GETMODIFY) != 0;
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
