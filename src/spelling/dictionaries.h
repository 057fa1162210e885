#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One installed dictionary: a Hunspell pair (.aff and .dic) or a MyThes pair (.idx and
// .dat), named by its language code ("en_US").
struct DictionaryFiles
{
    QString language;
    QString first;  // .aff or .idx
    QString second; // .dic or .dat
};

// The spelling dictionaries and thesauri installed on the system, found in the usual folders
// (or the folders a test names), one per language, and the choice of one for a language.
namespace Dictionaries {

// The folders searched, in order: the system's Hunspell and MyThes folders and the user's own.
QStringList systemFolders();

QList<DictionaryFiles> spelling(const QStringList &folders);
QList<DictionaryFiles> thesauri(const QStringList &folders);

// "English (United States)" for "en_US"; the code itself when Qt does not know the language.
QString languageName(const QString &code);

// The dictionary for `wanted`: the same code, else the same language in another country,
// else the one for `fallback` (the system's language), else English, else the first one.
// Null when the list is empty.
const DictionaryFiles *choose(const QList<DictionaryFiles> &installed, const QString &wanted,
                              const QString &fallback);

} // namespace Dictionaries
