// libFuzzer target: a document's bytes as they are loaded. Whatever the bytes, the encoding
// chosen must give them back unchanged, and colouring must style every byte and give the same
// result line by line as at once.
#include "base/filebytes.h"
#include "editor/cp1252.h"
#include "tagcolouring/tagcolourer.h"
#include "tagcolouring/tagcolourrules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)FileBytes::detectLineEnding(bytes);
    if (isValidUtf8(bytes)) {
        const QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes)
            std::abort();
    } else if (Cp1252::encode(Cp1252::decode(bytes)) != bytes) {
        std::abort();
    }

    static const TagColourer colourer(TagColourScheme::firstStartColours());
    std::vector<std::uint8_t> whole(size + 1, 0xFF);
    colourer.colour(bytes.constData(), size, whole.data());
    if (whole[size] != 0xFF)
        std::abort();
    std::vector<std::uint8_t> byLine(size + 1, 0xFF);
    int state = 0;
    std::size_t start = 0;
    while (start < size) {
        const auto nl = bytes.indexOf('\n', qsizetype(start));
        const std::size_t end = nl < 0 ? size : std::size_t(nl) + 1;
        state =
            colourer.colour(bytes.constData() + start, end - start, byLine.data() + start, state);
        start = end;
    }
    if (size > 0 && std::memcmp(whole.data(), byLine.data(), size) != 0)
        std::abort();
    return 0;
}
