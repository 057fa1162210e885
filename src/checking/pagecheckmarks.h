#pragma once

#include "checking/pageproblem.h"

#include <QObject>
#include <QPointer>

class QsciScintilla;

// The page check's marks in one document editor: an underline from each problem's place to
// the end of its word or tag, a mark in the symbol margin on its line, and the messages as a
// tool tip where the mouse rests. Owned by the editor it marks.
class PageCheckMarks : public QObject
{
    Q_OBJECT

public:
    static constexpr int ErrorIndicator = 21;
    static constexpr int WarningIndicator = 22;
    static constexpr int ErrorMarker = 12;
    static constexpr int WarningMarker = 13;
    static constexpr int Margin = 1;

    explicit PageCheckMarks(QsciScintilla *editor);

    // Replaces the marks; an empty list (the check turned off) removes them all.
    void show(const QList<PageProblem> &problems);
    // Shows the symbol margin, or takes it and every mark away.
    void setActive(bool on);
    const QList<PageProblem> &problems() const { return m_problems; }

    // The editor's byte position of a problem's place.
    qint64 positionOf(const PageProblem &problem) const;
    // The messages of the problems whose underline covers a position, one a line.
    QString messagesAt(qint64 position) const;

private:
    void clear();
    qint64 markEnd(qint64 from) const;
    qint64 send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    QPointer<QsciScintilla> m_editor;
    QList<PageProblem> m_problems;
    // The underlined range of each problem, in the order of m_problems.
    QList<QPair<qint64, qint64>> m_ranges;
};
