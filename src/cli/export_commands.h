// tessaro-cli's export commands: the list exports (ACO, PAL, HTML), the
// Copy/Export Center's text formats and reading palette files back.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

// The lines the usage text lists for these commands.
extern const char* const kExportUsage;

bool IsExportCommand(const std::string& command);

// Runs one of them. Usage errors are reported here (status 2); conversion
// errors and file errors are thrown to the caller as ConversionError and
// FileError.
int RunExportCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaro::cli
