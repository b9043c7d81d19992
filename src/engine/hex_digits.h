// Hex digit tests shared by the readers and scanners.
#pragma once

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

} // namespace tessaro
