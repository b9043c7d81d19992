// Scheme files and the layout writer, against a hand-written reference file.
#include "layouts/color_scheme.h"
#include "layouts/layout_writer.h"
#include "layouts/test_area.h"

#include "engine/conversion_error.h"
#include "layouts_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessaro::layouts {
namespace {

class TempFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessaro-layouts-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

using SchemeFile = TempFolder;

TEST_F(SchemeFile, InitialAreaMatchesReference)
{
    const std::string path = Path(".shm");
    ASSERT_TRUE(WriteColorScheme(path, SchemeOf(InitialTestArea())));
    EXPECT_EQ(test::ReadBytes(path), test::ReadBytes(test::LayoutData() + "initial_area.shm"));
}

TEST_F(SchemeFile, ReplacesExistingFile)
{
    const std::string path = Path("mine.shm");
    ASSERT_TRUE(WriteColorScheme(path, SchemeOf(InitialTestArea())));
    ColorScheme red = SchemeOf(InitialTestArea());
    red.background = 0x0000FF;
    ASSERT_TRUE(WriteColorScheme(path, red));
    EXPECT_TRUE(test::ReadBytes(path).ends_with("background=clRed\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(SchemeFile, UncreatableFileWritesNothing)
{
    EXPECT_FALSE(WriteColorScheme(Path("missing/folder.shm"), {}));
    EXPECT_FALSE(WriteColorScheme(folder_.string(), {}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 0);
}

TEST(ColorSchemeText, ReadsBackToSameColours)
{
    ColorScheme scheme;
    for (std::size_t i = 0; i < 10; ++i) {
        scheme.shapeFills[i] = TColor(0x010203 * (i + 1));
        scheme.textColors[i] = TColor(0xFF0000 >> i);
    }
    scheme.background = 0x00336699;
    EXPECT_EQ(ParseColorScheme(ColorSchemeText(scheme), {}), scheme);
}

TEST(ColorSchemeText, ReferenceFileReadsBack)
{
    const ColorScheme scheme = ParseColorScheme(test::ReadBytes(test::LayoutData() + "initial_area.shm"), {});
    EXPECT_EQ(scheme, SchemeOf(InitialTestArea()));
}

TEST(ReadColorScheme, MissingKeysKeepBaseAndBadValueThrows)
{
    ColorScheme base;
    base.background = 0x123456;
    const ColorScheme scheme = ParseColorScheme("SC2=clRed\r\ntc1=$00FF0000\r\n", base);
    EXPECT_EQ(scheme.shapeFills[1], 0x0000FFu);
    EXPECT_EQ(scheme.textColors[0], 0xFF0000u);
    EXPECT_EQ(scheme.background, 0x123456u);
    EXPECT_THROW(ParseColorScheme("sc1=grey", base), ConversionError);
}

TEST(ApplyColorScheme, ColoursBackToTheirPartsAndOutlines)
{
    TestArea area = InitialTestArea();
    ColorScheme scheme = SchemeOf(area);
    scheme.shapeFills[4] = 0x00FF00;
    scheme.textColors[9] = 0x0000FF;
    scheme.background = 0;
    ApplyColorScheme(area, scheme);
    EXPECT_EQ(area.Object(ObjectKind::Shape, 5).outline, 0x00FF00u);
    EXPECT_EQ(area.Object(ObjectKind::Text, 10).textColor, 0x0000FFu);
    EXPECT_EQ(area.background, 0u);
}

TEST(LayoutWriter, ReadsBackToTheSameDocument)
{
    TestArea area = InitialTestArea();
    area.width = 500;
    area.height = 300;
    area.title = "Card";
    LayoutObject& s4 = area.Object(ObjectKind::Shape, 4);
    s4.ellipse = true;
    s4.visible = true;
    s4.left = -20;
    s4.fill = s4.outline = 0x0080FF;
    LayoutObject& t2 = area.Object(ObjectKind::Text, 2);
    t2.text = " a=b ";
    t2.italic = t2.visible = true;
    t2.textColor = 0xFFFFFF;
    area.Object(ObjectKind::Image, 1).stretch = true;
    area.background = 0x336699;

    DocumentFields fields;
    fields.title = "Card";
    fields.author = "Me\r\nInjected=1";
    const TestLayout layout = ParseTestLayout(TestLayoutText(fields, area));
    EXPECT_EQ(layout.fields.author, "Me");
    EXPECT_EQ(layout.lines.Get("Injected"), std::nullopt);

    TestArea read = InitialTestArea();
    read.Object(ObjectKind::Shape, 1).left = 999;
    read.Object(ObjectKind::Text, 1).visible = true;
    ApplyLayout(read, layout, true, "/nowhere/");
    RestoreDefaultColors(read, layout.lines);
    EXPECT_EQ(read.width, 500);
    EXPECT_EQ(read.title, "Card");
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(read.shapes[i], area.shapes[i]) << "shape " << i + 1;
        EXPECT_EQ(read.texts[i], area.texts[i]) << "text " << i + 1;
    }
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(read.images[i], area.images[i]) << "image " << i + 1;
    EXPECT_EQ(read.background, area.background);
}

TEST(LayoutWriter, TextLinesJoinWithBlanks)
{
    TestArea area = InitialTestArea();
    area.Object(ObjectKind::Text, 3).text = "Hello\r\nWorld\nt3.visible=1\rEnd";
    const TestLayout layout = ParseTestLayout(TestLayoutText(DocumentFields{}, area));
    EXPECT_EQ(layout.lines.Get("t3.text"), "Hello World t3.visible=1 End");
    EXPECT_EQ(layout.lines.Get("t3.visible"), "0");
}

} // namespace
} // namespace tessaro::layouts
