#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class SpeedBar;

// The toolbar's customisation dialog: sections on the left, their items with pictures on
// the right, to be dragged onto the bar. Stays on top so the bar remains reachable; frees
// itself when closed.
class CustomizeDialog : public QDialog
{
    Q_OBJECT

public:
    CustomizeDialog(SpeedBar &bar, QWidget *parent = nullptr);

    QListWidget *categories() const { return m_categories; }
    QListWidget *available() const { return m_available; }
    // Enabled while the help it opens is there to open.
    QPushButton *helpButton() const { return m_help; }

Q_SIGNALS:
    void resetRequested();
    void helpRequested();

private:
    void showSection(int section);

    SpeedBar &m_bar;
    QListWidget *m_categories = nullptr;
    QListWidget *m_available = nullptr;
    QPushButton *m_help = nullptr;
};
