// The quick copy notations for the main colour and for selected entries.
#include "export/quick_copy.h"

#include "engine/conversion_error.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

MainColorFields Orange()
{
    return {"255", "128", "0", "30", "100", "50", "FF8000", MakeColor(255, 128, 0)};
}

struct NotationCase {
    const char* name;
    CopyNotation notation;
    const char* main;
    const char* entries;  // two entries, #FF8000 and #000000
};

void PrintTo(const NotationCase& c, std::ostream* os)
{
    *os << c.name;
}

class Notation : public testing::TestWithParam<NotationCase> {};

TEST_P(Notation, MainColourAndEntries)
{
    EXPECT_EQ(QuickCopyText(GetParam().notation, Orange(), {}), GetParam().main);
    EXPECT_EQ(QuickCopyText(GetParam().notation, Orange(), {"#336699"}), GetParam().main);  // one entry: main
    EXPECT_EQ(QuickCopyText(GetParam().notation, Orange(), {"#FF8000", "#000000"}), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Notation,
    testing::Values(NotationCase{"Rgb", CopyNotation::Rgb, "RGB(255,128,0)", "RGB(255,128,0)\r\nRGB(0,0,0)"},
                    NotationCase{"Hsl", CopyNotation::Hsl, "HSL(30,100,50)", "HSL(30,100,50)\r\nHSL(0,0,0)"},
                    NotationCase{"HtmlHex", CopyNotation::HtmlHex, "FF8000", "FF8000\r\n000000"},
                    NotationCase{"HtmlHashHex", CopyNotation::HtmlHashHex, "#FF8000", "#FF8000\r\n#000000"},
                    NotationCase{"DelphiHex", CopyNotation::DelphiHex, "$000080FF", "$000080FF\r\n$00000000"},
                    NotationCase{"VbHex", CopyNotation::VbHex, "&H0080FF", "&H0080FF\r\n&H000000"},
                    NotationCase{"CppHex", CopyNotation::CppHex, "0X000080FF", "0X000080FF\r\n0X00000000"},
                    NotationCase{"ActionScriptHex", CopyNotation::ActionScriptHex, "0xFF8000", "0xFF8000\r\n0x000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickCopy, CssNotationsOfTheMainColourAndOfEntries)
{
    EXPECT_EQ(QuickCopyText(CssNotation::Rgb, Orange(), {}), "rgb(255 128 0)");
    EXPECT_EQ(QuickCopyText(CssNotation::OkLch, Orange(), {"#336699"}), "oklch(73.189% 0.1858 52.985)");
    EXPECT_EQ(QuickCopyText(CssNotation::Lab, Orange(), {"#FF8000", "#000000"}),
              "lab(67.82 45.49 74.84)\r\nlab(0 0 0)");
    // The main colour comes from its value, not from fields typed but not applied.
    MainColorFields typed = Orange();
    typed.red = "25";
    typed.hex = "ff80";
    EXPECT_EQ(QuickCopyText(CssNotation::Hsl, typed, {}), "hsl(30.1 100% 50%)");
    // Entries as the hex notations read them: after the first "#", none skipped.
    EXPECT_EQ(QuickCopyText(CssNotation::DisplayP3, Orange(), {"hello", "x#000000y"}), "color(display-p3 0 0 0)");
    EXPECT_THROW(QuickCopyText(CssNotation::Rgb, Orange(), {"#FF0000", "#hello!"}), ConversionError);
}

TEST(QuickCopy, MainFieldsCopiedAsTyped)
{
    MainColorFields main = Orange();
    main.red = "25";  // typed, not yet applied
    main.hex = "ff80";
    EXPECT_EQ(QuickCopyText(CopyNotation::Rgb, main, {}), "RGB(25,128,0)");
    EXPECT_EQ(QuickCopyText(CopyNotation::HtmlHashHex, main, {}), "#ff80");
    EXPECT_EQ(QuickCopyText(CopyNotation::ActionScriptHex, main, {}), "0xff80");
    EXPECT_EQ(QuickCopyText(CopyNotation::DelphiHex, main, {}), "$000080FF");  // from the colour
}

TEST(QuickCopy, EntryWithoutHashSkippedByHexNotations)
{
    EXPECT_EQ(QuickCopyText(CopyNotation::HtmlHex, Orange(), {"#FF0000", "hello"}), "FF0000");
    EXPECT_EQ(QuickCopyText(CopyNotation::VbHex, Orange(), {"hello", "x#123456y"}), "&H563412");
    EXPECT_EQ(QuickCopyText(CopyNotation::HtmlHex, Orange(), {"a", "b"}), "");
}

TEST(QuickCopy, RgbOfNonHexEntryIsConversionError)
{
    try {
        QuickCopyText(CopyNotation::Rgb, Orange(), {"#FF0000", "hello"});
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), "ello");
    }
    EXPECT_THROW(QuickCopyText(CopyNotation::Hsl, Orange(), {"#FF0000", "##00000"}), ConversionError);
    EXPECT_THROW(QuickCopyText(CopyNotation::Hsl, Orange(), {"#FF0000", ""}), ConversionError);
}

TEST(QuickCopy, RgbDropsTheFirstCharacterWhateverItIs)
{
    EXPECT_EQ(QuickCopyText(CopyNotation::Rgb, Orange(), {"x336699", "#FF8000zz"}), "RGB(51,102,153)\r\nRGB(255,128,0)");
}

TEST(QuickCopy, ShortHexEntryTakesWhatIsThere)
{
    EXPECT_EQ(EntryCopyText(CopyNotation::HtmlHex, "#FF8"), "FF8");
    EXPECT_EQ(EntryCopyText(CopyNotation::DelphiHex, "#FF80"), "$0080FF");
}

} // namespace
} // namespace tessaro::exporting
