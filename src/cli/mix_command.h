// tessaro-cli mix: the colour mixer's result for up to four COLOR:AMOUNT
// arguments.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tessaro::cli {

inline constexpr const char* kMixUsage =
    "  mix C1:A1 [C2:A2 [C3:A3 [C4:A4]]]\n"
    "                          the colour mixer's mixed colour of COLOR:AMOUNT pairs (amounts\n"
    "                          0..100, slots left out have amount 0); every amount 0 is status 1\n";

int MixCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tessaro::cli
