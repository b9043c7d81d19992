#include "engine/text_encoding.h"

#include "engine/processor.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

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

#if TESSARO_X86_CHOICES
// UTF-8 checked 32 bytes at a time: each byte is judged with the one, two
// and three bytes before it. Three tables, looked up by the high and low
// half of the byte before and the high half of the byte itself, give the
// faults each pair may show as bits; a byte holds a fault when the three
// agree on one. Only a continuation byte after a continuation byte is
// allowed, where the lead two or three bytes back asks for it.
namespace {

constexpr std::uint8_t kTooShort = 1 << 0;    // a lead not followed by a continuation
constexpr std::uint8_t kTooLong = 1 << 1;     // ASCII followed by a continuation
constexpr std::uint8_t kOverlong3 = 1 << 2;   // E0 followed by 80..9F
constexpr std::uint8_t kTooLarge = 1 << 3;    // above U+10FFFF
constexpr std::uint8_t kSurrogate = 1 << 4;   // ED followed by A0..BF
constexpr std::uint8_t kOverlong2 = 1 << 5;   // C0 or C1
constexpr std::uint8_t kTooLarge1000 = 1 << 6;
constexpr std::uint8_t kOverlong4 = 1 << 6;   // F0 followed by 80..8F
constexpr std::uint8_t kTwoConts = 1 << 7;    // a continuation after a continuation
constexpr std::uint8_t kCarry = kTooShort | kTooLong | kTwoConts;

__attribute__((target("avx2"))) inline __m256i Table(std::uint8_t v0, std::uint8_t v1, std::uint8_t v2,
                                                     std::uint8_t v3, std::uint8_t v4, std::uint8_t v5,
                                                     std::uint8_t v6, std::uint8_t v7, std::uint8_t v8,
                                                     std::uint8_t v9, std::uint8_t v10, std::uint8_t v11,
                                                     std::uint8_t v12, std::uint8_t v13, std::uint8_t v14,
                                                     std::uint8_t v15)
{
    return _mm256_setr_epi8(char(v0), char(v1), char(v2), char(v3), char(v4), char(v5), char(v6), char(v7),
                            char(v8), char(v9), char(v10), char(v11), char(v12), char(v13), char(v14), char(v15),
                            char(v0), char(v1), char(v2), char(v3), char(v4), char(v5), char(v6), char(v7),
                            char(v8), char(v9), char(v10), char(v11), char(v12), char(v13), char(v14), char(v15));
}

// The faults of the 32 bytes at `data`, given the three bytes before them.
__attribute__((target("avx2"))) inline __m256i Faults(const char* data)
{
    const __m256i byte1High = Table(kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong,
                                    kTwoConts, kTwoConts, kTwoConts, kTwoConts, kTooShort | kOverlong2, kTooShort,
                                    kTooShort | kOverlong3 | kSurrogate,
                                    kTooShort | kTooLarge | kTooLarge1000 | kOverlong4);
    const __m256i byte1Low = Table(
        kCarry | kOverlong3 | kOverlong2 | kOverlong4, kCarry | kOverlong2, kCarry, kCarry, kCarry | kTooLarge,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000 | kSurrogate, kCarry | kTooLarge | kTooLarge1000,
        kCarry | kTooLarge | kTooLarge1000);
    const __m256i byte2High = Table(
        kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort,
        kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge1000 | kOverlong4,
        kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge, kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,
        kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge, kTooShort, kTooShort, kTooShort, kTooShort);
    const __m256i low4 = _mm256_set1_epi8(0x0F);
    const __m256i input = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
    const __m256i prev1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data - 1));
    const __m256i prev2 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data - 2));
    const __m256i prev3 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data - 3));
    const __m256i special = _mm256_and_si256(
        _mm256_and_si256(_mm256_shuffle_epi8(byte1High, _mm256_and_si256(_mm256_srli_epi16(prev1, 4), low4)),
                         _mm256_shuffle_epi8(byte1Low, _mm256_and_si256(prev1, low4))),
        _mm256_shuffle_epi8(byte2High, _mm256_and_si256(_mm256_srli_epi16(input, 4), low4)));
    // Bytes two after a lead of three or four, or three after a lead of four.
    const __m256i thirdByte = _mm256_subs_epu8(prev2, _mm256_set1_epi8(char(0xE0 - 0x80)));
    const __m256i fourthByte = _mm256_subs_epu8(prev3, _mm256_set1_epi8(char(0xF0 - 0x80)));
    const __m256i mustContinue = _mm256_and_si256(_mm256_or_si256(thirdByte, fourthByte), _mm256_set1_epi8(char(0x80)));
    return _mm256_xor_si256(mustContinue, special);
}

__attribute__((target("avx2"))) bool IsValidUtf8Avx2(std::string_view bytes)
{
    const char* data = bytes.data();
    const std::size_t n = bytes.size();
    __m256i faults = _mm256_setzero_si256();
    std::size_t i = 0;
    if (n >= 32) {
        // The first 32 bytes, with zeros before them.
        char head[3 + 32] = {};
        std::memcpy(head + 3, data, 32);
        faults = Faults(head + 3);
        for (i = 32; i + 32 <= n; i += 32) {
            // ASCII, and ASCII in the three bytes before, holds no fault.
            const __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i - 3));
            const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
            if (_mm256_movemask_epi8(_mm256_or_si256(before, here)) != 0)
                faults = _mm256_or_si256(faults, Faults(data + i));
        }
    }
    // The last bytes (fewer than 32) with the three before them, and zeros
    // after them: zeros are ASCII, so a sequence cut short at the end shows.
    char tail[3 + 32] = {};
    const std::size_t kept = std::min<std::size_t>(i, 3);
    if (n > 0)
        std::memcpy(tail + 3 - kept, data + i - kept, n - i + kept);
    faults = _mm256_or_si256(faults, Faults(tail + 3));
    return _mm256_testz_si256(faults, faults);
}

} // namespace
#endif

bool IsValidUtf8(std::string_view bytes)
{
#if TESSARO_X86_CHOICES
    if (HasAvx2())
        return IsValidUtf8Avx2(bytes);
#endif
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
