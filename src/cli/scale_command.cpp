#include "cli/scale_command.h"

#include "cli/color_argument.h"
#include "cli/command_errors.h"
#include "cli/command_line.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/css_color.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace tessaro::cli {

TColor ReadAnyColor(const std::string& text)
{
    if (const std::optional<TColor> css = ParseCssColor(text))
        return *css;
    try {
        if (const std::optional<TColor> hex = ReadColorArgument(text))
            return *hex;
    } catch (const ConversionError&) {
    }
    throw UsageError{"COLOR must be six hex digits or a CSS colour, got '" + text + "'"};
}

int CssCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 3 && args[1] == "--parse") {
        const std::optional<TColor> color = ParseCssColor(args[2]);
        if (!color) {
            err << "tessaro-cli: '" << args[2] << "' is not a CSS colour\n";
            return kExitConversionError;
        }
        out << HashHexText(*color) << '\n';
        return kExitOk;
    }
    ExpectArgs(args, 1, 1);
    const TColor color = ReadAnyColor(args[1]);
    out << "hex " << HashHexText(color) << '\n';
    for (CssNotation notation : kCssNotations)
        out << CssNotationName(notation) << ' ' << CssColorText(notation, color) << '\n';
    return kExitOk;
}

namespace {

// "1.5,2,3" : positive numbers, comma-separated.
std::vector<double> ReadTargets(const std::string& text)
{
    std::vector<double> targets;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, end - start);
        double value = 0;
        const auto [next, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || error != std::errc() || next != item.data() + item.size() || !std::isfinite(value) ||
            value <= 0)
            throw UsageError{"--contrast takes positive numbers separated by commas, got '" + text + "'"};
        targets.push_back(value);
        start = end + 1;
    }
    return targets;
}

} // namespace

ScaleRequest ReadScaleRequest(const std::vector<std::string>& args)
{
    if (args.size() < 3)
        throw UsageError{"scale needs COLOR and one of --tonal, --contrast LIST, --harmony NAME"};
    ScaleRequest request;
    request.main = ReadAnyColor(args[1]);
    int kinds = 0;
    bool backgroundGiven = false, metricGiven = false, targetsGiven = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{option + " needs a value"};
            return args[++i];
        };
        if (option == "--tonal") {
            request.kind = ScaleRequest::Kind::Tonal;
            ++kinds;
        } else if (option == "--contrast") {
            request.kind = ScaleRequest::Kind::Contrast;
            const std::string& list = value();
            if (list != "default") {
                request.targets = ReadTargets(list);
                targetsGiven = true;
            }
            ++kinds;
        } else if (option == "--harmony") {
            request.kind = ScaleRequest::Kind::Harmony;
            const std::string& name = value();
            const std::optional<PerceptualHarmony> harmony = PerceptualHarmonyNamed(name);
            if (!harmony)
                throw UsageError{"unknown harmony '" + name +
                                 "' (analogous, complements, split-complements, triad, tetrad, square)"};
            request.harmony = *harmony;
            ++kinds;
        } else if (option == "--background") {
            request.background = ReadAnyColor(value());
            backgroundGiven = true;
        } else if (option == "--metric") {
            const std::string& metric = value();
            if (metric == "wcag") request.metric = ContrastMetric::Wcag;
            else if (metric == "apca") request.metric = ContrastMetric::Apca;
            else throw UsageError{"--metric is wcag or apca, got '" + metric + "'"};
            metricGiven = true;
        } else if (option == "--format") {
            request.format = value();
        } else if (option == "--prefix") {
            request.prefix = value();
        } else {
            throw UsageError{"unknown option '" + option + "'"};
        }
    }
    if (kinds != 1)
        throw UsageError{"scale takes one of --tonal, --contrast LIST, --harmony NAME"};
    if ((backgroundGiven || metricGiven) && request.kind != ScaleRequest::Kind::Contrast)
        throw UsageError{"--background and --metric belong to --contrast"};
    if (!targetsGiven)
        request.targets = DefaultContrastTargets(request.metric);
    return request;
}

std::vector<ScaleSwatch> MakeScale(const ScaleRequest& request)
{
    switch (request.kind) {
    case ScaleRequest::Kind::Tonal: return MakeTonalScale(request.main).steps;
    case ScaleRequest::Kind::Contrast:
        return MakeContrastScale(request.main, request.background, request.metric, request.targets);
    case ScaleRequest::Kind::Harmony: return MakePerceptualHarmony(request.main, request.harmony);
    }
    return {};
}

std::optional<int> ScaleCommand(const std::vector<std::string>& args, std::ostream& out)
{
    const ScaleRequest request = ReadScaleRequest(args);
    if (request.format)
        return std::nullopt;
    for (const ScaleSwatch& swatch : MakeScale(request))
        out << swatch.name << ' ' << (swatch.color ? HashHexText(*swatch.color) : std::string("unreachable")) << '\n';
    return kExitOk;
}

} // namespace tessaro::cli
