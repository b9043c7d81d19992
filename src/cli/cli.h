// tessaro-cli: the colour engine for scripts and black-box tests.
#pragma once

#include "cli/command_line.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

// Runs one command line (without the program name), any command;
// `decimalSeparator` is the locale's, used by the extended values.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::string& decimalSeparator);

} // namespace tessaro::cli
