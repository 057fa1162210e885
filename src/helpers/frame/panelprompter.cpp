#include "helpers/frame/panelprompter.h"

#include "widgets/messageboxprompter.h"

PromptAnswer PanelPrompter::ask(PromptIcon icon, const QString &text, PromptButtons buttons)
{
    auto *boxes = dynamic_cast<MessageBoxPrompter *>(&m_inner);
    if (!boxes)
        return m_inner.ask(icon, text, buttons);
    QWidget *before = boxes->parent();
    boxes->setParent(m_panel);
    const PromptAnswer answer = boxes->ask(icon, text, buttons);
    boxes->setParent(before);
    return answer;
}
