#include "checking/problemlist.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QStyle>

ProblemList::ProblemList(QWidget *parent)
    : QDockWidget(QStringLiteral("Page Problems"), parent), m_entries(new QListWidget(this))
{
    setObjectName(QStringLiteral("PageProblems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_entries->setUniformItemSizes(true);
    setWidget(m_entries);
    const auto choose = [this](QListWidgetItem *item) {
        const int row = m_entries->row(item);
        if (row >= 0 && row < m_problems.size())
            Q_EMIT placeChosen(m_problems[row]);
    };
    connect(m_entries, &QListWidget::itemClicked, this, choose);
    connect(m_entries, &QListWidget::itemActivated, this, choose);
}

void ProblemList::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    Q_EMIT closedByUser();
}

void ProblemList::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (m_sized)
        return;
    m_sized = true;
    // The list's own size hint would take a third of the window for one problem; a few rows
    // leave the page its room, and a height the user drags later is kept.
    if (auto *frame = qobject_cast<QMainWindow *>(parentWidget())) {
        constexpr int Rows = 5;
        const int row =
            qMax(fontMetrics().height(), style()->pixelMetric(QStyle::PM_SmallIconSize)) + 4;
        const int frameWidth = 2 * m_entries->frameWidth();
        frame->resizeDocks({this}, {Rows * row + frameWidth}, Qt::Vertical);
    }
}

void ProblemList::showProblems(const QList<PageProblem> &problems)
{
    m_problems = problems;
    m_entries->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const PageProblem &p : problems) {
        const bool isError = p.kind == PageProblem::Kind::Error;
        m_entries->addItem(new QListWidgetItem(
            isError ? error : warning,
            QStringLiteral("Line %1, column %2: %3").arg(p.line).arg(p.column).arg(p.message)));
    }
}
