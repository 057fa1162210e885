#pragma once

#include "spelling/dictionaries.h"
#include "spelling/personalwords.h"
#include "spelling/spellchecker.h"

#include <QHash>
#include <QSet>

#include <memory>

class DictionaryCodec;
class Hunspell;

// Spelling with one Hunspell dictionary and the personal word list. Answers are remembered,
// so a page full of the same words costs one dictionary lookup per distinct word. Owned by
// the spelling controller and shared by every document.
class HunspellChecker : public SpellChecker
{
public:
    // Null, with a message naming the file and the reason, when a dictionary file cannot be
    // read. An unreadable word list is reported the same way but does not stop the loading.
    static std::unique_ptr<HunspellChecker> load(const DictionaryFiles &dictionary,
                                                 const QString &personalList, QString *error);
    ~HunspellChecker() override;

    const QString &language() const { return m_language; }

    bool isCorrect(const QString &word) override;
    QStringList suggestions(const QString &word) override;
    void ignoreAll(const QString &word) override;
    bool add(const QString &word, QString *error) override;

private:
    HunspellChecker(std::unique_ptr<Hunspell> hunspell, QString language, QString personalList);

    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<DictionaryCodec> m_codec;
    QString m_language;
    PersonalWords m_personal;
    QSet<QString> m_ignored;
    QHash<QString, bool> m_known;
};
