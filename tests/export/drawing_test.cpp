// The pictures' drawings against the worked sizes and layouts, and the
// drawing as an enhanced metafile read back by libuemf's own record
// checks, and as SVG.
#include "export/center_output.h"
#include "export/drawing.h"
#include "export/drawing_emf.h"
#include "export/drawing_svg.h"

#include "emf_text_records.h"

#include "engine/palette.h"

extern "C" {
#include <uemf.h>
#include <uemf_safe.h>
}

#include <gtest/gtest.h>

#include <cstring>

namespace tessaro::exporting {
namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);

TEST(SwatchesDrawing, SquaresAtTheirPlaces)
{
    const DerivedPalette p = DerivePalette(ToRgb(kOrange), kOrange);
    const std::vector<TColor> wheel(p.wheel.begin(), p.wheel.end());
    const Drawing d = SwatchesDrawing(wheel, {20, 12, 3, true});
    EXPECT_EQ(PictureSize(d.width, d.height), PictureSize(276, 23));
    ASSERT_EQ(d.rects.size(), 12u);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(d.rects[k], (DrawnRect{23 * k, 0, 20, 20, wheel[k], true}));
    const Drawing wrapped = SwatchesDrawing(std::vector<TColor>(14, kOrange), {10, 12, 5, false});
    EXPECT_EQ(wrapped.rects[13], (DrawnRect{15, 15, 10, 10, kOrange, false}));
    EXPECT_EQ(PictureSize(wrapped.width, wrapped.height), SwatchesPictureSize(14, 10, 12, 5));
}

TEST(ListDrawing, SquareAndThreeGreyLines)
{
    const Drawing d = ListDrawing({0, kOrange});
    EXPECT_EQ(PictureSize(d.width, d.height), PictureSize(125, 70));
    EXPECT_EQ(d.rects[1], (DrawnRect{0, 35, 35, 35, kOrange, false}));
    ASSERT_EQ(d.texts.size(), 6u);
    const char* lines[] = {"RGB: 255,128,0", "HSL: 30,100,50", "HEX: #FF8000"};
    for (int i = 0; i < 3; ++i) {
        const DrawnText& t = d.texts[3 + i];
        EXPECT_EQ(t.text, lines[i]);
        EXPECT_EQ(t.x, 38);
        EXPECT_EQ(t.y, 35 + 11 * i);
        EXPECT_EQ(t.color, MakeColor(0x80, 0x80, 0x80));
        EXPECT_EQ(t.pixelSize(), 9);
    }
}

TEST(QuickCopyDrawings, SizesAndHarmonyLayout)
{
    const DerivedPalette p = DerivePalette(ToRgb(kOrange), kOrange);
    const Drawing wheel = SwatchRowDrawing({p.wheel.begin(), p.wheel.end()});
    EXPECT_EQ(PictureSize(wheel.width, wheel.height), PictureSize(235, 15));
    EXPECT_EQ(wheel.rects[11], (DrawnRect{220, 0, 15, 15, p.wheel[11], false}));
    const Drawing variations = SwatchRowDrawing({p.quickVariations.begin(), p.quickVariations.end()});
    EXPECT_EQ(PictureSize(variations.width, variations.height), PictureSize(195, 15));
    const Drawing main = MainColorDrawing(kOrange);
    EXPECT_EQ(main.rects, (std::vector<DrawnRect>{{0, 0, 60, 60, kOrange, false}}));

    const Drawing h = HarmoniesDrawing(p);
    EXPECT_EQ(PictureSize(h.width, h.height), PictureSize(90, 180));
    const std::pair<const char*, int> captions[] = {{"Analogous", 0},    {"Complements", 30}, {"Split Complements", 60},
                                                    {"Triad", 90},       {"Tetrad", 120},     {"Square", 150}};
    ASSERT_EQ(h.texts.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(h.texts[i].text, captions[i].first);
        EXPECT_EQ(h.texts[i].y, captions[i].second);
        EXPECT_EQ(h.texts[i].pixelSize(), 11);
    }
    // 3 + 2 + 3 + 3 + 4 + 4 squares; the last is the fourth square colour.
    ASSERT_EQ(h.rects.size(), 19u);
    EXPECT_EQ(h.rects.back(), (DrawnRect{60, 165, 15, 15, p.square[3], false}));
    EXPECT_EQ(h.rects[3], (DrawnRect{0, 45, 15, 15, p.complements[0], false}));
}

// The records of an EMF, each checked by libuemf's own safety test.
std::vector<const U_EMR*> Records(const std::string& bytes)
{
    std::vector<const U_EMR*> records;
    std::size_t offset = 0;
    while (offset + sizeof(U_EMR) <= bytes.size()) {
        const auto* record = reinterpret_cast<const U_EMR*>(bytes.data() + offset);
        EXPECT_TRUE(U_emf_record_safe(bytes.data() + offset)) << "record at " << offset;
        EXPECT_GE(record->nSize, sizeof(U_EMR));
        records.push_back(record);
        offset += record->nSize;
        if (record->iType == U_EMR_EOF)
            break;
    }
    EXPECT_EQ(offset, bytes.size());
    return records;
}

int CountType(const std::vector<const U_EMR*>& records, std::uint32_t type)
{
    int n = 0;
    for (const U_EMR* r : records)
        n += r->iType == type;
    return n;
}

// Advances a font would give: 5 pixels for a blank, 7 for anything else.
std::vector<std::int32_t> FixedAdvances(const DrawnText& t)
{
    std::vector<std::int32_t> advances;
    for (char c : t.text)
        advances.push_back(c == ' ' ? 5 : 7);
    return advances;
}

TEST(DrawingEmf, HeaderDescriptionAndRectangles)
{
    const Drawing d = SwatchesDrawing({kOrange, 0, kOrange}, {20, 12, 3, true});
    const std::string bytes = DrawingEmf(d, FixedAdvances);
    const std::vector<const U_EMR*> records = Records(bytes);
    ASSERT_FALSE(records.empty());
    const auto* header = reinterpret_cast<const U_EMRHEADER*>(records[0]);
    EXPECT_EQ(header->emr.iType, U_EMR_HEADER);
    EXPECT_EQ(header->dSignature, U_ENHMETA_SIGNATURE);
    EXPECT_EQ(header->nBytes, bytes.size());
    EXPECT_EQ(header->nRecords, records.size());
    EXPECT_EQ(header->rclBounds.right, 275);
    EXPECT_EQ(header->rclBounds.bottom, 19);
    const std::u16string description(u"KT Tessaro\0Color Swatches\0\0", 27);
    ASSERT_EQ(header->nDescription, description.size());
    EXPECT_EQ(std::memcmp(bytes.data() + header->offDescription, description.data(), description.size() * 2), 0);
    // The white page and one rectangle per colour.
    EXPECT_EQ(CountType(records, U_EMR_RECTANGLE), 4);
    EXPECT_EQ(CountType(records, U_EMR_EOF), 1);
    // Outlined: the black pen is selected before the first square.
    const auto* pen = reinterpret_cast<const U_EMRCREATEPEN*>(
        *std::find_if(records.begin(), records.end(), [](const U_EMR* r) { return r->iType == U_EMR_CREATEPEN; }));
    EXPECT_EQ(pen->lopn.lopnColor.Red + pen->lopn.lopnColor.Green + pen->lopn.lopnColor.Blue, 0);
}

TEST(DrawingEmf, NoPenWithoutOutline)
{
    const Drawing d = SwatchesDrawing({kOrange}, {20, 12, 3, false});
    const std::string bytes = DrawingEmf(d, FixedAdvances);
    const std::vector<const U_EMR*> records = Records(bytes);
    for (const U_EMR* r : records)
        if (r->iType == U_EMR_SELECTOBJECT) {
            EXPECT_NE(reinterpret_cast<const U_EMRSELECTOBJECT*>(r)->ihObject, 1u) << "the outline pen was selected";
        }
    // The list's texts are written as wide-character text records.
    EXPECT_EQ(CountType(Records(DrawingEmf(ListDrawing({kOrange}), FixedAdvances)), U_EMR_EXTTEXTOUTW), 3);
}

// Every text record places its characters by the advances the font gives.
TEST(DrawingEmf, TextRecordsCarryTheFontsAdvances)
{
    const std::vector<test::EmfTextRecord> texts = test::EmfTextRecords(DrawingEmf(ListDrawing({kOrange}), FixedAdvances));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, u"RGB: 255,128,0");
    EXPECT_EQ(texts[0].advances, (std::vector<std::int32_t>{7, 7, 7, 7, 5, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(texts[2].text, u"HEX: #FF8000");
    // Advances that fall short are made up with 0; extra ones are dropped.
    const auto shortAdvances = [](const DrawnText&) { return std::vector<std::int32_t>{4}; };
    const auto one = test::EmfTextRecords(DrawingEmf(ListDrawing({kOrange}), shortAdvances));
    EXPECT_EQ(one[2].advances, (std::vector<std::int32_t>{4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(DrawingSvg, TitleCreatorAndStrokes)
{
    const std::string outlined = DrawingSvg(SwatchesDrawing({kOrange}, {20, 12, 3, true}));
    EXPECT_NE(outlined.find("<title>Color Swatches</title>"), std::string::npos);
    EXPECT_NE(outlined.find("<dc:creator>KT Tessaro</dc:creator>"), std::string::npos);
    EXPECT_NE(outlined.find("width=\"276\" height=\"20\""), std::string::npos);
    EXPECT_NE(outlined.find("fill=\"#FF8000\" stroke=\"#000000\""), std::string::npos);
    const std::string plain = DrawingSvg(SwatchesDrawing({kOrange}, {20, 12, 3, false}));
    EXPECT_EQ(plain.find("stroke"), std::string::npos);
    EXPECT_NE(DrawingSvg(ListDrawing({kOrange})).find(">HEX: #FF8000</text>"), std::string::npos);
}

} // namespace
} // namespace tessaro::exporting
