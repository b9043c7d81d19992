// Drops on the test area: which parts take which sources, and what a drop
// does to the outlines; the contrast of texts against what lies under them.
#include "layouts/drop_color.h"
#include "layouts/text_contrast.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro::layouts {
namespace {

using colorlist::DragSource;

constexpr TColor kDropped = 0x0080FF;  // orange

HitTarget Shape(int n) { return {HitTarget::What::Object, ObjectKind::Shape, n}; }
HitTarget Text(int n) { return {HitTarget::What::Object, ObjectKind::Text, n}; }
HitTarget Image(int n) { return {HitTarget::What::Object, ObjectKind::Image, n}; }
HitTarget Background() { return {}; }

struct DropRow {
    const char* name;
    DragSource source;
    bool shapeTakes;
    bool textTakes;
    bool backgroundTakes;
};

class DropTable : public testing::TestWithParam<DropRow> {};

// What each target does with each source: the colour is taken, or nothing
// changes; either way the drop counts as a change of the scheme.
TEST_P(DropTable, SourcesAgainstTargets)
{
    const DropRow& row = GetParam();
    TestArea area = InitialTestArea();
    area.shapes[2].fill = 0x123456;  // its outline still has the initial grey

    TestArea shape = area;
    EXPECT_TRUE(DropColor(shape, Shape(3), kDropped, row.source));
    EXPECT_EQ(shape.shapes[2].fill, row.shapeTakes ? kDropped : 0x123456u);
    // Every outline takes its fill only when the shape took the colour.
    EXPECT_EQ(shape.shapes[2].outline, row.shapeTakes ? kDropped : area.shapes[2].outline);

    TestArea text = area;
    EXPECT_TRUE(DropColor(text, Text(4), kDropped, row.source));
    EXPECT_EQ(text.texts[3].textColor, row.textTakes ? kDropped : 0u);

    TestArea background = area;
    EXPECT_TRUE(DropColor(background, Background(), kDropped, row.source));
    EXPECT_EQ(background.background, row.backgroundTakes ? kDropped : 0xFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(
    EverySource, DropTable,
    testing::Values(DropRow{"MainSwatch", DragSource::MainSwatch, true, true, true},
                    DropRow{"WheelSwatch", DragSource::WheelSwatch, true, true, true},
                    DropRow{"HarmonySwatch", DragSource::HarmonySwatch, true, true, true},
                    DropRow{"VariationSwatch", DragSource::VariationSwatch, true, true, true},
                    DropRow{"ColorList", DragSource::ColorList, true, true, true},
                    DropRow{"TestShape", DragSource::TestShape, true, true, true},
                    DropRow{"TestText", DragSource::TestText, true, true, true},
                    DropRow{"TestBackground", DragSource::TestBackground, true, true, false},
                    DropRow{"WebArea", DragSource::WebArea, true, false, true},
                    DropRow{"WebText", DragSource::WebText, true, false, true},
                    DropRow{"VariationsGrid", DragSource::VariationsGrid, true, true, true},
                    DropRow{"QuickPalette", DragSource::QuickPalette, true, true, true},
                    DropRow{"ImportList", DragSource::ImportList, true, true, true},
                    DropRow{"MixerSwatch", DragSource::MixerSwatch, true, true, true},
                    DropRow{"ScalesSwatch", DragSource::ScalesSwatch, true, true, true},
                    DropRow{"OutsideTheProgram", DragSource::Unknown, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DropColor, ShapeDropSetsEveryOutlineToItsFill)
{
    TestArea area = InitialTestArea();
    area.shapes[6].fill = 0x00FF00;  // outline still grey
    DropColor(area, Shape(1), kDropped, DragSource::HarmonySwatch);
    for (const LayoutObject& shape : area.shapes)
        EXPECT_EQ(shape.outline, shape.fill) << "shape " << shape.number;
}

TEST(DropColor, ImagesTakeNothingAndChangeNoScheme)
{
    TestArea area = InitialTestArea();
    const TestArea before = area;
    EXPECT_FALSE(DropColor(area, Image(2), kDropped, DragSource::MainSwatch));
    EXPECT_EQ(area.shapes, before.shapes);
    EXPECT_EQ(area.background, before.background);
    EXPECT_FALSE(ColorOfPart(area, Image(2)).has_value());
}

TEST(ColorOfPart, EachPartCarriesItsColourAndKind)
{
    TestArea area = InitialTestArea();
    area.texts[1].textColor = 0x0000FF;
    area.background = 0x00FF00;
    EXPECT_EQ(ColorOfPart(area, Shape(2))->color, 0xE2E2E2u);
    EXPECT_EQ(ColorOfPart(area, Shape(2))->source, DragSource::TestShape);
    EXPECT_EQ(ColorOfPart(area, Text(2))->color, 0x0000FFu);
    EXPECT_EQ(ColorOfPart(area, Text(2))->source, DragSource::TestText);
    EXPECT_EQ(ColorOfPart(area, Background())->source, DragSource::TestBackground);
}

TEST(FirstRunWindowPlace, ClassicScreensOnly)
{
    EXPECT_EQ(FirstRunWindowPlace(800, 600), (WindowPlace{216, 218}));
    EXPECT_EQ(FirstRunWindowPlace(1024, 768), (WindowPlace{432, 290}));
    EXPECT_EQ(FirstRunWindowPlace(1152, 864), (WindowPlace{561, 216}));
    EXPECT_FALSE(FirstRunWindowPlace(1920, 1080).has_value());
}

// A text over a shape over the background.
TestArea ContrastArea()
{
    TestArea area = InitialTestArea();
    for (LayoutObject& object : area.shapes)
        object.visible = false;
    for (LayoutObject& object : area.texts)
        object.visible = false;
    LayoutObject& panel = area.shapes[4];
    panel.visible = true;
    panel.left = 0, panel.top = 0, panel.width = 200, panel.height = 100;
    panel.fill = 0x000000;
    LayoutObject& onPanel = area.texts[0];
    onPanel.visible = true;
    onPanel.left = 10, onPanel.top = 10, onPanel.width = 100, onPanel.height = 20;
    onPanel.text = "On the panel";
    onPanel.textColor = 0xFFFFFF;
    LayoutObject& onPage = area.texts[1];
    onPage.visible = true;
    onPage.left = 10, onPage.top = 200, onPage.width = 100, onPage.height = 20;
    onPage.text = "A caption longer than twenty-four characters";
    onPage.textColor = 0x777777;
    onPage.fontSize = 18;
    return area;
}

TEST(TextContrast, AgainstTheShapeOrBackgroundUnderItsCentre)
{
    const TestArea area = ContrastArea();
    EXPECT_EQ(BackdropColorAt(area, 50, 20), 0x000000u);
    EXPECT_EQ(BackdropColorAt(area, 50, 210), 0xFFFFFFu);
    const ContrastVerdict panel = TextContrast(area, 1);
    EXPECT_EQ(ContrastRatioText(panel.ratio), "21.00:1");
    EXPECT_TRUE(panel.passesAAA);
    const ContrastVerdict caption = TextContrast(area, 2);
    EXPECT_TRUE(caption.large);
    EXPECT_TRUE(caption.passesAA);
    EXPECT_FALSE(caption.passesAAA);
}

TEST(TextContrast, ReportListsVisibleTexts)
{
    const std::vector<std::string> report = ContrastReport(ContrastArea());
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0], "Text 1 \"On the panel\": Contrast 21.00:1, AA pass, AAA pass, APCA Lc -107.9 (body text)");
    EXPECT_EQ(report[1],
              "Text 2 \"A caption longer than tw...\": Contrast 4.48:1 large text, AA pass, AAA fail, APCA Lc 71.1 (content text)");
    TestArea empty = InitialTestArea();
    for (LayoutObject& text : empty.texts)
        text.visible = false;
    EXPECT_EQ(ContrastReport(empty), std::vector<std::string>{"No text is visible."});
}

} // namespace
} // namespace tessaro::layouts
