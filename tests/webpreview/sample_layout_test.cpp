// "Sample 1.cls", laid beside the program: it loads without a fault, holds
// every part of the page, and is written in the layout writer's own form.
#include "webpreview/web_layout_file.h"

#include "webpreview_test_support.h"

#include <gtest/gtest.h>

namespace tessaro::webpreview {
namespace {

using test::ReadBytes;

std::string SampleBytes()
{
    return ReadBytes(std::string(TESSARO_PROGRAM_DATA_DIR) + "/Sample 1.cls");
}

TEST(SampleLayout, LoadsWithoutNotesAndChangesEveryColour)
{
    const std::string bytes = SampleBytes();
    ASSERT_FALSE(bytes.empty());
    WebPageLayout layout;
    std::vector<WebLayoutNote> notes;
    ApplyWebLayoutFile(bytes, layout, &notes);
    EXPECT_TRUE(notes.empty());
    const WebPageLayout defaults;
    for (WebArea area : kWebAreas)
        EXPECT_NE(layout.AreaColor(area), defaults.AreaColor(area));
    EXPECT_NE(layout.BorderColor(), defaults.BorderColor());
    for (WebText text : kWebTexts) {
        EXPECT_NE(layout.Text(text).string, defaults.Text(text).string);
        EXPECT_NE(layout.Text(text).color, defaults.Text(text).color);
    }
}

TEST(SampleLayout, IsWrittenAsTheProgramWritesLayouts)
{
    const std::string bytes = SampleBytes();
    WebPageLayout layout;
    ApplyWebLayoutFile(bytes, layout);
    EXPECT_EQ(WriteWebLayoutFile(layout), bytes);
}

} // namespace
} // namespace tessaro::webpreview
