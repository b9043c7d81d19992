// Writing a whole file without ever leaving a half-written one: the bytes go
// to a temporary file beside it, which is flushed, synced and only then
// renamed over the old file.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// False when any step fails; the previous file is then untouched and no
// temporary file is left behind.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);

} // namespace tessaro
