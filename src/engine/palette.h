// Everything derived from the main colour: wheel, harmonies, variations,
// the variation grid and the colour's name.
#pragma once

#include "engine/color.h"

#include <array>
#include <string>

namespace tessaro {

class KeyValueText;

struct DerivedPalette {
    std::array<TColor, 12> wheel{};
    std::array<TColor, 3> analogous{};
    std::array<TColor, 2> complements{};
    std::array<TColor, 3> splitComplements{};
    std::array<TColor, 3> triad{};
    std::array<TColor, 4> tetrad{};
    std::array<TColor, 4> square{};
    std::array<TColor, 10> quickVariations{};
    // Rows by hue step of 30 degrees, columns by lightness (main, 10..90).
    std::array<std::array<TColor, 10>, 12> variationGrid{};
    std::string colorName;
};

// The lightness values of the ten quick variations, lightest first.
constexpr std::array<int, 10> kQuickVariationLightness = {95, 90, 80, 70, 60, 50, 40, 30, 20, 15};

struct DeriveOptions {
    bool withVariationGrid = false;
    // The colour name list ("#RRGGBB=name" lines); no lookup when null.
    const KeyValueText* colorNames = nullptr;
};

// Derives every colour afresh from the main colour's bytes; wheel 0 is the
// main colour value as shown, copied rather than recomputed.
DerivedPalette DerivePalette(RgbTriple rgb, TColor mainColor, const DeriveOptions& options = {});

// Paints the variation grid cells into a picture of the given size as filled
// squares (15 x 15 with a 5 pixel gap, 10 pixels from the top left), row by
// row; pixels outside the picture are skipped. `setPixel(x, y, color)`.
template <typename SetPixel>
void PaintVariationGrid(const DerivedPalette& palette, int width, int height, SetPixel setPixel)
{
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 10; ++c)
            for (int y = 10 + 20 * r; y < 10 + 20 * r + 15 && y < height; ++y)
                for (int x = 10 + 20 * c; x < 10 + 20 * c + 15 && x < width; ++x)
                    setPixel(x, y, palette.variationGrid[r][c]);
}

// The name stored for a colour in a "#RRGGBB=name" list; empty when absent.
std::string LookupColorName(const KeyValueText& names, RgbTriple rgb);

} // namespace tessaro
