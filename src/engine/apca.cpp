#include "engine/apca.h"

#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

// APCA-W3 0.1.9, constants 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRedCoefficient = 0.2126729;
constexpr double kGreenCoefficient = 0.7151522;
constexpr double kBlueCoefficient = 0.0721750;
constexpr double kNormBackground = 0.56;
constexpr double kNormText = 0.57;
constexpr double kReverseText = 0.62;
constexpr double kReverseBackground = 0.65;
constexpr double kBlackThreshold = 0.022;
constexpr double kBlackClamp = 1.414;
constexpr double kScaleBlackOnWhite = 1.14;
constexpr double kScaleWhiteOnBlack = 1.14;
constexpr double kLowBlackOnWhiteOffset = 0.027;
constexpr double kLowWhiteOnBlackOffset = 0.027;
constexpr double kDeltaYMin = 0.0005;
constexpr double kLowClip = 0.1;

double SoftClampBlack(double y)
{
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

} // namespace

double ApcaLuminance(TColor color)
{
    const auto channel = [](std::uint8_t value) { return std::pow(value / 255.0, kMainTrc); };
    return kRedCoefficient * channel(RedOf(color)) + kGreenCoefficient * channel(GreenOf(color)) +
           kBlueCoefficient * channel(BlueOf(color));
}

double ApcaContrast(TColor text, TColor background)
{
    const double textY = SoftClampBlack(ApcaLuminance(text));
    const double backgroundY = SoftClampBlack(ApcaLuminance(background));
    if (std::abs(backgroundY - textY) < kDeltaYMin)
        return 0;
    if (backgroundY > textY) {
        const double sapc =
            (std::pow(backgroundY, kNormBackground) - std::pow(textY, kNormText)) * kScaleBlackOnWhite;
        return sapc < kLowClip ? 0 : (sapc - kLowBlackOnWhiteOffset) * 100;
    }
    const double sapc =
        (std::pow(backgroundY, kReverseBackground) - std::pow(textY, kReverseText)) * kScaleWhiteOnBlack;
    return sapc > -kLowClip ? 0 : (sapc + kLowWhiteOnBlackOffset) * 100;
}

std::string ApcaContrastText(double lc)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", lc);
    std::string result = text;
    if (result == "-0.0") result = "0.0";
    return result;
}

const char* ApcaLevelReading(double lc)
{
    const double magnitude = std::abs(lc);
    if (magnitude >= 75) return "body text";
    if (magnitude >= 60) return "content text";
    if (magnitude >= 45) return "large text";
    if (magnitude >= 30) return "non-text";
    return "insufficient";
}

} // namespace tessaro
