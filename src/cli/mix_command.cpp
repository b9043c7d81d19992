#include "cli/mix_command.h"

#include "cli/cli.h"
#include "cli/color_argument.h"
#include "cli/command_errors.h"
#include "engine/color_text.h"
#include "tools/color_mix.h"

#include <charconv>

namespace tessaro::cli {

namespace {

tools::MixSlot ReadSlot(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw UsageError{"mix takes COLOR:AMOUNT, got '" + text + "'"};
    const std::optional<TColor> color = ReadColorArgument(text.substr(0, colon));
    if (!color)
        throw UsageError{"COLOR must be six hex digits, got '" + text.substr(0, colon) + "'"};
    const std::string amountText = text.substr(colon + 1);
    int amount = -1;
    const auto [end, error] = std::from_chars(amountText.data(), amountText.data() + amountText.size(), amount);
    if (amountText.empty() || error != std::errc() || end != amountText.data() + amountText.size() || amount < 0 ||
        amount > tools::kMaxMixAmount)
        throw UsageError{"AMOUNT must be a whole number from 0 to 100, got '" + amountText + "'"};
    return {*color, amount};
}

} // namespace

int MixCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ExpectArgs(args, 1, tools::kMixSlots);
    std::array<tools::MixSlot, tools::kMixSlots> slots{};
    for (std::size_t i = 1; i < args.size(); ++i)
        slots[i - 1] = ReadSlot(args[i]);
    const std::optional<TColor> mixed = tools::MixColors(slots);
    if (!mixed) {
        err << tools::kAllAmountsZeroMessage << '\n';
        return kExitConversionError;
    }
    out << HashHexText(*mixed) << '\n';
    return kExitOk;
}

} // namespace tessaro::cli
