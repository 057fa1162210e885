#pragma once

#include "base/prompter.h"

class QWidget;

// Shows every message and question in a message box over the given window.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    QWidget *parent() const { return m_parent; }
    PromptAnswer ask(PromptIcon icon, const QString &text, PromptButtons buttons) override;

private:
    QWidget *m_parent;
};
