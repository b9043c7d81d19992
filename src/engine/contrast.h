// How readable one colour is on another: the WCAG 2.x relative luminance,
// contrast ratio and the AA/AAA verdicts for normal and large text.
#pragma once

#include "engine/color.h"

#include <string>

namespace tessaro {

// 0 (black) .. 1 (white), from the sRGB bytes made linear.
double RelativeLuminance(TColor color);
// (lighter + 0.05) / (darker + 0.05): 1 .. 21, whichever colour is lighter.
double ContrastRatio(TColor a, TColor b);

// Large text is at least 18 points, or at least 14 points in bold.
bool IsLargeText(int pointSize, bool bold);

struct ContrastVerdict {
    bool aa = false;   // 4.5:1, or 3:1 for large text
    bool aaa = false;  // 7:1, or 4.5:1 for large text
    friend bool operator==(const ContrastVerdict&, const ContrastVerdict&) = default;
};
// The ratio as computed, never rounded up before it is judged.
ContrastVerdict JudgeContrast(double ratio, bool largeText);

// "4.48:1": two decimals.
std::string ContrastRatioText(double ratio);
// "AA AAA", "AA", or "fails AA".
std::string ContrastVerdictText(ContrastVerdict verdict);

} // namespace tessaro
