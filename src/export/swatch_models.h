// Swatches of palette files in colour models other than RGB, turned into
// RGB colours, and the one note that tells the user what was done with them.
//
// Every conversion the swatch readers make is here, each with its formula:
//   grey   exact: red = green = blue = the grey level
//   HSB    exact: the usual hexcone hue, saturation and brightness
//   CMYK   without a colour profile (press inks are not known):
//          R = 255 × (1 − C) × (1 − K), G = 255 × (1 − M) × (1 − K),
//          B = 255 × (1 − Y) × (1 − K)
//   Lab    CIE L*a*b* relative to D50 (as Adobe files hold it) to XYZ, then
//          the Bradford-adapted D50 XYZ to linear sRGB matrix and the sRGB
//          curve; colours outside sRGB are clipped to its nearest edge.
// Every channel is rounded to the nearest of 0..255.
#pragma once

#include "engine/color.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tessaro::exporting {

// Each takes the model's values on their usual scales.
TColor GreyToRgb(double level);                              // 0 black .. 1 white
TColor HsbToRgb(double hue, double saturation, double brightness);  // hue in turns (0..1), others 0..1
TColor CmykToRgb(double cyan, double magenta, double yellow, double black);  // ink 0..1
TColor LabD50ToRgb(double lightness, double a, double b);    // L 0..100, a and b about −128..127

enum class SwatchModel { Grey, Hsb, Cmyk, Lab };

// What a reader did with the swatches of one file that were not RGB.
class SwatchModelTally {
public:
    void converted(SwatchModel model) { ++converted_[std::size_t(model)]; }
    // `model` names the model as the file does ("colour space 3").
    void skipped(const std::string& model);
    bool empty() const;
    int skippedCount() const { return skipped_; }

    // One sentence for the user, "" when every swatch was RGB, for
    // example: ASE: 2 of 5 swatches were not RGB: 1 grey converted exactly,
    // 1 skipped (colour model "XYZ "). Each kind of conversion names its
    // formula briefly.
    std::string note(const char* format, std::size_t swatches) const;

private:
    std::array<int, 4> converted_{};
    int skipped_ = 0;
    std::vector<std::string> skippedModels_;
};

} // namespace tessaro::exporting
