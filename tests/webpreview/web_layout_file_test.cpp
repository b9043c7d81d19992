// Layout files: the written key order, round trips, the order in which a
// file is applied, conversion errors, missing keys and odd values.
#include "webpreview/web_layout_file.h"

#include "engine/conversion_error.h"
#include "webpreview_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tessaro::webpreview {
namespace {

using test::DataFile;
using test::kCaseName;
using test::PrintTo;
using test::ReadBytes;

TEST(WebLayoutFile, DefaultLayoutWritesEveryKeyInItsOrder)
{
    EXPECT_EQ(WriteWebLayoutFile(WebPageLayout()), ReadBytes(DataFile("default_layout.cls")));
}

// A layout that differs from the default in every stored part, with the
// default fonts and background (neither is stored).
WebPageLayout ChangedLayout()
{
    WebPageLayout layout;
    layout.SetAreaColor(WebArea::Header, 0xFF);                 // clRed
    layout.SetAreaColor(WebArea::Footer, MakeColor(0x7F, 0xD4, 0x6E));
    layout.SetAreaColor(WebArea::Navigation, 0x8000000F);       // clBtnFace
    layout.SetAreaColor(WebArea::Contents, 0x1FFFFFFF);         // clNone
    layout.SetBorderAndDividerColor(0xFFFFFFFF);
    layout.SetHeaderHeight(60);
    layout.SetFooterHeight(0);
    layout.SetNavigationWidth(200);
    layout.SetTextString(WebText::Header, "a=b=c");
    layout.SetTextString(WebText::Footer, " padded ");
    layout.SetTextString(WebText::Link1, "=");
    layout.SetTextString(WebText::Link2, "Grüße & <café>");
    layout.SetTextString(WebText::Title, "clRed");
    for (WebText text : kWebTexts)
        layout.SetTextColor(text, MakeColor(std::uint8_t(int(text) * 20), 0x10, 0x80));
    return layout;
}

TEST(WebLayoutFile, RoundTripGivesBackColoursStringsAndSizes)
{
    const WebPageLayout saved = ChangedLayout();
    WebPageLayout loaded;
    std::vector<WebLayoutNote> notes;
    ApplyWebLayoutFile(WriteWebLayoutFile(saved), loaded, &notes);
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(notes.empty());
}

TEST(WebLayoutFile, RoundTripWritesUnnamedColoursAsDollarHex)
{
    const std::string file = WriteWebLayoutFile(ChangedLayout());
    EXPECT_NE(file.find("\r\nfooter.color=$006ED47F\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nleft.color=clBtnFace\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nborder.color=$FFFFFFFF\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nright.left=202\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nheader.text=a=b=c\r\n"), std::string::npos);
}

TEST(WebLayoutFile, FontsAndBackgroundAreNotStored)
{
    WebPageLayout saved;
    saved.SetTextFont(WebText::Title, {"Georgia", 30, false, true, true, true, 0});
    saved.SetBackgroundColor(0x445566);
    WebPageLayout loaded;
    ApplyWebLayoutFile(WriteWebLayoutFile(saved), loaded);
    WebPageLayout expected;
    expected.SetBorderAndDividerColor(kBlack);
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(loaded.Text(WebText::Title).font, WebPageLayout().Text(WebText::Title).font);
    EXPECT_EQ(loaded.BackgroundColor(), kBlack);
    // Loading gives the dividers the border's colour from then on.
    loaded.SetBackgroundColor(0x445566);
    EXPECT_EQ(loaded.DividerColor(), kBlack);
}

TEST(WebLayoutFile, AnEmptyStringIsWrittenButReadsAsMissing)
{
    WebPageLayout layout;
    layout.SetTextString(WebText::Link4, "kept");
    ApplyWebLayoutFile("left.link4.text=\r\nleft.link4.text=second\r\n", layout);
    EXPECT_EQ(layout.Text(WebText::Link4).string, "kept");
}

struct ApplyCase {
    const char* name;
    std::string file;
    std::string errorText;  // the offending text when the file stops with a conversion error
    std::function<void(WebPageLayout&)> expect;  // the default layout changed as the file should change it
    std::vector<WebLayoutNote> notes = {};
};

class WebLayoutFileApply : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(WebLayoutFileApply, ChangesExactlyWhatTheFileSays)
{
    const ApplyCase& c = GetParam();
    WebPageLayout layout;
    std::vector<WebLayoutNote> notes;
    if (c.errorText.empty()) {
        ApplyWebLayoutFile(c.file, layout, &notes);
    } else {
        try {
            ApplyWebLayoutFile(c.file, layout, &notes);
            ADD_FAILURE() << "no conversion error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), c.errorText);
        }
    }
    WebPageLayout expected;
    c.expect(expected);
    EXPECT_EQ(layout, expected);
    EXPECT_EQ(notes, c.notes);
}

const ApplyCase kApplyCases[] = {
    {"OnlyHeaderRed", "header.color=clRed\r\n", "",
     [](WebPageLayout& l) { l.SetAreaColor(WebArea::Header, 0xFF); }},
    {"EmptyFileChangesNothing", "", "", [](WebPageLayout&) {}},
    {"KeysIgnoreLetterCaseAndIdentifiersToo", "HEADER.COLOR=CLRED\nLeft.Link1.Text.Color=clnavy\n", "",
     [](WebPageLayout& l) {
         l.SetAreaColor(WebArea::Header, 0xFF);
         l.SetTextColor(WebText::Link1, 0x800000);
     }},
    {"FirstLineWithAKeyWins", "footer.text=first\rfooter.text=second\r", "",
     [](WebPageLayout& l) { l.SetTextString(WebText::Footer, "first"); }},
    {"EmptyValuesCountAsMissing", "header.color=\r\nheader.text=\r\nleft.width=\r\nheader.text=later\r\n", "",
     [](WebPageLayout&) {}},
    {"ValueIsEverythingAfterTheFirstEquals", "right.text1.text= x = y \r\n", "",
     [](WebPageLayout& l) { l.SetTextString(WebText::Title, " x = y "); }},
    {"ColoursAsIntegersAndHex", "right.color=255\r\nleft.color=$00FF8000\r\nfooter.color= 0x1F\r\n", "",
     [](WebPageLayout& l) {
         l.SetAreaColor(WebArea::Contents, 0xFF);
         l.SetAreaColor(WebArea::Navigation, 0xFF8000);
         l.SetAreaColor(WebArea::Footer, 0x1F);
     }},
    {"BorderColourSetsTheDividersToo", "border.color=clTeal\r\n", "",
     [](WebPageLayout& l) { l.SetBorderAndDividerColor(0x808000); }},
    {"ConversionErrorKeepsWhatCameBefore",
     "right.text2.text=kept\r\nheader.color=clRed\r\nfooter.color=clRed \r\nborder.color=clBlue\r\n"
     "header.height=10\r\nheader.text.color=clRed\r\n",
     "clRed ",
     [](WebPageLayout& l) {
         l.SetTextString(WebText::Contents, "kept");
         l.SetAreaColor(WebArea::Header, 0xFF);
     }},
    {"StringsComeBeforeAnyColour", "header.color=bogus\r\nright.text2.text.color=clRed\r\nfooter.text=kept\r\n", "bogus",
     [](WebPageLayout& l) { l.SetTextString(WebText::Footer, "kept"); }},
    {"SizeThatIsNoIntegerStopsBeforeTheTextColours",
     "footer.height=12px\r\nheader.height=30\r\nborder.color=clGray\r\nheader.text.color=clRed\r\n", "12px",
     [](WebPageLayout& l) {
         l.SetBorderAndDividerColor(0x808080);
         l.SetHeaderHeight(30);
     }},
    {"BadTextColourKeepsTheSizes", "left.width=0\r\nheader.text.color=clRed\r\nfooter.text.color=red\r\n", "red",
     [](WebPageLayout& l) {
         l.SetNavigationWidth(0);
         l.SetTextColor(WebText::Header, 0xFF);
     }},
    {"ContentsLeftIsCheckedAsANumber", "right.left=wide\r\nleft.width=50\r\n", "wide",
     [](WebPageLayout& l) { l.SetNavigationWidth(50); }},
    {"SecondHeaderHeightSeesTheFileFooter", "header.height=280\r\nfooter.height=5\r\n", "",
     [](WebPageLayout& l) {
         l.SetFooterHeight(5);
         l.SetHeaderHeight(280);
     }},
    {"HeaderAndFooterTooTallTogetherAreHeld", "header.height=200\r\nfooter.height=200\r\n", "",
     [](WebPageLayout& l) {
         l.SetHeaderHeight(200);
         l.SetFooterHeight(93);
     },
     {{"footer.height", "200", 93}}},
    {"NegativeAndHugeSizesAreHeld", "header.height=-7\r\nfooter.height=$7FFFFFFF\r\nleft.width=100000\r\n", "",
     [](WebPageLayout& l) {
         l.SetHeaderHeight(0);
         l.SetFooterHeight(293);
         l.SetNavigationWidth(383);
     },
     {{"footer.height", "$7FFFFFFF", 293}, {"left.width", "100000", 383}, {"header.height", "-7", 0}}},
    {"ContentsLeftFollowsTheNavigation", "left.width=40\r\nright.left=300\r\n", "",
     [](WebPageLayout& l) { l.SetNavigationWidth(40); },
     {{"right.left", "300", 42}}},
    {"SizesOfOneAreNotSnapped", "header.height=1\r\nleft.width=1\r\n", "",
     [](WebPageLayout& l) {
         l.SetHeaderHeight(1);
         l.SetNavigationWidth(1);
     }},
    {"Windows1252Strings", "header.text=Gr\xFC\xDF" "e\r\n", "",
     [](WebPageLayout& l) { l.SetTextString(WebText::Header, "Grüße"); }},
    {"Utf8MarkAtTheStart", "\xEF\xBB\xBFheader.text=Grüße\r\n", "",
     [](WebPageLayout& l) { l.SetTextString(WebText::Header, "Grüße"); }},
    {"LinesWithoutEqualsAndUnknownKeysAreIgnored", "[web]\r\nnothing here\r\nheader.colour=clRed\r\n=x\r\n", "",
     [](WebPageLayout&) {}},
    {"ZeroBytesStayInStrings", std::string("left.link5.text=a\0b\r\n", 21), "",
     [](WebPageLayout& l) { l.SetTextString(WebText::Link5, std::string("a\0b", 3)); }},
};

INSTANTIATE_TEST_SUITE_P(Files, WebLayoutFileApply, ::testing::ValuesIn(kApplyCases), kCaseName);

TEST(WebLayoutFile, NotesDescribeWhatWasTaken)
{
    EXPECT_EQ(DescribeNote({"footer.height", "200", 93}), "footer.height=200 taken as 93");
}

// Files of arbitrary bytes built from the format's own pieces: applying
// them either succeeds or stops with a conversion error, and the page never
// holds a negative size or one larger than it has room for.
TEST(WebLayoutFile, AnyBytesLeaveAPageThatFits)
{
    const std::vector<std::string> keys = {"header.height", "footer.height", "left.width", "right.left",
                                           "header.color", "border.color", "header.text", "left.link3.text.color"};
    const std::vector<std::string> values = {"", "0", "1", "-1", "297", "2147483647", "-2147483648", "$FFFFFFFF",
                                             "99999999999", "clWhite", "x", "\xFF\xFE", "= =", " 5", "5 "};
    const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "", std::string(1, '\0')};
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        std::string file;
        const int lines = int(random() % 12);
        for (int i = 0; i < lines; ++i) {
            if (random() % 10 == 0)
                file += char(random() % 256);
            file += keys[random() % keys.size()] + "=" + values[random() % values.size()];
            file += breaks[random() % breaks.size()];
        }
        WebPageLayout layout;
        try {
            ApplyWebLayoutFile(file, layout);
        } catch (const ConversionError&) {
        }
        EXPECT_GE(layout.HeaderHeight(), 0);
        EXPECT_GE(layout.FooterHeight(), 0);
        EXPECT_LE(layout.HeaderHeight() + layout.FooterHeight(), kMaxHeaderPlusFooter);
        EXPECT_GE(layout.NavigationWidth(), 0);
        EXPECT_LE(layout.NavigationWidth(), kMaxNavigationWidth);
        for (WebText text : kWebTexts)
            EXPECT_FALSE(layout.Text(text).string.empty());
    }
}

} // namespace
} // namespace tessaro::webpreview
