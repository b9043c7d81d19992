// tessaro-cli itself loads only the colour engine, so its scanners start at
// once; the commands that read and write files, pictures, layouts and web
// pages live in a second program, tessaro-cli-full, which it runs in its
// place. That program lies beside it in the build and in the program's
// library folder once installed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

// Replaces this process by tessaro-cli-full with the same command line
// (`args` without the program name). Returns only when that program cannot
// be run, with the exit status after reporting why on `err`.
int RunInFullProgram(const std::vector<std::string>& args, std::ostream& err);

} // namespace tessaro::cli
