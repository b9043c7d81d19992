// The main colour in XYZ, CIE Lab, Hunter Lab, CMY and CMYK, and the five
// text lines that show them.
#pragma once

#include "engine/color.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaro {

struct ExtendedValues {
    double x = 0, y = 0, z = 0;                      // CIE XYZ (D65)
    double labL = 0, labA = 0, labB = 0;             // CIE L*a*b*
    double hunterL = 0, hunterA = 0, hunterB = 0;    // Hunter Lab
    double cmyC = 0, cmyM = 0, cmyY = 0;             // CMY
    double cmykC = 0, cmykM = 0, cmykY = 0, cmykK = 0;  // CMYK
};

ExtendedValues ComputeExtendedValues(RgbTriple rgb);

// General number format with 4 significant digits (halves away from zero),
// no trailing zeros, fixed notation for magnitudes from 0.00001 below 10000,
// scientific notation otherwise.
std::string FormatGeneral4(double value, std::string_view decimalSeparator = ".");

// The XYZ, CIE Lab, H.Lab, CMY and CMYK lines, in that order.
std::array<std::string, 5> ExtendedValueLines(const ExtendedValues& values, std::string_view decimalSeparator = ".");

} // namespace tessaro
