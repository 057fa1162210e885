#include "spelling/dictionaries.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Finds every `stem` + firstSuffix beside a readable stem + secondSuffix. A language met in
// an earlier folder wins; the same files reached through a link count once.
QList<DictionaryFiles> pairs(const QStringList &folders, const QString &prefix,
                             const QString &firstSuffix, const QString &secondSuffix)
{
    QList<DictionaryFiles> found;
    QSet<QString> languages;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({prefix + u'*' + firstSuffix}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : names) {
            const QString stem = name.chopped(firstSuffix.size());
            const QString second = dir.filePath(stem + secondSuffix);
            if (!QFileInfo(second).isReadable())
                continue;
            QString language = stem.mid(prefix.size());
            // Thesauri carry a format version: "th_en_US_v2".
            if (language.endsWith(QLatin1String("_v2")))
                language.chop(3);
            if (language.isEmpty() || languages.contains(language))
                continue;
            languages.insert(language);
            found.append({language, dir.filePath(name), second});
        }
    }
    std::sort(found.begin(), found.end(), [](const DictionaryFiles &a, const DictionaryFiles &b) {
        return a.language < b.language;
    });
    return found;
}

QString languagePart(const QString &code)
{
    return code.section(QRegularExpression(QStringLiteral("[_-]")), 0, 0).toLower();
}

} // namespace

namespace Dictionaries {

QStringList systemFolders()
{
    QStringList folders;
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/hunspell") << data + QStringLiteral("/mythes")
                << data + QStringLiteral("/myspell/dicts") << data + QStringLiteral("/myspell");
    for (const char *fixed :
         {"/usr/share/hunspell", "/usr/share/mythes", "/usr/share/myspell/dicts",
          "/usr/share/myspell", "/usr/local/share/hunspell"})
        if (!folders.contains(QLatin1String(fixed)))
            folders << QLatin1String(fixed);
    return folders;
}

QList<DictionaryFiles> spelling(const QStringList &folders)
{
    // Thesaurus files and hyphenation patterns share the folders; neither ends in ".aff".
    return pairs(folders, QString(), QStringLiteral(".aff"), QStringLiteral(".dic"));
}

QList<DictionaryFiles> thesauri(const QStringList &folders)
{
    return pairs(folders, QStringLiteral("th_"), QStringLiteral(".idx"), QStringLiteral(".dat"));
}

QString languageName(const QString &code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C || languagePart(code) == QLatin1String("c"))
        return code;
    QString name = QLocale::languageToString(locale.language());
    // A code without a country names the language alone.
    if (code.contains(u'_') || code.contains(u'-'))
        name += QStringLiteral(" (") + QLocale::territoryToString(locale.territory()) + u')';
    return name;
}

const DictionaryFiles *choose(const QList<DictionaryFiles> &installed, const QString &wanted,
                              const QString &fallback)
{
    if (installed.isEmpty())
        return nullptr;
    for (const QString &code : {wanted, fallback, QStringLiteral("en_US")}) {
        if (code.isEmpty())
            continue;
        for (const DictionaryFiles &d : installed)
            if (d.language.compare(code, Qt::CaseInsensitive) == 0)
                return &d;
        for (const DictionaryFiles &d : installed)
            if (languagePart(d.language) == languagePart(code))
                return &d;
    }
    return &installed.front();
}

} // namespace Dictionaries
