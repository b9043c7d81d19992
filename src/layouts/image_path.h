// Where a layout's picture file is. A value with a drive letter ("C:\...")
// was written on Windows and is used as given (so on Linux it is simply not
// found); an absolute Linux path is used as given too. Every other value is
// relative to the layouts folder, its "\" separators becoming "/".
#pragma once

#include <string>
#include <string_view>

namespace tessaro::layouts {

// `layoutsFolder` ends with "/".
std::string ResolveImagePath(std::string_view value, std::string_view layoutsFolder);

// True when the path names a regular file (following links): a folder, a
// device or a pipe is not a picture file.
bool PictureFileExists(const std::string& path);

} // namespace tessaro::layouts
