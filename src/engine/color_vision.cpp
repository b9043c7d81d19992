#include "engine/color_vision.h"

#include <algorithm>
#include <cmath>

namespace tessaro {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0, rows giving linear R, G, B.
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};

const std::array<double, 256>& LinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

std::uint8_t Encode(double linear)
{
    const double c = std::clamp(linear, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return std::uint8_t(Nearest(s * 255.0));
}

TColor Apply(const Matrix& m, TColor color)
{
    const auto& lin = LinearTable();
    const std::array<double, 3> in{lin[RedOf(color)], lin[GreenOf(color)], lin[BlueOf(color)]};
    std::array<std::uint8_t, 3> out{};
    for (std::size_t row = 0; row < 3; ++row)
        out[row] = Encode(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    return MakeColor(out[0], out[1], out[2]);
}

constexpr std::array<std::string_view, kColorVisions.size()> kNames{"normal", "protanopia", "deuteranopia",
                                                                     "tritanopia", "greyscale"};

} // namespace

std::string_view ColorVisionName(ColorVision vision)
{
    return kNames[std::size_t(vision)];
}

std::optional<ColorVision> ColorVisionNamed(std::string_view name)
{
    for (ColorVision vision : kColorVisions)
        if (ColorVisionName(vision) == name)
            return vision;
    return std::nullopt;
}

TColor SimulateVision(TColor color, ColorVision vision)
{
    switch (vision) {
    case ColorVision::Normal: return color & 0xFFFFFF;
    case ColorVision::Protanopia: return Apply(kProtanopia, color);
    case ColorVision::Deuteranopia: return Apply(kDeuteranopia, color);
    case ColorVision::Tritanopia: return Apply(kTritanopia, color);
    case ColorVision::Greyscale: {
        const auto& lin = LinearTable();
        const std::uint8_t y =
            Encode(0.2126 * lin[RedOf(color)] + 0.7152 * lin[GreenOf(color)] + 0.0722 * lin[BlueOf(color)]);
        return MakeColor(y, y, y);
    }
    }
    return color & 0xFFFFFF;
}

} // namespace tessaro
