// The page's areas and dividers derived from the three sizes.
#include "webpreview/web_page_geometry.h"

#include "webpreview_test_support.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tessaro::webpreview {

void PrintTo(const PageRect& r, std::ostream* os)
{
    *os << '(' << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ')';
}

namespace {

using test::kCaseName;
using test::PrintTo;

TEST(WebPageGeometry, DefaultPage)
{
    const WebPageGeometry g = ComputeGeometry(WebPageLayout());
    EXPECT_EQ(g.header, (PageRect{0, 0, 385, 49}));
    EXPECT_EQ(g.headerDivider, (PageRect{0, 49, 385, 2}));
    EXPECT_EQ(g.navigation, (PageRect{0, 51, 113, 219}));
    EXPECT_EQ(g.navigationDivider, (PageRect{113, 51, 2, 219}));
    EXPECT_EQ(g.contents, (PageRect{115, 51, 270, 219}));
    EXPECT_EQ(g.footerDivider, (PageRect{0, 270, 385, 2}));
    EXPECT_EQ(g.footer, (PageRect{0, 272, 385, 25}));
    EXPECT_EQ(BorderFrame(), (PageRect{-2, -2, 389, 301}));
}

struct GeometryCase {
    const char* name;
    int header, footer, navigation;
    PageRect navigationRect, contentsRect, footerRect;
};

class WebPageGeometryCases : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(WebPageGeometryCases, AreasTileThePage)
{
    const GeometryCase& c = GetParam();
    const WebPageGeometry g = ComputeGeometry(c.header, c.footer, c.navigation);
    EXPECT_EQ(g.header, (PageRect{0, 0, kPageWidth, c.header}));
    EXPECT_EQ(g.navigation, c.navigationRect);
    EXPECT_EQ(g.contents, c.contentsRect);
    EXPECT_EQ(g.footer, c.footerRect);
    // Every page pixel belongs to exactly one area or divider.
    int covered = 0;
    for (const PageRect& r : {g.header, g.headerDivider, g.navigation, g.navigationDivider, g.contents,
                              g.footerDivider, g.footer})
        covered += r.width * r.height;
    EXPECT_EQ(covered, kPageWidth * kPageHeight);
}

const GeometryCase kGeometryCases[] = {
    {"CollapsedHeader", 0, 25, 113, {0, 2, 113, 268}, {115, 2, 270, 268}, {0, 272, 385, 25}},
    {"CollapsedFooter", 49, 0, 113, {0, 51, 113, 244}, {115, 51, 270, 244}, {0, 297, 385, 0}},
    {"CollapsedNavigationContentsFillThePage", 49, 25, 0, {0, 51, 0, 219}, {2, 51, 383, 219}, {0, 272, 385, 25}},
    {"WidestNavigation", 49, 25, 383, {0, 51, 383, 219}, {385, 51, 0, 219}, {0, 272, 385, 25}},
    {"NoMiddleRows", 200, 93, 113, {0, 202, 113, 0}, {115, 202, 270, 0}, {0, 204, 385, 93}},
};

INSTANTIATE_TEST_SUITE_P(Sizes, WebPageGeometryCases, ::testing::ValuesIn(kGeometryCases), kCaseName);

TEST(WebPageGeometry, TextOriginsInTheirAreas)
{
    const WebPageGeometry g = ComputeGeometry(WebPageLayout());
    EXPECT_EQ(TextOrigin(g, WebText::Header), (PagePoint{8, 7}));
    EXPECT_EQ(TextOrigin(g, WebText::Footer), (PagePoint{8, 278}));
    EXPECT_EQ(TextOrigin(g, WebText::Link1), (PagePoint{8, 59}));
    EXPECT_EQ(TextOrigin(g, WebText::Link5), (PagePoint{8, 123}));
    EXPECT_EQ(TextOrigin(g, WebText::Title), (PagePoint{123, 59}));
    EXPECT_EQ(TextOrigin(g, WebText::Contents), (PagePoint{123, 83}));
    EXPECT_EQ(ContentsWrapWidth(g), 251);
    EXPECT_EQ(ContentsWrapWidth(ComputeGeometry(49, 25, 370)), 0);
}

TEST(WebPageGeometry, HitTests)
{
    const WebPageGeometry g = ComputeGeometry(WebPageLayout());
    EXPECT_EQ(AreaAt(g, {0, 0}), WebArea::Header);
    EXPECT_EQ(AreaAt(g, {384, 48}), WebArea::Header);
    EXPECT_EQ(AreaAt(g, {10, 49}), std::nullopt);
    EXPECT_EQ(DividerAt(g, {10, 50}), WebDivider::Header);
    EXPECT_EQ(AreaAt(g, {112, 100}), WebArea::Navigation);
    EXPECT_EQ(DividerAt(g, {114, 100}), WebDivider::Navigation);
    EXPECT_EQ(AreaAt(g, {115, 100}), WebArea::Contents);
    EXPECT_EQ(DividerAt(g, {200, 271}), WebDivider::Footer);
    EXPECT_EQ(AreaAt(g, {200, 296}), WebArea::Footer);
    EXPECT_EQ(AreaAt(g, {385, 10}), std::nullopt);
    EXPECT_EQ(AreaAt(g, {-1, 10}), std::nullopt);
}

TEST(WebPageGeometry, DraggedDividerPositionsGiveSizes)
{
    EXPECT_EQ(DividerSizeAt(WebDivider::Header, 60), 60);
    EXPECT_EQ(DividerSizeAt(WebDivider::Navigation, 0), 0);
    EXPECT_EQ(DividerSizeAt(WebDivider::Footer, 270), 25);
    EXPECT_EQ(DividerSizeAt(WebDivider::Footer, 295), 0);
    // Each divider's own rectangle starts where DividerSizeAt reads it.
    const WebPageGeometry g = ComputeGeometry(WebPageLayout());
    EXPECT_EQ(DividerSizeAt(WebDivider::Header, g.headerDivider.y), 49);
    EXPECT_EQ(DividerSizeAt(WebDivider::Footer, g.footerDivider.y), 25);
    EXPECT_EQ(DividerSizeAt(WebDivider::Navigation, g.navigationDivider.x), 113);
}

} // namespace
} // namespace tessaro::webpreview
