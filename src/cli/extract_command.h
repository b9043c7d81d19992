// tessaro-cli extract: a picture's most representative colours, as the
// Import Colors window's "From Image..." finds them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tessaro::cli {

inline constexpr const char* kExtractUsage =
    "  extract [--count N] PICTURE\n"
    "                          the N (2..32, default 8) most representative colours of a picture,\n"
    "                          most common first\n";

int ExtractCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tessaro::cli
