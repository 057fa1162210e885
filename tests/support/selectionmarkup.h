#pragma once

#include "editor/texteditor.h"

#include <QString>

// Text with its selection written in: "|" marks the caret and "^" the other end of the
// selection, so "a ^word| b" has "word" selected with the caret after it.
namespace SelectionMarkup {

inline void set(TextEditor &editor, QString marked)
{
    const int caret = int(marked.indexOf(u'|'));
    marked.remove(caret, 1);
    const int anchor = int(marked.indexOf(u'^'));
    if (anchor >= 0)
        marked.remove(anchor, 1);
    const int caretPos = anchor >= 0 && anchor < caret ? caret - 1 : caret;
    editor.setText(marked);
    editor.setSelection(caretPos, anchor >= 0 ? anchor - caretPos : 0);
}

inline QString get(const TextEditor &editor)
{
    QString text = editor.text();
    const int caret = editor.caret();
    const int anchor = caret + editor.selLength();
    if (anchor == caret)
        return text.insert(caret, u'|');
    if (anchor > caret)
        return text.insert(anchor, u'^').insert(caret, u'|');
    return text.insert(caret, u'|').insert(anchor, u'^');
}

} // namespace SelectionMarkup
