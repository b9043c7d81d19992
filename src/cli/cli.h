// tessaro-cli: the colour engine for scripts and black-box tests.
#pragma once

#include <iosfwd>
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

// Runs one command line (without the program name); `decimalSeparator` is
// the locale's, used by the extended values.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::string& decimalSeparator);

} // namespace tessaro::cli
