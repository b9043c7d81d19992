// The page model: defaults, strings, the divider colour and the rules that
// hold the three sizes to the page.
#include "webpreview/web_page_layout.h"

#include "webpreview_test_support.h"

#include <gtest/gtest.h>

namespace tessaro::webpreview {
namespace {

using test::kCaseName;
using test::PrintTo;

TEST(WebPageLayout, Defaults)
{
    const WebPageLayout layout;
    for (WebArea area : kWebAreas)
        EXPECT_EQ(layout.AreaColor(area), kWhite);
    EXPECT_EQ(layout.BorderColor(), kBlack);
    EXPECT_EQ(layout.BackgroundColor(), kBlack);
    EXPECT_EQ(layout.HeaderHeight(), 49);
    EXPECT_EQ(layout.FooterHeight(), 25);
    EXPECT_EQ(layout.NavigationWidth(), 113);
    for (WebText text : kWebTexts)
        EXPECT_EQ(layout.Text(text).color, kBlack);

    EXPECT_EQ(layout.Text(WebText::Header), (WebPageText{"Header", kBlack, {"Arial", 24, true, false, false, false, 1}}));
    EXPECT_EQ(layout.Text(WebText::Footer).font, (WebFont{"MS Sans Serif", 8, false, false, false, false, 1}));
    EXPECT_EQ(layout.Text(LinkText(3)).string, "This is link 3");
    EXPECT_EQ(layout.Text(LinkText(5)).font, (WebFont{"MS Sans Serif", 8, false, false, true, false, 1}));
    EXPECT_EQ(layout.Text(WebText::Title), (WebPageText{"Page 1", kBlack, {"Arial", 16, true, false, false, false, 1}}));
    EXPECT_TRUE(layout.Text(WebText::Contents).string.starts_with("This is a sample text. To change a text, right"));
    EXPECT_TRUE(layout.Text(WebText::Contents).string.ends_with("simply drag and drop a color."));
}

TEST(WebPageLayout, DividersFollowTheBackgroundUntilGivenTheirOwnColour)
{
    WebPageLayout layout;
    layout.SetBackgroundColor(0x123456);
    EXPECT_EQ(layout.DividerColor(), 0x123456u);
    layout.SetBorderColor(0xFF);  // a drop on the border leaves the dividers
    EXPECT_EQ(layout.DividerColor(), 0x123456u);
    layout.SetBorderAndDividerColor(0xFF00);
    EXPECT_EQ(layout.BorderColor(), 0xFF00u);
    EXPECT_EQ(layout.DividerColor(), 0xFF00u);
    layout.SetBackgroundColor(0xABCDEF);
    EXPECT_EQ(layout.DividerColor(), 0xFF00u);
}

TEST(WebPageLayout, AnEmptyStringIsRefused)
{
    WebPageLayout layout;
    EXPECT_FALSE(layout.SetTextString(WebText::Title, ""));
    EXPECT_EQ(layout.Text(WebText::Title).string, "Page 1");
    EXPECT_TRUE(layout.SetTextString(WebText::Title, "a=b"));
    EXPECT_EQ(layout.Text(WebText::Title).string, "a=b");
}

TEST(WebPageLayout, LineBreaksInAStringBecomeBlanks)
{
    WebPageLayout layout;
    layout.SetTextString(WebText::Link2, "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(layout.Text(WebText::Link2).string, "one  two three four");
}

TEST(WebPageLayout, LinkTextsInOrder)
{
    EXPECT_EQ(LinkText(1), WebText::Link1);
    EXPECT_EQ(LinkText(5), WebText::Link5);
    EXPECT_EQ(AreaOf(WebText::Link4), WebArea::Navigation);
    EXPECT_EQ(AreaOf(WebText::Title), WebArea::Contents);
    EXPECT_EQ(AreaOf(WebText::Contents), WebArea::Contents);
    EXPECT_EQ(AreaOf(WebText::Footer), WebArea::Footer);
}

struct SizeCase {
    const char* name;
    WebDivider divider;
    bool dragged;  // by the user, or set (a file, a program)
    int requested;
    int expected;
};

class WebPageSizes : public ::testing::TestWithParam<SizeCase> {};

// From the default page: header 49, footer 25, navigation 113.
TEST_P(WebPageSizes, HeldToThePage)
{
    const SizeCase& c = GetParam();
    WebPageLayout layout;
    const int result = c.dragged ? layout.DragDivider(c.divider, c.requested) : layout.SetDividerSize(c.divider, c.requested);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(layout.DividerSize(c.divider), c.expected);
    EXPECT_GE(layout.HeaderHeight() + layout.FooterHeight(), 0);
    EXPECT_LE(layout.HeaderHeight() + layout.FooterHeight() + 2 * kDividerThickness, kPageHeight);
}

const SizeCase kSizeCases[] = {
    {"DraggedHeaderToOneSnapsToZero", WebDivider::Header, true, 1, 0},
    {"DraggedFooterToOneSnapsToZero", WebDivider::Footer, true, 1, 0},
    {"DraggedNavigationToOneSnapsToZero", WebDivider::Navigation, true, 1, 0},
    {"DraggedNavigationFarLeftCollapses", WebDivider::Navigation, true, -40, 0},
    {"DraggedHeaderToTwoStays", WebDivider::Header, true, 2, 2},
    {"SetHeaderOfOneStays", WebDivider::Header, false, 1, 1},
    {"NegativeHeaderIsZero", WebDivider::Header, false, -5, 0},
    {"HeaderLeavesRoomForTheFooter", WebDivider::Header, false, 5000, 268},
    {"HeaderFillingTheRestFits", WebDivider::Header, false, 268, 268},
    {"FooterLeavesRoomForTheHeader", WebDivider::Footer, false, 2147483647, 244},
    {"NavigationAtMostThePageLessOneDivider", WebDivider::Navigation, true, 9999, 383},
    {"NavigationOf382Stays", WebDivider::Navigation, false, 382, 382},
    {"LowestIntegerIsZero", WebDivider::Navigation, false, -2147483647 - 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Sizes, WebPageSizes, ::testing::ValuesIn(kSizeCases), kCaseName);

} // namespace
} // namespace tessaro::webpreview
