// tessaro-cli mix: the mixer's colour for COLOR:AMOUNT pairs.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tessaro::cli {
namespace {

struct MixCliCase {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string err;  // the start of standard error
};

class CliMixTest : public testing::TestWithParam<MixCliCase> {};

TEST_P(CliMixTest, PrintsTheMixedColour)
{
    const MixCliCase& c = GetParam();
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run(c.args, in, out, err, "."), c.code);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str().substr(0, c.err.size()), c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliMixTest,
    testing::Values(
        MixCliCase{"WorkedExample", {"mix", "#7FD46E:50", "ABD46E:0", "AB6ED4:50"}, 0, "#94A1A1\n", ""},
        MixCliCase{"OneSlot", {"mix", "123456:1"}, 0, "#123456\n", ""},
        MixCliCase{"AllZero", {"mix", "FFFFFF:0", "000000:0"}, 1, "", "All color amounts are set to zero!\n"},
        MixCliCase{"AmountAbove100", {"mix", "FFFFFF:101"}, 2, "", "tessaro-cli: AMOUNT must be"},
        MixCliCase{"NoAmount", {"mix", "FFFFFF"}, 2, "", "tessaro-cli: mix takes COLOR:AMOUNT"},
        MixCliCase{"FiveSlots", {"mix", "0:1", "0:1", "0:1", "0:1", "0:1"}, 2, "", "tessaro-cli: wrong number"},
        MixCliCase{"NotHex", {"mix", "GGGGGG:5"}, 1, "", "'GGGGGG' is not a valid integer value"}),
    [](const testing::TestParamInfo<MixCliCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::cli
