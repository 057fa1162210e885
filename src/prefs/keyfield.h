#pragma once

#include <QKeySequenceEdit>

// The field a key is typed into: it takes one key at a time, at once, where Qt's own field
// waits a second for more keys of a sequence. A keypad key counts as the key of its name, and
// Return and the keypad's Enter as "Enter", which stands for both.
class KeyField : public QKeySequenceEdit
{
    Q_OBJECT

public:
    explicit KeyField(QWidget *parent = nullptr);

    // Shows a key text of the key table ("Ctrl+Shift+T"), or nothing.
    void showKey(const QString &key);
    // The portable text of a key as typed.
    static QString keyText(QKeyCombination typed);

Q_SIGNALS:
    void keyTyped(const QString &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
