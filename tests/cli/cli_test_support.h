// Shared helpers of the command-line tests.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tessaro::cli::test {

// The folder of the test data files, with a trailing "/".
inline std::string DataPath(const std::string& name)
{
    const char* env = std::getenv("TESSARO_TEST_DATA");
    std::string dir = env && *env ? env : TESSARO_TEST_DATA_DIR;
    if (dir.back() != '/')
        dir += '/';
    return dir + name;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace tessaro::cli::test
