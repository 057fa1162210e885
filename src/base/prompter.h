#pragma once

#include <QString>

enum class PromptIcon { Information, Warning, Error, Question };
// YesNoDefaultNo: a question whose Yes loses something, so that Enter keeps it.
enum class PromptButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Every message box and question goes through this, so that tests can answer them.
// The program uses message boxes; tests script the answers.
class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(PromptIcon icon, const QString &text, PromptButtons buttons) = 0;

    void inform(const QString &text) { ask(PromptIcon::Information, text, PromptButtons::Ok); }
    void warn(const QString &text) { ask(PromptIcon::Warning, text, PromptButtons::Ok); }
    void error(const QString &text) { ask(PromptIcon::Error, text, PromptButtons::Ok); }
    bool confirm(const QString &text)
    {
        return ask(PromptIcon::Question, text, PromptButtons::YesNo) == PromptAnswer::Yes;
    }
    // Yes only when chosen on purpose: Enter, Space and Escape answer No.
    bool confirmDefaultNo(const QString &text)
    {
        return ask(PromptIcon::Question, text, PromptButtons::YesNoDefaultNo) == PromptAnswer::Yes;
    }
    PromptAnswer yesNoCancel(const QString &text)
    {
        return ask(PromptIcon::Question, text, PromptButtons::YesNoCancel);
    }
};
