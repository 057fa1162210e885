#pragma once

#include "spelling/dictionaries.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class DictionaryCodec;
class MyThes;

// One sense of a looked-up word: its part of speech and gloss ("(adj) large") and the words
// that share it ("large", "ample (similar term)" ...).
struct Meaning
{
    QString definition;
    QStringList synonyms;
};

// Lookups in one MyThes thesaurus. Owned by the spelling controller.
class Thesaurus
{
public:
    // Null, with a message naming the file and the reason, when a file cannot be read.
    static std::unique_ptr<Thesaurus> load(const DictionaryFiles &files, QString *error);
    ~Thesaurus();

    const QString &language() const { return m_language; }
    // The meanings of a word as written, else of its lower-case form; empty when unknown.
    QList<Meaning> lookUp(const QString &word) const;
    // A synonym as it goes into the text: without the thesaurus's note in brackets
    // ("ample (similar term)" gives "ample").
    static QString plainWord(const QString &synonym);

private:
    Thesaurus(std::unique_ptr<MyThes> mythes, QString language);
    QList<Meaning> lookUpExactly(const QString &word) const;

    std::unique_ptr<MyThes> m_mythes;
    std::unique_ptr<DictionaryCodec> m_codec;
    QString m_language;
};
