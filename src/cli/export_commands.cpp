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
#include "export/center_text.h"
#include "export/html_page.h"
#include "export/pal_file.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <set>

namespace tessaro::cli {

const char* const kExportUsage =
    "  export-aco [-o FILE] (--list FILE | COLOR...)\n"
    "  export-pal [-o FILE] (--list FILE | COLOR...)\n"
    "  export-html [-o FILE] (--list FILE | COLOR...)\n"
    "                          the colours as a Photoshop swatch file, a RIFF palette or an\n"
    "                          HTML page; --list takes every line of a colour list file\n"
    "  export FORMAT [OPTIONS] [-o FILE] (--list FILE | COLOR...)\n"
    "                          FORMAT css, html, value or text, as the Copy/Export Center\n"
    "                          writes it (lines ended by CR LF); --list takes the entries\n"
    "                          holding \"#\". Options: css --[no-]text-color,\n"
    "                          --[no-]background-color; html --[no-]color, --[no-]bgcolor;\n"
    "                          value --fields rgb,hsl,hex,hashhex,delphi,vb,vcpp,actionscript;\n"
    "                          text --fields rgb,hsl,hex,websafe\n"
    "  read-palette FILE       the colours of an .aco or .pal file, one #RRGGBB a line\n";

namespace {

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
        else if (arg == "--fields")
            parsed.options.push_back("--fields=" + value());
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

std::string CenterText(const std::string& format, std::vector<std::string> options, const std::vector<TColor>& colors)
{
    using namespace exporting;
    std::string text;
    if (format == "css") {
        CssOptions css;
        css.textColor = TakeSwitch(options, "text-color", css.textColor);
        css.backgroundColor = TakeSwitch(options, "background-color", css.backgroundColor);
        text = CssText(colors, css);
    } else if (format == "html") {
        HtmlOptions html;
        html.color = TakeSwitch(options, "color", html.color);
        html.bgColor = TakeSwitch(options, "bgcolor", html.bgColor);
        text = HtmlAttributesText(colors, html);
    } else if (format == "value") {
        ValueOptions value;
        if (const auto f = TakeFields(options, {"rgb", "hsl", "hex", "hashhex", "delphi", "vb", "vcpp", "actionscript"}))
            value = {f->contains("rgb"),    f->contains("hsl"),  f->contains("hashhex"),     f->contains("hex"),
                     f->contains("delphi"), f->contains("vcpp"), f->contains("actionscript"), f->contains("vb")};
        text = ValueText(colors, value);
    } else if (format == "text") {
        ReportOptions report;
        if (const auto f = TakeFields(options, {"rgb", "hsl", "hex", "websafe"}))
            report = {f->contains("rgb"), f->contains("hsl"), f->contains("hex"), f->contains("websafe")};
        text = ReportText(colors, report);
    } else {
        throw ExportUsageError{"unknown export format '" + format + "'"};
    }
    if (!options.empty())
        throw ExportUsageError{"option '" + options.front() + "' does not belong to format '" + format + "'"};
    return text;
}

int CenterExport(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.size() < 2)
        throw ExportUsageError{"export needs a FORMAT"};
    const ExportArgs parsed = SplitArgs(args, 2);
    const std::vector<TColor> colors =
        parsed.listFile.empty()
            ? ColorArguments(parsed.colors)
            : exporting::ColorsOfHashTexts(exporting::CollectHashEntries(ListEntries(parsed.listFile)));
    Emit(parsed, CenterText(args[1], parsed.options, colors), out);
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
           command == "read-palette";
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
        throw ExportUsageError{"unknown command '" + command + "'"};
    } catch (const ExportUsageError& e) {
        err << "tessaro-cli: " << e.message << "\n\nUsage:\n" << kExportUsage;
        return kExitUsage;
    }
}

} // namespace tessaro::cli
