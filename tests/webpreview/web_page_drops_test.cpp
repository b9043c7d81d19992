// Drops on the sample page as one table: which spot takes which source, the
// refusal of a part's own drag, and what each spot changes.
#include "webpreview/web_page_drops.h"

#include "webpreview_test_support.h"

#include <gtest/gtest.h>

namespace tessaro::webpreview {
namespace {

using colorlist::DragSource;

constexpr TColor kDropped = 0x3366CC;

struct DropCase {
    const char* name;
    WebDropSpot spot;
    DragSource source;
    std::optional<WebDropSpot> origin;
    bool taken;
};

class DropTable : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropTable, TakesOrRefuses)
{
    const DropCase& c = GetParam();
    WebPageLayout layout;
    const WebPageLayout before = layout;
    EXPECT_EQ(DropOnSpot(layout, c.spot, kDropped, c.source, c.origin), c.taken);
    if (c.taken)
        EXPECT_EQ(SpotColor(layout, c.spot), kDropped);
    else
        EXPECT_EQ(layout, before);
}

INSTANTIATE_TEST_SUITE_P(
    Page, DropTable,
    ::testing::Values(
        DropCase{"AreaTakesMainSwatch", AreaSpot(WebArea::Header), DragSource::MainSwatch, {}, true},
        DropCase{"AreaTakesColorList", AreaSpot(WebArea::Contents), DragSource::ColorList, {}, true},
        DropCase{"AreaTakesMixer", AreaSpot(WebArea::Footer), DragSource::MixerSwatch, {}, true},
        DropCase{"AreaTakesImportList", AreaSpot(WebArea::Navigation), DragSource::ImportList, {}, true},
        DropCase{"AreaTakesOutsideColour", AreaSpot(WebArea::Header), DragSource::Unknown, {}, true},
        DropCase{"TextTakesOutsideColour", TextSpot(WebText::Title), DragSource::Unknown, {}, true},
        DropCase{"BorderRefusesOutsideColour", kBorderSpot, DragSource::Unknown, {}, false},
        DropCase{"CaptionRefusesOutsideColour", kBackgroundSpot, DragSource::Unknown, {}, false},
        DropCase{"HeaderOnFooter", AreaSpot(WebArea::Footer), DragSource::WebArea, AreaSpot(WebArea::Header), true},
        DropCase{"HeaderOnItself", AreaSpot(WebArea::Header), DragSource::WebArea, AreaSpot(WebArea::Header), false},
        DropCase{"TextOnItsOwnArea", AreaSpot(WebArea::Header), DragSource::WebText, TextSpot(WebText::Header), true},
        DropCase{"TextTakesTestShape", TextSpot(WebText::Link3), DragSource::TestShape, {}, true},
        DropCase{"TextOnItself", TextSpot(WebText::Title), DragSource::WebText, TextSpot(WebText::Title), false},
        DropCase{"BorderTakesWheelSwatch", kBorderSpot, DragSource::WheelSwatch, {}, true},
        DropCase{"BorderTakesTestBackground", kBorderSpot, DragSource::TestBackground, {}, true},
        DropCase{"BorderTakesPageArea", kBorderSpot, DragSource::WebArea, AreaSpot(WebArea::Header), true},
        DropCase{"BorderRefusesColorList", kBorderSpot, DragSource::ColorList, {}, false},
        DropCase{"BorderRefusesMixer", kBorderSpot, DragSource::MixerSwatch, {}, false},
        DropCase{"CaptionTakesHarmonySwatch", kBackgroundSpot, DragSource::HarmonySwatch, {}, true},
        DropCase{"CaptionTakesVariationsGrid", kBackgroundSpot, DragSource::VariationsGrid, {}, true},
        DropCase{"CaptionRefusesQuickPalette", kBackgroundSpot, DragSource::QuickPalette, {}, false},
        DropCase{"CaptionRefusesPageArea", kBackgroundSpot, DragSource::WebArea, AreaSpot(WebArea::Footer), false}),
    test::kCaseName);

TEST(DropOnSpot, BorderLeavesTheDividers)
{
    WebPageLayout layout;
    layout.SetBorderAndDividerColor(0x111111);
    ASSERT_TRUE(DropOnSpot(layout, kBorderSpot, kDropped, DragSource::MainSwatch));
    EXPECT_EQ(layout.BorderColor(), kDropped);
    EXPECT_EQ(layout.DividerColor(), 0x111111u);
}

TEST(DropOnSpot, DividersFollowTheBackgroundUntilSet)
{
    WebPageLayout layout;
    ASSERT_TRUE(DropOnSpot(layout, kBackgroundSpot, kDropped, DragSource::MainSwatch));
    EXPECT_EQ(layout.DividerColor(), kDropped);
    EXPECT_EQ(layout.BorderColor(), kBlack);
}

} // namespace
} // namespace tessaro::webpreview
