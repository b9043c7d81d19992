// The page's HTML against reference files written by hand: the default
// page, a styled page, and the collapsed and narrow cases as edits of the
// default page.
#include "webpreview/web_page_html.h"

#include "webpreview/web_page_geometry.h"
#include "webpreview_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tessaro::webpreview {
namespace {

using test::DataFile;
using test::kCaseName;
using test::PrintTo;
using test::ReadBytes;

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Removes `count` lines starting at the first line equal to `needle`, or
// else the first line that contains it.
void EraseFrom(std::vector<std::string>& lines, const std::string& needle, int count)
{
    auto it = std::find(lines.begin(), lines.end(), needle);
    if (it == lines.end())
        it = std::find_if(lines.begin(), lines.end(),
                          [&](const std::string& line) { return line.find(needle) != std::string::npos; });
    ASSERT_NE(it, lines.end()) << needle;
    ASSERT_LE(count, lines.end() - it);
    lines.erase(it, it + count);
}

// Replaces `from` by `to` in every line holding it; at least one must.
void ReplaceAll(std::vector<std::string>& lines, const std::string& from, const std::string& to)
{
    int replaced = 0;
    for (std::string& line : lines)
        for (std::size_t at; (at = line.find(from)) != std::string::npos; ++replaced)
            line.replace(at, from.size(), to);
    ASSERT_GT(replaced, 0) << from;
}

TEST(WebPageHtml, DefaultPageIsTheWorkedExampleByteForByte)
{
    EXPECT_EQ(WriteWebPageHtml(WebPageLayout()), ReadBytes(DataFile("default_page.htm")));
}

TEST(WebPageHtml, EveryLineEndsWithCrLf)
{
    const std::string html = WriteWebPageHtml(WebPageLayout());
    EXPECT_TRUE(html.ends_with("</table></body></html>\r\n"));
    EXPECT_EQ(std::count(html.begin(), html.end(), '\n'), std::count(html.begin(), html.end(), '\r'));
    EXPECT_EQ(html.find("\n"), html.find("\r\n") + 1);
    EXPECT_EQ(SplitCrLf(html).size(), 55u);
}

TEST(WebPageHtml, TheResolverGivesTheColoursTheirRgb)
{
    WebPageLayout layout;
    layout.SetAreaColor(WebArea::Header, 0x8000000F);
    const std::string html = WriteWebPageHtml(layout, [](TColor c) { return c == 0x8000000F ? 0xC8D0D4u : c; });
    EXPECT_NE(html.find("height=\"49\" bgcolor=\"#D4D0C8\" class=\"header1\""), std::string::npos);
}

TEST(WebPageHtml, StyledPageMatchesItsReference)
{
    WebPageLayout layout;
    layout.SetHeaderHeight(0);
    layout.SetFooterHeight(30);
    layout.SetNavigationWidth(150);
    layout.SetBackgroundColor(MakeColor(0x33, 0x66, 0x99));
    layout.SetBorderAndDividerColor(MakeColor(0x12, 0x34, 0x56));  // never written
    layout.SetAreaColor(WebArea::Navigation, MakeColor(0xF0, 0xF0, 0xF0));
    layout.SetAreaColor(WebArea::Footer, MakeColor(0x20, 0x20, 0x20));
    layout.SetTextColor(WebText::Header, MakeColor(0xFF, 0x80, 0x00));
    layout.SetTextColor(WebText::Footer, kWhite);
    layout.SetTextColor(WebText::Link1, MakeColor(0x1A, 0x52, 0x76));
    layout.SetTextString(WebText::Link1, "Home");
    layout.SetTextString(WebText::Link3, "a < b & c > d");
    layout.SetTextString(WebText::Link5, "x=1");
    layout.SetTextString(WebText::Contents, "Grüße, café");
    layout.SetTextFont(WebText::Header, {"Georgia", 20, true, true, true, true, 0});
    layout.SetTextFont(WebText::Link3, {"Verdana", 9, false, false, false, true, 1});
    WebFont title = layout.Text(WebText::Title).font;
    title.bold = false;
    title.italic = true;
    layout.SetTextFont(WebText::Title, title);

    EXPECT_EQ(WriteWebPageHtml(layout), ReadBytes(DataFile("styled_page.htm")));
}

struct PageCase {
    const char* name;
    std::function<void(WebPageLayout&)> change;
    std::function<void(std::vector<std::string>&)> expect;  // edits of the default page
};

class WebPageHtmlCases : public ::testing::TestWithParam<PageCase> {};

TEST_P(WebPageHtmlCases, DefaultPageWithItsEdits)
{
    WebPageLayout layout;
    GetParam().change(layout);
    std::vector<std::string> expected = SplitCrLf(ReadBytes(DataFile("default_page.htm")));
    GetParam().expect(expected);
    EXPECT_EQ(WriteWebPageHtml(layout), JoinCrLf(expected));
}

const PageCase kPageCases[] = {
    {"CollapsedHeaderOmitsItsRowButNotTheMiddleRow",
     [](WebPageLayout& l) { l.DragDivider(WebDivider::Header, 1); },
     [](std::vector<std::string>& lines) {
         EraseFrom(lines, "  <tr>                            ", 3);
         ReplaceAll(lines, "height=\"219\"", "height=\"268\"");
     }},
    {"CollapsedFooterOmitsItsRow",
     [](WebPageLayout& l) { l.SetFooterHeight(0); },
     [](std::vector<std::string>& lines) {
         EraseFrom(lines, "  <tr>                          ", 3);
         ReplaceAll(lines, "height=\"219\"", "height=\"244\"");
     }},
    {"CollapsedNavigationOmitsItsCellAndWidensTheContents",
     [](WebPageLayout& l) { l.SetNavigationWidth(0); },
     [](std::vector<std::string>& lines) {
         EraseFrom(lines, "<td valign=\"top\" bgcolor=\"#FFFFFF\" width=\"113\"", 7);
         ReplaceAll(lines, "width=\"270\"", "width=\"383\"");
     }},
    {"NavigationOf381KeepsATwoPixelContentsCell",
     [](WebPageLayout& l) { l.SetNavigationWidth(381); },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "width=\"113\"", "width=\"381\"");
         ReplaceAll(lines, "width=\"270\"", "width=\"2\"");
     }},
    {"NavigationOf382OmitsTheContentsCell",
     [](WebPageLayout& l) { l.SetNavigationWidth(382); },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "width=\"113\"", "width=\"382\"");
         EraseFrom(lines, "<td  valign=\"top\" width=\"270\"", 4);
     }},
    {"WidestNavigationOmitsTheContentsCell",
     [](WebPageLayout& l) { l.SetNavigationWidth(5000); },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "width=\"113\"", "width=\"383\"");
         EraseFrom(lines, "<td  valign=\"top\" width=\"270\"", 4);
     }},
    {"OnlyTheWidestNavigationLeft",
     [](WebPageLayout& l) {
         l.SetHeaderHeight(0);
         l.SetFooterHeight(0);
         l.SetNavigationWidth(383);
     },
     [](std::vector<std::string>& lines) {
         EraseFrom(lines, "  <tr>                            ", 3);
         EraseFrom(lines, "<td  valign=\"top\" width=\"270\"", 4);
         EraseFrom(lines, "  <tr>                          ", 3);
         ReplaceAll(lines, "width=\"113\" height=\"219\"", "width=\"383\" height=\"293\"");
     }},
    {"BackgroundIsTheTableColourAndTheBorderIsNotWritten",
     [](WebPageLayout& l) {
         l.SetBackgroundColor(MakeColor(0xAB, 0xCD, 0xEF));
         l.SetBorderAndDividerColor(MakeColor(0x11, 0x22, 0x33));
     },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "cellspacing=\"2\" bgcolor=\"#000000\"", "cellspacing=\"2\" bgcolor=\"#ABCDEF\"");
     }},
    {"AreaColoursInTheirCells",
     [](WebPageLayout& l) {
         l.SetAreaColor(WebArea::Header, MakeColor(0xFF, 0x80, 0x00));
         l.SetAreaColor(WebArea::Navigation, MakeColor(0x01, 0x02, 0x03));
         l.SetAreaColor(WebArea::Contents, MakeColor(0x0A, 0xBC, 0xDE));
         l.SetAreaColor(WebArea::Footer, MakeColor(0xFE, 0xDC, 0xBA));
     },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "height=\"49\" bgcolor=\"#FFFFFF\"", "height=\"49\" bgcolor=\"#FF8000\"");
         ReplaceAll(lines, "<td valign=\"top\" bgcolor=\"#FFFFFF\"", "<td valign=\"top\" bgcolor=\"#010203\"");
         ReplaceAll(lines, "height=\"219\" bgcolor=\"#FFFFFF\"", "height=\"219\" bgcolor=\"#0ABCDE\"");
         ReplaceAll(lines, "height=\"25\" bgcolor=\"#FFFFFF\"", "height=\"25\" bgcolor=\"#FEDCBA\"");
     }},
    {"StrikeOutIsNeverWritten",
     [](WebPageLayout& l) {
         WebFont font = l.Text(WebText::Footer).font;
         font.strikeOut = true;
         l.SetTextFont(WebText::Footer, font);
     },
     [](std::vector<std::string>&) {}},
    {"OptionalStyleLinesInTheOrderBoldItalicUnderline",
     [](WebPageLayout& l) { l.SetTextFont(WebText::Contents, {"Tahoma", 11, true, true, true, false, 1}); },
     [](std::vector<std::string>& lines) {
         const auto it = std::find(lines.begin(), lines.end(),
                                   " .content1 {  font-family: MS Sans Serif; font-size: 8.0pt; color: #000000;");
         ASSERT_NE(it, lines.end());
         *it = " .content1 {  font-family: Tahoma; font-size: 11.0pt; color: #000000;";
         lines.insert(it + 1, {" font-weight : bold; ", " font-style : italic;", " text-decoration: underline;"});
     }},
    {"TextsAreEscapedSoTheyStayText",
     [](WebPageLayout& l) {
         l.SetTextString(WebText::Header, "Tide & <b>Water</b>");
         l.SetTextString(WebText::Link2, "<script>alert(\"x\")</script>");
         l.SetTextString(WebText::Title, "&amp; stays &amp;amp;");
         l.SetTextString(WebText::Footer, "</td></tr></table>");
     },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "class=\"header1\">Header</td>", "class=\"header1\">Tide &amp; &lt;b&gt;Water&lt;/b&gt;</td>");
         ReplaceAll(lines, "\">This is link 2</span >",
                    "\">&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;</span >");
         ReplaceAll(lines, "\">Page 1</span >", "\">&amp;amp; stays &amp;amp;amp;</span >");
         ReplaceAll(lines, "class=\"footer1\">Footer</td>",
                    "class=\"footer1\">&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</td>");
     }},
    {"FontFamiliesCannotCloseTheStyleSheet",
     [](WebPageLayout& l) {
         WebFont font = l.Text(WebText::Footer).font;
         font.family = "x</style><script>";
         l.SetTextFont(WebText::Footer, font);
     },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, " .footer1 {  font-family: MS Sans Serif;",
                    " .footer1 {  font-family: x\\3C /style\\3E \\3C script\\3E ;");
     }},
    {"SystemColoursTakeTheirBytesWithoutAResolver",
     [](WebPageLayout& l) { l.SetTextColor(WebText::Title, 0x8000000F); },
     [](std::vector<std::string>& lines) {
         ReplaceAll(lines, "font-size: 16.0pt; color: #000000;", "font-size: 16.0pt; color: #0F0000;");
     }},
};

INSTANTIATE_TEST_SUITE_P(Pages, WebPageHtmlCases, ::testing::ValuesIn(kPageCases), kCaseName);

} // namespace
} // namespace tessaro::webpreview
