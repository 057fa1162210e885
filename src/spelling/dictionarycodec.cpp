#include "spelling/dictionarycodec.h"

#include <iconv.h>

#include <vector>

namespace {

const auto NoDescriptor = reinterpret_cast<iconv_t>(-1);

bool convert(void *descriptor, std::string_view in, std::string *out)
{
    if (!descriptor)
        return false;
    auto cd = static_cast<iconv_t>(descriptor);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buffer(in.size() * 4 + 16);
    char *src = const_cast<char *>(in.data());
    std::size_t srcLeft = in.size();
    char *dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == std::size_t(-1) ||
        iconv(cd, nullptr, nullptr, &dst, &dstLeft) == std::size_t(-1))
        return false;
    out->assign(buffer.data(), buffer.size() - dstLeft);
    return true;
}

void *open(const QByteArray &to, const QByteArray &from)
{
    const iconv_t cd = iconv_open(to.constData(), from.constData());
    return cd == NoDescriptor ? nullptr : cd;
}

} // namespace

DictionaryCodec::DictionaryCodec(const QByteArray &encoding)
{
    const QByteArray name = encoding.trimmed().toUpper();
    m_utf8 = name.isEmpty() || name == "UTF-8" || name == "UTF8";
    if (m_utf8)
        return;
    // Hunspell writes "ISO8859-1" where iconv wants "ISO-8859-1".
    QByteArray iconvName = name;
    if (iconvName.startsWith("ISO8859"))
        iconvName.insert(3, '-');
    m_to = open(iconvName, "UTF-8");
    m_from = open("UTF-8", iconvName);
}

DictionaryCodec::~DictionaryCodec()
{
    if (m_to)
        iconv_close(static_cast<iconv_t>(m_to));
    if (m_from)
        iconv_close(static_cast<iconv_t>(m_from));
}

bool DictionaryCodec::encode(const QString &word, std::string *out) const
{
    const QByteArray utf8 = word.toUtf8();
    if (m_utf8) {
        out->assign(utf8.constData(), std::size_t(utf8.size()));
        return true;
    }
    return convert(m_to, std::string_view(utf8.constData(), std::size_t(utf8.size())), out);
}

QString DictionaryCodec::decode(std::string_view bytes) const
{
    if (m_utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    std::string utf8;
    if (!convert(m_from, bytes, &utf8))
        return {};
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
