// tessaro-cli's export commands: the list exports (ACO, PAL, HTML), the
// Copy/Export Center's text formats and reading palette files back.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

// The lines the usage text lists for these commands.
inline constexpr const char* kExportUsage =
    "  export-aco [-o FILE] (--list FILE | COLOR...)\n"
    "  export-pal [-o FILE] (--list FILE | COLOR...)\n"
    "  export-html [-o FILE] (--list FILE | COLOR...)\n"
    "                          the colours as a Photoshop swatch file, a RIFF palette or an\n"
    "                          HTML page; --list takes every line of a colour list file\n"
    "  export FORMAT [OPTIONS] [-o FILE] (--list FILE | COLOR...)\n"
    "                          the Copy/Export Center's output: FORMAT swatches, list (pictures,\n"
    "                          -o FILE .png, .bmp, .svg or .emf), css, html, value, text, css-vars,\n"
    "                          scss, json or tailwind (text, lines ended by CR LF); --list takes\n"
    "                          the entries holding \"#\". Options: swatches --size 10|15|20|25|30|\n"
    "                          40|50|60, --columns 1..10|12|14|16|18|20|24|28|32|36|40|50,\n"
    "                          --space 0..15, --[no-]outline; css --[no-]text-color,\n"
    "                          --[no-]background-color; html --[no-]color, --[no-]bgcolor;\n"
    "                          value --fields rgb,hsl,hex,hashhex,delphi,vb,vcpp,actionscript,\n"
    "                          css-rgb,css-hsl,oklch,oklab,lab,lch,display-p3;\n"
    "                          text --fields rgb,hsl,hex,websafe; css-vars, scss, json,\n"
    "                          tailwind --prefix NAME (default color)\n"
    "  convert IN OUT          IN .cll, .gpl, .aco or .ase; OUT .cll, .gpl, .aco, .ase, .pal or\n"
    "                          .html, by its extension (letter case ignored)\n"
    "  read-palette FILE       the colours of an .aco or .pal file, one #RRGGBB a line\n";

bool IsExportCommand(const std::string& command);

// Runs one of them. Usage errors are reported here (status 2); conversion
// errors and file errors are thrown to the caller as ConversionError and
// FileError.
int RunExportCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaro::cli
