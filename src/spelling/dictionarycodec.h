#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// Converts words to and from the character set a dictionary file declares ("UTF-8",
// "ISO8859-1", "KOI8-R"...). Hunspell and MyThes take and give bytes in that set.
class DictionaryCodec
{
public:
    explicit DictionaryCodec(const QByteArray &encoding);
    ~DictionaryCodec();
    DictionaryCodec(const DictionaryCodec &) = delete;
    DictionaryCodec &operator=(const DictionaryCodec &) = delete;

    // False when the set cannot hold the word (or is unknown here).
    bool encode(const QString &word, std::string *out) const;
    QString decode(std::string_view bytes) const;

private:
    bool m_utf8 = true;
    void *m_to = nullptr; // iconv descriptors for any other set
    void *m_from = nullptr;
};
