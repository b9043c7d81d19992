// A text held as bytes but measured as the program measures text: in the
// UTF-16 code units it decodes to, with the line breaks it would have after
// splitting and joining its lines. The scanners work on it directly, so a
// large file is scanned where it lies, without a decoded copy.
#pragma once

#include "engine/hex_digits.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaro {

enum class ByteEncoding {
    Utf8,         // the bytes must be valid UTF-8
    Windows1252,  // one byte, one character
};

enum class LineBreaks {
    AsTheyAre,           // CR and LF are one unit each
    CrLfAfterEveryLine,  // the lines joined again with CR LF, and one after the last line
    CrLfBetweenLines,    // the lines joined again with CR LF, none after the last line
};

// A text at least this large is worth reading on two processor cores.
inline constexpr std::size_t kTextForTwoCores = std::size_t(4) << 20;

class ScanText {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    // `bytes` must outlive the ScanText.
    ScanText(std::string_view bytes, ByteEncoding encoding, LineBreaks breaks);
    // A file's bytes: UTF-8 when they are valid UTF-8, otherwise
    // Windows-1252, as the program decodes files.
    static ScanText FromFileBytes(std::string_view bytes, LineBreaks breaks);

    // The bytes, without a final line break that joining the lines drops.
    std::string_view Bytes() const { return body_; }
    std::size_t Units() const { return units_; }
    // The units of the characters that start in bytes from..to-1.
    std::size_t UnitsOf(std::size_t from, std::size_t to) const;
    // A text of kTextForTwoCores bytes or more is counted in two halves:
    // the first byte of the second (a multiple of 64), and the units
    // before it. 0 for a text counted whole.
    std::size_t Halfway() const { return halfway_; }
    std::size_t UnitsBeforeHalfway() const { return unitsBeforeHalfway_; }
    bool Contains(char c) const;

    // How many of the `count` (1 to 8) units from the character at `byte`
    // are missing or not hex digits.
    std::size_t BadHexUnits(std::size_t byte, std::size_t count) const
    {
        if (byte + 8 <= body_.size()) {
            const std::uint64_t word = Load(byte);
            const std::uint64_t counted = FirstBytes(count);
            const std::uint64_t hex = HexBytes(word) & counted;
            if (hex == counted)
                return 0;
            if (!(SpecialBytes(word) & counted))
                return count - CountBytes(hex);
        }
        return BadHexUnitsSlowly(byte, count);
    }

private:
    // The units are counted a block at a time: few enough bytes that no
    // byte lane of the wide counters passes 255.
    static constexpr std::size_t kBlock = 2048;
    static constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    static constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

    // Eight bytes at a time: a word of bytes, the high bit of each byte
    // standing for the byte in the masks below.
    std::uint64_t Load(std::size_t byte) const
    {
        std::uint64_t word;
        std::memcpy(&word, body_.data() + byte, 8);
        return word;
    }
    // The first `count` (at most 8) bytes.
    static std::uint64_t FirstBytes(std::size_t count) { return count == 0 ? 0 : kHighBits >> (64 - 8 * count); }
    static std::size_t CountBytes(std::uint64_t mask) { return std::size_t(((mask >> 7) * kOnes) >> 56); }
    // The bytes of `word` equal to `c`.
    static std::uint64_t BytesEqual(std::uint64_t word, unsigned char c)
    {
        const std::uint64_t x = word ^ (kOnes * c);
        return ~(((x & ~kHighBits) + ~kHighBits) | x) & kHighBits;
    }
    // The bytes of `word` from `low` to `high`, both below 0x80.
    static std::uint64_t BytesBetween(std::uint64_t word, unsigned char low, unsigned char high)
    {
        const std::uint64_t ascii = ~word & kHighBits;
        const std::uint64_t seven = word & ~kHighBits;
        return ascii & (seven + kOnes * (0x80 - low)) & ~(seven + kOnes * (0x7F - high));
    }
    static std::uint64_t HexBytes(std::uint64_t word)
    {
        return BytesBetween(word, '0', '9') | BytesBetween(word | (kOnes * 0x20), 'a', 'f');
    }
    // The bytes of `word` that may not be a character of one byte and one
    // unit: a byte of a UTF-8 sequence, or a CR or LF that lines joined again
    // may make CR LF (found with the two rare bytes between them).
    std::uint64_t SpecialBytes(std::uint64_t word) const
    {
        return (word & kHighBits & utf8Bytes_) | (BytesBetween(word, '\n', '\r') & breakBytes_);
    }

    std::size_t BadHexUnitsSlowly(std::size_t byte, std::size_t count) const;

    std::size_t End() const { return body_.size() + tail_.size(); }
    unsigned char ByteAt(std::size_t i) const;
    std::size_t UnitsOfByte(std::size_t i) const;
    std::size_t BytesOfCharacter(std::size_t i) const;
    std::size_t WordUnits(std::size_t i, std::uint64_t counted) const;
    std::size_t WideUnits(std::size_t from, std::size_t to) const;
    std::size_t CountUnits(std::size_t from, std::size_t to) const;

    std::string_view body_;
    std::string_view tail_;  // a CR LF after the last line, or nothing
    bool utf8_;
    bool joinedLines_;
    std::uint64_t utf8Bytes_;   // all bits when UTF-8, else none
    std::uint64_t breakBytes_;  // all bits when lines are joined again, else none
    std::size_t units_ = 0;
    std::size_t halfway_ = 0;
    std::size_t unitsBeforeHalfway_ = 0;

    friend class NeedleWindows;
};

// The needles in a text, from the front to the back, each with the units
// before it and the bad units among the six characters after it. The text
// is searched 64 bytes at a time for the needle's first and rarest-looking
// characters; a window that holds a needle is read again as masks (hex
// digits, and where characters have more or fewer units than bytes), which
// place each of its needles with a few bit counts. The units between
// windows with needles are counted wide, or from the masks when the windows
// follow each other.
class NeedleWindows {
public:
    struct Needle {
        std::size_t byte;  // its first byte
        std::size_t unit;  // the units before it
        std::size_t bad;   // missing or not hex digits among the six units after it
    };

    // From byte `from` (a multiple of 64), with `unitsBefore` units before it.
    NeedleWindows(const ScanText& text, std::string_view needle, std::size_t from = 0, std::size_t unitsBefore = 0)
        : text_(text), needle_(needle), anchor_(RarestLooking(needle)),
          window_(from == 0 ? ScanText::npos : from - 64), unitWindow_(from), unitAt_(unitsBefore)
    {
    }

    // The next needle; false when there are no more. Inline throughout, so
    // that a caller built for a processor with a bit-count instruction
    // counts with it.
    [[gnu::always_inline]] bool Next(Needle& found)
    {
        const std::string_view body = text_.body_;
        for (;;) {
            while (firsts_ == 0) {
                window_ = window_ == ScanText::npos ? 0 : window_ + 64;
                if (window_ >= body.size())
                    return false;
                firsts_ = FindFirsts();
            }
            const int bit = std::countr_zero(firsts_);
            firsts_ &= firsts_ - 1;
            const std::size_t at = window_ + std::size_t(bit);
            if (needle_.size() > 1 &&
                (at + needle_.size() > body.size() || std::memcmp(body.data() + at, needle_.data(), needle_.size()) != 0))
                continue;
            if (masksWindow_ != window_) {
                CountUnitsTo(window_);
                LoadMasks();
            }
            const std::uint64_t before = (std::uint64_t(1) << bit) - 1;
            found.byte = at;
            found.unit = unitAt_ + std::size_t(bit) + std::size_t(std::popcount(plusOne_ & before)) -
                         std::size_t(std::popcount(continuing_ & before));
            const std::size_t digits = std::size_t(bit) + needle_.size();
            const std::uint64_t six = digits + 6 <= 64 ? std::uint64_t(0x3F) << digits : 0;
            found.bad = six != 0 && at + needle_.size() + 6 <= body.size() && !(special_ & six)
                            ? 6 - std::size_t(std::popcount(hex_ & six))
                            : text_.BadHexUnits(at + needle_.size(), 6);
            return true;
        }
    }

private:
    // The needle's character least likely in text (punctuation before
    // capitals before small letters before digits), which with its first
    // character picks out the places where it may start.
    static std::size_t RarestLooking(std::string_view needle)
    {
        const auto rank = [](char c) {
            return c >= '0' && c <= '9' ? 3 : c >= 'a' && c <= 'z' ? 2 : c >= 'A' && c <= 'Z' ? 1 : 0;
        };
        std::size_t anchor = 0;
        for (std::size_t i = 1; i < needle.size(); ++i)
            if (rank(needle[i]) < rank(needle[anchor]))
                anchor = i;
        return anchor;
    }

    // The places in the window where the needle's first character and its
    // anchor character stand as in the needle.
    std::uint64_t FindFirsts() const
    {
#if defined(__SSE2__)
        if (window_ + anchor_ + 64 <= text_.body_.size()) {
            const char* data = text_.body_.data() + window_;
            const __m128i first = _mm_set1_epi8(needle_[0]);
            const __m128i anchor = _mm_set1_epi8(needle_[anchor_]);
            std::uint64_t places = 0;
            for (int part = 0; part < 4; ++part) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * part));
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + anchor_ + 16 * part));
                const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(v, first), _mm_cmpeq_epi8(a, anchor));
                places |= std::uint64_t(unsigned(_mm_movemask_epi8(both))) << (16 * part);
            }
            return places;
        }
#endif
        return FindFirstsSlowly();
    }
    std::uint64_t FindFirstsSlowly() const;

    // Moves unitAt_ to the units before `window`.
    [[gnu::always_inline]] void CountUnitsTo(std::size_t window)
    {
        if (masksWindow_ == unitWindow_) {
            unitAt_ += 64 + std::size_t(std::popcount(plusOne_)) - std::size_t(std::popcount(continuing_));
            unitWindow_ += 64;
        }
        if (unitWindow_ < window) {
            unitAt_ += text_.UnitsOf(unitWindow_, window);
            unitWindow_ = window;
        }
    }

    // The masks of the 64 bytes from window_ (fewer at the end).
    void LoadMasks();

    const ScanText& text_;
    std::string_view needle_;
    std::size_t anchor_;
    std::size_t window_;                   // the first byte of the current 64
    std::uint64_t firsts_ = 0;             // the needle's first byte, not yet visited
    std::size_t unitWindow_;               // a window start ...
    std::size_t unitAt_;                   // ... and the units before it
    std::size_t masksWindow_ = ScanText::npos;  // the window of the masks:
    std::uint64_t hex_ = 0;                // hex digits
    std::uint64_t special_ = 0;            // bytes that may not be a character of one byte and one unit
    std::uint64_t plusOne_ = 0;            // characters of two units: surrogate pairs, lone CRs and LFs that become CR LF
    std::uint64_t continuing_ = 0;         // bytes that continue a UTF-8 sequence (no unit of their own)
};

// Each UTF-16 code unit on its own in UTF-8 form (a surrogate as three
// bytes): a ScanText of this, read as UTF-8, has exactly the given units.
std::string Utf16UnitsAsBytes(std::u16string_view text);

} // namespace tessaro
