// Reading numbers from file bytes without ever reading past their end.
#pragma once

#include "export/palette_entry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro::exporting {

class ByteReader {
public:
    // `what` names the format in error messages ("ACO", "PAL").
    ByteReader(std::string_view bytes, const char* what) : bytes_(bytes), what_(what) {}

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    // Each throws PaletteFormatError naming `part` when too few bytes remain.
    std::uint16_t U16Be(const char* part) { return std::uint16_t(Take(2, part, true)); }
    std::uint32_t U32Be(const char* part) { return std::uint32_t(Take(4, part, true)); }
    std::uint16_t U16Le(const char* part) { return std::uint16_t(Take(2, part, false)); }
    std::uint32_t U32Le(const char* part) { return std::uint32_t(Take(4, part, false)); }
    std::uint8_t U8(const char* part) { return std::uint8_t(Take(1, part, false)); }
    std::string_view Bytes(std::size_t count, const char* part)
    {
        Need(count, part);
        const std::string_view bytes = bytes_.substr(pos_, count);
        pos_ += count;
        return bytes;
    }
    void Skip(std::size_t count, const char* part) { Bytes(count, part); }

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw PaletteFormatError(std::string(what_) + ": " + message);
    }

private:
    void Need(std::size_t count, const char* part) const
    {
        if (Remaining() < count)
            Fail(std::string("truncated ") + part + " at byte " + std::to_string(pos_));
    }
    std::uint64_t Take(std::size_t count, const char* part, bool bigEndian)
    {
        Need(count, part);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint64_t byte = std::uint8_t(bytes_[pos_ + i]);
            value |= bigEndian ? byte << (8 * (count - 1 - i)) : byte << (8 * i);
        }
        pos_ += count;
        return value;
    }

    std::string_view bytes_;
    const char* what_;
    std::size_t pos_ = 0;
};

// Appending numbers to file bytes.
inline void PutU16Be(std::string& out, std::uint32_t v)
{
    out += char((v >> 8) & 0xFF);
    out += char(v & 0xFF);
}
inline void PutU32Be(std::string& out, std::uint32_t v)
{
    PutU16Be(out, v >> 16);
    PutU16Be(out, v & 0xFFFF);
}
inline void PutU16Le(std::string& out, std::uint32_t v)
{
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
inline void PutU32Le(std::string& out, std::uint32_t v)
{
    PutU16Le(out, v & 0xFFFF);
    PutU16Le(out, v >> 16);
}

} // namespace tessaro::exporting
