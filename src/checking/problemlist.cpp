#include "checking/problemlist.h"

#include <QApplication>
#include <QListWidget>
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
