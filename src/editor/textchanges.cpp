#include "editor/textchanges.h"

#include <Qsci/qsciscintillabase.h>

#include <QAbstractScrollArea>
#include <QEvent>

using Sci = QsciScintillaBase;

namespace {

constexpr int AfterChange = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT;
constexpr int BeforeChange = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;
// The widget reports a change whose type shares any bit with the mask, and these bits ride
// on every text change; left in, they would let the after-change notices through.
constexpr int HowPerformed = Sci::SC_PERFORMED_USER | Sci::SC_PERFORMED_UNDO |
                             Sci::SC_PERFORMED_REDO | Sci::SC_MULTISTEPUNDOREDO |
                             Sci::SC_LASTSTEPINUNDOREDO | Sci::SC_MULTILINEUNDOREDO |
                             Sci::SC_STARTACTION;

} // namespace

TextChanges &TextChanges::of(QsciScintillaBase *widget)
{
    Q_ASSERT(widget);
    if (auto *relay = widget->findChild<TextChanges *>(QString(), Qt::FindDirectChildrenOnly))
        return *relay;
    return *new TextChanges(widget);
}

TextChanges::TextChanges(QsciScintillaBase *widget) : QObject(widget), m_widget(widget)
{
    const long mask = widget->SendScintilla(Sci::SCI_GETMODEVENTMASK);
    widget->SendScintilla(Sci::SCI_SETMODEVENTMASK,
                          (mask & ~(AfterChange | HowPerformed)) | BeforeChange);
    connect(widget, &Sci::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length) {
                onModified(position, type, length);
            });
    widget->installEventFilter(this);
    widget->viewport()->installEventFilter(this);
}

long TextChanges::lineCount() const
{
    return m_widget->SendScintilla(Sci::SCI_GETLINECOUNT);
}

void TextChanges::onModified(int position, int type, int length)
{
    if (!(type & BeforeChange))
        return;
    flush(); // the change before this one is complete now
    m_pending = Pending{bool(type & Sci::SC_MOD_BEFOREINSERT), position, length, lineCount()};
    if (!m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_flushQueued = false;
                flush();
            },
            Qt::QueuedConnection);
    }
}

void TextChanges::flush()
{
    if (!m_pending)
        return;
    // While the widget is taken down its last events still arrive here, when it is a plain
    // QWidget again and its text is gone: nobody is left to hear of the change.
    if (!qobject_cast<QsciScintillaBase *>(m_widget)) {
        m_pending.reset();
        return;
    }
    const Pending pending = *m_pending;
    m_pending.reset();
    Q_EMIT changed(
        {pending.inserted, pending.position, pending.length, lineCount() - pending.linesBefore});
}

bool TextChanges::eventFilter(QObject *, QEvent *)
{
    // Whatever the event before this one changed is complete.
    flush();
    return false;
}
