#include "spelling/hunspellchecker.h"

#include "spelling/dictionarycodec.h"

#include <hunspell.hxx>

#include <QDir>
#include <QFile>

namespace {

// Remembered answers are dropped once there are this many, which bounds the memory a huge
// page of distinct words can take.
constexpr qsizetype MaxRemembered = 200000;

bool readable(const QString &path, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    *error = QStringLiteral("The dictionary %1 could not be read: %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

} // namespace

std::unique_ptr<HunspellChecker> HunspellChecker::load(const DictionaryFiles &dictionary,
                                                       const QString &personalList, QString *error)
{
    if (!readable(dictionary.first, error) || !readable(dictionary.second, error))
        return nullptr;
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(dictionary.first).constData(),
                                               QFile::encodeName(dictionary.second).constData());
    std::unique_ptr<HunspellChecker> checker(
        new HunspellChecker(std::move(hunspell), dictionary.language, personalList));
    QString listError;
    if (!checker->m_personal.load(&listError))
        *error = listError;
    for (const QString &word : checker->m_personal.words()) {
        std::string encoded;
        if (checker->m_codec->encode(word, &encoded))
            checker->m_hunspell->add(encoded);
    }
    return checker;
}

HunspellChecker::HunspellChecker(std::unique_ptr<Hunspell> hunspell, QString language,
                                 QString personalList)
    : m_hunspell(std::move(hunspell)),
      m_codec(std::make_unique<DictionaryCodec>(
          QByteArray::fromStdString(m_hunspell->get_dict_encoding()))),
      m_language(std::move(language)), m_personal(std::move(personalList))
{
}

HunspellChecker::~HunspellChecker() = default;

bool HunspellChecker::isCorrect(const QString &word)
{
    if (const auto known = m_known.constFind(word); known != m_known.constEnd())
        return *known;
    bool correct = m_ignored.contains(word) || m_personal.contains(word);
    if (!correct) {
        std::string encoded;
        correct = m_codec->encode(word, &encoded) && m_hunspell->spell(encoded);
    }
    if (m_known.size() >= MaxRemembered)
        m_known.clear();
    m_known.insert(word, correct);
    return correct;
}

QStringList HunspellChecker::suggestions(const QString &word)
{
    std::string encoded;
    if (!m_codec->encode(word, &encoded))
        return {};
    QStringList result;
    for (const std::string &s : m_hunspell->suggest(encoded)) {
        const QString decoded = m_codec->decode(s);
        if (!decoded.isEmpty() && !result.contains(decoded))
            result << decoded;
    }
    return result;
}

void HunspellChecker::ignoreAll(const QString &word)
{
    m_ignored.insert(word);
    m_known.insert(word, true);
}

bool HunspellChecker::add(const QString &word, QString *error)
{
    std::string encoded;
    if (m_codec->encode(word, &encoded))
        m_hunspell->add(encoded);
    m_known.insert(word, true);
    return m_personal.add(word, error);
}
