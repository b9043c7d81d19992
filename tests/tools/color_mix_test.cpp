// The mixer's arithmetic: every term truncated on its own, the all-zero
// case, and stored amounts brought into range.
#include "tools/color_mix.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace tessaro;
using namespace tessaro::tools;

namespace {

constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = MakeColor(0, 0, 0);

struct MixCase {
    const char* name;
    std::array<MixSlot, kMixSlots> slots;
    std::optional<TColor> mixed;
};

class MixColorsTest : public testing::TestWithParam<MixCase> {};

TEST_P(MixColorsTest, MixesEachTermTruncated)
{
    EXPECT_EQ(MixColors(GetParam().slots), GetParam().mixed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MixColorsTest,
    testing::Values(
        // The first-run slots: red 63 + 85 = 148 where the exact mean is 149.
        MixCase{"FirstRunSettings",
                {{{MakeColor(127, 212, 110), 50}, {MakeColor(171, 110, 212), 50}, {0xFF00FF, 0}, {0xFF0000, 0}}},
                MakeColor(148, 161, 161)},
        MixCase{"OnlySlotOne",
                {{{MakeColor(12, 34, 56), 100}, {kWhite, 0}, {kBlack, 0}, {kWhite, 0}}},
                MakeColor(12, 34, 56)},
        MixCase{"ThreeWhitesEachThird", {{{kWhite, 1}, {kWhite, 1}, {kWhite, 1}, {kBlack, 0}}}, kWhite},
        MixCase{"WhiteAndTwoBlacks", {{{kWhite, 1}, {kBlack, 1}, {kBlack, 1}, {kWhite, 0}}}, MakeColor(85, 85, 85)},
        // Four terms of 255 * 25 div 99 = 64 and 255 * 24 div 99 = 61: 253, three below the mean.
        MixCase{"FourTruncatedTerms", {{{kWhite, 25}, {kWhite, 25}, {kWhite, 25}, {kWhite, 24}}},
                MakeColor(253, 253, 253)},
        MixCase{"AllAmountsZero", {{{kWhite, 0}, {kWhite, 0}, {kWhite, 0}, {kWhite, 0}}}, std::nullopt},
        MixCase{"HighByteIgnored", {{{0x800000FF, 100}, {kBlack, 0}, {kBlack, 0}, {kBlack, 0}}},
                MakeColor(255, 0, 0)}),
    [](const testing::TestParamInfo<MixCase>& info) { return std::string(info.param.name); });

struct StoredAmountCase {
    const char* name;
    const char* text;
    int amount;
    const char* problem;
};

class StoredMixAmountTest : public testing::TestWithParam<StoredAmountCase> {};

TEST_P(StoredMixAmountTest, TakesAmountsFromZeroToHundred)
{
    const StoredMixAmount stored = ReadStoredMixAmount("mixer.a2", GetParam().text);
    EXPECT_EQ(stored.amount, GetParam().amount);
    EXPECT_EQ(stored.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredMixAmountTest,
    testing::Values(StoredAmountCase{"Missing", "", 50, ""}, StoredAmountCase{"Zero", "0", 0, ""},
                    StoredAmountCase{"Hundred", "100", 100, ""}, StoredAmountCase{"HexNumber", "$20", 32, ""},
                    StoredAmountCase{"AboveRange", "250", 50, "'250' is not an amount from 0 to 100 (mixer.a2)"},
                    StoredAmountCase{"JustAbove", "101", 50, "'101' is not an amount from 0 to 100 (mixer.a2)"},
                    StoredAmountCase{"Negative", "-5", 50, "'-5' is not an amount from 0 to 100 (mixer.a2)"},
                    StoredAmountCase{"NotANumber", "fifty", 50, "'fifty' is not a valid integer value"}),
    [](const testing::TestParamInfo<StoredAmountCase>& info) { return std::string(info.param.name); });

} // namespace
