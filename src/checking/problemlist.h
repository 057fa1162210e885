#pragma once

#include "checking/pageproblem.h"

#include <QDockWidget>

class QListWidget;

// The active document's problems under the editor, one entry a problem ("Line 3, column 5:
// message"); choosing an entry (a click, or Return) asks to go to its place.
class ProblemList : public QDockWidget
{
    Q_OBJECT

public:
    explicit ProblemList(QWidget *parent = nullptr);

    void showProblems(const QList<PageProblem> &problems);
    QListWidget *entries() const { return m_entries; }

Q_SIGNALS:
    void placeChosen(const PageProblem &problem);
    // The user closed the list.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QListWidget *m_entries;
    QList<PageProblem> m_problems;
    bool m_sized = false;
};
