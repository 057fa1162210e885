#pragma once

#include "base/prompter.h"

#include <QList>
#include <QStringList>

// Answers questions from a script and records every text shown, in order.
class ScriptedPrompter : public Prompter
{
public:
    PromptAnswer ask(PromptIcon, const QString &text, PromptButtons kind) override
    {
        shown << text;
        buttons << kind;
        if (kind == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return answers.isEmpty() ? PromptAnswer::Cancel : answers.takeFirst();
    }

    QStringList shown;
    QList<PromptButtons> buttons; // of each text shown
    QList<PromptAnswer> answers;
};
