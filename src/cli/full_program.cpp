#include "cli/full_program.h"

#include "cli/command_line.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace tessaro::cli {

namespace {

constexpr const char* kFullProgramName = "tessaro-cli-full";

// Beside this program (the build), then in the installed library folder.
std::filesystem::path FindFullProgram()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    const std::filesystem::path candidates[] = {
        folder / kFullProgramName,
        folder / TESSARO_CLI_FULL_FROM_BINDIR / kFullProgramName,
    };
    for (const std::filesystem::path& candidate : candidates)
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    return candidates[1];
}

} // namespace

int RunInFullProgram(const std::vector<std::string>& args, std::ostream& err)
{
    const std::filesystem::path program = FindFullProgram();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>("tessaro-cli"));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    err.flush();
    ::execv(program.c_str(), argv.data());
    err << "tessaro-cli: cannot run " << program.string() << ": " << std::strerror(errno) << '\n';
    return kExitFileError;
}

} // namespace tessaro::cli
