// Each text judged against its own area, by its own size.
#include "webpreview/web_page_contrast.h"

#include <gtest/gtest.h>

namespace tessaro::webpreview {
namespace {

constexpr TColor kGrey = 0x777777;

TEST(WebPageContrast, GreyFailsSmallTextAndPassesLargeText)
{
    WebPageLayout layout;
    layout.SetTextColor(WebText::Link1, kGrey);
    layout.SetTextColor(WebText::Title, kGrey);  // 16 points, bold: large
    const ContrastVerdict link = TextContrast(layout, WebText::Link1);
    EXPECT_NEAR(link.ratio, 4.48, 0.005);
    EXPECT_FALSE(link.large);
    EXPECT_FALSE(link.passesAA);
    const ContrastVerdict title = TextContrast(layout, WebText::Title);
    EXPECT_TRUE(title.large);
    EXPECT_TRUE(title.passesAA);
    EXPECT_FALSE(title.passesAAA);
}

TEST(WebPageContrast, JudgedAgainstItsOwnArea)
{
    WebPageLayout layout;
    layout.SetAreaColor(WebArea::Footer, kBlack);
    EXPECT_DOUBLE_EQ(TextContrast(layout, WebText::Footer).ratio, 1.0);
    EXPECT_DOUBLE_EQ(TextContrast(layout, WebText::Header).ratio, 21.0);
}

TEST(WebPageContrast, ReportHasAllNineTextsInPageOrder)
{
    WebPageLayout layout;
    layout.SetAreaColor(WebArea::Footer, kBlack);
    const std::vector<std::string> report = ContrastReport(layout);
    ASSERT_EQ(report.size(), 9u);
    EXPECT_EQ(report[0], "Header Text: Contrast 21.00:1 large text, AA pass, AAA pass, APCA Lc 106.0 (body text)");
    EXPECT_EQ(report[1], "Footer Text: Contrast 1.00:1, AA fail, AAA fail, APCA Lc 0.0 (insufficient), suggested #757575");
    EXPECT_EQ(report[6], "Link 5 Text: Contrast 21.00:1, AA pass, AAA pass, APCA Lc 106.0 (body text)");
    EXPECT_EQ(report[8].substr(0, 15), "Contents Text: ");
}

} // namespace
} // namespace tessaro::webpreview
