// The sample layouts shipped in data/TLs: one file for every name of the
// layout list, each loading without a conversion error, with its pictures
// present, its objects inside the document and its default colours.
#include "layouts/image_path.h"
#include "layouts/layout_names.h"
#include "layouts/test_area.h"
#include "layouts/test_layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace tessaro::layouts {
namespace {

const std::string kLayoutsFolder = std::string(TESSARO_SAMPLE_LAYOUTS_DIR) + "/";

class SampleLayout : public testing::TestWithParam<const char*> {};

TEST_P(SampleLayout, LoadsWholeWithItsPictures)
{
    const std::optional<TestLayout> layout = ReadTestLayout(kLayoutsFolder + GetParam());
    ASSERT_TRUE(layout.has_value());
    EXPECT_FALSE(layout->fields.title.empty());
    TestArea area = InitialTestArea();
    int pictures = 0;
    ASSERT_NO_THROW(ApplyLayout(area, *layout, true, kLayoutsFolder, [&](const LayoutObject&) { ++pictures; }));
    ASSERT_NO_THROW(RestoreDefaultColors(area, layout->lines));
    EXPECT_TRUE(layout->lines.Get("background.color").has_value());
    int visible = 0;
    for (const auto* objects : {&area.shapes, &area.texts}) {
        for (const LayoutObject& object : *objects) {
            if (!object.visible)
                continue;
            ++visible;
            EXPECT_LT(object.left, area.width) << object.number;
            EXPECT_LT(object.top, area.height) << object.number;
        }
    }
    EXPECT_GE(visible, 3);
    for (const LayoutObject& image : area.images) {
        if (image.visible) {
            EXPECT_FALSE(image.picturePath.empty()) << "image " << image.number << " has no picture file";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LayoutList, SampleLayout, testing::ValuesIn(kLayoutNames),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param; *c && *c != '.'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
} // namespace tessaro::layouts
