// The commands of tessaro-cli that need only the colour engine: derive,
// values, adjust, hsl, rgb, scan, import, named, css and scale (scale
// --format is left to the full program).
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::cli {

// Runs the command when it is one of these; nullopt otherwise. Throws
// UsageError, ConversionError and FileError.
std::optional<int> RunEngineCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                    std::ostream& err, const std::string& decimalSeparator);

} // namespace tessaro::cli
