#include "engine/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

double LinearChannel(std::uint8_t byte)
{
    const double c = byte / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr double kAaNormal = 4.5;
constexpr double kAaLarge = 3.0;
constexpr double kAaaNormal = 7.0;
constexpr double kAaaLarge = 4.5;

} // namespace

double RelativeLuminance(TColor color)
{
    return 0.2126 * LinearChannel(RedOf(color)) + 0.7152 * LinearChannel(GreenOf(color)) +
           0.0722 * LinearChannel(BlueOf(color));
}

double ContrastRatio(TColor a, TColor b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLargeText(int pointSize, bool bold)
{
    return pointSize >= 18 || (bold && pointSize >= 14);
}

ContrastVerdict JudgeContrast(double ratio, bool largeText)
{
    return {ratio >= (largeText ? kAaLarge : kAaNormal), ratio >= (largeText ? kAaaLarge : kAaaNormal)};
}

std::string ContrastRatioText(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", ratio);
    return text;
}

std::string ContrastVerdictText(ContrastVerdict verdict)
{
    if (verdict.aaa)
        return "AA AAA";
    return verdict.aa ? "AA" : "fails AA";
}

} // namespace tessaro
