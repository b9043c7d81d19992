// The selection frame's arithmetic and the editor's number boxes, as tables.
#include "layouts/selection_frame_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro::layouts {
namespace {

void PrintTo(const Box& b, std::ostream* os)
{
    *os << "(" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << ")";
}

TEST(SelectionFrame, BoundsAroundOneAndMoreObjects)
{
    EXPECT_EQ(FrameAround({16, 24, 25, 25}), (Box{14, 22, 30, 30}));
    const Box one = FrameAround({16, 24, 25, 25});
    // A second object below and right: the frame covers both, 3 pixels past it.
    EXPECT_EQ(GrowFrame(one, {100, 100, 50, 10}), (Box{14, 22, 139, 91}));
    // One inside changes nothing.
    EXPECT_EQ(GrowFrame(one, {20, 30, 5, 5}), one);
    // One above and left.
    EXPECT_EQ(GrowFrame(one, {0, 0, 5, 5}), (Box{-2, -2, 46, 54}));
}

struct ZoneRow {
    const char* name;
    int x;
    int y;
    GrabZone zone;
};
class GrabZones : public testing::TestWithParam<ZoneRow> {};

// A frame of 30 x 30 (one 25 x 25 object): middles at 15.
TEST_P(GrabZones, LastMatchWins)
{
    EXPECT_EQ(ZoneAt(GetParam().x, GetParam().y, 30, 30), GetParam().zone);
}

INSTANTIATE_TEST_SUITE_P(
    Frame30, GrabZones,
    testing::Values(ZoneRow{"TopLeft", 0, 0, GrabZone::TopLeft}, ZoneRow{"TopLeftEdge", 5, 5, GrabZone::TopLeft},
                    ZoneRow{"JustPastTopLeft", 6, 5, GrabZone::Move},
                    ZoneRow{"BottomRight", 29, 29, GrabZone::BottomRight},
                    ZoneRow{"TopRight", 26, 2, GrabZone::TopRight}, ZoneRow{"BottomLeft", 3, 27, GrabZone::BottomLeft},
                    ZoneRow{"Top", 15, 1, GrabZone::Top}, ZoneRow{"TopMiddleReach", 12, 4, GrabZone::Top},
                    ZoneRow{"Bottom", 18, 28, GrabZone::Bottom}, ZoneRow{"Left", 1, 15, GrabZone::Left},
                    ZoneRow{"Right", 29, 13, GrabZone::Right}, ZoneRow{"Inside", 15, 15, GrabZone::Move}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GrabZones, SideMiddlesWinOverCornersOfATinyFrame)
{
    // A 6 x 6 frame: every point is near a corner and a middle; the sides,
    // tested last, win.
    EXPECT_EQ(ZoneAt(0, 3, 6, 6), GrabZone::Left);
    EXPECT_EQ(ZoneAt(6, 3, 6, 6), GrabZone::Right);
}

struct DragRow {
    const char* name;
    GrabZone zone;
    int dx;
    int dy;
    int grid;
    Box frame;   // before: (14, 22, 30, 30) around an object at (16, 24, 25 x 25)
    Box after;   // the frame after
    Box object;  // the object after
};
class FrameDrag : public testing::TestWithParam<DragRow> {};

TEST_P(FrameDrag, NewRectangleByTheTable)
{
    const DragRow& row = GetParam();
    const Box frame = FrameAfterDrag(row.frame, row.zone, row.dx, row.dy, row.grid, row.grid);
    EXPECT_EQ(frame, row.after);
    EXPECT_EQ(FollowFrame({16, 24, 25, 25}, row.frame, frame), row.object);
}

constexpr Box kFrame{14, 22, 30, 30};

INSTANTIATE_TEST_SUITE_P(
    Table, FrameDrag,
    testing::Values(
        // Grid 8, frame at 14: a move by 8 keeps the object at 16, by 10 puts it at 24.
        DragRow{"MoveBy8OnGrid", GrabZone::Move, 8, 0, 8, kFrame, {14, 14, 30, 30}, {16, 16, 25, 25}},
        DragRow{"MoveBy10OnGrid", GrabZone::Move, 10, 0, 8, kFrame, {22, 14, 30, 30}, {24, 16, 25, 25}},
        // No snapping: old left + dx - 2.
        DragRow{"MoveWithoutGrid", GrabZone::Move, 7, -3, 1, kFrame, {19, 17, 30, 30}, {21, 19, 25, 25}},
        DragRow{"TopLeft", GrabZone::TopLeft, -4, -4, 1, kFrame, {8, 16, 36, 36}, {10, 18, 31, 31}},
        DragRow{"TopRight", GrabZone::TopRight, 10, 2, 1, kFrame, {14, 22, 37, 30}, {16, 24, 32, 25}},
        DragRow{"BottomLeft", GrabZone::BottomLeft, 2, 10, 1, kFrame, {14, 22, 30, 37}, {16, 24, 25, 32}},
        DragRow{"BottomRightOnGrid", GrabZone::BottomRight, 10, 10, 8, kFrame, {14, 22, 37, 37}, {16, 24, 32, 32}},
        DragRow{"Top", GrabZone::Top, 0, 5, 1, kFrame, {14, 25, 30, 27}, {16, 27, 25, 22}},
        DragRow{"Bottom", GrabZone::Bottom, 0, 5, 1, kFrame, {14, 22, 30, 32}, {16, 24, 25, 27}},
        DragRow{"Left", GrabZone::Left, 5, 0, 1, kFrame, {17, 22, 27, 30}, {19, 24, 22, 25}},
        DragRow{"Right", GrabZone::Right, 5, 0, 1, kFrame, {14, 22, 32, 30}, {16, 24, 27, 25}},
        // Far past the left edge: the frame keeps 5 pixels, the object 0.
        DragRow{"RightBelowMinimum", GrabZone::Right, -100, 0, 1, kFrame, {14, 22, 5, 30}, {16, 24, 0, 25}},
        // Negative positions truncate toward zero: g(-6) is 0, not -8.
        DragRow{"MoveNegativeOnGrid", GrabZone::Move, -20, 0, 8, kFrame, {-2, 14, 30, 30}, {0, 16, 25, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditorBoxes, RangesLettersSidesAndGrid)
{
    EXPECT_EQ(ClampBoxValue(-250), -200);
    EXPECT_EQ(ClampBoxValue(2000), 1500);
    EXPECT_EQ(ClampBoxValue(1LL << 40), 1500);
    EXPECT_EQ(ClampFontSize(0), 1);
    EXPECT_EQ(ClampFontSize(300), 240);

    for (char32_t c : {U'c', U'V', U'w', U'X', U'0', U'9', U'-', U'$'})
        EXPECT_FALSE(IsDiscardedBoxLetter(c)) << char(c);
    for (char32_t c : {U'a', U'B', U'd', U'U', U'y', U'z'})
        EXPECT_TRUE(IsDiscardedBoxLetter(c)) << char(c);

    EXPECT_EQ(AcceptedDocumentSide("900"), 900);
    EXPECT_EQ(AcceptedDocumentSide("250"), 250);
    EXPECT_FALSE(AcceptedDocumentSide("901").has_value());
    EXPECT_FALSE(AcceptedDocumentSide("249").has_value());
    EXPECT_FALSE(AcceptedDocumentSide("-").has_value());

    EXPECT_EQ(GridFromText("8"), 8);
    EXPECT_EQ(GridFromText("264"), 8);  // the low 8 bits
    EXPECT_FALSE(GridFromText("0").has_value());
    EXPECT_FALSE(GridFromText("512").has_value());
    EXPECT_FALSE(GridFromText("eight").has_value());
    EXPECT_EQ(Snap(-30 + 14, 0), -16);  // a grid of 0 is held at 1
}

} // namespace
} // namespace tessaro::layouts
