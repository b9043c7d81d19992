// The Copy/Export Center's text formats. Every line is followed by CR LF.
#pragma once

#include "engine/color.h"

#include <string>
#include <vector>

namespace tessaro::exporting {

struct CssOptions {
    bool textColor = true;
    bool backgroundColor = false;
};
// ".color1 { color: #RRGGBB; }" lines, then ".backgroundcolor1 {
// background-color: #RRGGBB; }" lines.
std::string CssText(const std::vector<TColor>& colors, const CssOptions& options);

struct HtmlOptions {
    bool color = true;
    bool bgColor = false;
};
// ' color="#RRGGBB" ' lines, then ' bgcolor="#RRGGBB" ' lines.
std::string HtmlAttributesText(const std::vector<TColor>& colors, const HtmlOptions& options);

// The Value page's options in the order its lines are written.
struct ValueOptions {
    bool rgb = false;
    bool hsl = false;
    bool hashHex = false;
    bool hex = true;
    bool delphiHex = false;
    bool cppHex = false;
    bool actionScriptHex = false;
    bool vbHex = false;
    // The CSS Color 4 notations, after the eight.
    bool cssRgb = false;
    bool cssHsl = false;
    bool cssOkLch = false;
    bool cssOkLab = false;
    bool cssLab = false;
    bool cssLch = false;
    bool cssDisplayP3 = false;
};
// For each colour the lines of the options that are on, then an empty line.
std::string ValueText(const std::vector<TColor>& colors, const ValueOptions& options);

struct ReportOptions {
    bool rgb = true;
    bool hsl = true;
    bool hex = true;
    bool websafe = true;
};
// "Color i", a rule of 21 hyphens, the chosen values and an empty line.
std::string ReportText(const std::vector<TColor>& colors, const ReportOptions& options);

// The Swatches picture's size for n colours of side s in c columns with
// spacing p: c × (s + p) wide; (n div c + 1) × s + (n div c) × p high, or
// s + p when n equals c. Fewer than one column counts as one.
struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};
PictureSize SwatchesPictureSize(int n, int side, int columns, int space);
// The List picture: 125 wide, 35 per colour.
PictureSize ListPictureSize(int n);

} // namespace tessaro::exporting
