#include "layouts/selection_frame_rules.h"

#include "engine/named_color.h"

#include <algorithm>
#include <cstdlib>

namespace tessaro::layouts {

namespace {

constexpr int kCornerReach = 5;
constexpr int kMiddleReach = 3;
constexpr int kMinFrameSide = 5;

} // namespace

Box FrameAround(const Box& object)
{
    return {object.left - 2, object.top - 2, object.width + 5, object.height + 5};
}

Box GrowFrame(const Box& frame, const Box& object)
{
    const int left = std::min(frame.left, object.left - 2);
    const int top = std::min(frame.top, object.top - 2);
    const int right = std::max(frame.right() - 3, object.right()) + 3;
    const int bottom = std::max(frame.bottom() - 3, object.bottom()) + 3;
    return {left, top, right - left, bottom - top};
}

GrabZone ZoneAt(int x, int y, int w, int h)
{
    const auto near = [](int a, int b, int reach) { return std::abs(a - b) <= reach; };
    GrabZone zone = GrabZone::Move;
    if (near(x, 0, kCornerReach) && near(y, 0, kCornerReach))
        zone = GrabZone::TopLeft;
    if (near(x, w, kCornerReach) && near(y, h, kCornerReach))
        zone = GrabZone::BottomRight;
    if (near(x, w, kCornerReach) && near(y, 0, kCornerReach))
        zone = GrabZone::TopRight;
    if (near(x, 0, kCornerReach) && near(y, h, kCornerReach))
        zone = GrabZone::BottomLeft;
    if (near(x, w / 2, kMiddleReach) && near(y, 0, kCornerReach))
        zone = GrabZone::Top;
    if (near(x, w / 2, kMiddleReach) && near(y, h, kCornerReach))
        zone = GrabZone::Bottom;
    if (near(y, h / 2, kMiddleReach) && near(x, 0, kCornerReach))
        zone = GrabZone::Left;
    if (near(y, h / 2, kMiddleReach) && near(x, w, kCornerReach))
        zone = GrabZone::Right;
    return zone;
}

int Snap(int value, int grid)
{
    grid = std::clamp(grid, 1, 255);
    return grid * (value / grid);
}

Box FrameAfterDrag(const Box& f, GrabZone zone, int dx, int dy, int gx, int gy)
{
    Box n = f;
    const auto newLeft = [&] { return Snap(f.left + dx, gx) - 2; };
    const auto newTop = [&] { return Snap(f.top + dy, gy) - 2; };
    const auto newWidth = [&] { return Snap(f.width + dx, gx) - 3; };
    const auto newHeight = [&] { return Snap(f.height + dy, gy) - 3; };
    switch (zone) {
    case GrabZone::Move:
        n.left = newLeft();
        n.top = newTop();
        break;
    case GrabZone::TopLeft:
        n.left = newLeft();
        n.top = newTop();
        n.width = f.width + f.left - n.left;
        n.height = f.height + f.top - n.top;
        break;
    case GrabZone::TopRight:
        n.top = newTop();
        n.width = newWidth();
        n.height = f.height + f.top - n.top;
        break;
    case GrabZone::BottomLeft:
        n.left = newLeft();
        n.width = f.width + f.left - n.left;
        n.height = newHeight();
        break;
    case GrabZone::BottomRight:
        n.width = newWidth();
        n.height = newHeight();
        break;
    case GrabZone::Top:
        n.top = newTop();
        n.height = f.height + f.top - n.top;
        break;
    case GrabZone::Bottom:
        n.height = newHeight();
        break;
    case GrabZone::Left:
        n.left = newLeft();
        n.width = f.width + f.left - n.left;
        break;
    case GrabZone::Right:
        n.width = newWidth();
        break;
    }
    n.width = std::max(n.width, kMinFrameSide);
    n.height = std::max(n.height, kMinFrameSide);
    return n;
}

Box FollowFrame(const Box& object, const Box& oldFrame, const Box& newFrame)
{
    return {object.left + newFrame.left - oldFrame.left, object.top + newFrame.top - oldFrame.top,
            object.width + newFrame.width - oldFrame.width, object.height + newFrame.height - oldFrame.height};
}

int ClampBoxValue(long long value)
{
    return int(std::clamp<long long>(value, kMinBoxValue, kMaxBoxValue));
}

int ClampFontSize(long long value)
{
    return int(std::clamp<long long>(value, 1, 240));
}

bool IsDiscardedBoxLetter(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        c = c - U'a' + U'A';
    if (c < U'A' || c > U'Z')
        return false;
    return c != U'C' && c != U'V' && c != U'W' && c != U'X';
}

std::optional<int> AcceptedDocumentSide(std::string_view text)
{
    const std::optional<long long> value = TryReadInteger(std::string(text));
    if (!value || *value < 250 || *value > 900)
        return std::nullopt;
    return int(*value);
}

std::optional<int> GridFromText(std::string_view text)
{
    const std::optional<long long> value = TryReadInteger(std::string(text));
    if (!value)
        return std::nullopt;
    const int grid = int(static_cast<unsigned long long>(*value) & 0xFF);
    if (grid == 0)
        return std::nullopt;
    return grid;
}

} // namespace tessaro::layouts
