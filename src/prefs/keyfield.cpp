#include "prefs/keyfield.h"

#include <QKeyEvent>

namespace {

bool isModifier(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_unknown || key == 0;
}

} // namespace

KeyField::KeyField(QWidget *parent) : QKeySequenceEdit(parent) {}

void KeyField::showKey(const QString &key)
{
    const QSignalBlocker quiet(this);
    setKeySequence(QKeySequence(key, QKeySequence::PortableText));
}

QString KeyField::keyText(QKeyCombination typed)
{
    const Qt::KeyboardModifiers mods = typed.keyboardModifiers() & ~Qt::KeypadModifier;
    Qt::Key key = typed.key();
    if (key == Qt::Key_Return)
        key = Qt::Key_Enter;
    return QKeySequence(QKeyCombination(mods, key)).toString(QKeySequence::PortableText);
}

void KeyField::keyPressEvent(QKeyEvent *event)
{
    QKeySequenceEdit::keyPressEvent(event);
    const QKeySequence typed = keySequence();
    if (isModifier(event->key()) || typed.isEmpty())
        return;
    // Only the key just typed counts; the field starts again at the next one.
    const QKeyCombination last = typed[typed.count() - 1];
    const QString text = keyText(last);
    showKey(text);
    Q_EMIT keyTyped(text);
}
