#include "spelling/spellingservice.h"

#include "base/settingsfile.h"
#include "spelling/hunspellchecker.h"
#include "spelling/thesaurus.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString noDictionary()
{
    return QStringLiteral("No spelling dictionary is installed. Install one for your language, "
                          "such as the package hunspell-en-us.");
}

} // namespace

SpellingService::SpellingService(QString configPath, QStringList dictionaryFolders)
    : m_configPath(std::move(configPath)), m_folders(std::move(dictionaryFolders)),
      m_dictionaries(Dictionaries::spelling(m_folders))
{
}

SpellingService::~SpellingService() = default;

QString SpellingService::personalListPath() const
{
    const QString configured = SettingsFile(m_configPath).read(Keys::PersonalList);
    if (!configured.isEmpty())
        return configured;
    return QFileInfo(m_configPath).absoluteDir().filePath(QStringLiteral("personal.dic"));
}

QString SpellingService::language() const
{
    if (m_checker)
        return m_checker->language();
    const DictionaryFiles *d = Dictionaries::choose(
        m_dictionaries, SettingsFile(m_configPath).read(Keys::SpellingLanguage),
        QLocale::system().name());
    return d ? d->language : QString();
}

bool SpellingService::load(QString *error)
{
    if (m_checker)
        return true;
    const DictionaryFiles *d = Dictionaries::choose(
        m_dictionaries, SettingsFile(m_configPath).read(Keys::SpellingLanguage),
        QLocale::system().name());
    if (!d) {
        *error = noDictionary();
        return false;
    }
    m_checker = HunspellChecker::load(*d, personalListPath(), error);
    return m_checker != nullptr;
}

bool SpellingService::setLanguage(const QString &code, QString *error)
{
    SettingsFile config(m_configPath);
    const bool stored = config.write(Keys::SpellingLanguage, code);
    if (!m_checker || m_checker->language() != code) {
        const DictionaryFiles *d = Dictionaries::choose(m_dictionaries, code, {});
        if (!d) {
            *error = noDictionary();
            return false;
        }
        auto checker = HunspellChecker::load(*d, personalListPath(), error);
        if (!checker)
            return false;
        m_checker = std::move(checker);
        m_thesaurus.reset();
    }
    if (!stored)
        *error = config.lastError();
    return stored;
}

SpellingScope SpellingService::scope() const
{
    const SettingsFile config(m_configPath);
    return {config.read(Keys::SoHtml) != 0, config.read(Keys::SoInternet) != 0};
}

bool SpellingService::setScope(SpellingScope scope, QString *error)
{
    SettingsFile config(m_configPath);
    SettingsFile::Batch batch(config);
    config.write(Keys::SoHtml, scope.skipHtml ? 1 : 0);
    config.write(Keys::SoInternet, scope.skipInternet ? 1 : 0);
    if (batch.commit())
        return true;
    *error = config.lastError();
    return false;
}

Thesaurus *SpellingService::thesaurus(QString *error)
{
    if (m_thesaurus)
        return m_thesaurus.get();
    const QList<DictionaryFiles> installed = Dictionaries::thesauri(m_folders);
    const DictionaryFiles *d =
        Dictionaries::choose(installed, language(), QLocale::system().name());
    if (!d) {
        *error = QStringLiteral("No thesaurus is installed. Install one for your language, "
                                "such as the package mythes-en-us.");
        return nullptr;
    }
    m_thesaurus = Thesaurus::load(*d, error);
    return m_thesaurus.get();
}

bool SpellingService::isCorrect(const QString &word)
{
    return !m_checker || m_ignored.contains(word) || m_checker->isCorrect(word);
}

QStringList SpellingService::suggestions(const QString &word)
{
    return m_checker ? m_checker->suggestions(word) : QStringList();
}

void SpellingService::ignoreAll(const QString &word)
{
    m_ignored.insert(word);
}

bool SpellingService::add(const QString &word, QString *error)
{
    return m_checker ? m_checker->add(word, error) : true;
}
