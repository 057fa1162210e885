#pragma once

#include "base/prompter.h"

class QWidget;

// The program's prompter as a panel uses it: a message box opens over the panel that asks,
// not under it behind the main frame. Scripted prompters answer as they are. Owned by its
// panel.
class PanelPrompter : public Prompter
{
public:
    PanelPrompter(Prompter &inner, QWidget *panel) : m_inner(inner), m_panel(panel) {}
    PromptAnswer ask(PromptIcon icon, const QString &text, PromptButtons buttons) override;

private:
    Prompter &m_inner;
    QWidget *m_panel;
};
