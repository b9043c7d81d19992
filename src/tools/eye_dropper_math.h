// The eye dropper's arithmetic, apart from any window: the magnifier's
// source rectangle, the grid lattice, the sampling marker, the sampled
// colour and the label texts. Coordinates are screen pixels.
#pragma once

#include "engine/color.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::tools {

// The magnifier picture EyeIMG is square.
inline constexpr int kMagnifierSide = 145;

enum class Sampling { SinglePixel = 0, ThreeByThree = 1, FiveByFive = 2 };

// Right and bottom are exclusive.
struct PixelRect {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;

    long long width() const { return right - left; }
    long long height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// A zoom step of 0 or less counts as 1; larger steps are kept as they are.
int EffectiveZoom(int zoom);

// Half the source rectangle's side: side / (4 * zoom), to the nearest
// integer with halves to even (36, 18, 12, 9 for 145 and zoom 1 to 4).
long long MagnifierReach(int side, int zoom);

// The screen rectangle shown magnified around the cursor (x, y), shifted
// (never shrunk) onto the screen: left, then top, then right, then bottom.
PixelRect MagnifierSource(int x, int y, int zoom, int side, int screenWidth, int screenHeight);

// The source pixel that destination pixel `index` of `destinationLength`
// replicates, for a source of `sourceLength` pixels (plain stretch copy).
inline long long StretchSourceIndex(long long index, long long sourceLength, long long destinationLength)
{
    return index * sourceLength / destinationLength;
}

// The grid's line positions (both directions): 0, c, 2c, ... n*c with the
// cell c = 2 * zoom and n = side div c; empty when the grid is off or the
// zoom is 1.
std::vector<long long> GridLines(int side, int zoom, bool showGrid);

// The two outlines of the sampling marker around the lattice's middle cell.
struct SamplingMarker {
    PixelRect black;
    PixelRect white;
};
// Nothing for a sampling mode other than 0, 1 or 2.
std::optional<SamplingMarker> MarkerFor(int side, int zoom, int sampling);

// The colour the swatch takes at (x, y): one pixel, or the 3x3 or 5x5
// average per channel with the remainder dropped; nothing for an unknown
// mode. `pixelAt(x, y)` returns a TColor, white off the screen.
template <typename PixelAt>
std::optional<TColor> SampleColor(const PixelAt& pixelAt, int x, int y, int sampling)
{
    int reach = 0;
    switch (sampling) {
    case 0:
        return pixelAt(x, y) & 0xFFFFFF;
    case 1:
        reach = 1;
        break;
    case 2:
        reach = 2;
        break;
    default:
        return std::nullopt;
    }
    unsigned red = 0, green = 0, blue = 0;
    for (int row = -reach; row <= reach; ++row)
        for (int column = -reach; column <= reach; ++column) {
            const TColor c = pixelAt(x + column, y + row);
            red += RedOf(c);
            green += GreenOf(c);
            blue += BlueOf(c);
        }
    const unsigned count = unsigned((2 * reach + 1) * (2 * reach + 1));
    return MakeColor(std::uint8_t(red / count), std::uint8_t(green / count), std::uint8_t(blue / count));
}

// "RGB(255,128,0)", "HSL(30,100,50)", "HEX #FF8000".
std::array<std::string, 3> SampleTexts(TColor color);

// A stored panel coordinate: the design value when missing, half the
// screen's extent when beyond it, 0 when negative.
int PanelCoordinate(std::optional<int> stored, int screenExtent, int design);

// The swatch colour stored as LastEyeCol: yellow when missing or not a
// colour of three bytes.
TColor StoredEyeColor(std::string_view text);

} // namespace tessaro::tools
