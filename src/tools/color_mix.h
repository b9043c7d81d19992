// The colour mixer's arithmetic: up to four colours mixed by whole-number
// amounts. Plain C++ on the engine's colour values.
#pragma once

#include "engine/color.h"

#include <array>
#include <optional>
#include <string>
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

// A slot's amount as the settings hold it. A missing value is 50. A value
// that is no integer from 0 to 100 is refused: `problem` says why, and the
// amount is 50 as if the line were missing.
struct StoredMixAmount {
    int amount = 50;
    std::string problem;
};
StoredMixAmount ReadStoredMixAmount(std::string_view key, std::string_view text);

} // namespace tessaro::tools
