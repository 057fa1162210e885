#include "documents/lineendings.h"

#include "commands/commandactions.h"
#include "commands/commandids.h"
#include "documents/documentregistry.h"
#include "documents/documentwindow.h"
#include "editor/linebreaks.h"
#include "editor/scintillaeditor.h"

#include <QActionGroup>
#include <QMenu>

namespace {

struct Choice
{
    const char *caption;
    const QString &lineBreak;
};
const Choice Choices[] = {
    {"LF (Linux, macOS)", LineBreaks::Lf},
    {"CR LF (Windows)", LineBreaks::CrLf},
    {"CR (classic Mac OS)", LineBreaks::Cr},
};

} // namespace

LineEndingsCommand::LineEndingsCommand(DocumentRegistry &documents, QWidget *anchor,
                                       QObject *parent)
    : QObject(parent), m_documents(documents), m_anchor(anchor), m_menu(new QMenu(anchor))
{
    m_menu->setObjectName(QStringLiteral("LineEndingsMenu"));
    auto *group = new QActionGroup(m_menu);
    for (const Choice &c : Choices) {
        QAction *action = m_menu->addAction(QString::fromLatin1(c.caption));
        action->setCheckable(true);
        action->setData(c.lineBreak);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, lineBreak = c.lineBreak] { choose(lineBreak); });
    }
}

void LineEndingsCommand::registerHandlers(CommandActions &commands)
{
    commands.setHandler(Cmd::LineEndings1Click, [this] { run(); });
}

void LineEndingsCommand::run()
{
    DocumentWindow *doc = m_documents.active();
    if (!doc)
        return;
    const QString own = doc->editor().lineBreak();
    for (QAction *action : m_menu->actions())
        action->setChecked(action->data().toString() == own);
    const QPoint above = m_anchor->mapToGlobal(QPoint(0, 0));
    m_menu->popup(QPoint(above.x(), above.y() - m_menu->sizeHint().height()));
}

void LineEndingsCommand::choose(const QString &lineBreak)
{
    if (DocumentWindow *doc = m_documents.active())
        LineBreaks::convertDocument(doc->editor(), lineBreak);
}
