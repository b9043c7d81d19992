#include "engine/text_encoding.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tessaro {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes keep their value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Length of the UTF-8 sequence at `i` with its code point, or 0 when invalid.
std::size_t DecodeUtf8At(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; min = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; min = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; min = 0x10000; }
    else return 0;
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// The first byte at or after `i` that is not ASCII, or the end: 32 bytes
// at a time, then to the first high bit.
std::size_t SkipAscii(std::string_view s, std::size_t i)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    const auto word = [&s](std::size_t at) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + at, 8);
        return w;
    };
    while (i + 32 <= s.size() && !((word(i) | word(i + 8) | word(i + 16) | word(i + 24)) & kHighBits))
        i += 32;
    for (; i + 8 <= s.size(); i += 8) {
        if (const std::uint64_t high = word(i) & kHighBits)
            return i + std::size_t(std::countr_zero(high)) / 8;
    }
    while (i < s.size() && static_cast<std::uint8_t>(s[i]) < 0x80)
        ++i;
    return i;
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
    } else {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    }
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        i = SkipAscii(bytes, i);
        if (i == bytes.size())
            break;
        const std::size_t len = DecodeUtf8At(bytes, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    char32_t cp;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = DecodeUtf8At(utf8, i, cp);
        if (len == 0) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += len;
    }
    return out;
}

std::u16string DecodeFileText(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return Utf8ToUtf16(bytes);
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t b = static_cast<std::uint8_t>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(b);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace tessaro
