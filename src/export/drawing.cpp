#include "export/drawing.h"

#include "engine/color_text.h"
#include "export/center_text.h"

#include <algorithm>

namespace tessaro::exporting {

namespace {

constexpr TColor kGrey = MakeColor(0x80, 0x80, 0x80);
constexpr int kListSide = 35;
constexpr int kRowSquare = 15;
constexpr int kRowPitch = 20;

void AddRow(Drawing& drawing, const TColor* colors, std::size_t count, int top)
{
    for (std::size_t k = 0; k < count; ++k)
        drawing.rects.push_back({int(k) * kRowPitch, top, kRowSquare, kRowSquare, colors[k], false});
}

std::string Numbers(int a, int b, int c)
{
    return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

} // namespace

Drawing SwatchesDrawing(const std::vector<TColor>& colors, const SwatchesOptions& options)
{
    const int columns = std::max(options.columns, 1);
    const PictureSize size = SwatchesPictureSize(int(colors.size()), options.side, columns, options.space);
    Drawing drawing;
    drawing.width = size.width;
    drawing.height = size.height;
    const int pitch = options.side + options.space;
    for (std::size_t k = 0; k < colors.size(); ++k)
        drawing.rects.push_back({int(k % columns) * pitch, int(k / columns) * pitch, options.side, options.side,
                                 colors[k], options.outline});
    return drawing;
}

Drawing ListDrawing(const std::vector<TColor>& colors)
{
    const PictureSize size = ListPictureSize(int(colors.size()));
    Drawing drawing;
    drawing.width = size.width;
    drawing.height = size.height;
    for (std::size_t k = 0; k < colors.size(); ++k) {
        const TColor c = colors[k];
        const int top = int(k) * kListSide;
        drawing.rects.push_back({0, top, kListSide, kListSide, c, false});
        const HslTriple hsl = RgbToHsl(ToRgb(c));
        const std::string lines[] = {"RGB: " + Numbers(RedOf(c), GreenOf(c), BlueOf(c)),
                                     "HSL: " + Numbers(hsl.hue, hsl.saturation, hsl.lightness),
                                     "HEX: " + HashHexText(c)};
        for (int i = 0; i < 3; ++i)
            drawing.texts.push_back({38, top + 11 * i, lines[i], kGrey, "Arial", 7});
    }
    return drawing;
}

Drawing MainColorDrawing(TColor color)
{
    Drawing drawing;
    drawing.width = drawing.height = 60;
    drawing.rects.push_back({0, 0, 60, 60, color, false});
    return drawing;
}

Drawing SwatchRowDrawing(const std::vector<TColor>& colors)
{
    Drawing drawing;
    drawing.width = std::max(int(colors.size()) * kRowPitch - (kRowPitch - kRowSquare), 0);
    drawing.height = kRowSquare;
    AddRow(drawing, colors.data(), colors.size(), 0);
    return drawing;
}

Drawing HarmoniesDrawing(const DerivedPalette& palette)
{
    Drawing drawing;
    drawing.width = 90;
    drawing.height = 180;
    const auto group = [&drawing](const char* caption, int top, const auto& colors) {
        drawing.texts.push_back({0, top, caption, 0, "Arial", 8});
        AddRow(drawing, colors.data(), colors.size(), top + 15);
    };
    group("Analogous", 0, palette.analogous);
    group("Complements", 30, palette.complements);
    group("Split Complements", 60, palette.splitComplements);
    group("Triad", 90, palette.triad);
    group("Tetrad", 120, palette.tetrad);
    group("Square", 150, palette.square);
    return drawing;
}

} // namespace tessaro::exporting
