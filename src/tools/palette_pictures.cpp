#include "tools/palette_pictures.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace tessaro::tools {

namespace {

constexpr int kCellPitch = 9;  // 8 pixels of colour and one of line

constexpr std::array<TColor, 12> kFirstColumn{
    0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
    MakeColor(0xFF, 0, 0), MakeColor(0, 0xFF, 0), MakeColor(0, 0, 0xFF),
    MakeColor(0xFF, 0xFF, 0), MakeColor(0, 0xFF, 0xFF), MakeColor(0xFF, 0, 0xFF)};

} // namespace

TColor WebsafeCellColor(int column, int row)
{
    if (column == 0)
        return kFirstColumn[std::size_t(row)];
    if (column == 1 && row == 0)
        return kGridLineColor;
    const int c = column - 1;
    return MakeColor(std::uint8_t(0x33 * (3 * (row / 6) + c / 6)), std::uint8_t(0x33 * (c % 6)),
                     std::uint8_t(0x33 * (row % 6)));
}

TColor WebsafePixel(int x, int y)
{
    if (x % kCellPitch == 0 || y % kCellPitch == 0)
        return kGridLineColor;
    return WebsafeCellColor(x / kCellPitch, y / kCellPitch);
}

TColor SpectrumPixel(int x, int y)
{
    // Hue in sixths of the circle, about 3.1 degrees a column.
    const double hue = 6.0 * x / kSpectrumWidth;
    const int sector = int(hue) % 6;
    const double f = hue - std::floor(hue);
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = 1; g = f; break;
    case 1: r = 1 - f; g = 1; break;
    case 2: g = 1; b = f; break;
    case 3: g = 1 - f; b = 1; break;
    case 4: r = f; b = 1; break;
    default: r = 1; b = 1 - f; break;
    }
    // Towards white above the middle row, towards black below it.
    constexpr int kMiddle = 31;
    double toWhite = 0, scale = 1;
    if (y < kMiddle)
        toWhite = double(kMiddle - y) / kMiddle;
    else
        scale = double(kSpectrumHeight - 1 - y) / (kSpectrumHeight - 1 - kMiddle);
    const auto channel = [&](double v) { return std::uint8_t(Nearest(255.0 * scale * (v + (1 - v) * toWhite))); };
    return MakeColor(channel(r), channel(g), channel(b));
}

std::string VariationsValueText(TColor color)
{
    const RgbTriple c = ToRgb(color);
    char text[64];
    std::snprintf(text, sizeof text, "R: %d, G: %d, B: %d ( #%.2X%.2X%.2X ) ", c.red, c.green, c.blue, c.red,
                  c.green, c.blue);
    return text;
}

std::string PaletteValueText(TColor color)
{
    const RgbTriple c = ToRgb(color);
    char text[64];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d) | #%.2X%.2X%.2X ", c.red, c.green, c.blue, c.red, c.green,
                  c.blue);
    return text;
}

} // namespace tessaro::tools
