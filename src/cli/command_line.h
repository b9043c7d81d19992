// tessaro-cli's command line: the help, the version, the exit statuses and
// the way each fault is reported, around the commands themselves. The
// engine's commands are run here; the others are handed to `more`, so a
// program that needs only the engine loads nothing else.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::cli {

enum ExitCode {
    kExitOk = 0,
    kExitConversionError = 1,
    kExitUsage = 2,
    kExitNoColors = 3,
    kExitFileError = 4,
};

// Runs a command that is not the engine's; nullopt when it knows no such
// command. It may throw UsageError, ConversionError and FileError.
using MoreCommands = std::function<std::optional<int>(const std::vector<std::string>& args, std::istream& in,
                                                      std::ostream& out, std::ostream& err)>;

// Runs one command line (without the program name); `decimalSeparator` is
// the locale's, used by the extended values.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   const std::string& decimalSeparator, const MoreCommands& more);

// The decimal separator of the user's locale; the process stays in the C
// locale for everything else.
std::string LocaleDecimalSeparator();

} // namespace tessaro::cli
