// Writing a command's output file whole: the bytes go to a new file beside
// it, which then replaces it, so a failed write never leaves a half-written
// file in its place.
#pragma once

#include <string>
#include <string_view>

namespace tessaro::cli {

// Throws FileError when the file cannot be written; the old file, if any,
// is then left as it was.
void WriteFileWhole(const std::string& name, std::string_view bytes);

} // namespace tessaro::cli
