#pragma once

#include <cstdint>

// Colours as the settings file stores them: 0x00BBGGRR for a colour given by its red, green
// and blue bytes, or 0x80000000 plus the index of a desktop system colour. Turning a system
// index into a real colour needs the widget palette, so that lives in the ui library.
namespace ColourCode {

inline constexpr std::uint32_t SystemFlag = 0x80000000u;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

constexpr bool isSystem(int stored)
{
    return (static_cast<std::uint32_t>(stored) & SystemFlag) != 0;
}

// The system colour index of a stored system colour. Only the low byte counts, as it did for
// the desktop toolkit that wrote these values.
constexpr int systemIndex(int stored)
{
    return static_cast<int>(static_cast<std::uint32_t>(stored) & 0xFFu);
}

// The red, green and blue bytes of a stored RGB colour; the top byte is ignored.
constexpr Rgb rgb(int stored)
{
    const auto v = static_cast<std::uint32_t>(stored);
    return {static_cast<std::uint8_t>(v & 0xFFu), static_cast<std::uint8_t>((v >> 8) & 0xFFu),
            static_cast<std::uint8_t>((v >> 16) & 0xFFu)};
}

constexpr int encodeRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<int>(std::uint32_t(red) | (std::uint32_t(green) << 8) |
                            (std::uint32_t(blue) << 16));
}

constexpr int encodeSystem(int index)
{
    return static_cast<int>(SystemFlag | (static_cast<std::uint32_t>(index) & 0xFFu));
}

} // namespace ColourCode
