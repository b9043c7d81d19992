// Writing a whole file without ever leaving a half-written one: the bytes go
// to a temporary file beside it, which is flushed, synced and only then
// renamed over the old one. Plain C++, for the models and tessaro-cli.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The error ReplaceFileBytes gives for an existing file that the process
// may not write to (one the user made read-only): it is left as it is.
inline constexpr int kReadOnlyFileError = -1;

// False when any step fails, with the error in `error` when given (the
// system's error number, or kReadOnlyFileError); the previous file is then
// untouched and no temporary file is left behind.
//
// The new file takes the old one's permissions, and its owner and group as
// far as the process may give them; a new file gets the usual permissions
// that the umask leaves. A symbolic link is followed: the file it points at
// is replaced and the link stays. A device or pipe in the path's place is
// written to directly, as it cannot be replaced.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes, int* error = nullptr);

// Why a replacement failed, for messages: "The file is read-only" for
// kReadOnlyFileError, otherwise the system's text for the error number.
std::string ReplaceErrorText(int error);

} // namespace tessaro
