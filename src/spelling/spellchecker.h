#pragma once

#include <QString>
#include <QStringList>

// What checking needs of a dictionary. The program's is Hunspell with the personal word list
// (HunspellChecker); tests hand in word lists of their own.
class SpellChecker
{
public:
    virtual ~SpellChecker() = default;

    virtual bool isCorrect(const QString &word) = 0;
    // Best first; empty when the dictionary has none.
    virtual QStringList suggestions(const QString &word) = 0;
    // Accepts the word for the rest of the run, in every document.
    virtual void ignoreAll(const QString &word) = 0;
    // Accepts the word for good: it goes into the personal word list. False, with a message
    // naming the file and the reason, when the list could not be written; the word is then
    // still accepted for this run.
    virtual bool add(const QString &word, QString *error) = 0;
};
