// A picture the copy commands make, as plain shapes on a white page: filled
// squares (with or without a black 1-pixel outline) and lines of text. The
// same drawing becomes a bitmap, an SVG picture or an enhanced metafile, so
// the three never differ.
#pragma once

#include "engine/color.h"
#include "engine/palette.h"

#include <string>
#include <vector>

namespace tessaro::exporting {

struct DrawnRect {
    int x = 0, y = 0, width = 0, height = 0;
    TColor fill = 0;
    // A black 1-pixel line on the rectangle's own edge pixels.
    bool outline = false;
    friend bool operator==(const DrawnRect&, const DrawnRect&) = default;
};

struct DrawnText {
    int x = 0, y = 0;  // top-left corner of the line
    std::string text;
    TColor color = 0;
    std::string family = "Arial";
    int pointSize = 8;
    // The character height in pixels at 96 dots per inch, as the point size
    // gives it there (7 points: 9, 8 points: 11).
    int pixelSize() const { return (pointSize * 96 + 36) / 72; }
    friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

struct Drawing {
    int width = 0, height = 0;
    std::vector<DrawnRect> rects;
    std::vector<DrawnText> texts;
    // The picture's description where a format keeps one.
    std::string creator = "KT Tessaro";
    std::string title = "Color Swatches";
};

struct SwatchesOptions {
    int side = 20;
    int columns = 12;
    int space = 3;
    bool outline = true;
};

// The Center's "Swatches": colour k at ((k mod c)(s + p), (k div c)(s + p)).
Drawing SwatchesDrawing(const std::vector<TColor>& colors, const SwatchesOptions& options);
// The Center's "List": 35-pixel squares down the left, three grey lines of
// Arial 7 point at x 38 ("RGB: ", "HSL: ", "HEX: ").
Drawing ListDrawing(const std::vector<TColor>& colors);

// The quick copy bitmaps: the main colour 60 × 60; a row of 15-pixel squares
// 20 pixels apart (the wheel 235 × 15, the variations 195 × 15); the six
// harmony groups with their captions, 90 × 180.
Drawing MainColorDrawing(TColor color);
Drawing SwatchRowDrawing(const std::vector<TColor>& colors);
Drawing HarmoniesDrawing(const DerivedPalette& palette);

} // namespace tessaro::exporting
