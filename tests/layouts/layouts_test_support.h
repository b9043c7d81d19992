// Shared helpers of the layout tests.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tessaro::layouts::test {

// The folder of the layout test files, with a trailing "/".
inline std::string LayoutData()
{
    const char* env = std::getenv("TESSARO_TEST_DATA");
    std::string dir = env && *env ? env : TESSARO_TEST_DATA_DIR;
    if (dir.back() != '/')
        dir += '/';
    return dir + "layouts/";
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace tessaro::layouts::test
