#include "documents/typingtip.h"

#include <Qsci/qsciscintilla.h>

#include <QEvent>
#include <QMouseEvent>

TypingTip::TypingTip(QsciScintilla *editor) : QLabel(editor->viewport()), m_editor(editor)
{
    setCursor(Qt::ArrowCursor);
    hide();
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
}

void TypingTip::showAtCaret(const QString &text)
{
    // A style sheet, because the editor's viewport would otherwise paint over the palette. It
    // is set the first time the tip shows: style sheets cost their set-up on the way to the
    // first window.
    if (styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QLabel { background: #ffffe1; color: black;"
                                     " border: 1px solid #8a8a6a; padding: 1px 4px; }"));
    setText(text);
    adjustSize();
    const long pos = m_editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const int x = int(m_editor->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, pos));
    const int y = int(m_editor->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, pos));
    // Keep the whole tip inside the editor when the caret is near its left edge.
    move(std::max(0, x - Left), y + Below);
    show();
    raise();
}

bool TypingTip::eventFilter(QObject *watched, QEvent *event)
{
    if (isVisible() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick))
        hide();
    return QLabel::eventFilter(watched, event);
}

void TypingTip::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    hide();
}
