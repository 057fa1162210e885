#pragma once

#include <QString>

enum class PromptIcon { Information, Warning, Error, Question };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
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
    PromptAnswer yesNoCancel(const QString &text)
    {
        return ask(PromptIcon::Question, text, PromptButtons::YesNoCancel);
    }
};
