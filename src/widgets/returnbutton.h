#pragma once

#include <QPointer>
#include <QWidget>

class DragOutline;
class SettingsFile;

// The small always-on-top button shown while the user works in a browser or helper program
// started from the editor: a click brings the editor back to the front. It can be dragged by
// its handle, remembers where it was closed, and frees itself when closed.
class ReturnButton : public QWidget
{
    Q_OBJECT

public:
    ReturnButton(SettingsFile &settings, QWidget *mainWindow);
    ~ReturnButton() override;

Q_SIGNALS:
    void returned();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SettingsFile &m_settings;
    QPointer<QWidget> m_main;
    DragOutline *m_outline = nullptr;
    bool m_dropped = false;

    friend class ReturnButtons;
};

// The one return button of the program: shown when a browser or helper starts, unless the
// "back" option says never. Owned by the main frame and handed to the features that start
// programs.
class ReturnButtons
{
public:
    ReturnButtons(SettingsFile &settings, QWidget *mainWindow)
        : m_settings(settings), m_main(mainWindow)
    {
    }
    ~ReturnButtons();

    // Shows the button unless the option forbids it or it is showing already.
    void show();
    // Closes it, writing its place.
    void close();
    // Takes it away at once without writing its place: the user is back in the editor.
    void drop();
    ReturnButton *button() const { return m_button; }

private:
    SettingsFile &m_settings;
    QWidget *m_main;
    QPointer<ReturnButton> m_button;
};
