// Plain text made safe for HTML and SVG markup.
#include "engine/markup_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

struct MarkupCase {
    const char* name;
    std::string text;
    std::string escaped;
};

class EscapeMarkupCases : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(EscapeMarkupCases, WritesTheFourCharactersAsEntities)
{
    EXPECT_EQ(EscapeMarkup(GetParam().text), GetParam().escaped);
}

const MarkupCase kMarkupCases[] = {
    {"PlainTextStaysByteForByte", "Header 1, it's 50% (x=1)", "Header 1, it's 50% (x=1)"},
    {"Empty", "", ""},
    {"TagsBecomeText", "Tide & <b>Water</b>", "Tide &amp; &lt;b&gt;Water&lt;/b&gt;"},
    {"QuotesCannotEndAnAttribute", "a\" onclick=\"x", "a&quot; onclick=&quot;x"},
    {"EntitiesAreEscapedAgain", "&amp;", "&amp;amp;"},
    {"Utf8AndControlBytesStay", "Gr\xC3\xBC\xC3\x9F" "e\t\r\n", "Gr\xC3\xBC\xC3\x9F" "e\t\r\n"},
    {"NulBytesStay", std::string("a\0<", 3), std::string("a\0&lt;", 6)},
};

INSTANTIATE_TEST_SUITE_P(Texts, EscapeMarkupCases, ::testing::ValuesIn(kMarkupCases),
                         [](const ::testing::TestParamInfo<MarkupCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro
