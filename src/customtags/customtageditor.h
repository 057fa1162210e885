#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class SettingsFile;

// The small editor of one custom tag: a single element or a start and an end part, and the
// menu caption. It saves or deletes the slot and closes; a refused save keeps it open with
// what was typed. Several may be open at once, each for its own slot; each frees itself when
// closed.
class CustomTagEditor : public QDialog
{
    Q_OBJECT

public:
    CustomTagEditor(int slot, SettingsFile &settings, Prompter &prompter, QWidget *parent);

    int slot() const { return m_slot; }

Q_SIGNALS:
    // The slot was saved or deleted.
    void changed(int slot);

private:
    void showSingle(bool single);
    void SaveClick();
    void DeleteClick();

    int m_slot;
    SettingsFile &m_settings;
    Prompter &m_prompter;
    QRadioButton *m_radSingle = nullptr;
    QRadioButton *m_radBlock = nullptr;
    QStackedWidget *m_panels = nullptr;
    QWidget *m_panSingle = nullptr;
    QWidget *m_panBlock = nullptr;
    QLineEdit *m_txtSingle = nullptr;
    QLineEdit *m_txtBlock1 = nullptr;
    QLineEdit *m_txtBlock2 = nullptr;
    QLineEdit *m_txtHint = nullptr;
};
