#pragma once

#include <QFrame>
#include <QPointer>

#include <functional>

class CommandActions;
class Prompter;
class QLabel;
class QLineEdit;

// The small borderless "Go to line:" box that stays on top above the status bar. Enter moves
// the caret of the active document to the start of the typed line and closes the box;
// Escape or a click on the label closes it. It frees itself when it closes.
class GoToLineDialog : public QFrame
{
    Q_OBJECT

public:
    // Moves the active document's caret to a 0-based line; false when no document is open.
    using GoTo = std::function<bool(int line)>;

    GoToLineDialog(GoTo goTo, Prompter &prompter, QWidget *parent);

    QLineEdit *field() const { return m_edit; }
    // Reads the field: a whole number goes to its line and closes the box; anything else is
    // reported and the box stays open for a correction.
    void InsertCodeClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GoTo m_goTo;
    Prompter &m_prompter;
    QLabel *m_label;
    QLineEdit *m_edit;
};

// The Go to Line command: at most one box at a time, placed over the line and column panel.
class GoToLineCommand : public QObject
{
    Q_OBJECT

public:
    // `anchor` is the line and column panel; `statusBar` the bar that holds it.
    GoToLineCommand(GoToLineDialog::GoTo goTo, std::function<bool()> hasDocument,
                    Prompter &prompter, QWidget *frame, QWidget *statusBar, QWidget *anchor);
    // The handlers of the commands it carries out.
    void registerHandlers(CommandActions &commands);

    void run();
    GoToLineDialog *window() const { return m_window; }

private:
    GoToLineDialog::GoTo m_goTo;
    std::function<bool()> m_hasDocument;
    Prompter &m_prompter;
    QWidget *m_frame;
    QWidget *m_statusBar;
    QWidget *m_anchor;
    QPointer<GoToLineDialog> m_window;
};
