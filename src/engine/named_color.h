// Colours stored as named colour text, and the integer reading every stored
// number goes through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Leading blanks, then either [+|-]decimal fitting a signed 32-bit integer,
// or hexadecimal after "$", "x", "X", "0x" or "0X" fitting 32 bits (taken as
// the bit pattern). Nothing may follow. Throws ConversionError otherwise.
std::int32_t ReadInteger(std::string_view text);
// ReadInteger without the exception: nullopt for text that is not a number.
std::optional<std::int32_t> TryReadInteger(std::string_view text);

// The identifier of the first table row with this value, otherwise "$"
// followed by eight upper-case hex digits.
std::string ColorToNamedText(std::uint32_t value);

// An identifier (any letter case) or an integer by ReadInteger; throws
// ConversionError for anything else.
std::uint32_t NamedTextToColor(std::string_view text);

struct ColorIdentifier {
    const char* name;
    std::uint32_t value;
};
// The 49 identifiers in search order.
extern const ColorIdentifier kColorIdentifiers[49];

} // namespace tessaro
