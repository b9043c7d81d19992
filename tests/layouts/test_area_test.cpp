// The test document: loading a layout in order, failures, "Show Texts and
// Images", default colours, hit testing and the window's texts and size.
#include "layouts/test_area.h"

#include "engine/conversion_error.h"
#include "layouts_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaro::layouts {
namespace {

TestLayout MemberCard()
{
    auto layout = ReadTestLayout(test::LayoutData() + "member_card.sts");
    EXPECT_TRUE(layout);
    return layout ? *layout : TestLayout{};
}

TEST(InitialTestArea, ColumnsOfShapesImagesAndTexts)
{
    const TestArea area = InitialTestArea();
    EXPECT_EQ(area.width, 425);
    EXPECT_EQ(area.height, 385);
    EXPECT_EQ(area.background, 0xFFFFFFu);
    const LayoutObject& shape10 = area.Object(ObjectKind::Shape, 10);
    EXPECT_EQ(shape10.left, 16);
    EXPECT_EQ(shape10.top, 24 + 32 * 9);
    EXPECT_EQ(shape10.fill, 0x646464u);
    EXPECT_EQ(shape10.outline, 0x646464u);
    EXPECT_EQ(area.Object(ObjectKind::Image, 5).left, 56);
    const LayoutObject& text3 = area.Object(ObjectKind::Text, 3);
    EXPECT_EQ(text3.text, "Text3");
    EXPECT_EQ(text3.font, "Tahoma");
    EXPECT_EQ(text3.fontSize, 10);
    EXPECT_EQ(text3.width, 100);
    EXPECT_EQ(text3.textColor, 0u);
}

TEST(ApplyLayout, MemberCardAsWritten)
{
    TestArea area = InitialTestArea();
    std::vector<std::string> loaded;
    ApplyLayout(area, MemberCard(), true, test::LayoutData(),
                [&](const LayoutObject& image) { loaded.push_back(image.fileValue); });
    EXPECT_EQ(area.title, "Member Card");
    EXPECT_EQ(area.width, 300);
    EXPECT_EQ(area.height, 180);
    const LayoutObject& s1 = area.Object(ObjectKind::Shape, 1);
    EXPECT_EQ(s1.left, 40);  // "S1.LEFT" comes first
    EXPECT_TRUE(s1.visible);
    EXPECT_TRUE(s1.ellipse);
    EXPECT_FALSE(area.Object(ObjectKind::Shape, 2).visible);
    const LayoutObject& t1 = area.Object(ObjectKind::Text, 1);
    EXPECT_EQ(t1.text, " Member");
    EXPECT_EQ(t1.fontSize, 0x12);
    EXPECT_TRUE(t1.bold);
    EXPECT_EQ(area.Object(ObjectKind::Text, 2).text, "a=b");
    EXPECT_TRUE(area.Object(ObjectKind::Text, 2).underline);
    // Only the picture that exists as a file is loaded and recorded.
    EXPECT_EQ(loaded, std::vector<std::string>{"pics\\logo.bmp"});
    EXPECT_EQ(area.Object(ObjectKind::Image, 1).picturePath, test::LayoutData() + "pics/logo.bmp");
    EXPECT_TRUE(area.Object(ObjectKind::Image, 1).stretch);
    EXPECT_EQ(area.Object(ObjectKind::Image, 2).fileValue, "");
    EXPECT_EQ(area.Object(ObjectKind::Image, 3).picturePath, "");  // a folder is no picture
}

TEST(ApplyLayout, ConversionErrorStopsAtItsKey)
{
    TestArea area = InitialTestArea();
    const TestLayout layout = ParseTestLayout("title=T\r\ns1.left=5\r\ns1.top=abc\r\ns1.height=9\r\ns2.left=7");
    try {
        ApplyLayout(area, layout, true, "/nowhere/");
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(area.title, "T");
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).left, 5);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).height, 25);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 2).left, 16);
}

TEST(ApplyLayout, BadDocumentWidthStopsBeforeObjects)
{
    TestArea area = InitialTestArea();
    EXPECT_THROW(ApplyLayout(area, ParseTestLayout("width=wide\r\ns1.left=5"), true, "/nowhere/"), ConversionError);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).left, 16);
}

TEST(ApplyLayout, PictureErrorStopsTheLoad)
{
    TestArea area = InitialTestArea();
    EXPECT_THROW(ApplyLayout(area, MemberCard(), true, test::LayoutData(),
                             [](const LayoutObject&) { throw std::runtime_error("not a picture"); }),
                 std::runtime_error);
    EXPECT_FALSE(area.Object(ObjectKind::Image, 1).visible);  // "visible" comes after "filename"
}

TEST(ApplyLayout, TextsAndImagesOffHidesThemAll)
{
    TestArea area = InitialTestArea();
    bool loaded = false;
    ApplyLayout(area, MemberCard(), false, test::LayoutData(), [&](const LayoutObject&) { loaded = true; });
    EXPECT_FALSE(loaded);
    for (const LayoutObject& text : area.texts)
        EXPECT_FALSE(text.visible);
    for (const LayoutObject& image : area.images) {
        EXPECT_FALSE(image.visible);
        EXPECT_EQ(image.picturePath, "");
    }
    EXPECT_TRUE(area.Object(ObjectKind::Shape, 1).visible);
    ApplyLayout(area, MemberCard(), true, test::LayoutData());
    EXPECT_TRUE(area.Object(ObjectKind::Text, 1).visible);
    EXPECT_FALSE(area.Object(ObjectKind::Text, 3).visible);
}

TEST(ApplyLayout, NextLoadDropsEarlierPictures)
{
    TestArea area = InitialTestArea();
    ApplyLayout(area, MemberCard(), true, test::LayoutData());
    ApplyLayout(area, ParseTestLayout("i1.visible=1"), true, test::LayoutData());
    EXPECT_EQ(area.Object(ObjectKind::Image, 1).picturePath, "");
    EXPECT_EQ(area.Object(ObjectKind::Image, 1).left, 56);  // position survives: keys missing
}

TEST(ApplyLayout, ColoursSurviveLayouts)
{
    TestArea area = InitialTestArea();
    area.Object(ObjectKind::Shape, 3).fill = 0x0000FF;
    ApplyLayout(area, MemberCard(), true, test::LayoutData());
    EXPECT_EQ(area.Object(ObjectKind::Shape, 3).fill, 0x0000FFu);
}

TEST(RestoreDefaultColors, SetsPresentColoursAndOutlines)
{
    TestArea area = InitialTestArea();
    area.Object(ObjectKind::Shape, 2).fill = 0x123456;
    RestoreDefaultColors(area, MemberCard().lines);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).fill, 0x0080FFu);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).outline, 0x0080FFu);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 2).fill, 0x123456u);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 2).outline, 0x123456u);
    EXPECT_EQ(area.Object(ObjectKind::Text, 1).textColor, 0xFFFFFFu);
    EXPECT_EQ(area.background, 0x800000u);  // clNavy
}

TEST(RestoreDefaultColors, BadColourStopsThere)
{
    TestArea area = InitialTestArea();
    area.Object(ObjectKind::Shape, 1).fill = 0x111111;
    EXPECT_THROW(RestoreDefaultColors(area, KeyValueText::Parse("s1.color=clRed\r\ns2.color=reddish\r\nbackground.color=0")),
                 ConversionError);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).fill, 0x0000FFu);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 1).outline, 0xF2F2F2u);
    EXPECT_EQ(area.background, 0xFFFFFFu);
}

// A document with overlapping objects of every kind.
TestArea Stacked()
{
    TestArea area = InitialTestArea();
    ApplyLayout(area, ParseTestLayout("width=200\r\nheight=100\r\n"
                                      "s1.left=0\r\ns1.top=0\r\ns1.width=100\r\ns1.height=100\r\ns1.visible=1\r\n"
                                      "s2.left=0\r\ns2.top=0\r\ns2.width=150\r\ns2.height=50\r\ns2.visible=1\r\n"
                                      "i1.left=50\r\ni1.top=10\r\ni1.width=20\r\ni1.height=20\r\ni1.visible=1\r\n"
                                      "t2.left=0\r\nt2.top=0\r\nt2.width=40\r\nt2.height=40\r\nt2.visible=1\r\n"
                                      "t1.left=30\r\nt1.top=30\r\nt1.width=40\r\nt1.height=40\r\nt1.visible=1\r\n"
                                      "t3.left=0\r\nt3.top=0\r\nt3.width=200\r\nt3.height=100\r\n"),
                true, "/nowhere/");
    return area;
}

struct HitCase {
    const char* name;
    int x, y;
    std::optional<HitTarget> expected;
};

void PrintTo(const HitCase& c, std::ostream* os)
{
    *os << c.name;
}

HitTarget Hit(ObjectKind kind, int number)
{
    return {HitTarget::What::Object, kind, number};
}

class HitTestTable : public testing::TestWithParam<HitCase> {};

TEST_P(HitTestTable, TopmostVisibleObject)
{
    EXPECT_EQ(HitTest(Stacked(), GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, HitTestTable,
    testing::Values(HitCase{"TextOneOverTextTwo", 35, 35, Hit(ObjectKind::Text, 1)},
                    HitCase{"TextOverImage", 15, 15, Hit(ObjectKind::Text, 2)},
                    HitCase{"ImageOverShapes", 55, 15, Hit(ObjectKind::Image, 1)},
                    HitCase{"ShapeOneOverShapeTwo", 80, 45, Hit(ObjectKind::Shape, 1)},
                    HitCase{"ShapeTwoAlone", 120, 45, Hit(ObjectKind::Shape, 2)},
                    HitCase{"RightEdgeExclusive", 150, 45, HitTarget{}},
                    HitCase{"HiddenTextPassedOver", 190, 90, HitTarget{}},
                    HitCase{"OutsideDocument", 200, 10, std::nullopt},
                    HitCase{"AboveDocument", 10, -1, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowTexts, TitleSizeAndStatus)
{
    EXPECT_EQ(TestAreaTitle(""), "Test Area");
    EXPECT_EQ(TestAreaTitle("Card"), "Test Area - Card");
    EXPECT_EQ(WindowClientSize(425, 385), (ClientSize{619, 451}));
    EXPECT_EQ(WindowClientSize(768, 576), (ClientSize{962, 642}));
    EXPECT_EQ(ColorStatusText(0x0080FF), " R: 255, G: 128, B: 0, HEX: #FF8000 ");
    EXPECT_EQ(BackgroundStatusText(0xFFFFFF),
              "Drag and drop a color to change background color. R: 255, G: 255, B: 255, HEX: #FFFFFF ");
}

} // namespace
} // namespace tessaro::layouts
