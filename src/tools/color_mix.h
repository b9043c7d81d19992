// The colour mixer's arithmetic: up to four colours mixed by whole-number
// amounts. Plain C++ on the engine's colour values.
#pragma once

#include "engine/color.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessaro::tools {

inline constexpr int kMixSlots = 4;
inline constexpr int kMaxMixAmount = 100;

struct MixSlot {
    TColor color = 0xFFFFFF;
    int amount = 0;  // 0..100
};

inline constexpr const char* kAllAmountsZeroMessage = "All color amounts are set to zero!";

// Each channel is the sum over the slots of amount * channel div total,
// every term truncated on its own, so the result can lie up to 3 below
// the exact weighted mean. Nothing when every amount is 0.
std::optional<TColor> MixColors(const std::array<MixSlot, kMixSlots>& slots);

// An amount brought into 0..100.
int ClampMixAmount(long long amount);

// A slot's amount as the settings hold it: 50 when missing; a number
// outside 0..100 is brought into the range, and a text that is no integer
// counts as missing.
int StoredMixAmount(std::string_view text);

} // namespace tessaro::tools
