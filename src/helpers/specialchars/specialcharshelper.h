#pragma once

#include "helpers/frame/helperpanel.h"
#include "helpers/frame/panelprompter.h"
#include "helpers/specialchars/chartable.h"

class Prompter;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The special characters panel: a grid of special characters and, on demand, a larger grid
// of extended ones, filled from the character table library/chars; Insert Code or a double
// click inserts the code behind the chosen cell. Remembers which grid was showing.
class SpecialCharsHelper : public HelperPanel
{
    Q_OBJECT

public:
    SpecialCharsHelper(const PanelRow &row, PanelHost &host, QWidget *mainFrame, Prompter &prompter,
                       const QString &libraryFolder);

    QTableWidget *specialGrid() const { return m_special; }
    QTableWidget *extendedGrid() const { return m_extended; }
    // "show extended" or "show special".
    QPushButton *toggleButton() const { return m_toggle; }
    bool showsExtended() const;
    // The grid on show.
    QTableWidget *shownGrid() const;

protected:
    QString buildCode() override;
    void saveOwnSettings() override;

private:
    void showGrid(bool extended);
    void fill(QTableWidget *grid, const QList<CharTable::Cell> &cells);

    PanelPrompter m_prompter;
    QStackedWidget *m_stack = nullptr;
    QTableWidget *m_special = nullptr;
    QTableWidget *m_extended = nullptr;
    QPushButton *m_toggle = nullptr;
};
