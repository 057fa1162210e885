#pragma once

#include "commands/keymap.h"

#include <QWidget>

class KeyField;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The Keys page of the preferences: every command with its keys, which the user changes, adds
// to or clears here, and the two ready-made sets to start from. A key that two commands hold
// is named under the list as soon as it is given. The page works on a copy of the keys; the
// dialog writes them on Apply or OK.
class KeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit KeysPage(const KeyMap &keys, QWidget *parent = nullptr);

    const KeyMap &keys() const { return m_keys; }
    // The first key two commands hold, in words, or an empty text.
    QString conflictMessage() const;

    QTableWidget *list() const { return m_list; }
    KeyField *keyField() const { return m_field; }
    QComboBox *sets() const { return m_sets; }
    QLabel *message() const { return m_message; }
    // Selects a command's row, as a click on it does.
    void selectCommand(const QString &id);

private:
    void chooseSet(int index);
    void showKeys();
    void commandChosen();
    void keyTyped(const QString &key);
    void filter(const QString &text);
    QString currentCommand() const;

    KeyMap m_keys;
    QComboBox *m_sets = nullptr;
    QLineEdit *m_find = nullptr;
    QTableWidget *m_list = nullptr;
    KeyField *m_field = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_reset = nullptr;
    QLabel *m_message = nullptr;
    QString m_refusal;
    // Which key of the chosen command the field changes; past the end: a key to add.
    qsizetype m_editing = 0;
};
