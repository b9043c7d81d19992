// bench_make_text: writes the scanner benchmark text to a file.
//
//   bench_make_text [--size BYTES] [--seed N] FILE
//
// BYTES may end in K, M or G (powers of 1000); the default is 50M.
#include "text_generator.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr, "Usage: bench_make_text [--size BYTES[K|M|G]] [--seed N] FILE\n");
    return 2;
}

bool ParseSize(const char* text, std::size_t& size)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (errno != 0 || end == text || value < 0)
        return false;
    double scale = 1;
    if (*end == 'K' || *end == 'k') scale = 1e3, ++end;
    else if (*end == 'M' || *end == 'm') scale = 1e6, ++end;
    else if (*end == 'G' || *end == 'g') scale = 1e9, ++end;
    if (*end != '\0')
        return false;
    size = static_cast<std::size_t>(value * scale);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t size = 50'000'000;
    std::uint64_t seed = 1;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--size" && i + 1 < argc) {
            if (!ParseSize(argv[++i], size))
                return Usage();
        } else if (arg == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            seed = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0')
                return Usage();
        } else if (arg.starts_with("-") && arg != "-") {
            return Usage();
        } else if (!path) {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (!path)
        return Usage();

    const std::string text = tessaro::bench::GenerateText(size, seed);
    std::FILE* file = std::strcmp(path, "-") == 0 ? stdout : std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "bench_make_text: cannot open '%s': %s\n", path, std::strerror(errno));
        return 4;
    }
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if ((file != stdout ? std::fclose(file) : std::fflush(file)) != 0 || !ok) {
        std::fprintf(stderr, "bench_make_text: cannot write '%s'\n", path);
        return 4;
    }
    return 0;
}
