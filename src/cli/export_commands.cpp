#include "cli/export_commands.h"

#include "cli/output_file.h"

#include "cli/cli.h"
#include "cli/color_argument.h"
#include "cli/input_bytes.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/text_lines.h"
#include "export/aco_file.h"
#include "export/center_sources.h"
#include "export/center_output.h"
#include "export/center_text.h"
#include "export/html_page.h"
#include "export/drawing_emf.h"
#include "export/drawing_image.h"
#include "export/drawing_svg.h"
#include "export/pal_file.h"
#include "export/palette_files.h"
#include "colorlist/color_list_file.h"

#include <QBuffer>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <set>

namespace tessaro::cli {

namespace {

// Text in bitmaps needs fonts, and fonts need a GUI application: one on the
// offscreen platform, made the first time a bitmap is written.
void EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessaro-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

struct ExportUsageError {
    std::string message;
};

// The arguments every export command shares.
struct ExportArgs {
    std::string output;                 // -o FILE, empty for standard output
    std::string listFile;               // --list FILE
    std::vector<std::string> colors;    // COLOR arguments
    std::vector<std::string> options;   // everything else starting with "--"
};

ExportArgs SplitArgs(const std::vector<std::string>& args, std::size_t first)
{
    ExportArgs parsed;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw ExportUsageError{"'" + arg + "' needs a value"};
            return args[++i];
        };
        if (arg == "-o")
            parsed.output = value();
        else if (arg == "--list")
            parsed.listFile = value();
        else if (arg == "--fields" || arg == "--size" || arg == "--columns" || arg == "--space" || arg == "--prefix")
            parsed.options.push_back(arg + "=" + value());
        else if (arg.starts_with("-") && arg.size() > 1)
            parsed.options.push_back(arg);
        else
            parsed.colors.push_back(arg);
    }
    if (parsed.listFile.empty() == parsed.colors.empty())
        throw ExportUsageError{"give either --list FILE or COLOR arguments"};
    return parsed;
}

TColor ColorArgument(const std::string& text)
{
    if (const std::optional<TColor> color = ReadColorArgument(text))
        return *color;
    throw ExportUsageError{"COLOR must be six hex digits, got '" + text + "'"};
}

std::vector<TColor> ColorArguments(const std::vector<std::string>& texts)
{
    std::vector<TColor> colors;
    for (const std::string& text : texts)
        colors.push_back(ColorArgument(text));
    return colors;
}

// The entries of a colour list file: every line, as the list reads its
// files.
std::vector<std::string> ListEntries(const std::string& path)
{
    const InputBytes input = InputBytes::ReadFile(path);
    std::vector<std::string> entries;
    for (std::string_view line : SplitLines(input.Bytes()))
        entries.emplace_back(line);
    return entries;
}

void Emit(const ExportArgs& args, const std::string& bytes, std::ostream& out)
{
    if (args.output.empty()) {
        out.write(bytes.data(), std::streamsize(bytes.size()));
        return;
    }
    WriteFileWhole(args.output, bytes);
}

void RejectOptions(const ExportArgs& args)
{
    if (!args.options.empty())
        throw ExportUsageError{"unknown option '" + args.options.front() + "'"};
}

int ListExport(const std::vector<std::string>& args, std::ostream& out,
               const std::function<std::string(const std::vector<TColor>&)>& write)
{
    const ExportArgs parsed = SplitArgs(args, 1);
    RejectOptions(parsed);
    const std::vector<TColor> colors =
        parsed.listFile.empty() ? ColorArguments(parsed.colors) : exporting::ListEntryColors(ListEntries(parsed.listFile));
    std::string bytes;
    try {
        bytes = write(colors);
    } catch (const exporting::PaletteFormatError& e) {
        throw FileError{e.what()};
    }
    Emit(parsed, bytes, out);
    return kExitOk;
}

// A switch option pair "--NAME" / "--no-NAME".
bool TakeSwitch(std::vector<std::string>& options, const std::string& name, bool value)
{
    for (auto it = options.begin(); it != options.end();) {
        if (*it == "--" + name)
            value = true;
        else if (*it == "--no-" + name)
            value = false;
        else {
            ++it;
            continue;
        }
        it = options.erase(it);
    }
    return value;
}

// "--fields=a,b" taken from the options: the chosen names, each one of
// `allowed`; nullopt when the option is not given.
std::optional<std::set<std::string>> TakeFields(std::vector<std::string>& options, const std::set<std::string>& allowed)
{
    std::optional<std::set<std::string>> fields;
    for (auto it = options.begin(); it != options.end();) {
        if (!it->starts_with("--fields=")) {
            ++it;
            continue;
        }
        fields.emplace();
        std::string_view list = std::string_view(*it).substr(9);
        while (!list.empty()) {
            const std::size_t comma = std::min(list.find(','), list.size());
            const std::string field(list.substr(0, comma));
            if (!allowed.contains(field))
                throw ExportUsageError{"unknown field '" + field + "'"};
            fields->insert(field);
            list.remove_prefix(std::min(comma + 1, list.size()));
        }
        it = options.erase(it);
    }
    return fields;
}

// "--NAME N": the number given, which must be one of `allowed`; `value`
// when the option is not given.
int TakeNumber(std::vector<std::string>& options, const std::string& name, int value,
               const std::function<bool(int)>& allowed)
{
    for (auto it = options.begin(); it != options.end();) {
        if (!it->starts_with("--" + name + "=")) {
            ++it;
            continue;
        }
        const std::string text = it->substr(name.size() + 3);
        int number = 0;
        const bool digits = !text.empty() && text.size() <= 4 &&
                            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits)
            number = std::stoi(text);
        if (!digits || !allowed(number))
            throw ExportUsageError{"--" + name + " " + text + " is not one of the allowed values"};
        value = number;
        it = options.erase(it);
    }
    return value;
}

template <std::size_t N>
std::function<bool(int)> OneOf(const std::array<int, N>& values)
{
    return [&values](int n) { return std::find(values.begin(), values.end(), n) != values.end(); };
}

exporting::CenterOptions CenterOptionsOf(exporting::CenterFormat format, std::vector<std::string> options)
{
    using namespace exporting;
    CenterOptions center;
    center.format = format;
    switch (format) {
    case CenterFormat::Swatches: {
        SwatchesOptions& s = center.swatches;
        s.side = TakeNumber(options, "size", s.side, OneOf(kSwatchSides));
        s.columns = TakeNumber(options, "columns", s.columns, OneOf(kSwatchColumns));
        s.space = TakeNumber(options, "space", s.space, [](int n) { return n >= 0 && n <= kMaxSwatchSpace; });
        s.outline = TakeSwitch(options, "outline", s.outline);
        break;
    }
    case CenterFormat::List: break;
    case CenterFormat::Css:
        center.css.textColor = TakeSwitch(options, "text-color", center.css.textColor);
        center.css.backgroundColor = TakeSwitch(options, "background-color", center.css.backgroundColor);
        break;
    case CenterFormat::Html:
        center.html.color = TakeSwitch(options, "color", center.html.color);
        center.html.bgColor = TakeSwitch(options, "bgcolor", center.html.bgColor);
        break;
    case CenterFormat::Value:
        if (const auto f = TakeFields(options, {"rgb", "hsl", "hex", "hashhex", "delphi", "vb", "vcpp", "actionscript",
                                                "css-rgb", "css-hsl", "oklch", "oklab", "lab", "lch", "display-p3"}))
            center.value = {f->contains("rgb"),     f->contains("hsl"),     f->contains("hashhex"),
                            f->contains("hex"),     f->contains("delphi"),  f->contains("vcpp"),
                            f->contains("actionscript"), f->contains("vb"), f->contains("css-rgb"),
                            f->contains("css-hsl"), f->contains("oklch"),   f->contains("oklab"),
                            f->contains("lab"),     f->contains("lch"),     f->contains("display-p3")};
        break;
    case CenterFormat::Text:
        if (const auto f = TakeFields(options, {"rgb", "hsl", "hex", "websafe"}))
            center.report = {f->contains("rgb"), f->contains("hsl"), f->contains("hex"), f->contains("websafe")};
        break;
    case CenterFormat::CssVariables:
    case CenterFormat::Scss:
    case CenterFormat::Json:
    case CenterFormat::Tailwind: break;
    }
    if (TakesNamePrefix(format)) {
        for (auto it = options.begin(); it != options.end();) {
            if (!it->starts_with("--prefix=")) {
                ++it;
                continue;
            }
            center.namePrefix = it->substr(9);
            if (!IsValidNamePrefix(center.namePrefix))
                throw ExportUsageError{"--prefix '" + center.namePrefix +
                                       "' must be letters, digits, '-' or '_', starting with a letter or '_'"};
            it = options.erase(it);
        }
    }
    if (!options.empty())
        throw ExportUsageError{"option '" + options.front() + "' does not belong to format '" +
                               CenterFormatName(format) + "'"};
    return center;
}

std::string PictureBytes(const exporting::Drawing& drawing, const std::string& path);

int CenterExport(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() < 2)
        throw ExportUsageError{"export needs a FORMAT"};
    const std::optional<exporting::CenterFormat> format = exporting::CenterFormatByName(args[1]);
    if (!format)
        throw ExportUsageError{"unknown export format '" + args[1] + "'"};
    const ExportArgs parsed = SplitArgs(args, 2);
    const exporting::CenterOptions options = CenterOptionsOf(*format, parsed.options);
    if (exporting::IsPictureFormat(*format) && parsed.output.empty())
        throw ExportUsageError{"the picture format '" + args[1] + "' is written with -o FILE (.png, .bmp, .svg, .emf)"};
    const std::vector<TColor> colors =
        parsed.listFile.empty()
            ? ColorArguments(parsed.colors)
            : exporting::ColorsOfHashTexts(exporting::CollectHashEntries(ListEntries(parsed.listFile)));
    const exporting::CenterOutput output = exporting::RenderCenter(options, colors);
    Emit(parsed, output.isPicture ? PictureBytes(output.drawing, parsed.output) : output.text, out);
    return kExitOk;
}

std::string Extension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// The picture by the output file's extension: PNG, BMP, SVG or EMF.
std::string PictureBytes(const exporting::Drawing& drawing, const std::string& path)
{
    const std::string ext = Extension(path);
    if (ext == "svg")
        return exporting::DrawingSvg(drawing);
    if (ext == "emf")
        return exporting::DrawingEmf(drawing);
    if (ext != "png" && ext != "bmp")
        throw ExportUsageError{"a picture is written as .png, .bmp, .svg or .emf, not '" + path + "'"};
    EnsureGuiApplication();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!exporting::DrawingImage(drawing).save(&buffer, ext == "png" ? "PNG" : "BMP"))
        throw FileError{"cannot encode the picture for '" + path + "'"};
    return bytes.toStdString();
}

// The colours of a list file (either form, every line) or a palette file.
std::vector<TColor> ConvertInput(const std::string& path)
{
    const bool isList = Extension(path) == "cll";
    const std::optional<exporting::PaletteKind> kind = exporting::PaletteKindOfPath(path);
    if (!isList && (!kind || *kind == exporting::PaletteKind::Pal || !exporting::IsReadablePalette(*kind)))
        throw ExportUsageError{"convert reads .cll, .gpl, .aco and .ase files, not '" + path + "'"};
    const InputBytes input = InputBytes::ReadFile(path);
    if (isList) {
        colorlist::ColorList list;
        list.allowDuplicates = true;
        list.insertPoint = 0;
        const std::string_view bytes = input.Bytes();
        const colorlist::ListLoadResult result =
            colorlist::LoadColorListText(list, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        if (result.error)
            throw FileError{"cannot read '" + path + "': " + result.error->toStdString()};
        std::vector<std::string> entries;
        for (const QString& entry : list.entries())
            entries.push_back(entry.toStdString());
        return exporting::ListEntryColors(entries);
    }
    try {
        return exporting::ColorsOf(exporting::ReadPalette(*kind, input.Bytes()));
    } catch (const exporting::PaletteFormatError& e) {
        throw FileError{"cannot read '" + path + "': " + e.what()};
    }
}

int Convert(const std::vector<std::string>& args)
{
    if (args.size() != 3)
        throw ExportUsageError{"convert takes IN and OUT"};
    const std::string& out = args[2];
    const std::string ext = Extension(out);
    const std::optional<exporting::PaletteKind> kind = exporting::PaletteKindOfPath(out);
    if (ext != "cll" && (!kind || ext == "htm"))
        throw ExportUsageError{"convert writes .cll, .gpl, .aco, .ase, .pal or .html files, not '" + out + "'"};
    const std::vector<TColor> colors = ConvertInput(args[1]);
    std::string bytes;
    if (ext == "cll") {
        for (TColor color : colors)
            bytes += HashHexText(color) + "\r\n";
    } else {
        try {
            bytes = exporting::WritePalette(*kind, colors);
        } catch (const exporting::PaletteFormatError& e) {
            throw FileError{"cannot write '" + out + "': " + e.what()};
        }
    }
    WriteFileWhole(out, bytes);
    return kExitOk;
}

int ReadPalette(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() != 2)
        throw ExportUsageError{"read-palette takes one FILE"};
    const std::string& path = args[1];
    const std::string ext = Extension(path);
    if (ext != "aco" && ext != "pal")
        throw ExportUsageError{"read-palette reads .aco and .pal files, not '" + path + "'"};
    const InputBytes input = InputBytes::ReadFile(path);
    std::vector<exporting::PaletteEntry> entries;
    try {
        entries = ext == "aco" ? exporting::ReadAco(input.Bytes()) : exporting::ReadPal(input.Bytes());
    } catch (const exporting::PaletteFormatError& e) {
        throw FileError{"cannot read '" + path + "': " + e.what()};
    }
    for (const exporting::PaletteEntry& entry : entries)
        out << HashHexText(entry.color) << '\n';
    return kExitOk;
}

} // namespace

bool IsExportCommand(const std::string& command)
{
    return command == "export-aco" || command == "export-pal" || command == "export-html" || command == "export" ||
           command == "read-palette" || command == "convert";
}

int RunExportCommand(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err)
{
    try {
        const std::string& command = args.at(0);
        if (command == "export-aco") return ListExport(args, out, exporting::WriteAco);
        if (command == "export-pal") return ListExport(args, out, exporting::WritePal);
        if (command == "export-html") return ListExport(args, out, exporting::HtmlPage);
        if (command == "export") return CenterExport(args, out);
        if (command == "read-palette") return ReadPalette(args, out);
        if (command == "convert") return Convert(args);
        throw ExportUsageError{"unknown command '" + command + "'"};
    } catch (const ExportUsageError& e) {
        err << "tessaro-cli: " << e.message << "\n\nUsage:\n" << kExportUsage;
        return kExitUsage;
    }
}

} // namespace tessaro::cli
