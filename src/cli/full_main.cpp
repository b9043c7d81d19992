#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tessaro::cli::Run(args, std::cin, std::cout, std::cerr, tessaro::cli::LocaleDecimalSeparator());
}
