// The perceptual commands of tessaro-cli that need only the colour engine:
// css (a colour in the CSS Color 4 notations, or one CSS text read) and
// scale (tonal, contrast-targeted and OKLCH harmony scales, one swatch a
// line). `scale --format` writes through the export writers and runs in
// the full program (ScaleExportCommand).
#pragma once

#include "engine/color.h"
#include "engine/color_scales.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::cli {

// "css COLOR" / "css --parse TEXT".
int CssCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What a scale command line asks for.
struct ScaleRequest {
    TColor main = 0;
    enum class Kind { Tonal, Contrast, Harmony } kind = Kind::Tonal;
    std::vector<double> targets;       // Contrast
    TColor background = 0xFFFFFF;      // Contrast
    ContrastMetric metric = ContrastMetric::Wcag;
    PerceptualHarmony harmony = PerceptualHarmony::Complements;
    std::optional<std::string> format;  // --format
    std::string prefix = "color";       // --prefix
};
// Throws UsageError for a command line that is not one.
ScaleRequest ReadScaleRequest(const std::vector<std::string>& args);
std::vector<ScaleSwatch> MakeScale(const ScaleRequest& request);

// "scale ..." without --format; nullopt with it (left to the full program).
std::optional<int> ScaleCommand(const std::vector<std::string>& args, std::ostream& out);

// A COLOR of the perceptual commands: six hex digits with an optional "#",
// or any CSS colour text. Throws UsageError.
TColor ReadAnyColor(const std::string& text);

} // namespace tessaro::cli
