#include "cli/command_line.h"

#include "cli/command_errors.h"
#include "cli/engine_commands.h"
#include "cli/export_commands.h"
#include "cli/extract_command.h"
#include "cli/input_bytes.h"
#include "cli/layout_commands.h"
#include "cli/mix_command.h"

#include "engine/conversion_error.h"

#include <clocale>
#include <ostream>

namespace tessaro::cli {

namespace {

constexpr const char* kUsageCommands =
    "Usage: tessaro-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  derive COLOR            wheel, harmonies, variations and variation grid of COLOR\n"
    "  values COLOR            extended values, copy notations and websafe state of COLOR\n"
    "  adjust COLOR OP         OP: lighten, darken, saturate, desaturate, invert, websafe\n"
    "  hsl H S L               the program's HSL to RGB, printed as R,G,B\n"
    "  rgb R G B               RGB to HSL, printed as H,S,L\n"
    "  scan [FILE]             colours in pasted text (standard input without FILE or with -)\n"
    "  import [--allow-duplicates] [FILE]\n"
    "                          \"#RRGGBB\" entries in a text, as the import window finds them;\n"
    "                          none found is status 3\n"
    "  named TEXT              a named colour text read and written back, with its value\n"
    "  css COLOR               COLOR in the CSS Color 4 notations, one line each: hex, rgb, hsl,\n"
    "                          oklch, oklab, lab, lch, display-p3\n"
    "  css --parse TEXT        the #RRGGBB of one CSS colour text, gamut-mapped into sRGB\n"
    "  scale COLOR --tonal     eleven OKLCH steps 50 .. 950, one \"NAME #RRGGBB\" line each\n"
    "  scale COLOR --contrast LIST [--background COLOR] [--metric wcag|apca]\n"
    "                          for each target in LIST (comma-separated, or \"default\") the\n"
    "                          colour of COLOR's hue and chroma with the least contrast that\n"
    "                          meets it against the background (white), or \"unreachable\"\n"
    "  scale COLOR --harmony NAME\n"
    "                          OKLCH harmony: analogous, complements, split-complements,\n"
    "                          triad, tetrad, square\n"
    "  scale ... --format FORMAT [--prefix NAME]\n"
    "                          the scale as css-vars, scss, tailwind, json or gpl\n"
    "  webpage LAYOUT [-o OUT] the sample web page's HTML: the default page with the layout\n"
    "                          file LAYOUT applied, to standard output or to the file OUT\n"
    "  weblayout LAYOUT        the default page with LAYOUT applied, written as a layout file\n"
    "  list [--allow-duplicates] FILE\n"
    "                          the entries of a colour list file (*.cll) of either form, as the\n"
    "                          program holds them right after opening it at start\n"
    ;
constexpr const char* kUsageNotes =
    "\n"
    "COLOR is six hex digits with an optional leading \"#\" (css and scale also take any\n"
    "CSS colour text).\n"
    "Options: --help, --version\n"
    "Exit status: 0 ok, 1 conversion error, 2 usage error, 3 no colours found (import),\n"
    "4 file error (missing, unreadable, or a folder; a palette file that is not sound; an\n"
    "output file that cannot be written).\n"
    "LAYOUT may be - for standard input.\n";

std::string Usage()
{
    return std::string(kUsageCommands) + kExportUsage + kMixUsage + kLayoutUsage + kExtractUsage + kUsageNotes;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   const std::string& decimalSeparator, const MoreCommands& more)
{
    try {
        if (args.empty())
            throw UsageError{"no command given"};
        const std::string& command = args[0];
        if (command == "--help" || command == "-h") {
            out << Usage();
            return kExitOk;
        }
        if (command == "--version") {
            out << "tessaro-cli " << TESSARO_VERSION << '\n';
            return kExitOk;
        }
        if (const std::optional<int> status = RunEngineCommand(args, in, out, err, decimalSeparator))
            return *status;
        if (const std::optional<int> status = more(args, in, out, err))
            return *status;
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& e) {
        err << "tessaro-cli: " << e.message << "\n\n" << Usage();
        return kExitUsage;
    } catch (const ConversionError& e) {
        err << e.what() << '\n';
        return kExitConversionError;
    } catch (const FileError& e) {
        err << "tessaro-cli: " << e.message << '\n';
        return kExitFileError;
    }
}

std::string LocaleDecimalSeparator()
{
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "")) {
        if (const std::lconv* conv = std::localeconv(); conv && conv->decimal_point && *conv->decimal_point)
            separator = conv->decimal_point;
        std::setlocale(LC_NUMERIC, "C");
    }
    return separator;
}

} // namespace tessaro::cli
