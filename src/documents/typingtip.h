#pragma once

#include <QLabel>

class QsciScintilla;

// The small yellow tip `URLtip` that tells what to type where the caret stands, for example
// "Type an URL here". It stays until it is clicked, a mouse button is pressed in the editor
// or a key is typed.
class TypingTip : public QLabel
{
    Q_OBJECT

public:
    static constexpr int Below = 14;
    static constexpr int Left = 62;

    explicit TypingTip(QsciScintilla *editor);

    // Shows the text 14 pixels below and 62 to the left of the caret.
    void showAtCaret(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QsciScintilla *m_editor;
};
