// The one conversion between TColor and Qt's colours.
#include "platform/qt_color.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

struct QtColorCase {
    const char* name;
    TColor color;
    QRgb rgb;
};

class QtColorTest : public testing::TestWithParam<QtColorCase> {};

TEST_P(QtColorTest, CarriesTheThreeBytesEachWay)
{
    const auto& c = GetParam();
    EXPECT_EQ(ToQRgb(c.color), c.rgb);
    EXPECT_EQ(ToQColor(c.color).rgb(), c.rgb);
    EXPECT_EQ(FromQRgb(c.rgb), c.color & 0xFFFFFF);
    EXPECT_EQ(FromQColor(QColor::fromRgb(c.rgb)), c.color & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(Worked, QtColorTest, testing::Values(
    // A TColor holds red in its lowest byte, QRgb in its third.
    QtColorCase{"RedIsLowestInTColorThirdInQRgb", MakeColor(0x11, 0x22, 0x33), 0xFF112233u},
    QtColorCase{"Black", 0x000000, 0xFF000000u},
    QtColorCase{"White", 0xFFFFFF, 0xFFFFFFFFu},
    QtColorCase{"HighByteIsNotAQtColour", MakeColor(9, 8, 7) | 0x80000000u, 0xFF090807u}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtColorAlphaTest, IsIgnoredComingBack)
{
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 4)), MakeColor(1, 2, 3));
    EXPECT_EQ(FromQRgb(qRgba(1, 2, 3, 0)), MakeColor(1, 2, 3));
}

} // namespace
} // namespace tessaro
