#include "engine/scan_text.h"

#include "engine/hex_digits.h"
#include "engine/processor.h"
#include "engine/text_encoding.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace tessaro {

namespace {

// The final line break, which joining the split lines drops: a CR LF, or a
// lone CR or LF.
std::string_view WithoutFinalBreak(std::string_view bytes)
{
    if (bytes.ends_with("\r\n"))
        bytes.remove_suffix(2);
    else if (bytes.ends_with('\r') || bytes.ends_with('\n'))
        bytes.remove_suffix(1);
    return bytes;
}

} // namespace

ScanText::ScanText(std::string_view bytes, ByteEncoding encoding, LineBreaks breaks)
    : body_(bytes), utf8_(encoding == ByteEncoding::Utf8), joinedLines_(breaks != LineBreaks::AsTheyAre),
      utf8Bytes_(utf8_ ? ~std::uint64_t(0) : 0),
      breakBytes_(joinedLines_ ? ~std::uint64_t(0) : 0)
{
    if (joinedLines_)
        body_ = WithoutFinalBreak(bytes);
    if (breaks == LineBreaks::CrLfAfterEveryLine && !bytes.empty())
        tail_ = "\r\n";

    // A large text is counted in two halves, the second on another core.
    const std::size_t size = body_.size();
    if (size < kTextForTwoCores) {
        units_ = UnitsOf(0, size) + tail_.size();
        return;
    }
    halfway_ = size / 2 / 64 * 64;
    auto second = OnSecondCore([this, size] { return UnitsOf(halfway_, size); });
    unitsBeforeHalfway_ = UnitsOf(0, halfway_);
    units_ = unitsBeforeHalfway_ + second.get() + tail_.size();
}

ScanText ScanText::FromFileBytes(std::string_view bytes, LineBreaks breaks)
{
    bool utf8;
    if (bytes.size() < kTextForTwoCores) {
        utf8 = IsValidUtf8(bytes);
    } else {
        // Checked in two halves, the second on another core. The split
        // moves past continuation bytes, so a half that ends inside a
        // sequence holds its start and its end, and fails as the whole.
        std::size_t middle = bytes.size() / 2;
        while (middle < bytes.size() && (static_cast<unsigned char>(bytes[middle]) & 0xC0) == 0x80)
            ++middle;
        auto second = OnSecondCore([bytes, middle] { return IsValidUtf8(bytes.substr(middle)); });
        const bool first = IsValidUtf8(bytes.substr(0, middle));
        utf8 = second.get() && first;
    }
    return ScanText(bytes, utf8 ? ByteEncoding::Utf8 : ByteEncoding::Windows1252, breaks);
}

std::size_t ScanText::UnitsOf(std::size_t from, std::size_t to) const
{
    std::size_t units = 0;
    for (; from < to; from += kBlock)
        units += CountUnits(from, std::min(to, from + kBlock));
    return units;
}

bool ScanText::Contains(char c) const
{
    return !body_.empty() && std::memchr(body_.data(), c, body_.size()) != nullptr;
}

unsigned char ScanText::ByteAt(std::size_t i) const
{
    return static_cast<unsigned char>(i < body_.size() ? body_[i] : tail_[i - body_.size()]);
}

// The units of the character that starts at byte `i`; 0 for the other bytes
// of a UTF-8 sequence. A lone CR or LF becomes CR LF when lines are joined.
std::size_t ScanText::UnitsOfByte(std::size_t i) const
{
    if (i >= body_.size())
        return 1;
    const unsigned char b = static_cast<unsigned char>(body_[i]);
    if (b < 0x80) {
        if (joinedLines_ && b == '\r')
            return i + 1 < body_.size() && body_[i + 1] == '\n' ? 1 : 2;
        if (joinedLines_ && b == '\n')
            return i > 0 && body_[i - 1] == '\r' ? 1 : 2;
        return 1;
    }
    if (!utf8_)
        return 1;
    if ((b & 0xC0) == 0x80)
        return 0;
    return b >= 0xF0 ? 2 : 1;
}

std::size_t ScanText::BytesOfCharacter(std::size_t i) const
{
    const unsigned char b = ByteAt(i);
    if (!utf8_ || i >= body_.size() || b < 0xC0)
        return 1;
    return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
}

// The units of the characters that start in the bytes of the word at `i`
// whose high bits are in `counted`: each byte is one unit, less the bytes
// that continue a UTF-8 sequence, plus one for each four-byte sequence (a
// surrogate pair) and for each lone CR or LF (which becomes CR LF).
std::size_t ScanText::WordUnits(std::size_t i, std::uint64_t counted) const
{
    // Without branches: the words of a text with breaks and accents come
    // in no predictable order.
    const char* data = body_.data();
    const std::uint64_t word = Load(i);
    const std::uint64_t continuing = word & ~(word << 1) & kHighBits & utf8Bytes_;
    const std::uint64_t fourBytes = word & (word << 1) & (word << 2) & (word << 3) & kHighBits & utf8Bytes_;
    const std::uint64_t cr = BytesEqual(word, '\r') & breakBytes_;
    const std::uint64_t lf = BytesEqual(word, '\n') & breakBytes_;
    const char before = i > 0 ? data[i - 1] : 0;
    const char after = i + 8 < body_.size() ? data[i + 8] : 0;
    const std::uint64_t crBefore = (cr << 8) | (std::uint64_t(before == '\r') << 7);
    const std::uint64_t lfAfter = (lf >> 8) | (std::uint64_t(after == '\n') << 63);
    const std::uint64_t plusOne = fourBytes | (lf & ~crBefore) | (cr & ~lfAfter);
    return CountBytes(counted) + CountBytes(plusOne & counted) - CountBytes(continuing & counted);
}

namespace {

// The masks of 64 bytes that NeedleWindows reads where it finds a needle.
struct WindowMasks {
    std::uint64_t hex = 0;         // hex digits
    std::uint64_t high = 0;        // bytes from 0x80 up
    std::uint64_t fourBytes = 0;   // the first bytes of four-byte UTF-8 sequences
    std::uint64_t continuing = 0;  // bytes that would continue a UTF-8 sequence
    std::uint64_t crs = 0;
    std::uint64_t lfs = 0;
};

#if !defined(__SSE2__)
WindowMasks MasksOfBytes(const char* data)
{
    WindowMasks m;
    for (int i = 0; i < 64; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        const std::uint64_t bit = std::uint64_t(1) << i;
        m.hex |= HexByteValue(char(b)) >= 0 ? bit : 0;
        m.high |= b >= 0x80 ? bit : 0;
        m.fourBytes |= (b & 0xF0) == 0xF0 ? bit : 0;
        m.continuing |= (b & 0xC0) == 0x80 ? bit : 0;
        m.crs |= b == '\r' ? bit : 0;
        m.lfs |= b == '\n' ? bit : 0;
    }
    return m;
}
#endif

#if defined(__SSE2__)
// The same sixteen bytes at a time. Bytes from 0x80 up compare as
// negative, so neither range of hex digits takes them.
WindowMasks MasksSse2(const char* data)
{
    const __m128i top2 = _mm_set1_epi8(char(0xC0));
    const __m128i top4 = _mm_set1_epi8(char(0xF0));
    const __m128i continuation = _mm_set1_epi8(char(0x80));
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i lower = _mm_set1_epi8(0x20);
    WindowMasks m;
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * part));
        const auto bits = [part](__m128i lanes) {
            return std::uint64_t(unsigned(_mm_movemask_epi8(lanes))) << (16 * part);
        };
        const __m128i small = _mm_or_si128(v, lower);
        const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)),
                                            _mm_cmplt_epi8(v, _mm_set1_epi8('9' + 1)));
        const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(small, _mm_set1_epi8('a' - 1)),
                                             _mm_cmplt_epi8(small, _mm_set1_epi8('f' + 1)));
        m.hex |= bits(_mm_or_si128(digit, letter));
        m.high |= bits(v);
        m.fourBytes |= bits(_mm_cmpeq_epi8(_mm_and_si128(v, top4), top4));
        m.continuing |= bits(_mm_cmpeq_epi8(_mm_and_si128(v, top2), continuation));
        m.crs |= bits(_mm_cmpeq_epi8(v, cr));
        m.lfs |= bits(_mm_cmpeq_epi8(v, lf));
    }
    return m;
}
#endif

#if TESSARO_X86_CHOICES
// The same 32 bytes at a time, for processors with AVX2.
__attribute__((target("avx2"))) WindowMasks MasksAvx2(const char* data)
{
    const __m256i top2 = _mm256_set1_epi8(char(0xC0));
    const __m256i top4 = _mm256_set1_epi8(char(0xF0));
    const __m256i continuation = _mm256_set1_epi8(char(0x80));
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i lower = _mm256_set1_epi8(0x20);
    WindowMasks m;
    for (int part = 0; part < 2; ++part) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + 32 * part));
        const auto bits = [part](__m256i lanes) __attribute__((target("avx2"))) {
            return std::uint64_t(unsigned(_mm256_movemask_epi8(lanes))) << (32 * part);
        };
        const __m256i small = _mm256_or_si256(v, lower);
        const __m256i digit = _mm256_andnot_si256(_mm256_cmpgt_epi8(v, _mm256_set1_epi8('9')),
                                                  _mm256_cmpgt_epi8(v, _mm256_set1_epi8('0' - 1)));
        const __m256i letter = _mm256_andnot_si256(_mm256_cmpgt_epi8(small, _mm256_set1_epi8('f')),
                                                   _mm256_cmpgt_epi8(small, _mm256_set1_epi8('a' - 1)));
        m.hex |= bits(_mm256_or_si256(digit, letter));
        m.high |= bits(v);
        m.fourBytes |= bits(_mm256_cmpeq_epi8(_mm256_and_si256(v, top4), top4));
        m.continuing |= bits(_mm256_cmpeq_epi8(_mm256_and_si256(v, top2), continuation));
        m.crs |= bits(_mm256_cmpeq_epi8(v, cr));
        m.lfs |= bits(_mm256_cmpeq_epi8(v, lf));
    }
    return m;
}
#endif

} // namespace

#if defined(__SSE2__)
namespace {

// The sum of the 16 byte lanes of `counts`.
std::size_t SumLanes(__m128i counts)
{
    const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
    return std::size_t(_mm_cvtsi128_si64(sums)) + std::size_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
}

// How many more and fewer units than bytes from..to-1 of `data` (a multiple
// of 16 bytes, with a byte before and after them): more for four-byte UTF-8
// sequences and, when `joined`, lone CRs and LFs; fewer for the bytes that
// continue a UTF-8 sequence. Each byte lane counts to 255 at most.
std::size_t WideUnitsSse2(const char* data, std::size_t from, std::size_t to, bool utf8, bool joinedLines)
{
    const __m128i utf8Mask = _mm_set1_epi8(utf8 ? char(0xFF) : 0);
    const __m128i joined = _mm_set1_epi8(joinedLines ? char(0xFF) : 0);
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i top2 = _mm_set1_epi8(char(0xC0));
    const __m128i top4 = _mm_set1_epi8(char(0xF0));
    const __m128i continuation = _mm_set1_epi8(char(0x80));
    __m128i more = _mm_setzero_si128();
    __m128i fewer = _mm_setzero_si128();
    for (std::size_t i = from; i < to; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i - 1));
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
        const __m128i continuing = _mm_and_si128(_mm_cmpeq_epi8(_mm_and_si128(v, top2), continuation), utf8Mask);
        const __m128i fourBytes = _mm_and_si128(_mm_cmpeq_epi8(_mm_and_si128(v, top4), top4), utf8Mask);
        const __m128i loneLf = _mm_andnot_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(v, lf));
        const __m128i loneCr = _mm_andnot_si128(_mm_cmpeq_epi8(after, lf), _mm_cmpeq_epi8(v, cr));
        const __m128i plusOne = _mm_or_si128(fourBytes, _mm_and_si128(_mm_or_si128(loneLf, loneCr), joined));
        more = _mm_sub_epi8(more, plusOne);
        fewer = _mm_sub_epi8(fewer, continuing);
    }
    return (to - from) + SumLanes(more) - SumLanes(fewer);
}

#if TESSARO_X86_CHOICES
// The same 32 bytes at a time, for processors with AVX2; `to - from` is a
// multiple of 32.
__attribute__((target("avx2"))) std::size_t WideUnitsAvx2(const char* data, std::size_t from, std::size_t to,
                                                          bool utf8, bool joinedLines)
{
    const __m256i utf8Mask = _mm256_set1_epi8(utf8 ? char(0xFF) : 0);
    const __m256i joined = _mm256_set1_epi8(joinedLines ? char(0xFF) : 0);
    const __m256i cr = _mm256_set1_epi8('\r');
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i top2 = _mm256_set1_epi8(char(0xC0));
    const __m256i top4 = _mm256_set1_epi8(char(0xF0));
    const __m256i continuation = _mm256_set1_epi8(char(0x80));
    __m256i more = _mm256_setzero_si256();
    __m256i fewer = _mm256_setzero_si256();
    for (std::size_t i = from; i < to; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
        const __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i - 1));
        const __m256i after = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i + 1));
        const __m256i continuing =
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_and_si256(v, top2), continuation), utf8Mask);
        const __m256i fourBytes = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_and_si256(v, top4), top4), utf8Mask);
        const __m256i loneLf = _mm256_andnot_si256(_mm256_cmpeq_epi8(before, cr), _mm256_cmpeq_epi8(v, lf));
        const __m256i loneCr = _mm256_andnot_si256(_mm256_cmpeq_epi8(after, lf), _mm256_cmpeq_epi8(v, cr));
        const __m256i plusOne =
            _mm256_or_si256(fourBytes, _mm256_and_si256(_mm256_or_si256(loneLf, loneCr), joined));
        more = _mm256_sub_epi8(more, plusOne);
        fewer = _mm256_sub_epi8(fewer, continuing);
    }
    const __m256i sums = _mm256_sub_epi64(_mm256_sad_epu8(more, _mm256_setzero_si256()),
                                          _mm256_sad_epu8(fewer, _mm256_setzero_si256()));
    const __m128i half = _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
    return (to - from) + std::size_t(_mm_cvtsi128_si64(half)) + std::size_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(half, half)));
}

#endif

} // namespace

// WordUnits for 16 bytes at a time, from..to-1 (a multiple of 16 bytes,
// with a byte before and after them in the body). Each byte lane counts to
// 255 at most, so the range is never longer than a block.
std::size_t ScanText::WideUnits(std::size_t from, std::size_t to) const
{
    static_assert(kBlock <= 255 * 16);
#if TESSARO_X86_CHOICES
    if (HasAvx2()) {
        const std::size_t wide = from + (to - from) / 32 * 32;
        const std::size_t units = WideUnitsAvx2(body_.data(), from, wide, utf8_, joinedLines_);
        return wide == to ? units : units + WideUnitsSse2(body_.data(), wide, to, utf8_, joinedLines_);
    }
#endif
    return WideUnitsSse2(body_.data(), from, to, utf8_, joinedLines_);
}
#endif

std::uint64_t NeedleWindows::FindFirstsSlowly() const
{
    const std::string_view body = text_.body_;
    const std::size_t count = std::min<std::size_t>(64, body.size() - window_);
    std::uint64_t places = 0;
    for (std::size_t i = 0; i < count; ++i)
        places |= std::uint64_t(body[window_ + i] == needle_[0] && window_ + i + anchor_ < body.size() &&
                                body[window_ + i + anchor_] == needle_[anchor_])
                  << i;
    return places;
}

void NeedleWindows::LoadMasks()
{
    masksWindow_ = window_;
    const std::string_view body = text_.body_;
    const char* data = body.data() + window_;
    // The last window, and the byte after it, read from a copy padded with
    // zeros, which are none of the bytes looked for.
    char padded[65] = {};
    if (window_ + 65 > body.size()) {
        std::memcpy(padded, data, body.size() - window_);
        data = padded;
    }
#if TESSARO_X86_CHOICES
    const WindowMasks m = HasAvx2() ? MasksAvx2(data) : MasksSse2(data);
#elif defined(__SSE2__)
    const WindowMasks m = MasksSse2(data);
#else
    const WindowMasks m = MasksOfBytes(data);
#endif
    const std::uint64_t utf8 = text_.utf8Bytes_;
    const std::uint64_t breaks = text_.breakBytes_;
    const std::uint64_t crBefore = (m.crs << 1) | std::uint64_t(window_ > 0 && body[window_ - 1] == '\r');
    const std::uint64_t lfAfter = (m.lfs >> 1) | (std::uint64_t(data[64] == '\n') << 63);
    hex_ = m.hex;
    special_ = (m.high & utf8) | ((m.crs | m.lfs) & breaks);
    plusOne_ = (m.fourBytes & utf8) | (((m.lfs & ~crBefore) | (m.crs & ~lfAfter)) & breaks);
    continuing_ = m.continuing & utf8;
}

// The units of the characters that start in bytes from..to-1 of the body.
std::size_t ScanText::CountUnits(std::size_t from, std::size_t to) const
{
    std::size_t units = 0;
    std::size_t i = from;
#if defined(__SSE2__)
    if (i == 0 && to >= 8) {
        units += WordUnits(0, kHighBits);
        i = 8;
    }
    if (to > i + 16) {
        const std::size_t wide = (to - 1 - i) / 16 * 16;
        units += WideUnits(i, i + wide);
        i += wide;
    }
#endif
    for (; i + 8 <= to; i += 8)
        units += WordUnits(i, kHighBits);
    if (i < to && i + 8 <= body_.size())
        return units + WordUnits(i, kHighBits >> (8 * (8 - (to - i))));
    for (; i < to; ++i)
        units += UnitsOfByte(i);
    return units;
}

std::size_t ScanText::BadHexUnitsSlowly(std::size_t byte, std::size_t count) const
{
    std::size_t bad = 0;
    std::size_t i = byte;
    while (count > 0 && i < End()) {
        if (i < body_.size() && HexByteValue(body_[i]) >= 0) {
            --count;
            ++i;
            continue;
        }
        const std::size_t units = std::min(count, UnitsOfByte(i));
        bad += units;
        count -= units;
        i += BytesOfCharacter(i);
    }
    return bad + count;
}

std::string Utf16UnitsAsBytes(std::u16string_view text)
{
    std::string bytes(text.size() * 3, '\0');
    std::size_t n = 0;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes[n++] = char(unit);
        } else if (unit < 0x800) {
            bytes[n++] = char(0xC0 | (unit >> 6));
            bytes[n++] = char(0x80 | (unit & 0x3F));
        } else {
            bytes[n++] = char(0xE0 | (unit >> 12));
            bytes[n++] = char(0x80 | ((unit >> 6) & 0x3F));
            bytes[n++] = char(0x80 | (unit & 0x3F));
        }
    }
    bytes.resize(n);
    return bytes;
}

} // namespace tessaro
