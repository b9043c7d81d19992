// Hex digit tests shared by the readers and scanners.
#pragma once

#include <array>
#include <cstdint>

namespace tessaro {

// The value of a hex digit 0-9, A-F, a-f; -1 for any other character.
template <typename Char>
constexpr int HexDigitValue(Char c)
{
    if (c >= Char('0') && c <= Char('9')) return int(c - Char('0'));
    if (c >= Char('A') && c <= Char('F')) return int(c - Char('A')) + 10;
    if (c >= Char('a') && c <= Char('f')) return int(c - Char('a')) + 10;
    return -1;
}

template <typename Char>
constexpr bool IsHexDigit(Char c)
{
    return HexDigitValue(c) >= 0;
}

// HexDigitValue of every byte, for the scanners' inner loops.
inline constexpr std::array<std::int8_t, 256> kHexByteValues = [] {
    std::array<std::int8_t, 256> values{};
    for (int b = 0; b < 256; ++b)
        values[std::size_t(b)] = std::int8_t(HexDigitValue(b));
    return values;
}();

inline int HexByteValue(char c)
{
    return kHexByteValues[static_cast<unsigned char>(c)];
}

// Writes `byte` as two upper-case hex digits.
inline void PutHexByte(char* out, std::uint8_t byte)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    out[0] = kDigits[byte >> 4];
    out[1] = kDigits[byte & 15];
}

} // namespace tessaro
