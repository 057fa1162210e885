#pragma once

#include <Qsci/qsciscintilla.h>

// The editor widget of a document window, without two costs that grow with the page:
// - The widget answers an input method's questions about the text around the caret with the
//   whole paragraph, which in a page without blank lines is the whole page, counted character
//   by character and copied at every caret move. The caret's line is context enough.
// - Its accessibility interface counts the characters from the start of the page at every
//   caret move and edit, and the toolkit creates that interface whether or not a screen reader
//   listens. While none does, the widget gets a plain one that counts nothing.
class DocumentMemo : public QsciScintilla
{
    Q_OBJECT

public:
    explicit DocumentMemo(QWidget *parent = nullptr);

protected:
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};
