#include "editor/documentmemo.h"

#include "editor/textchanges.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace {

QAccessibleInterface *plainWhileNoReader(const QString &className, QObject *object)
{
    if (QAccessible::isActive() || className != QLatin1String("DocumentMemo") ||
        !object->isWidgetType())
        return nullptr; // the editor's own interface, with the text
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::EditableText);
}

} // namespace

DocumentMemo::DocumentMemo(QWidget *parent) : QsciScintilla(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(plainWhileNoReader);
        return true;
    }();
    Q_UNUSED(installed);
    m_changes = &TextChanges::of(this);
}

bool DocumentMemo::event(QEvent *event)
{
    const bool handled = QsciScintilla::event(event);
    if (m_changes)
        m_changes->flush();
    return handled;
}

void DocumentMemo::changeEvent(QEvent *event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        Q_EMIT paletteChanged();
}

bool DocumentMemo::viewportEvent(QEvent *event)
{
    const bool handled = QsciScintilla::viewportEvent(event);
    if (m_changes)
        m_changes->flush();
    return handled;
}

QVariant DocumentMemo::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query != Qt::ImSurroundingText && query != Qt::ImCursorPosition &&
        query != Qt::ImAnchorPosition)
        return QsciScintilla::inputMethodQuery(query);
    auto *self = const_cast<DocumentMemo *>(this);
    const long caret = self->SendScintilla(SCI_GETCURRENTPOS);
    const long line = self->SendScintilla(SCI_LINEFROMPOSITION, caret);
    const long start = self->SendScintilla(SCI_POSITIONFROMLINE, line);
    const long end = self->SendScintilla(SCI_GETLINEENDPOSITION, line);
    if (query == Qt::ImSurroundingText) {
        const auto *text = reinterpret_cast<const char *>(
            self->SendScintilla(SCI_GETRANGEPOINTER, start, end - start));
        return QString::fromUtf8(text, end - start);
    }
    // Positions count UTF-16 code units from the start of the line; an anchor on another line
    // is held to the line's ends.
    const long at = query == Qt::ImCursorPosition
                        ? caret
                        : std::clamp(long(self->SendScintilla(SCI_GETANCHOR)), start, end);
    return int(self->SendScintilla(SCI_COUNTCODEUNITS, start, at));
}
