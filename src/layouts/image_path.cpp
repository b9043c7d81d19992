#include "layouts/image_path.h"

#include <filesystem>

namespace tessaro::layouts {

namespace {

bool HasDriveLetter(std::string_view value)
{
    return value.size() >= 3 && value.substr(1, 2) == ":\\";
}

} // namespace

std::string ResolveImagePath(std::string_view value, std::string_view layoutsFolder)
{
    if (HasDriveLetter(value) || value.starts_with('/'))
        return std::string(value);
    std::string path(layoutsFolder);
    for (char c : value)
        path += c == '\\' ? '/' : c;
    return path;
}

bool PictureFileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace tessaro::layouts
