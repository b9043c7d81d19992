// The layout file grammar: keys, values, flags and document fields.
#include "layouts/image_path.h"
#include "layouts/layout_key.h"
#include "layouts/layout_names.h"
#include "layouts/test_area.h"
#include "layouts/test_layout.h"

#include "layouts_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tessaro::layouts {
namespace {

// One line of a layout applied over the initial test area.
struct GrammarCase {
    const char* name;
    std::string file;
    std::function<bool(const TestArea&)> holds;
};

void PrintTo(const GrammarCase& c, std::ostream* os)
{
    *os << c.name;
}

class LayoutGrammar : public testing::TestWithParam<GrammarCase> {};

TEST_P(LayoutGrammar, AppliesAsTheFileSays)
{
    TestArea area = InitialTestArea();
    ApplyLayout(area, ParseTestLayout(GetParam().file), true, "/nowhere/");
    EXPECT_TRUE(GetParam().holds(area));
}

const auto& Shape(const TestArea& a, int n) { return a.Object(ObjectKind::Shape, n); }
const auto& Text(const TestArea& a, int n) { return a.Object(ObjectKind::Text, n); }

INSTANTIATE_TEST_SUITE_P(
    Lines, LayoutGrammar,
    testing::Values(
        GrammarCase{"KeysIgnoreLetterCase", "S1.LEFT=40", [](auto& a) { return Shape(a, 1).left == 40; }},
        GrammarCase{"FirstLineWins", "s1.left=40\r\ns1.LEFT=50", [](auto& a) { return Shape(a, 1).left == 40; }},
        GrammarCase{"ValueKeepsFurtherEquals", "t2.text=a=b", [](auto& a) { return Text(a, 2).text == "a=b"; }},
        GrammarCase{"BlankAfterEqualsStays", "t2.text= b ", [](auto& a) { return Text(a, 2).text == " b "; }},
        GrammarCase{"EmptyValueKeepsCurrent", "t2.text=", [](auto& a) { return Text(a, 2).text == "Text2"; }},
        GrammarCase{"MissingPositionKeepsCurrent", "s3.visible=1", [](auto& a) { return Shape(a, 3).top == 88; }},
        GrammarCase{"HexInteger", "s1.width=$20", [](auto& a) { return Shape(a, 1).width == 32; }},
        GrammarCase{"OnlyOneShows", "s4.visible=1", [](auto& a) { return Shape(a, 4).visible; }},
        GrammarCase{"TrueHides", "s4.visible=True", [](auto& a) { return !Shape(a, 4).visible; }},
        GrammarCase{"MissingVisibleHides", "s4.left=3", [](auto& a) { return !Shape(a, 4).visible; }},
        GrammarCase{"LowerEIsEllipse", "s4.shape=e", [](auto& a) { return Shape(a, 4).ellipse; }},
        GrammarCase{"UpperEIsRectangle", "s4.shape=E", [](auto& a) { return !Shape(a, 4).ellipse; }},
        GrammarCase{"StylesEachTheirOwn", "t1.bold=1\r\nt1.italic=0\r\nt1.underline=1",
                    [](auto& a) { return Text(a, 1).bold && !Text(a, 1).italic && Text(a, 1).underline; }},
        GrammarCase{"LoneCrAndLfEndLines", "t1.font=Arial\rt1.font.size=14\nt1.text=x",
                    [](auto& a) { return Text(a, 1).font == "Arial" && Text(a, 1).fontSize == 14 && Text(a, 1).text == "x"; }},
        GrammarCase{"LineWithoutEqualsIgnored", "s1.left\r\ns1.top=5", [](auto& a) { return Shape(a, 1).left == 16; }},
        GrammarCase{"NoSizeKeysGiveDefaultSize", "", [](auto& a) { return a.width == 425 && a.height == 385; }},
        GrammarCase{"TwoKeyTitleWins", "name=Card\r\ntitle=Member Card",
                    [](auto& a) { return a.title == "Member Card"; }},
        GrammarCase{"NameAlone", "name=Card", [](auto& a) { return a.title == "Card"; }},
        GrammarCase{"EmptyTitleLeavesName", "name=Card\r\ntitle=", [](auto& a) { return a.title == "Card"; }},
        GrammarCase{"ColoursNotTouchedByLoad", "s1.color=clRed\r\nbackground.color=clRed",
                    [](auto& a) { return Shape(a, 1).fill == 0xF2F2F2 && a.background == 0xFFFFFF; }},
        GrammarCase{"HugeSizesHeldToScreen", "width=100000\r\nheight=-5\r\ns1.width=2147483647\r\ns1.left=-2147483648",
                    [](auto& a) {
                        return a.width == kMaxDocumentSide && a.height == 0 && Shape(a, 1).width == kMaxDocumentSide &&
                               Shape(a, 1).left == -kMaxObjectPosition;
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentFields, DefaultsWhenMissing)
{
    const DocumentFields fields = ParseTestLayout("description=\r\nnotes=n").fields;
    EXPECT_EQ(fields.version, "1.0");
    EXPECT_EQ(fields.program, "Tessaro");
    EXPECT_EQ(fields.programVersion, "1.5.3");
    EXPECT_EQ(fields.width, "425");
    EXPECT_EQ(fields.height, "385");
    EXPECT_EQ(fields.description, "");
    EXPECT_EQ(fields.notes, "n");
}

TEST(DocumentFields, EveryKey)
{
    const DocumentFields fields = ParseTestLayout(
        "title=T\r\ndescription=D\r\nnotes=N\r\ntags=a,b\r\nauthor=A\r\nAuthorEmail=a@b\r\nversion=2\r\nurl=http://x\r\n"
        "program=P\r\npver=9\r\nwidth=1\r\nheight=2\r\n").fields;
    const DocumentFields expected{"T", "D", "N", "a,b", "A", "a@b", "2", "http://x", "P", "9", "1", "2"};
    EXPECT_EQ(fields, expected);
}

TEST(ReadTestLayout, WindowsFileReadsAsWindows1252)
{
    const auto layout = ReadTestLayout(test::LayoutData() + "member_card.sts");
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->fields.title, "Member Card");
    EXPECT_EQ(layout->fields.description, "A card in Caf\xC3\xA9 colours");
    EXPECT_EQ(layout->lines.Get("S1.Color"), "$000080FF");
}

TEST(ReadTestLayout, UnreadableFilesGiveNothing)
{
    EXPECT_FALSE(ReadTestLayout(test::LayoutData() + "no such layout.sts"));
    EXPECT_FALSE(ReadTestLayout(test::LayoutData() + "pics"));
    EXPECT_FALSE(ReadTestLayout("/dev/zero"));
}

TEST(ReadTestLayout, BinaryBytesReadWithoutHarm)
{
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) & 0xFF);
    bytes += "\r\ns1.left=7\r\n";
    TestArea area = InitialTestArea();
    EXPECT_NO_THROW(ApplyLayout(area, ParseTestLayout(bytes), true, "/nowhere/"));
}

TEST(LayoutKey, PrefixNumberProperty)
{
    EXPECT_EQ(LayoutKey(ObjectKind::Text, 10, "font.size"), "t10.font.size");
    EXPECT_EQ(LayoutKey(ObjectKind::Shape, 3, "left"), "s3.left");
    EXPECT_EQ(LayoutKey(ObjectKind::Image, 5, "center"), "i5.center");
}

struct PathCase {
    const char* name;
    const char* value;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImagePath : public testing::TestWithParam<PathCase> {};

TEST_P(ImagePath, Resolves)
{
    EXPECT_EQ(ResolveImagePath(GetParam().value, "/opt/tessaro/TLs/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ImagePath,
    testing::Values(PathCase{"Relative", "logo.bmp", "/opt/tessaro/TLs/logo.bmp"},
                    PathCase{"RelativeWithBackslashes", "pics\\logo.bmp", "/opt/tessaro/TLs/pics/logo.bmp"},
                    PathCase{"DriveLetterKept", "D:\\art\\logo.bmp", "D:\\art\\logo.bmp"},
                    PathCase{"DriveWithSlashIsRelative", "D:/art.bmp", "/opt/tessaro/TLs/D:/art.bmp"},
                    PathCase{"NetworkPathPrefixed", "\\\\server\\a.bmp", "/opt/tessaro/TLs///server/a.bmp"},
                    PathCase{"AbsoluteLinuxKept", "/usr/share/pics/a.png", "/usr/share/pics/a.png"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFileExists, OnlyRegularFiles)
{
    EXPECT_TRUE(PictureFileExists(test::LayoutData() + "pics/logo.bmp"));
    EXPECT_FALSE(PictureFileExists(test::LayoutData() + "pics"));
    EXPECT_FALSE(PictureFileExists("/dev/null"));
    EXPECT_FALSE(PictureFileExists(test::LayoutData() + "pics/none.bmp"));
}

TEST(LayoutNames, SeventySixInListOrder)
{
    ASSERT_EQ(kLayoutNames.size(), 76u);
    EXPECT_STREQ(kLayoutNames[0], "Demo Layout 1.sts");
    EXPECT_STREQ(kLayoutNames[3], "Book - Cover Back.sts");
    EXPECT_STREQ(kLayoutNames[10], "Logo 01a.sts");
    EXPECT_STREQ(kLayoutNames[41], "Shape and Text 01.sts");
    EXPECT_STREQ(kLayoutNames[44], "Test Layout 1.sts");
    EXPECT_STREQ(kLayoutNames[45], "Test Layout 10.sts");
    EXPECT_STREQ(kLayoutNames[55], "Test Layout 2.sts");
    EXPECT_STREQ(kLayoutNames[75], "Test Layout 9.sts");
    for (const char* name : kLayoutNames)
        EXPECT_TRUE(std::string_view(name).ends_with(".sts")) << name;
}

} // namespace
} // namespace tessaro::layouts
