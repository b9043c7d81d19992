#include "tools/color_mix.h"

#include "engine/conversion_error.h"
#include "engine/named_color.h"

#include <algorithm>

namespace tessaro::tools {

std::optional<TColor> MixColors(const std::array<MixSlot, kMixSlots>& slots)
{
    unsigned total = 0;
    for (const MixSlot& slot : slots)
        total += unsigned(ClampMixAmount(slot.amount));
    if (total == 0)
        return std::nullopt;
    unsigned red = 0, green = 0, blue = 0;
    for (const MixSlot& slot : slots) {
        const unsigned amount = unsigned(ClampMixAmount(slot.amount));
        const RgbTriple rgb = ToRgb(slot.color);
        red += amount * rgb.red / total;
        green += amount * rgb.green / total;
        blue += amount * rgb.blue / total;
    }
    return MakeColor(RgbTriple{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)});
}

int ClampMixAmount(long long amount)
{
    return int(std::clamp<long long>(amount, 0, kMaxMixAmount));
}

StoredMixAmount ReadStoredMixAmount(std::string_view key, std::string_view text)
{
    StoredMixAmount stored;
    if (text.empty())
        return stored;
    const std::optional<std::int32_t> amount = TryReadInteger(text);
    if (!amount)
        stored.problem = ConversionError(std::string(text)).what();
    else if (*amount < 0 || *amount > kMaxMixAmount)
        stored.problem = "'" + std::string(text) + "' is not an amount from 0 to 100 (" + std::string(key) + ")";
    else
        stored.amount = *amount;
    return stored;
}

} // namespace tessaro::tools
