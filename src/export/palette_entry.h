// What a palette file holds for one colour, and the error of a palette file
// that cannot be read.
#pragma once

#include "engine/color.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tessaro::exporting {

struct PaletteEntry {
    TColor color = 0;
    std::string name;  // UTF-8; empty when the file names none
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A palette file whose bytes are not a palette of the kind: the message says
// what is wrong ("truncated ...", "not a ... file").
class PaletteFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Both palette formats count their colours in 16 bits; the writers refuse
// more (PaletteFormatError) rather than drop any.
inline constexpr std::size_t kMaxPaletteColors = 0xFFFF;

std::vector<TColor> ColorsOf(const std::vector<PaletteEntry>& entries);

} // namespace tessaro::exporting
