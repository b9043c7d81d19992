// A text held as bytes but measured as the program measures text: in the
// UTF-16 code units it decodes to, with the line breaks it would have after
// splitting and joining its lines. The scanners work on it directly, so a
// large file is scanned where it lies, without a decoded copy.
#pragma once

#include "engine/hex_digits.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

class ScanText {
public:
    // A place in the text: `extra` units into the character whose first
    // byte is `byte` (a CR LF made of a lone break, or a surrogate pair).
    struct Position {
        std::size_t byte = 0;
        std::size_t extra = 0;
    };

    static constexpr std::size_t npos = std::string_view::npos;

    // `bytes` must outlive the ScanText.
    ScanText(std::string_view bytes, ByteEncoding encoding, LineBreaks breaks);
    // A file's bytes: UTF-8 when they are valid UTF-8, otherwise
    // Windows-1252, as the program decodes files.
    static ScanText FromFileBytes(std::string_view bytes, LineBreaks breaks);

    // The bytes, without a final line break that joining the lines drops.
    std::string_view Bytes() const { return body_; }
    std::size_t Units() const { return units_; }
    bool Contains(char c) const;

    // The first byte of the first `needle` (ASCII, no line break) at or
    // after `from`, or npos.
    std::size_t Find(std::string_view needle, std::size_t from) const
    {
        if (needle.size() != 1 || from >= body_.size())
            return FindLong(needle, from);
        const void* found = std::memchr(body_.data() + from, needle[0], body_.size() - from);
        return found ? std::size_t(static_cast<const char*>(found) - body_.data()) : npos;
    }

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

    // `units` further on, but no further than the end.
    Position Advance(Position from, std::size_t units) const
    {
        if (units <= 8 && from.extra == 0 && from.byte + 8 <= body_.size() &&
            !(SpecialBytes(Load(from.byte)) & FirstBytes(units)))
            return {from.byte + units, 0};
        return AdvanceSlowly(from, units);
    }

    // The units from `from` to the character at `to` (from <= to). A short
    // distance goes a word at a time, counting plain words by their bytes.
    std::size_t UnitsBetween(Position from, std::size_t to) const
    {
        if (to + 8 > body_.size() || to - from.byte > 2 * kBlock)
            return UnitsBetweenSlowly(from, to);
        std::size_t units = 0;
        std::size_t i = from.byte;
        for (; i + 8 <= to; i += 8)
            units += SpecialBytes(Load(i)) ? WordUnits(i, kHighBits) : 8;
        if (i < to) {
            const std::uint64_t counted = FirstBytes(to - i);
            units += SpecialBytes(Load(i)) & counted ? WordUnits(i, counted) : to - i;
        }
        return units - from.extra;
    }

private:
    static constexpr std::size_t kBlock = 128;
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

    std::size_t FindLong(std::string_view needle, std::size_t from) const;
    std::size_t BadHexUnitsSlowly(std::size_t byte, std::size_t count) const;
    Position AdvanceSlowly(Position from, std::size_t units) const;
    std::size_t UnitsBetweenSlowly(Position from, std::size_t to) const;

    std::size_t End() const { return body_.size() + tail_.size(); }
    unsigned char ByteAt(std::size_t i) const;
    std::size_t UnitsOfByte(std::size_t i) const;
    std::size_t BytesOfCharacter(std::size_t i) const;
    std::size_t WordUnits(std::size_t i, std::uint64_t counted) const;
    std::size_t WideUnits(std::size_t from, std::size_t to) const;
    std::size_t CountUnits(std::size_t from, std::size_t to) const;
    std::size_t UnitsBefore(std::size_t byte) const;

    std::string_view body_;
    std::string_view tail_;  // a CR LF after the last line, or nothing
    bool utf8_;
    bool joinedLines_;
    std::uint64_t utf8Bytes_;   // all bits when UTF-8, else none
    std::uint64_t breakBytes_;  // all bits when lines are joined again, else none
    std::vector<std::size_t> blockUnits_;  // units before each block of kBlock bytes
    std::size_t units_ = 0;
};

// The places of one byte in a text, found from the front to the back. The
// places within the current 64 bytes are kept as the bits of a word, so
// most finds are a bit count rather than a search: text full of the byte
// is searched without a call per find.
class ByteFinder {
public:
    ByteFinder(std::string_view bytes, char c) : bytes_(bytes), c_(c) {}

    // The first place at or after `from`, or npos.
    std::size_t Next(std::size_t from)
    {
        if (from >= bytes_.size())
            return ScanText::npos;
        std::size_t window = from & ~std::size_t(63);
        if (window != window_)
            Load(window);
        std::uint64_t places = places_ & (~std::uint64_t(0) << (from - window));
        while (places == 0) {
            window += 64;
            if (window >= bytes_.size())
                return ScanText::npos;
            Load(window);
            places = places_;
        }
        return window + std::size_t(__builtin_ctzll(places));
    }

private:
    // places_ for the 64 bytes from `window` (fewer at the end).
    void Load(std::size_t window);

    std::string_view bytes_;
    char c_;
    std::size_t window_ = ScanText::npos;
    std::uint64_t places_ = 0;
};

// Each UTF-16 code unit on its own in UTF-8 form (a surrogate as three
// bytes): a ScanText of this, read as UTF-8, has exactly the given units.
std::string Utf16UnitsAsBytes(std::u16string_view text);

} // namespace tessaro
