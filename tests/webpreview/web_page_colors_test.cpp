// The colour chooser's entries and the colours handed to the colour list.
#include "webpreview/web_page_colors.h"

#include "webpreview_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessaro::webpreview {
namespace {

using test::kCaseName;
using test::PrintTo;

struct ChooserCase {
    const char* name;
    const char* label;
    std::function<TColor(const WebPageLayout&)> part;
};

class WebPageChooser : public ::testing::TestWithParam<ChooserCase> {};

TEST_P(WebPageChooser, EntrySetsAndShowsItsPart)
{
    const ChooserCase& c = GetParam();
    WebPageLayout layout;
    ASSERT_TRUE(SetChooserColor(layout, c.label, 0x123456));
    EXPECT_EQ(c.part(layout), 0x123456u);
    EXPECT_EQ(ChooserColor(layout, c.label), 0x123456u);
    // Exactly one colour of the fourteen changed.
    const std::vector<TColor> before = ColorsForColorList(WebPageLayout());
    const std::vector<TColor> after = ColorsForColorList(layout);
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    EXPECT_EQ(changed, 1);
}

const ChooserCase kChooserCases[] = {
    {"Border", "Border Color", [](const WebPageLayout& l) { return l.DividerColor(); }},
    {"Header", "Header Color", [](const WebPageLayout& l) { return l.AreaColor(WebArea::Header); }},
    {"HeaderText", "Header Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Header).color; }},
    {"Navigation", "Navigation Panel Color", [](const WebPageLayout& l) { return l.AreaColor(WebArea::Navigation); }},
    {"Link1", "Link 1 Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Link1).color; }},
    {"Link2", "Link 2 Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Link2).color; }},
    {"Link3", "Link 3 Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Link3).color; }},
    {"Link4", "Link 4 Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Link4).color; }},
    {"Link5", "Link 5 Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Link5).color; }},
    {"Contents", "Contents Panel Color", [](const WebPageLayout& l) { return l.AreaColor(WebArea::Contents); }},
    {"Title", "Title Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Title).color; }},
    {"ContentsText", "Contents Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Contents).color; }},
    {"Footer", "Footer Color", [](const WebPageLayout& l) { return l.AreaColor(WebArea::Footer); }},
    {"FooterText", "Footer Text Color", [](const WebPageLayout& l) { return l.Text(WebText::Footer).color; }},
};

INSTANTIATE_TEST_SUITE_P(Entries, WebPageChooser, ::testing::ValuesIn(kChooserCases), kCaseName);

TEST(WebPageChooser, EntriesInTheirOrder)
{
    ASSERT_EQ(std::size(kChooserCases), kColorChooserEntries.size());
    for (std::size_t i = 0; i < kColorChooserEntries.size(); ++i)
        EXPECT_STREQ(kColorChooserEntries[i].label, kChooserCases[i].label);
}

TEST(WebPageChooser, TextThatIsNoEntrySetsNothing)
{
    WebPageLayout layout;
    for (const char* label : {"", "border color", "Border Color ", "Background Color", "Link 6 Text Color"}) {
        EXPECT_FALSE(SetChooserColor(layout, label, 0x123456)) << label;
        EXPECT_EQ(ChooserColor(layout, label), std::nullopt) << label;
    }
    EXPECT_EQ(layout, WebPageLayout());
}

TEST(WebPageColors, ForTheColorListInTheirOrderWithoutTheBackground)
{
    WebPageLayout layout;
    layout.SetBackgroundColor(0xEEEEEE);
    layout.SetBorderColor(1);
    layout.SetAreaColor(WebArea::Header, 2);
    layout.SetAreaColor(WebArea::Footer, 3);
    layout.SetAreaColor(WebArea::Navigation, 4);
    layout.SetAreaColor(WebArea::Contents, 5);
    layout.SetTextColor(WebText::Header, 6);
    layout.SetTextColor(WebText::Footer, 7);
    for (int i = 1; i <= kLinkCount; ++i)
        layout.SetTextColor(LinkText(i), TColor(7 + i));
    layout.SetTextColor(WebText::Title, 13);
    layout.SetTextColor(WebText::Contents, 14);
    EXPECT_EQ(ColorsForColorList(layout), (std::vector<TColor>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

} // namespace
} // namespace tessaro::webpreview
