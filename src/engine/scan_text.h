// A text held as bytes but measured as the program measures text: in the
// UTF-16 code units it decodes to, with the line breaks it would have after
// splitting and joining its lines. The scanners work on it directly, so a
// large file is scanned where it lies, without a decoded copy.
#pragma once

#include "engine/hex_digits.h"

#include <array>
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

    // How many of the `count` units from the character at `byte` are missing
    // or not hex digits.
    std::size_t BadHexUnits(std::size_t byte, std::size_t count) const
    {
        if (byte + count <= body_.size()) {
            int hex = 0;
            bool plain = true;
            std::size_t bad = 0;
            for (std::size_t k = 0; k < count; ++k) {
                const unsigned char b = static_cast<unsigned char>(body_[byte + k]);
                hex |= kHexByteValues[b];
                bad += kHexByteValues[b] < 0;
                plain &= plain_[b];
            }
            if (hex >= 0)
                return 0;
            if (plain)
                return bad;
        }
        return BadHexUnitsSlowly(byte, count);
    }

    // `units` further on, but no further than the end.
    Position Advance(Position from, std::size_t units) const
    {
        if (from.extra == 0 && from.byte + units <= body_.size()) {
            bool plain = true;
            for (std::size_t k = 0; k < units; ++k)
                plain &= plain_[static_cast<unsigned char>(body_[from.byte + k])];
            if (plain)
                return {from.byte + units, 0};
        }
        return AdvanceSlowly(from, units);
    }

    // The units from `from` to the character at `to` (from <= to).
    std::size_t UnitsBetween(Position from, std::size_t to) const;

private:
    static constexpr std::size_t kBlock = 128;
    // Whether a byte is a character of one byte and one unit, for each
    // encoding and line break mode.
    using PlainBytes = std::array<bool, 256>;
    static const PlainBytes& PlainBytesFor(bool utf8, bool joinedLines);

    std::size_t FindLong(std::string_view needle, std::size_t from) const;
    std::size_t BadHexUnitsSlowly(std::size_t byte, std::size_t count) const;
    Position AdvanceSlowly(Position from, std::size_t units) const;

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
    const PlainBytes& plain_;
    std::vector<std::size_t> blockUnits_;  // units before each block of kBlock bytes
    std::size_t units_ = 0;
};

// Each UTF-16 code unit on its own in UTF-8 form (a surrogate as three
// bytes): a ScanText of this, read as UTF-8, has exactly the given units.
std::string Utf16UnitsAsBytes(std::u16string_view text);

} // namespace tessaro
