#pragma once

#include "spelling/dictionaries.h"
#include "spelling/spellchecker.h"
#include "spelling/wordscanner.h"

#include <QSet>

#include <memory>

class HunspellChecker;
class Thesaurus;

// The one dictionary every document is checked with, its thesaurus, and the spelling
// configuration file ("addict.cfg": language, scope, personal word list). The dictionary is
// loaded on first use and may be changed for another installed language; words ignored for
// the run stay ignored across that change. Until a dictionary is loaded every word counts as
// correct. Owned by the spelling controller.
class SpellingService : public SpellChecker
{
public:
    SpellingService(QString configPath, QStringList dictionaryFolders);
    ~SpellingService() override;

    const QString &configPath() const { return m_configPath; }
    // The personal word list: the configured file, else "personal.dic" beside the
    // configuration file.
    QString personalListPath() const;

    const QList<DictionaryFiles> &dictionaries() const { return m_dictionaries; }
    // Loads the configured language's dictionary unless one is loaded. False, with a message,
    // when none is installed or it cannot be read; a message about the word list alone
    // comes with true.
    bool load(QString *error);
    bool isLoaded() const { return m_checker != nullptr; }
    // The language of the loaded dictionary, or the one that would be loaded.
    QString language() const;
    // Stores the choice and loads that language's dictionary; a choice that could not be
    // stored still holds for this run.
    bool setLanguage(const QString &code, QString *error);

    SpellingScope scope() const;
    // False, with a message naming the file and the reason, when it could not be stored.
    bool setScope(SpellingScope scope, QString *error);

    // The thesaurus for the dictionary's language (or the nearest one installed); null, with
    // a message, when none is installed or it cannot be read.
    Thesaurus *thesaurus(QString *error);

    bool isCorrect(const QString &word) override;
    QStringList suggestions(const QString &word) override;
    void ignoreAll(const QString &word) override;
    bool add(const QString &word, QString *error) override;

private:
    QString m_configPath;
    QStringList m_folders;
    QList<DictionaryFiles> m_dictionaries;
    std::unique_ptr<HunspellChecker> m_checker;
    std::unique_ptr<Thesaurus> m_thesaurus;
    QSet<QString> m_ignored;
};
