#pragma once

#include <Qsci/qsciscintilla.h>

class TextChanges;

// The editor widget of a document window, without two costs that grow with the page:
// - The widget answers an input method's questions about the text around the caret with the
//   whole paragraph, which in a page without blank lines is the whole page, counted character
//   by character and copied at every caret move. The caret's line is context enough.
// - Its accessibility interface counts the characters from the start of the page at every
//   caret move and edit, and the toolkit creates that interface whether or not a screen reader
//   listens. While none does, the widget gets a plain one that counts nothing. Edits reach
//   their listeners through TextChanges, which spares them the same count; the memo reports
//   an event's edits as soon as the event is handled.
class DocumentMemo : public QsciScintilla
{
    Q_OBJECT

public:
    explicit DocumentMemo(QWidget *parent = nullptr);

Q_SIGNALS:
    // The widget's palette changed (the desktop's colours, a dark theme): colours taken from
    // it must be taken again.
    void paletteChanged();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    TextChanges *m_changes = nullptr;
};
