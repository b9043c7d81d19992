// Colour drags as MIME data, read and written without Qt's GUI module, and
// the table of which drop targets take which drag sources.
#include "colorlist/color_mime.h"
#include "colorlist/drag_sources.h"

#include <QMimeData>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>

namespace tessaro::colorlist {

void PrintTo(const DraggedColor& dragged, std::ostream* os)
{
    *os << "{#" << std::hex << dragged.color << std::dec << ", " << int(dragged.source) << '}';
}

namespace {

template <typename Case>
void PrintTo(const Case& c, std::ostream* os)
    requires requires { c.name; }
{
    *os << c.name;
}
constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

constexpr TColor kOrange = MakeColor(255, 128, 0);

// The desktop's application/x-color bytes: 16-bit red, green, blue, alpha.
QByteArray WireColor(std::uint16_t red, std::uint16_t green, std::uint16_t blue)
{
    const std::uint16_t channels[4] = {red, green, blue, 0xFFFF};
    return QByteArray(reinterpret_cast<const char*>(channels), sizeof channels);
}

// ---- writing and reading back

TEST(ColorMimeTest, EverySourceKindAndColourReadsBackAsWritten)
{
    for (unsigned kind = 0; kind < unsigned(DragSource::Count); ++kind)
        for (TColor color : {TColor(0), kOrange, MakeColor(1, 2, 3), MakeColor(255, 255, 255)}) {
            QMimeData mime;
            PopulateColorMime(mime, color, DragSource(kind));
            EXPECT_TRUE(CanDecodeColorMime(mime));
            EXPECT_EQ(DecodeColorMime(mime), (DraggedColor{color, DragSource(kind)})) << "kind " << kind;
        }
}

TEST(ColorMimeTest, WritesTheOwnTypeTheDesktopColourAndText)
{
    QMimeData mime;
    PopulateColorMime(mime, kOrange, DragSource::WheelSwatch);
    EXPECT_EQ(mime.data(QStringLiteral("application/x-kt-tessaro-color")), QByteArray("wheel-swatch #FF8000"));
    EXPECT_EQ(mime.text(), QStringLiteral("#FF8000"));
    // Without Qt's GUI module there is no QColor: the wire form is written.
    EXPECT_EQ(mime.data(QStringLiteral("application/x-color")), WireColor(0xFFFF, 0x8080, 0));
}

// ---- reading what other programs give

struct DecodeCase {
    const char* name;
    std::optional<QByteArray> own;      // application/x-kt-tessaro-color
    std::optional<QByteArray> desktop;  // application/x-color
    std::optional<QString> text;        // text/plain
    std::optional<DraggedColor> expected;
};

class ColorMimeDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(ColorMimeDecodeTest, ReadsTheBestFormPresent)
{
    const DecodeCase& c = GetParam();
    QMimeData mime;
    if (c.own)
        mime.setData(kColorMimeType, *c.own);
    if (c.desktop)
        mime.setData(QStringLiteral("application/x-color"), *c.desktop);
    if (c.text)
        mime.setText(*c.text);
    EXPECT_EQ(DecodeColorMime(mime), c.expected);
    EXPECT_EQ(CanDecodeColorMime(mime), c.expected.has_value());
}

constexpr DraggedColor kOutsideOrange{kOrange, DragSource::Unknown};

INSTANTIATE_TEST_SUITE_P(
    Forms, ColorMimeDecodeTest,
    testing::Values(
        DecodeCase{"OwnTypeOnly", "mixer-swatch #010203", {}, {}, DraggedColor{MakeColor(1, 2, 3), DragSource::MixerSwatch}},
        DecodeCase{"OwnTypeLowerCaseHex", "color-list #ff8000", {}, {}, DraggedColor{kOrange, DragSource::ColorList}},
        DecodeCase{"OwnTypeWinsOverTheOthers", "test-text #010203", WireColor(0, 0, 0), QStringLiteral("#FFFFFF"),
                   DraggedColor{MakeColor(1, 2, 3), DragSource::TestText}},
        DecodeCase{"OwnTypeOfAKindNotKnownHere", "later-window #FF8000", {}, {}, kOutsideOrange},
        DecodeCase{"BrokenOwnTypeFallsBackToText", "wheel-swatch #FF80", {}, QStringLiteral("#FF8000"), kOutsideOrange},
        DecodeCase{"DesktopWireFormOnly", {}, WireColor(0xFFFF, 0x80FF, 0x00FF), {}, kOutsideOrange},
        DecodeCase{"DesktopColourNameOnly", {}, "#ff8000", {}, kOutsideOrange},
        DecodeCase{"DesktopColourWinsOverText", {}, WireColor(0xFFFF, 0x8080, 0), QStringLiteral("#000000"), kOutsideOrange},
        DecodeCase{"TextOnly", {}, {}, QStringLiteral("#FF8000"), kOutsideOrange},
        DecodeCase{"TextWithBlanksAround", {}, {}, QStringLiteral("  #ff8000\r\n"), kOutsideOrange},
        DecodeCase{"NothingAtAll", {}, {}, {}, std::nullopt},
        DecodeCase{"TextWithoutHash", {}, {}, QStringLiteral("FF8000"), std::nullopt},
        DecodeCase{"TextTooShort", {}, {}, QStringLiteral("#FF800"), std::nullopt},
        DecodeCase{"TextTooLong", {}, {}, QStringLiteral("#FF80000"), std::nullopt},
        DecodeCase{"TextNotHex", {}, {}, QStringLiteral("#GG8000"), std::nullopt},
        DecodeCase{"TextColourName", {}, {}, QStringLiteral("orange"), std::nullopt},
        DecodeCase{"TextInsideASentence", {}, {}, QStringLiteral("colour #FF8000"), std::nullopt},
        DecodeCase{"DesktopColourTruncated", {}, QByteArray("\xff\xff\x80", 3), {}, std::nullopt},
        DecodeCase{"OwnTypeWithoutColour", "wheel-swatch", {}, {}, std::nullopt},
        DecodeCase{"OwnTypeWithoutBlank", "wheel-swatch#FF8000", {}, {}, std::nullopt}),
    kCaseName);

// ---- the drop table

TEST(DragSourcesTest, EveryKindHasItsOwnName)
{
    EXPECT_EQ(DragSourceName(DragSource::Unknown), "");
    for (unsigned kind = 1; kind < unsigned(DragSource::Count); ++kind)
        EXPECT_EQ(DragSourceNamed(DragSourceName(DragSource(kind))), DragSource(kind)) << DragSourceName(DragSource(kind));
    EXPECT_EQ(DragSourceNamed(""), DragSource::Unknown);
    EXPECT_EQ(DragSourceNamed("Wheel-Swatch"), DragSource::Unknown);
}

TEST(DragSourcesTest, AColourFromOutsideTheProgramGoesWhereAListEntryGoes)
{
    for (unsigned target = 0; target < unsigned(DropTarget::Count); ++target)
        EXPECT_EQ(Accepts(DropTarget(target), DragSource::Unknown), Accepts(DropTarget(target), DragSource::ColorList))
            << "target " << target;
}

TEST(DragSourcesTest, TheColourListAndTheMixerTakeEverySourceOfTheProgram)
{
    for (unsigned kind = 1; kind < unsigned(DragSource::Count); ++kind) {
        EXPECT_TRUE(Accepts(DropTarget::ColorList, DragSource(kind))) << DragSourceName(DragSource(kind));
        EXPECT_TRUE(Accepts(DropTarget::MixerSlot, DragSource(kind))) << DragSourceName(DragSource(kind));
    }
}

struct AcceptCase {
    const char* name;
    DropTarget target;
    DragSource source;
    bool accepted;
};

class DropTableTest : public testing::TestWithParam<AcceptCase> {};

TEST_P(DropTableTest, Accepts)
{
    const AcceptCase& c = GetParam();
    EXPECT_EQ(Accepts(c.target, c.source), c.accepted);
}

using S = DragSource;
using T = DropTarget;

INSTANTIATE_TEST_SUITE_P(
    Rows, DropTableTest,
    testing::Values(
        AcceptCase{"MainSwatchTakesAWheelSwatch", T::MainSwatch, S::WheelSwatch, true},
        AcceptCase{"MainSwatchTakesAHarmonySwatch", T::MainSwatch, S::HarmonySwatch, true},
        AcceptCase{"MainSwatchTakesAQuickVariation", T::MainSwatch, S::VariationSwatch, true},
        AcceptCase{"MainSwatchTakesTheColourList", T::MainSwatch, S::ColorList, true},
        AcceptCase{"MainSwatchTakesATestShape", T::MainSwatch, S::TestShape, true},
        AcceptCase{"MainSwatchTakesATestText", T::MainSwatch, S::TestText, true},
        AcceptCase{"MainSwatchTakesAWebArea", T::MainSwatch, S::WebArea, true},
        AcceptCase{"MainSwatchTakesAWebText", T::MainSwatch, S::WebText, true},
        AcceptCase{"MainSwatchTakesTheVariationsGrid", T::MainSwatch, S::VariationsGrid, true},
        AcceptCase{"MainSwatchTakesTheQuickPalette", T::MainSwatch, S::QuickPalette, true},
        AcceptCase{"MainSwatchTakesTheMixer", T::MainSwatch, S::MixerSwatch, true},
        AcceptCase{"MainSwatchRefusesItself", T::MainSwatch, S::MainSwatch, false},
        AcceptCase{"MainSwatchRefusesTheTestBackground", T::MainSwatch, S::TestBackground, false},
        AcceptCase{"MainSwatchRefusesTheImportList", T::MainSwatch, S::ImportList, false},
        AcceptCase{"ColorListTakesTheMainSwatch", T::ColorList, S::MainSwatch, true},
        AcceptCase{"ColorListTakesItself", T::ColorList, S::ColorList, true},
        AcceptCase{"TestShapeTakesTheTestBackground", T::TestShape, S::TestBackground, true},
        AcceptCase{"TestTextRefusesAWebArea", T::TestText, S::WebArea, false},
        AcceptCase{"TestTextRefusesAWebText", T::TestText, S::WebText, false},
        AcceptCase{"TestTextTakesATestShape", T::TestText, S::TestShape, true},
        AcceptCase{"TestBackgroundRefusesItself", T::TestBackground, S::TestBackground, false},
        AcceptCase{"TestBackgroundTakesTheImportList", T::TestBackground, S::ImportList, true},
        AcceptCase{"WebAreaTakesTheImportList", T::WebArea, S::ImportList, true},
        AcceptCase{"WebBorderTakesATestBackground", T::WebBorder, S::TestBackground, true},
        AcceptCase{"WebBorderTakesAWebText", T::WebBorder, S::WebText, true},
        AcceptCase{"WebBorderRefusesTheColourList", T::WebBorder, S::ColorList, false},
        AcceptCase{"WebBorderRefusesTheVariationsGrid", T::WebBorder, S::VariationsGrid, false},
        AcceptCase{"WebBorderRefusesTheMixer", T::WebBorder, S::MixerSwatch, false},
        AcceptCase{"ColorsCaptionTakesTheMainSwatch", T::WebColorsCaption, S::MainSwatch, true},
        AcceptCase{"ColorsCaptionTakesTheVariationsGrid", T::WebColorsCaption, S::VariationsGrid, true},
        AcceptCase{"ColorsCaptionRefusesTheQuickPalette", T::WebColorsCaption, S::QuickPalette, false},
        AcceptCase{"ColorsCaptionRefusesATestShape", T::WebColorsCaption, S::TestShape, false},
        AcceptCase{"ColorsCaptionRefusesTheColourList", T::WebColorsCaption, S::ColorList, false},
        AcceptCase{"MainSwatchTakesAnotherProgram", T::MainSwatch, S::Unknown, true},
        AcceptCase{"ColorListTakesAnotherProgram", T::ColorList, S::Unknown, true},
        AcceptCase{"MixerTakesAnotherProgram", T::MixerSlot, S::Unknown, true},
        AcceptCase{"TestShapeTakesAnotherProgram", T::TestShape, S::Unknown, true},
        AcceptCase{"TestTextTakesAnotherProgram", T::TestText, S::Unknown, true},
        AcceptCase{"TestBackgroundTakesAnotherProgram", T::TestBackground, S::Unknown, true},
        AcceptCase{"WebAreaTakesAnotherProgram", T::WebArea, S::Unknown, true},
        AcceptCase{"WebBorderRefusesAnotherProgram", T::WebBorder, S::Unknown, false},
        AcceptCase{"ColorsCaptionRefusesAnotherProgram", T::WebColorsCaption, S::Unknown, false}),
    kCaseName);

} // namespace
} // namespace tessaro::colorlist
