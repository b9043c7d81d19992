#include "tools/eye_dropper_math.h"

#include "engine/named_color.h"

#include <cstdio>

namespace tessaro::tools {

namespace {

constexpr TColor kYellow = 0x00FFFF;  // clYellow

} // namespace

int EffectiveZoom(int zoom)
{
    return zoom <= 0 ? 1 : zoom;
}

long long MagnifierReach(int side, int zoom)
{
    return Nearest(double(side) / (4.0 * EffectiveZoom(zoom)));
}

PixelRect MagnifierSource(int x, int y, int zoom, int side, int screenWidth, int screenHeight)
{
    const long long reach = MagnifierReach(side, zoom);
    PixelRect r{x - reach, y - reach, x + reach, y + reach};
    const auto shift = [&r](long long dx, long long dy) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    };
    if (r.left < 0)
        shift(-r.left, 0);
    if (r.top < 0)
        shift(0, -r.top);
    if (r.right > screenWidth)
        shift(screenWidth - r.right, 0);
    if (r.bottom > screenHeight)
        shift(0, screenHeight - r.bottom);
    return r;
}

std::vector<long long> GridLines(int side, int zoom, bool showGrid)
{
    zoom = EffectiveZoom(zoom);
    std::vector<long long> lines;
    if (!showGrid || zoom == 1)
        return lines;
    const long long cell = 2LL * zoom;
    const long long count = side / cell;
    for (long long i = 0; i <= count; ++i)
        lines.push_back(i * cell);
    return lines;
}

std::optional<SamplingMarker> MarkerFor(int side, int zoom, int sampling)
{
    if (sampling < 0 || sampling > 2)
        return std::nullopt;
    const long long c = 2LL * EffectiveZoom(zoom);
    const long long p = c * ((side / c) / 2);
    const long long r = sampling;
    const long long low = p - r * c;
    const long long high = p + (r + 1) * c;
    return SamplingMarker{{low - 2, low - 2, high + 3, high + 3}, {low - 1, low - 1, high + 2, high + 2}};
}

std::array<std::string, 3> SampleTexts(TColor color)
{
    const RgbTriple rgb = ToRgb(color);
    const HslTriple hsl = RgbToHsl(rgb);
    char buffer[3][40];
    std::snprintf(buffer[0], sizeof buffer[0], "RGB(%d,%d,%d)", rgb.red, rgb.green, rgb.blue);
    std::snprintf(buffer[1], sizeof buffer[1], "HSL(%d,%d,%d)", hsl.hue, hsl.saturation, hsl.lightness);
    std::snprintf(buffer[2], sizeof buffer[2], "HEX #%.2X%.2X%.2X", rgb.red, rgb.green, rgb.blue);
    return {buffer[0], buffer[1], buffer[2]};
}

int PanelCoordinate(std::optional<int> stored, int screenExtent, int design)
{
    if (!stored)
        return design;
    // Above or left of the screen the title bar could not be reached.
    if (*stored < 0)
        return 0;
    if (*stored > screenExtent)
        return screenExtent / 2;
    return *stored;
}

TColor StoredEyeColor(std::string_view text)
{
    if (text.empty())
        return kYellow;
    try {
        const std::uint32_t value = NamedTextToColor(text);
        return (value >> 24) == 0 ? value : kYellow;
    } catch (const std::exception&) {
        return kYellow;
    }
}

} // namespace tessaro::tools
