// Shared helpers of the web page tests.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace tessaro::webpreview::test {

// A file of tests/data/webpreview.
inline std::string DataFile(const std::string& name)
{
    const char* env = std::getenv("TESSARO_TEST_DATA");
    std::string dir = env && *env ? env : TESSARO_TEST_DATA_DIR;
    if (dir.back() != '/')
        dir += '/';
    return dir + "webpreview/" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Table rows print their name instead of their bytes.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace tessaro::webpreview::test
