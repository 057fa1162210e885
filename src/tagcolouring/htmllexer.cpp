#include "tagcolouring/htmllexer.h"

#include "colours/systemcolours.h"
#include "editor/textchanges.h"

#include <Qsci/qsciscintilla.h>

#include <QEvent>

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

// Styles are handed to Scintilla in pieces of about this size, so that colouring a huge
// document needs no style buffer as large as the document.
constexpr qint64 chunkBytes = qint64(1) << 20;
// A request to style more than this at once is a jump far ahead: the text before its last
// tailBytes is given line states only, and styled when it is shown.
constexpr qint64 jumpBytes = qint64(4) << 20;
constexpr qint64 tailBytes = qint64(256) << 10;

// Finds where each line of a piece of text ends as Scintilla counts lines (CR LF, LF or CR),
// without asking the editor once per line. The next CR and LF are remembered, so text with
// only one kind of line break is still searched once.
class LineEnds
{
public:
    LineEnds(const char *text, qint64 size) : m_text(text), m_size(size) {}

    // The start of the line after the one that holds `from`; the size at the last line.
    qint64 nextLineStart(qint64 from)
    {
        m_lf = following(m_lf, from, '\n');
        m_cr = following(m_cr, from, '\r');
        const qint64 end = std::min(m_lf, m_cr);
        if (end >= m_size)
            return m_size;
        if (end == m_cr && end + 1 < m_size && m_text[end + 1] == '\n')
            return end + 2;
        return end + 1;
    }

private:
    qint64 following(qint64 known, qint64 from, char c) const
    {
        if (known >= from)
            return known;
        const void *hit = std::memchr(m_text + from, c, std::size_t(m_size - from));
        return hit ? static_cast<const char *>(hit) - m_text : m_size;
    }

    const char *m_text;
    qint64 m_size;
    qint64 m_lf = -1;
    qint64 m_cr = -1;
};

} // namespace

HtmlLexer::HtmlLexer(QsciScintilla *editor) : QsciLexerCustom(editor), m_editor(editor)
{
    connect(&TextChanges::of(editor), &TextChanges::changed, this,
            [this](const TextChange &change) { noteModified(change); });
    // Nothing listens for style or line-state changes; reporting them would cost a signal for
    // every line whose end state changes while a large page is coloured.
    send(QsciScintillaBase::SCI_SETMODEVENTMASK,
         send(QsciScintillaBase::SCI_GETMODEVENTMASK) &
             ~(QsciScintillaBase::SC_MOD_CHANGESTYLE | QsciScintillaBase::SC_MOD_CHANGELINESTATE));
    editor->setLexer(this);
    editor->viewport()->installEventFilter(this);
    applyColours();
    recolourAll();
}

qint64 HtmlLexer::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_editor->SendScintilla(message, wParam, lParam);
}

QString HtmlLexer::description(int style) const
{
    static const char *const names[] = {"Text",    "General tags", "Comments", "Images",
                                        "Scripts", "Frames",       "Links",    "Lists",
                                        "Styles",  "Forms",        "Tables"};
    if (style < 0 || style >= static_cast<int>(std::size(names)))
        return {};
    return QString::fromLatin1(names[style]);
}

void HtmlLexer::setScheme(const TagColourScheme &scheme)
{
    m_scheme = scheme;
    applyColours();
    rebuildColourer();
    recolourAll();
}

void HtmlLexer::setColouring(bool on)
{
    m_colouring = on;
    rebuildColourer();
    recolourAll();
}

void HtmlLexer::setFont(const QFont &font, int style)
{
    if (style < 0)
        setDefaultFont(font);
    QsciLexerCustom::setFont(font, style);
}

void HtmlLexer::rebuildColourer()
{
    m_colourer = m_colouring ? TagColourer(m_scheme) : TagColourer();
}

void HtmlLexer::applyColours()
{
    const QPalette palette = m_editor->palette();
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    setDefaultColor(text);
    setDefaultPaper(base);
    setColor(text, 0);
    setPaper(base, 0);
    for (const TagCategoryInfo &info : tagCategories()) {
        const int style = static_cast<int>(info.category);
        QColor fore = storedColour(m_scheme.foregroundOf(info.category), palette);
        QColor back = storedColour(m_scheme.backgroundOf(info.category), palette);
        if (!m_scheme.enabled(info.category) || !fore.isValid())
            fore = text;
        if (!back.isValid())
            back = base;
        setColor(fore, style);
        setPaper(back, style);
    }
}

void HtmlLexer::recolourAll()
{
    m_validEnd = 0;
    m_editEnd = -1;
    m_endStyled = 0;
    m_putOff.clear();
    send(QsciScintillaBase::SCI_STARTSTYLING, 0);
    m_editor->viewport()->update();
}

void HtmlLexer::noteModified(const TextChange &change)
{
    const qint64 pos = change.position;
    const qint64 n = change.length;
    m_endStyled = std::min(m_endStyled, pos);
    if (change.inserted) {
        if (m_validEnd > pos)
            m_validEnd += n;
        const qint64 shifted = m_editEnd > pos ? m_editEnd + n : m_editEnd;
        m_editEnd = std::max(shifted, pos + n);
        // Text typed inside a put-off stretch joins it; stretches after it move on.
        for (Range &range : m_putOff) {
            if (range.start >= pos)
                range.start += n;
            if (range.end > pos)
                range.end += n;
        }
    } else {
        auto map = [pos, n](qint64 x) { return x <= pos ? x : std::max(pos, x - n); };
        m_validEnd = map(m_validEnd);
        m_editEnd = std::max(m_editEnd < 0 ? m_editEnd : map(m_editEnd), pos);
        for (Range &range : m_putOff)
            range = {map(range.start), map(range.end)};
        std::erase_if(m_putOff, [](const Range &range) { return range.end <= range.start; });
    }
}

qint64 HtmlLexer::lineStart(qint64 position) const
{
    return send(QsciScintillaBase::SCI_POSITIONFROMLINE,
                send(QsciScintillaBase::SCI_LINEFROMPOSITION, position));
}

void HtmlLexer::styleText(int start, int end)
{
    TextChanges::of(m_editor).flush();
    const qint64 actual = send(QsciScintillaBase::SCI_GETENDSTYLED);
    if (actual < m_endStyled)
        m_validEnd = std::min(m_validEnd, actual);
    const qint64 to = std::min<qint64>(end, send(QsciScintillaBase::SCI_GETLENGTH));
    qint64 pos = lineStart(start);
    if (to - pos > jumpBytes && pos <= m_validEnd) {
        // What lies before the view needs its line states, so that the view is coloured as
        // it would be after styling everything; its styles can wait until it is shown.
        const qint64 tail = lineStart(to - tailBytes);
        if (tail > pos) {
            storeStates(pos, tail);
            if (!m_putOff.empty() && m_putOff.back().end >= pos)
                m_putOff.back().end = tail;
            else
                m_putOff.push_back({pos, tail});
            if (m_editEnd < tail)
                m_editEnd = -1;
            m_validEnd = std::max(m_validEnd, tail);
            send(QsciScintillaBase::SCI_STARTSTYLING, tail);
            pos = tail;
        }
    }
    while (pos < to)
        pos = styleFrom(pos, to);
    m_endStyled = send(QsciScintillaBase::SCI_GETENDSTYLED);
}

void HtmlLexer::flush(qint64 start, qint64 end)
{
    if (end <= start)
        return;
    send(QsciScintillaBase::SCI_STARTSTYLING, start);
    m_editor->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, end - start,
                            reinterpret_cast<const char *>(m_styles.data()));
    m_styledBytes += end - start;
}

qint64 HtmlLexer::styleFrom(qint64 start, qint64 end)
{
    using Sci = QsciScintillaBase;
    const qint64 length = send(Sci::SCI_GETLENGTH);
    qint64 line = send(Sci::SCI_LINEFROMPOSITION, start);
    const qint64 lastLine = send(Sci::SCI_LINEFROMPOSITION, end - 1);
    qint64 stop = send(Sci::SCI_POSITIONFROMLINE, lastLine + 1);
    if (stop < 0 || stop > length)
        stop = length;
    const auto *text =
        reinterpret_cast<const char *>(send(Sci::SCI_GETRANGEPOINTER, start, stop - start));
    const qint64 firstTrusted = m_editEnd < 0 ? 0 : send(Sci::SCI_LINEFROMPOSITION, m_editEnd) + 1;

    int state = line > 0 ? static_cast<int>(send(Sci::SCI_GETLINESTATE, line - 1)) : 0;
    qint64 chunk = start;
    qint64 pos = start;
    bool met = false;
    m_styles.resize(static_cast<std::size_t>(std::min(stop - start, chunkBytes)));
    LineEnds ends(text, stop - start);
    while (pos < stop && !met) {
        const qint64 next = start + ends.nextLineStart(pos - start);
        if (next - chunk > static_cast<qint64>(m_styles.size())) {
            flush(chunk, pos);
            chunk = pos;
            m_styles.resize(static_cast<std::size_t>(std::max(next - pos, chunkBytes)));
        }
        const int endState =
            m_colourer.colour(text + (pos - start), static_cast<std::size_t>(next - pos),
                              m_styles.data() + (pos - chunk), state);
        // A line that was styled before the edit and ends in the same state as then: the
        // text after it is styled as it would be now.
        const bool trusted = line >= firstTrusted && next <= m_validEnd;
        met = trusted && send(Sci::SCI_GETLINESTATE, line) == endState;
        send(Sci::SCI_SETLINESTATE, line, endState);
        state = endState;
        pos = next;
        ++line;
    }
    flush(chunk, pos);
    if (m_styles.size() > static_cast<std::size_t>(chunkBytes))
        m_styles = {};

    if (met) {
        m_editEnd = -1;
        qint64 resume = m_validEnd;
        if (resume < length)
            resume = send(Sci::SCI_POSITIONFROMLINE, send(Sci::SCI_LINEFROMPOSITION, resume));
        if (resume > pos) {
            send(Sci::SCI_STARTSTYLING, resume);
            pos = resume;
        }
        return pos;
    }
    if (pos >= m_validEnd) {
        m_validEnd = pos;
        m_editEnd = -1;
    } else {
        // The lines from here on still hold the states from before the edit, which do not
        // follow on from the lines just styled.
        m_editEnd = std::max(m_editEnd, pos);
    }
    return pos;
}

namespace {

// The end state of each line of `text`, the first line starting in `state`; the list is made
// with room for `lines` states at once.
std::vector<int> lineStates(const TagColourer &colourer, const char *text, qint64 size, int state,
                            qint64 lines)
{
    std::vector<int> states;
    states.reserve(std::size_t(std::max<qint64>(lines, 0)));
    LineEnds ends(text, size);
    for (qint64 pos = 0; pos < size;) {
        const qint64 next = ends.nextLineStart(pos);
        state = colourer.endState(text + pos, std::size_t(next - pos), state);
        states.push_back(state);
        pos = next;
    }
    return states;
}

// Below this a second thread costs more than it saves.
constexpr qint64 splitStatesFrom = qint64(4) << 20;

} // namespace

void HtmlLexer::storeStates(qint64 start, qint64 end)
{
    using Sci = QsciScintillaBase;
    const auto *text =
        reinterpret_cast<const char *>(send(Sci::SCI_GETRANGEPOINTER, start, end - start));
    const qint64 firstLine = send(Sci::SCI_LINEFROMPOSITION, start);
    const int state =
        firstLine > 0 ? static_cast<int>(send(Sci::SCI_GETLINESTATE, firstLine - 1)) : 0;
    const qint64 size = end - start;

    // A long stretch is worked out in two halves at once, the second as if it began outside
    // any run. Where the first half ends inside one, the second is worked again from its
    // start until its lines end as they did: from there on the states agree.
    qint64 half = size;
    if (size >= splitStatesFrom) {
        const void *nl = std::memchr(text + size / 2, '\n', std::size_t(size - size / 2));
        half = nl ? static_cast<const char *>(nl) - text + 1 : size;
    }
    const qint64 lastLine = send(Sci::SCI_LINEFROMPOSITION, end - 1);
    const qint64 halfLine =
        half < size ? send(Sci::SCI_LINEFROMPOSITION, start + half) : lastLine + 1;
    std::vector<int> second;
    std::thread worker;
    if (half < size)
        worker = std::thread([&] {
            second = lineStates(m_colourer, text + half, size - half, 0, lastLine + 1 - halfLine);
        });
    // The first half's list has room for the second's, which is added to it.
    std::vector<int> states = lineStates(m_colourer, text, half, state, lastLine + 1 - firstLine);
    if (worker.joinable())
        worker.join();
    if (!second.empty() && !states.empty() && states.back() != 0) {
        LineEnds ends(text + half, size - half);
        int carried = states.back();
        qint64 pos = 0;
        for (std::size_t i = 0; i < second.size(); ++i) {
            const qint64 next = ends.nextLineStart(pos);
            carried = m_colourer.endState(text + half + pos, std::size_t(next - pos), carried);
            if (carried == second[i])
                break;
            second[i] = carried;
            pos = next;
        }
    }
    states.insert(states.end(), second.begin(), second.end());
    // From the last line back: the editor's list of line states then grows once to its full
    // length instead of being copied into a larger list again and again.
    for (qint64 i = qint64(states.size()) - 1; i >= 0; --i)
        send(Sci::SCI_SETLINESTATE, firstLine + i, states[std::size_t(i)]);
}

void HtmlLexer::styleShown(qint64 from, qint64 to)
{
    using Sci = QsciScintillaBase;
    const qint64 endStyled = send(Sci::SCI_GETENDSTYLED);
    std::vector<Range> left;
    for (const Range &range : m_putOff) {
        const qint64 start = std::max(range.start, from);
        const qint64 end = std::min(range.end, to);
        if (start >= end) {
            left.push_back(range);
            continue;
        }
        const qint64 first = lineStart(start);
        qint64 last = send(Sci::SCI_POSITIONFROMLINE, send(Sci::SCI_LINEFROMPOSITION, end) + 1);
        if (last < 0 || last > range.end)
            last = range.end;
        // The text before is styled or put off with its states stored, so the line before
        // holds the state this stretch starts in.
        const qint64 line = send(Sci::SCI_LINEFROMPOSITION, first);
        const int state = line > 0 ? static_cast<int>(send(Sci::SCI_GETLINESTATE, line - 1)) : 0;
        const auto *text =
            reinterpret_cast<const char *>(send(Sci::SCI_GETRANGEPOINTER, first, last - first));
        m_styles.resize(std::size_t(last - first));
        m_colourer.colour(text, std::size_t(last - first), m_styles.data(), state);
        flush(first, last);
        if (m_styles.size() > std::size_t(chunkBytes))
            m_styles = {};
        if (range.start < first)
            left.push_back({range.start, first});
        if (last < range.end)
            left.push_back({last, range.end});
    }
    m_putOff = std::move(left);
    // Styling moved Scintilla's styled end; what lies after it is styled already.
    send(Sci::SCI_STARTSTYLING, endStyled);
}

bool HtmlLexer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        TextChanges::of(m_editor).flush();
    if (event->type() == QEvent::Paint && !m_putOff.empty()) {
        using Sci = QsciScintillaBase;
        const qint64 top = send(Sci::SCI_GETFIRSTVISIBLELINE);
        const qint64 first = send(Sci::SCI_DOCLINEFROMVISIBLE, top);
        const qint64 last =
            send(Sci::SCI_DOCLINEFROMVISIBLE, top + send(Sci::SCI_LINESONSCREEN) + 1);
        const qint64 length = send(Sci::SCI_GETLENGTH);
        qint64 to = send(Sci::SCI_POSITIONFROMLINE, last + 1);
        if (to < 0 || to > length)
            to = length;
        styleShown(send(Sci::SCI_POSITIONFROMLINE, first), to);
    }
    return QsciLexerCustom::eventFilter(watched, event);
}
