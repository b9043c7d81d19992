// Shared helpers of the export tests.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tessaro::exporting::test {

// A file of tests/data/export, read whole.
inline std::string ExportData(const std::string& name)
{
    const char* env = std::getenv("TESSARO_TEST_DATA");
    std::string dir = env && *env ? env : TESSARO_TEST_DATA_DIR;
    if (dir.back() != '/')
        dir += '/';
    std::ifstream file(dir + "export/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace tessaro::exporting::test
