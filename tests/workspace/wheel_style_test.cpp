// Wheel style files: what a file sets, and where its reading stops.
#include "workspace/wheel_style.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tessaro::workspace;

namespace {

TEST(WheelStyle, OnlyTheKeysPresentAreSet)
{
    const WheelStyle style = ParseWheelStyle("c1.left=10\r\nother=1\r\nC5.TYPE=1\r\nc13.width=\r\n");
    EXPECT_FALSE(style.error);
    EXPECT_EQ(style.swatches[0].left, 10);
    EXPECT_FALSE(style.swatches[0].top);
    EXPECT_EQ(style.swatches[4].shape, WheelSwatchShape::Rectangle);
    // An empty value counts as missing.
    EXPECT_FALSE(style.swatches[12].width);
    for (int n : {2, 3, 4, 6, 13})
        EXPECT_FALSE(style.swatches[n - 1].left || style.swatches[n - 1].shape) << n;
}

TEST(WheelStyle, TypeOtherThanOneOrTwoLeavesTheShape)
{
    struct Case {
        const char* text;
        std::optional<WheelSwatchShape> shape;
    };
    const Case cases[] = {
        {"c2.type=1", WheelSwatchShape::Rectangle},
        {"c2.type=2", WheelSwatchShape::Circle},
        {"c2.type=3", std::nullopt},
        {"c2.type=0", std::nullopt},
        {"c2.type=-1", std::nullopt},
    };
    for (const Case& c : cases) {
        const WheelStyle style = ParseWheelStyle(c.text);
        EXPECT_FALSE(style.error) << c.text;
        EXPECT_EQ(style.swatches[1].shape, c.shape) << c.text;
    }
}

// Swatch by swatch, each in the order left, top, height, width, type: what
// comes before the bad value is kept, nothing after it.
TEST(WheelStyle, BadIntegerKeepsWhatCameBefore)
{
    const WheelStyle style = ParseWheelStyle("c2.top=9\r\nc1.width=abc\r\nc1.left=3\r\nc1.type=1\r\nc1.top=4\r\n");
    ASSERT_TRUE(style.error);
    EXPECT_EQ(*style.error, "'abc' is not a valid integer value");
    EXPECT_EQ(style.swatches[0].left, 3);
    EXPECT_EQ(style.swatches[0].top, 4);
    EXPECT_FALSE(style.swatches[0].shape);
    EXPECT_FALSE(style.swatches[1].top);
}

TEST(WheelStyle, FilesThatCannotBeReadGiveNoStyle)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "wheel_style_test";
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(ReadWheelStyleFile((folder / "missing.whl").string()));
    EXPECT_FALSE(ReadWheelStyleFile(folder.string()));

    // Any bytes: read without a crash, with huge numbers kept as numbers.
    const char bytes[] = "\0\xff\xfe\nc1.left=2147483647\n\rc1.top=-2147483648\r\n\x01=\x02";
    const std::string junk(bytes, sizeof bytes - 1);
    std::ofstream((folder / "junk.whl").string(), std::ios::binary) << junk;
    const std::optional<WheelStyle> style = ReadWheelStyleFile((folder / "junk.whl").string());
    ASSERT_TRUE(style);
    EXPECT_EQ(style->swatches[0].left, 2147483647);
    EXPECT_EQ(style->swatches[0].top, -2147483647 - 1);
    std::filesystem::remove_all(folder);
}

} // namespace
