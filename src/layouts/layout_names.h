// The layouts offered by the Test Color window, in list order. The list is
// part of the program, not read from the layouts folder.
#pragma once

#include <array>

namespace tessaro::layouts {

inline constexpr std::size_t kLayoutNameCount = 76;
extern const std::array<const char*, kLayoutNameCount> kLayoutNames;

} // namespace tessaro::layouts
