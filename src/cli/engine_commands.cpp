#include "cli/engine_commands.h"

#include "cli/color_argument.h"
#include "cli/command_errors.h"
#include "cli/command_line.h"
#include "cli/input_bytes.h"
#include "cli/line_writer.h"
#include "cli/scale_command.h"

#include "engine/color.h"
#include "engine/color_scan.h"
#include "engine/color_text.h"
#include "engine/extended_values.h"
#include "engine/named_color.h"
#include "engine/palette.h"

#include <cstdio>
#include <ostream>

namespace tessaro::cli {

namespace {

std::string Hash(TColor color)
{
    return HashHexText(color);
}

TColor ParseColorArgument(const std::string& text)
{
    if (const std::optional<TColor> color = ReadColorArgument(text))
        return *color;
    throw UsageError{"COLOR must be six hex digits, got '" + text + "'"};
}

template <typename Colors>
void PrintColorLine(std::ostream& out, const std::string& label, const Colors& colors)
{
    out << label;
    for (TColor c : colors)
        out << ' ' << Hash(c);
    out << '\n';
}

int Derive(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 1, 1);
    const TColor color = ParseColorArgument(args[1]);
    const RgbTriple rgb = ToRgb(color);
    const HslTriple hsl = RgbToHsl(rgb);
    const DerivedPalette p = DerivePalette(rgb, color, {.withVariationGrid = true});
    out << "hsl " << hsl.hue << ',' << hsl.saturation << ',' << hsl.lightness << '\n';
    PrintColorLine(out, "wheel", p.wheel);
    PrintColorLine(out, "analogous", p.analogous);
    PrintColorLine(out, "complements", p.complements);
    PrintColorLine(out, "splitcomplements", p.splitComplements);
    PrintColorLine(out, "triad", p.triad);
    PrintColorLine(out, "tetrad", p.tetrad);
    PrintColorLine(out, "square", p.square);
    PrintColorLine(out, "variations", p.quickVariations);
    for (std::size_t row = 0; row < p.variationGrid.size(); ++row)
        PrintColorLine(out, "grid" + std::to_string(row), p.variationGrid[row]);
    return kExitOk;
}

int Values(const std::vector<std::string>& args, std::ostream& out, const std::string& separator)
{
    ExpectArgs(args, 1, 1);
    const TColor color = ParseColorArgument(args[1]);
    for (const std::string& line : ExtendedValueLines(ComputeExtendedValues(ToRgb(color)), separator))
        out << line << '\n';
    for (CopyNotation notation : kCopyNotations)
        out << CopyText(notation, color) << '\n';
    out << (IsWebsafe(color) ? "Websafe" : "Not Websafe") << '\n';
    out << "nearest websafe " << Hash(MakeColor(SnapToWebsafe(ToRgb(color)))) << '\n';
    return kExitOk;
}

int Adjust(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 2, 2);
    const TColor color = ParseColorArgument(args[1]);
    const RgbTriple rgb = ToRgb(color);
    const std::string& op = args[2];
    TColor result;
    if (op == "lighten") result = MakeColor(AdjustLightness(rgb, kAdjustStep));
    else if (op == "darken") result = MakeColor(AdjustLightness(rgb, -kAdjustStep));
    else if (op == "saturate") result = MakeColor(AdjustSaturation(rgb, kAdjustStep));
    else if (op == "desaturate") result = MakeColor(AdjustSaturation(rgb, -kAdjustStep));
    else if (op == "invert") result = InvertColor(color);
    else if (op == "websafe") result = MakeColor(SnapToWebsafe(rgb));
    else throw UsageError{"unknown adjustment '" + op + "'"};
    out << Hash(result) << '\n';
    return kExitOk;
}

int HslCommand(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 3, 3);
    const int h = ReadInteger(args[1]);
    const int s = ReadInteger(args[2]);
    const int l = ReadInteger(args[3]);
    const RgbTriple rgb = HslToRgb(h, s, l);
    out << int(rgb.red) << ',' << int(rgb.green) << ',' << int(rgb.blue) << '\n';
    return kExitOk;
}

int RgbCommand(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 3, 3);
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        channels[i] = ReadInteger(args[1 + i]);
        if (channels[i] < 0 || channels[i] > 255)
            throw UsageError{"R, G and B must be 0..255, got '" + args[1 + i] + "'"};
    }
    const HslTriple hsl = RgbToHsl({std::uint8_t(channels[0]), std::uint8_t(channels[1]), std::uint8_t(channels[2])});
    out << hsl.hue << ',' << hsl.saturation << ',' << hsl.lightness << '\n';
    return kExitOk;
}

InputBytes ReadInput(const std::string& name, std::istream& in)
{
    if (name.empty() || name == "-")
        return InputBytes::ReadStream(in);
    return InputBytes::ReadFile(name);
}

int Scan(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    ExpectArgs(args, 0, 1);
    const InputBytes input = ReadInput(args.size() > 1 ? args[1] : "", in);
    LineWriter lines(out);
    ScanColorText(ScanText::FromFileBytes(input.Bytes(), LineBreaks::CrLfAfterEveryLine),
                  [&lines](TColor color) { lines.HashHexLine(color); });
    return kExitOk;
}

int Import(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const auto [files, allowDuplicates] = ReadFilesAndDuplicates(args);
    if (files.size() > 1)
        throw UsageError{"import takes at most one FILE"};
    const InputBytes input = ReadInput(files.empty() ? "" : files[0], in);
    LineWriter lines(out);
    const HashScanResult result =
        ScanHashColors(ScanText::FromFileBytes(input.Bytes(), LineBreaks::CrLfBetweenLines), {}, allowDuplicates,
                       [&lines](std::string_view entry) { lines.Line(entry); });
    if (result.added == 0) {
        err << "No colors found!\n";
        return kExitNoColors;
    }
    return kExitOk;
}

int Named(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 1, 1);
    const std::uint32_t value = NamedTextToColor(args[1]);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%.8X", value);
    out << ColorToNamedText(value) << ' ' << hex << '\n';
    return kExitOk;
}

} // namespace

std::optional<int> RunEngineCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                    std::ostream& err, const std::string& decimalSeparator)
{
    const std::string& command = args[0];
    if (command == "derive") return Derive(args, out);
    if (command == "values") return Values(args, out, decimalSeparator);
    if (command == "adjust") return Adjust(args, out);
    if (command == "hsl") return HslCommand(args, out);
    if (command == "rgb") return RgbCommand(args, out);
    if (command == "scan") return Scan(args, in, out);
    if (command == "import") return Import(args, in, out, err);
    if (command == "named") return Named(args, out);
    if (command == "css") return CssCommand(args, out, err);
    if (command == "scale") return ScaleCommand(args, out);
    return std::nullopt;
}

} // namespace tessaro::cli
