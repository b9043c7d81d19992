// The faults a command reports through its exit status, besides the
// engine's ConversionError and the input's FileError.
#pragma once

#include <string>
#include <vector>

namespace tessaro::cli {

// A command line the tool does not understand: the usage is shown.
struct UsageError {
    std::string message;
};

// Throws UsageError unless the command (args[0]) has min..max arguments.
inline void ExpectArgs(const std::vector<std::string>& args, std::size_t min, std::size_t max)
{
    if (args.size() - 1 < min || args.size() - 1 > max)
        throw UsageError{"wrong number of arguments for '" + args[0] + "'"};
}

} // namespace tessaro::cli
