#include "cli/command_line.h"
#include "cli/full_program.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    using namespace tessaro::cli;
    return RunCommandLine(args, std::cin, std::cout, std::cerr, LocaleDecimalSeparator(),
                          [](const std::vector<std::string>& all, std::istream&, std::ostream&, std::ostream& err) {
                              return std::optional<int>(RunInFullProgram(all, err));
                          });
}
