#include "spelling/livespeller.h"

#include "editor/cp1252.h"
#include "editor/textchanges.h"
#include "spelling/spellchecker.h"

#include <Qsci/qsciscintilla.h>

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

// How long one slice of the first reading of a page may take.
constexpr qint64 SliceNs = 8'000'000;

// The UTF-8 length of the UTF-16 code units of `text` from `from` to `to`.
qint64 utf8Length(const QString &text, qsizetype from, qsizetype to)
{
    qint64 bytes = 0;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isSurrogate(c))
            bytes += 2; // a pair is four bytes
        else
            bytes += 3;
    }
    return bytes;
}

} // namespace

LiveSpeller::LiveSpeller(QsciScintilla *editor)
    : QObject(editor), m_editor(editor), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, [this] { process(SliceNs); });
    connect(&TextChanges::of(editor), &TextChanges::changed, this,
            [this](const TextChange &change) { noteModified(change); });
    // Marks are not changes anyone listens for; a notice for each would cost a signal a word.
    send(Sci::SCI_SETMODEVENTMASK, send(Sci::SCI_GETMODEVENTMASK) & ~Sci::SC_MOD_CHANGEINDICATOR);
    send(Sci::SCI_INDICSETSTYLE, Indicator, Sci::INDIC_SQUIGGLE);
    send(Sci::SCI_INDICSETFORE, Indicator, 0x0000D0); // red, as 0xBBGGRR
    send(Sci::SCI_INDICSETUNDER, Indicator, 1);
}

LiveSpeller::~LiveSpeller() = default;

qint64 LiveSpeller::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_editor->SendScintilla(message, wParam, lParam);
}

void LiveSpeller::setActive(bool on)
{
    if (on == m_active)
        return;
    m_active = on;
    if (!on) {
        m_timer->stop();
        m_states.clear();
        m_dirtyFirst = m_dirtyLast = -1;
        clearMarks();
        return;
    }
    recheckAll();
}

void LiveSpeller::setChecker(SpellChecker *checker)
{
    if (checker == m_checker)
        return;
    m_checker = checker;
    if (!checker)
        clearMarks();
    recheckAll();
}

void LiveSpeller::setScope(SpellingScope scope)
{
    if (scope == m_scanner.scope())
        return;
    m_scanner = WordScanner(scope);
    recheckAll();
}

void LiveSpeller::recheckAll()
{
    m_states.clear();
    m_dirtyFirst = m_dirtyLast = -1;
    if (m_active && m_checker)
        schedule();
}

void LiveSpeller::clearMarks()
{
    if (!m_editor)
        return;
    send(Sci::SCI_SETINDICATORCURRENT, Indicator);
    send(Sci::SCI_INDICATORCLEARRANGE, 0, send(Sci::SCI_GETLENGTH));
}

bool LiveSpeller::markedAt(qint64 position) const
{
    return send(Sci::SCI_INDICATORVALUEAT, Indicator, position) != 0;
}

void LiveSpeller::schedule()
{
    if (!m_timer->isActive())
        m_timer->start();
}

bool LiveSpeller::isPending() const
{
    if (!m_active || !m_checker || !m_editor)
        return false;
    return m_dirtyFirst >= 0 || qint64(m_states.size()) < send(Sci::SCI_GETLINECOUNT);
}

void LiveSpeller::noteModified(const TextChange &change)
{
    if (!m_active)
        return;
    const qint64 linesAdded = change.linesAdded;
    const qint64 line = send(Sci::SCI_LINEFROMPOSITION, change.position);
    const auto size = qint64(m_states.size());
    if (change.inserted) {
        // The changed line now ends where the last inserted line ends: its old end state
        // moves down with it.
        const qint64 k = linesAdded;
        if (line < size && k > 0)
            m_states.insert(m_states.begin() + line, std::size_t(k), 0);
        if (m_dirtyFirst >= 0) {
            m_dirtyFirst += m_dirtyFirst > line ? k : 0;
            m_dirtyLast += m_dirtyLast > line ? k : 0;
        }
        m_dirtyFirst = m_dirtyFirst < 0 ? line : std::min(m_dirtyFirst, line);
        m_dirtyLast = std::max(m_dirtyLast, line + k);
    } else {
        // The lines after the changed one up to the last removed line merged into it.
        const qint64 k = -qint64(linesAdded);
        if (line < size && k > 0)
            m_states.erase(m_states.begin() + line, m_states.begin() + std::min(size, line + k));
        const auto map = [line, k](qint64 x) { return x <= line ? x : std::max(line, x - k); };
        if (m_dirtyFirst >= 0) {
            m_dirtyFirst = map(m_dirtyFirst);
            m_dirtyLast = map(m_dirtyLast);
        }
        m_dirtyFirst = m_dirtyFirst < 0 ? line : std::min(m_dirtyFirst, line);
        m_dirtyLast = std::max(m_dirtyLast, line);
    }
    if (m_checker)
        schedule();
}

void LiveSpeller::flush()
{
    m_timer->stop();
    process(-1);
}

int LiveSpeller::stateBefore(int line)
{
    if (line <= 0)
        return WordScanner::StartState;
    // The first reading needs to go no further than the line; the rest waits as before.
    m_timer->stop();
    process(-1, line);
    if (isPending())
        schedule();
    if (qint64(m_states.size()) < line) // not active: nothing was read
        return WordScanner::StartState;
    return m_states[std::size_t(line - 1)];
}

void LiveSpeller::process(qint64 budgetNs, qint64 upTo)
{
    if (!m_active || !m_checker || !m_editor)
        return;
    TextChanges::of(m_editor).flush();
    QElapsedTimer clock;
    clock.start();
    const auto expired = [&] { return budgetNs >= 0 && clock.nsecsElapsed() > budgetNs; };
    m_utf8 = send(Sci::SCI_GETCODEPAGE) == Sci::SC_CP_UTF8;
    const qint64 lines = send(Sci::SCI_GETLINECOUNT);
    // A text replaced without notices (a file loaded) begins with a clear-all, which leaves at
    // most the first line's state; anything longer than the text is stale.
    if (qint64(m_states.size()) > lines)
        m_states.resize(std::size_t(lines));

    // The changed lines first, until one past them ends as it did before.
    if (m_dirtyFirst >= 0) {
        qint64 line = std::min(m_dirtyFirst, lines);
        int state = line > 0 && line <= qint64(m_states.size()) ? m_states[std::size_t(line - 1)]
                                                                : WordScanner::StartState;
        bool done = line >= qint64(m_states.size());
        while (!done) {
            const int end = readLine(line, state);
            const bool same = m_states[std::size_t(line)] == end;
            m_states[std::size_t(line)] = end;
            state = end;
            ++line;
            done = (line > m_dirtyLast && same) || line >= qint64(m_states.size());
            if (!done && expired()) {
                m_dirtyFirst = line;
                m_dirtyLast = std::max(m_dirtyLast, line);
                schedule();
                return;
            }
        }
        m_dirtyFirst = m_dirtyLast = -1;
    }

    // Then the lines never read, in slices.
    const qint64 target = upTo < 0 ? lines : std::min(lines, upTo);
    while (qint64(m_states.size()) < target) {
        if (expired()) {
            schedule();
            return;
        }
        const int state = m_states.empty() ? WordScanner::StartState : m_states.back();
        m_states.push_back(readLine(qint64(m_states.size()), state));
    }
}

int LiveSpeller::readLine(qint64 line, int state)
{
    ++m_linesRead;
    const qint64 start = send(Sci::SCI_POSITIONFROMLINE, line);
    const qint64 end = send(Sci::SCI_GETLINEENDPOSITION, line);
    const qint64 length = end - start;
    const auto *bytes =
        reinterpret_cast<const char *>(send(Sci::SCI_GETRANGEPOINTER, start, length));
    const QByteArrayView raw(bytes, bytes ? length : 0);
    const QString text = m_utf8 ? QString::fromUtf8(raw) : Cp1252::decode(raw);

    m_words.clear();
    const int endState = m_scanner.scanLine(text, state, m_words);
    send(Sci::SCI_SETINDICATORCURRENT, Indicator);
    if (send(Sci::SCI_INDICATOREND, Indicator, start) < end ||
        send(Sci::SCI_INDICATORVALUEAT, Indicator, start))
        send(Sci::SCI_INDICATORCLEARRANGE, start, length);
    // Byte offsets follow the words along the line.
    qsizetype unit = 0;
    qint64 byte = 0;
    for (const FoundWord &w : std::as_const(m_words)) {
        if (m_checker->isCorrect(w.text))
            continue;
        const qint64 wordByte = byte + (m_utf8 ? utf8Length(text, unit, w.start) : w.start - unit);
        const qint64 wordBytes = m_utf8 ? utf8Length(text, w.start, w.end()) : w.length;
        send(Sci::SCI_INDICATORFILLRANGE, start + wordByte, wordBytes);
        unit = w.end();
        byte = wordByte + wordBytes;
    }
    return endState;
}
