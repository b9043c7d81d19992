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

// The file arguments and the one option of `import` and `list`.
struct FilesAndDuplicates {
    std::vector<std::string> files;
    bool allowDuplicates = false;
};

inline FilesAndDuplicates ReadFilesAndDuplicates(const std::vector<std::string>& args)
{
    FilesAndDuplicates parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--allow-duplicates")
            parsed.allowDuplicates = true;
        else if (args[i].starts_with("--"))
            throw UsageError{"unknown option '" + args[i] + "'"};
        else
            parsed.files.push_back(args[i]);
    }
    return parsed;
}

} // namespace tessaro::cli
