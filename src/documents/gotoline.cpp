#include "documents/gotoline.h"

#include "base/prompter.h"
#include "commands/commandactions.h"
#include "commands/commandids.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

GoToLineDialog::GoToLineDialog(GoTo goTo, Prompter &prompter, QWidget *parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_goTo(std::move(goTo)), m_prompter(prompter),
      m_label(new QLabel(QStringLiteral("Go to line:"), this)), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("gotoline"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setFixedWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_label);
    layout->addWidget(m_edit);
    m_label->installEventFilter(this);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
}

void GoToLineDialog::InsertCodeClick()
{
    const QString text = m_edit->text().trimmed();
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        m_prompter.error(QStringLiteral("'%1' is not a valid line number").arg(text));
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    // Line 0 and anything below it mean the first line.
    m_goTo(std::max(n, 1) - 1);
    close();
}

void GoToLineDialog::closeEvent(QCloseEvent *event)
{
    // Typing goes on in the document: the frame takes the keyboard back from the box.
    if (QWidget *frame = parentWidget())
        frame->activateWindow();
    QFrame::closeEvent(event);
}

bool GoToLineDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            InsertCodeClick();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

GoToLineCommand::GoToLineCommand(GoToLineDialog::GoTo goTo, std::function<bool()> hasDocument,
                                 Prompter &prompter, QWidget *frame, QWidget *statusBar,
                                 QWidget *anchor)
    : QObject(frame), m_goTo(std::move(goTo)), m_hasDocument(std::move(hasDocument)),
      m_prompter(prompter), m_frame(frame), m_statusBar(statusBar), m_anchor(anchor)
{
}

void GoToLineCommand::run()
{
    if (!m_hasDocument())
        return;
    if (m_window) {
        m_prompter.inform(QStringLiteral("it is already open"));
        return;
    }
    // The document may close while the box is open: then going anywhere just closes it.
    m_window = new GoToLineDialog([this](int line) { return m_hasDocument() && m_goTo(line); },
                                  m_prompter, m_frame);
    m_window->adjustSize();
    const QPoint barTop = m_statusBar->mapToGlobal(QPoint(0, 0));
    const QPoint anchor = m_anchor->mapToGlobal(QPoint(0, 0));
    m_window->move(std::max(0, anchor.x() - 15), barTop.y() - 5);
    m_window->show();
    m_window->activateWindow();
    m_window->field()->setFocus();
}

void GoToLineCommand::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::GoToLine1Click, [this] { run(); });
}
