#include "checking/pagecheckmarks.h"

#include <Qsci/qsciscintilla.h>

#include <QToolTip>

namespace {
using Sci = QsciScintillaBase;
constexpr int DwellMs = 400;
} // namespace

PageCheckMarks::PageCheckMarks(QsciScintilla *editor) : QObject(editor), m_editor(editor)
{
    send(Sci::SCI_INDICSETSTYLE, ErrorIndicator, Sci::INDIC_SQUIGGLEPIXMAP);
    send(Sci::SCI_INDICSETFORE, ErrorIndicator, 0xC000C0); // purple, apart from spelling's red
    send(Sci::SCI_INDICSETUNDER, ErrorIndicator, 1);
    send(Sci::SCI_INDICSETSTYLE, WarningIndicator, Sci::INDIC_DOTS);
    send(Sci::SCI_INDICSETFORE, WarningIndicator, 0x0090E0); // amber, as 0xBBGGRR
    send(Sci::SCI_INDICSETUNDER, WarningIndicator, 1);
    send(Sci::SCI_MARKERDEFINE, ErrorMarker, Sci::SC_MARK_CIRCLE);
    send(Sci::SCI_MARKERSETFORE, ErrorMarker, 0x800080);
    send(Sci::SCI_MARKERSETBACK, ErrorMarker, 0xC000C0);
    send(Sci::SCI_MARKERDEFINE, WarningMarker, Sci::SC_MARK_SMALLRECT);
    send(Sci::SCI_MARKERSETFORE, WarningMarker, 0x006090);
    send(Sci::SCI_MARKERSETBACK, WarningMarker, 0x0090E0);
    send(Sci::SCI_SETMARGINMASKN, Margin, (1 << ErrorMarker) | (1 << WarningMarker));
    send(Sci::SCI_SETMOUSEDWELLTIME, DwellMs);
    connect(editor, &QsciScintillaBase::SCN_DWELLSTART, this, [this](int position, int x, int y) {
        if (!m_editor || position < 0)
            return;
        const QString text = messagesAt(position);
        if (!text.isEmpty())
            QToolTip::showText(m_editor->viewport()->mapToGlobal(QPoint(x, y)), text,
                               m_editor->viewport());
    });
    connect(editor, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

qint64 PageCheckMarks::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return m_editor ? m_editor->SendScintilla(message, wParam, lParam) : 0;
}

qint64 PageCheckMarks::positionOf(const PageProblem &problem) const
{
    if (!m_editor)
        return 0;
    const qint64 lineStart = send(Sci::SCI_POSITIONFROMLINE, problem.line - 1);
    if (lineStart < 0)
        return send(Sci::SCI_GETLENGTH);
    const qint64 lineEnd = send(Sci::SCI_GETLINEENDPOSITION, problem.line - 1);
    // Columns count characters; Scintilla's relative positions count them the same way.
    const qint64 at = send(Sci::SCI_POSITIONRELATIVE, lineStart, problem.column - 1);
    return at < lineStart || at > lineEnd ? lineEnd : at;
}

// The end of the word or tag name at a position, at least one character, within the line.
qint64 PageCheckMarks::markEnd(qint64 from) const
{
    const qint64 lineEnd = send(Sci::SCI_GETLINEENDPOSITION, send(Sci::SCI_LINEFROMPOSITION, from));
    qint64 end = from;
    bool first = true;
    while (end < lineEnd) {
        const char c = char(send(Sci::SCI_GETCHARAT, end));
        if (c == ' ' || c == '\t' || c == '"' || c == '\'' || (c == '>' && !first) ||
            (c == '<' && !first))
            break;
        end = send(Sci::SCI_POSITIONAFTER, end);
        first = false;
        if (c == '>')
            break;
    }
    return end == from ? qMin(from + 1, send(Sci::SCI_GETLENGTH)) : end;
}

void PageCheckMarks::clear()
{
    const qint64 length = send(Sci::SCI_GETLENGTH);
    for (int indicator : {ErrorIndicator, WarningIndicator}) {
        send(Sci::SCI_SETINDICATORCURRENT, indicator);
        send(Sci::SCI_INDICATORCLEARRANGE, 0, length);
    }
    send(Sci::SCI_MARKERDELETEALL, ErrorMarker);
    send(Sci::SCI_MARKERDELETEALL, WarningMarker);
    m_ranges.clear();
}

void PageCheckMarks::show(const QList<PageProblem> &problems)
{
    if (!m_editor)
        return;
    clear();
    m_problems = problems;
    for (const PageProblem &p : problems) {
        const bool error = p.kind == PageProblem::Kind::Error;
        const qint64 from = positionOf(p);
        const qint64 to = markEnd(from);
        m_ranges.append({from, to});
        send(Sci::SCI_SETINDICATORCURRENT, error ? ErrorIndicator : WarningIndicator);
        send(Sci::SCI_INDICATORFILLRANGE, from, to - from);
        send(Sci::SCI_MARKERADD, send(Sci::SCI_LINEFROMPOSITION, from),
             error ? ErrorMarker : WarningMarker);
    }
}

void PageCheckMarks::setActive(bool on)
{
    if (!on)
        show({});
    // The margin stays while the check is on, so the text does not shift as marks come and go.
    send(Sci::SCI_SETMARGINWIDTHN, Margin, on ? 14 : 0);
}

QString PageCheckMarks::messagesAt(qint64 position) const
{
    QStringList lines;
    for (qsizetype i = 0; i < m_ranges.size(); ++i)
        if (position >= m_ranges[i].first && position < m_ranges[i].second)
            lines << (m_problems[i].kind == PageProblem::Kind::Error
                          ? QStringLiteral("Error: ")
                          : QStringLiteral("Warning: ")) +
                         m_problems[i].message;
    return lines.join(u'\n');
}
