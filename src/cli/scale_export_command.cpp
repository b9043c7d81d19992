#include "cli/scale_export_command.h"

#include "cli/command_errors.h"
#include "cli/command_line.h"
#include "cli/scale_command.h"

#include "export/gpl_file.h"
#include "export/web_text.h"

#include <ostream>

namespace tessaro::cli {

namespace {

// A swatch name as a name part every format accepts: "4.5" becomes "4_5",
// "+30" "plus30", "-30" "minus30".
std::string NameKey(const std::string& name)
{
    std::string key;
    for (char c : name) {
        if (c == '+') key += "plus";
        else if (c == '-') key += "minus";
        else if (c == '.') key += '_';
        else key += c;
    }
    return key;
}

} // namespace

int ScaleExportCommand(const std::vector<std::string>& args, std::ostream& out)
{
    const ScaleRequest request = ReadScaleRequest(args);
    const std::string& format = request.format.value_or("");
    if (!exporting::IsValidNamePrefix(request.prefix))
        throw UsageError{"--prefix must be letters, digits, '-' and '_', starting with a letter or '_'"};
    // Unreachable targets have no colour to write.
    std::vector<exporting::NamedColor> shades;
    std::vector<exporting::NamedColor> prefixed;
    std::vector<exporting::PaletteEntry> entries;
    for (const ScaleSwatch& swatch : MakeScale(request)) {
        if (!swatch.color) continue;
        shades.push_back({NameKey(swatch.name), *swatch.color});
        prefixed.push_back({request.prefix + "-" + NameKey(swatch.name), *swatch.color});
        entries.push_back({*swatch.color, swatch.name});
    }
    if (format == "css-vars") out << exporting::CssVariablesText(prefixed);
    else if (format == "scss") out << exporting::ScssText(prefixed);
    else if (format == "json") out << exporting::JsonText(prefixed);
    else if (format == "tailwind") out << exporting::TailwindGroupText(request.prefix, shades);
    else if (format == "gpl") out << exporting::WriteGpl(entries, request.prefix);
    else throw UsageError{"--format is css-vars, scss, tailwind, json or gpl, got '" + format + "'"};
    return kExitOk;
}

} // namespace tessaro::cli
