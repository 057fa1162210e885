#include "spelling/thesaurus.h"

#include "spelling/dictionarycodec.h"

#include <mythes.hxx>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

std::unique_ptr<Thesaurus> Thesaurus::load(const DictionaryFiles &files, QString *error)
{
    for (const QString &path : {files.first, files.second}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("The thesaurus %1 could not be read: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
            return nullptr;
        }
    }
    auto mythes = std::make_unique<MyThes>(QFile::encodeName(files.first).constData(),
                                           QFile::encodeName(files.second).constData());
    return std::unique_ptr<Thesaurus>(new Thesaurus(std::move(mythes), files.language));
}

Thesaurus::Thesaurus(std::unique_ptr<MyThes> mythes, QString language)
    : m_mythes(std::move(mythes)), m_language(std::move(language))
{
    const char *encoding = m_mythes->get_th_encoding();
    m_codec = std::make_unique<DictionaryCodec>(encoding ? QByteArray(encoding) : QByteArray());
}

Thesaurus::~Thesaurus() = default;

QList<Meaning> Thesaurus::lookUp(const QString &word) const
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return {};
    QList<Meaning> meanings = lookUpExactly(trimmed);
    if (meanings.isEmpty() && trimmed != trimmed.toLower())
        meanings = lookUpExactly(trimmed.toLower());
    return meanings;
}

QList<Meaning> Thesaurus::lookUpExactly(const QString &word) const
{
    std::string encoded;
    if (!m_codec->encode(word, &encoded) || encoded.empty())
        return {};
    mentry *entries = nullptr;
    const int count = m_mythes->Lookup(encoded.c_str(), int(encoded.size()), &entries);
    QList<Meaning> meanings;
    for (int i = 0; i < count; ++i) {
        const mentry &e = entries[i];
        Meaning m;
        m.definition = e.defn ? m_codec->decode(e.defn) : QString();
        for (int s = 0; s < e.count; ++s)
            if (e.psyns[s])
                m.synonyms << m_codec->decode(e.psyns[s]);
        meanings << m;
    }
    if (count > 0)
        m_mythes->CleanUpAfterLookup(&entries, count);
    return meanings;
}

QString Thesaurus::plainWord(const QString &synonym)
{
    static const QRegularExpression note(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    return QString(synonym).remove(note).trimmed();
}
