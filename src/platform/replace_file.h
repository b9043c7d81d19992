// Writing a whole file without ever leaving a half-written one: the bytes go
// to a temporary file beside it, which is flushed, synced and only then
// renamed over the old file. Plain C++, for the models and tessaro-cli.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// False when any step fails, with the system's error number in `error` when
// given; the previous file is then untouched and no temporary file is left
// behind.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes, int* error = nullptr);

} // namespace tessaro
