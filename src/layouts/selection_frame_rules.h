// The arithmetic of the layout editor's selection frame and its boxes: the
// frame's bounds around the objects it holds, the grab zones of its edges
// and corners, the rectangle a drag gives with the grid, and the ranges and
// letters the editor's number boxes take. Plain integers, no Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaro::layouts {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Box&, const Box&) = default;
};

// Around one object: 2 pixels more to the left and top, 3 to the right and
// bottom.
Box FrameAround(const Box& object);
// The frame grown to cover one more object.
Box GrowFrame(const Box& frame, const Box& object);

enum class GrabZone { Move, TopLeft, BottomRight, TopRight, BottomLeft, Top, Bottom, Left, Right };

// The zone under a point inside a frame of one object (coordinates inside
// the frame): corners within 5 pixels, side middles within 3 pixels of the
// middle and 5 of the edge, tested in that order with the last match
// winning; Move elsewhere.
GrabZone ZoneAt(int x, int y, int frameWidth, int frameHeight);

// The grid of one axis, 1 (no snapping) .. 255.
inline constexpr int kSnapGrid = 8;
// g(v) = grid * (v / grid), the division truncated toward zero.
int Snap(int value, int grid);

// The frame after a drag of (dx, dy) from `zone`; widths and heights below
// 5 become 5.
Box FrameAfterDrag(const Box& frame, GrabZone zone, int dx, int dy, int gridX, int gridY);
// An object moves and grows by the same amounts as its frame.
Box FollowFrame(const Box& object, const Box& oldFrame, const Box& newFrame);

// The Width, Height, Left and Top boxes hold -200 .. 1500; the font size
// 1 .. 240.
inline constexpr int kMinBoxValue = -200;
inline constexpr int kMaxBoxValue = 1500;
int ClampBoxValue(long long value);
int ClampFontSize(long long value);

// The letters the number boxes throw away: A, B, D to U, Y and Z, either
// case. Digits, "-", C, V, W and X are kept.
bool IsDiscardedBoxLetter(char32_t c);

// A document side typed into the Width or Height box: a whole number of
// 250 .. 900, or nothing.
std::optional<int> AcceptedDocumentSide(std::string_view text);

// The grid a Grid Size text asks for: the low 8 bits of a whole number;
// nothing for other text and for a number whose low 8 bits are 0 (the grid
// never becomes 0, which a drag would divide by).
std::optional<int> GridFromText(std::string_view text);

} // namespace tessaro::layouts
