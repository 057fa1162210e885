#pragma once

#include "base/settingsfile.h"
#include "documents/documentwindow.h"
#include "editor/cp1252.h"
#include "spelling/dictionaries.h"
#include "spelling/livespeller.h"

#include <Qsci/qsciscintilla.h>

#include <QStringList>

// Shared by the spelling tests that drive documents.
namespace SpellingTestSupport {

// An English Hunspell dictionary and thesaurus are installed (the tests check English words).
inline bool englishInstalled()
{
    const QStringList folders = Dictionaries::systemFolders();
    const auto english = [](const QList<DictionaryFiles> &list) {
        for (const DictionaryFiles &d : list)
            if (d.language.startsWith(QLatin1String("en")))
                return true;
        return false;
    };
    return english(Dictionaries::spelling(folders)) && english(Dictionaries::thesauri(folders));
}

// The spelling configuration beside the settings: American English, markup and addresses
// left out unless said otherwise.
inline void writeConfig(const QString &path, bool skipHtml = true, bool skipInternet = true)
{
    SettingsFile config(path);
    config.write(Keys::SpellingLanguage, QStringLiteral("en_US"));
    config.write(Keys::SoHtml, skipHtml ? 1 : 0);
    config.write(Keys::SoInternet, skipInternet ? 1 : 0);
}

// The words the live speller has marked, in order, as the document's characters.
inline QStringList markedWords(DocumentWindow *document)
{
    QsciScintilla *memo = document->memo();
    const long length = memo->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const bool utf8 =
        memo->SendScintilla(QsciScintilla::SCI_GETCODEPAGE) == QsciScintilla::SC_CP_UTF8;
    QStringList words;
    long pos = 0;
    while (pos < length) {
        const long end =
            memo->SendScintilla(QsciScintilla::SCI_INDICATOREND, LiveSpeller::Indicator, pos);
        if (memo->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, LiveSpeller::Indicator, pos)) {
            const auto *bytes = reinterpret_cast<const char *>(
                memo->SendScintilla(QsciScintilla::SCI_GETRANGEPOINTER, pos, end - pos));
            const QByteArrayView raw(bytes, end - pos);
            words << (utf8 ? QString::fromUtf8(raw) : Cp1252::decode(raw));
        }
        if (end <= pos)
            break;
        pos = end;
    }
    return words;
}

} // namespace SpellingTestSupport
