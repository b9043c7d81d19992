// Wheel style files: which properties a file sets, in which order, and
// where a bad integer stops it.
#include "workspace/wheel_style.h"

#include <gtest/gtest.h>

namespace tessaro::workspace {
namespace {

using P = SwatchProperty;

WheelStyle Read(std::string_view text)
{
    return ReadWheelStyle(KeyValueText::Parse(text));
}

TEST(WheelStyle, OnlyTheKeysPresentInSwatchAndPropertyOrder)
{
    const WheelStyle style = Read("C5.TYPE=1\r\nc1.left=10\r\nother=x\r\nc13.width=7\r\nc1.top=\r\nc1.left=99\r\n");
    EXPECT_FALSE(style.badValue);
    const std::vector<WheelStyleChange> expected{{0, P::Left, 10}, {4, P::Type, 1}, {12, P::Width, 7}};
    EXPECT_EQ(style.changes, expected);  // empty values count as missing, the first line wins
}

TEST(WheelStyle, EveryPropertyOfTheMainSwatch)
{
    const WheelStyle style = Read("c1.type=2\nc1.width=60\nc1.height=60\nc1.top=144\nc1.left=71\n");
    const std::vector<WheelStyleChange> expected{
        {0, P::Left, 71}, {0, P::Top, 144}, {0, P::Height, 60}, {0, P::Width, 60}, {0, P::Type, 2}};
    EXPECT_EQ(style.changes, expected);
}

TEST(WheelStyle, BadIntegerKeepsWhatCameBeforeIt)
{
    const WheelStyle style = Read("c1.left=5\r\nc2.top=abc\r\nc2.left=8\r\nc3.left=9\r\n");
    ASSERT_TRUE(style.badValue);
    EXPECT_EQ(*style.badValue, "abc");
    const std::vector<WheelStyleChange> expected{{0, P::Left, 5}, {1, P::Left, 8}};
    EXPECT_EQ(style.changes, expected);  // c2.left comes before c2.top; c3 is skipped
}

TEST(WheelStyle, OtherTypesAndHugeNumbersAreReadAsTheyAre)
{
    const WheelStyle style = Read("c5.type=3\nc6.left=-2147483648\nc6.width=$7FFFFFFF\n");
    const std::vector<WheelStyleChange> expected{
        {4, P::Type, 3}, {5, P::Left, -2147483647 - 1}, {5, P::Width, 2147483647}};
    EXPECT_EQ(style.changes, expected);
    EXPECT_EQ(*Read("c1.left=99999999999\n").badValue, "99999999999");
}

TEST(WheelStyle, AnyBytesAreReadWithoutHarm)
{
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.push_back(char((i * 131 + 7) % 256));
    const WheelStyle style = Read(bytes + "\nc1.left=3\n");
    EXPECT_LE(style.changes.size(), 1u);
}

} // namespace
} // namespace tessaro::workspace
