#include "cli/cli.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv)
{
    // Only the decimal separator follows the user's locale.
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "")) {
        if (const std::lconv* conv = std::localeconv(); conv && conv->decimal_point && *conv->decimal_point)
            separator = conv->decimal_point;
        std::setlocale(LC_NUMERIC, "C");
    }
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tessaro::cli::Run(args, std::cin, std::cout, std::cerr, separator);
}
