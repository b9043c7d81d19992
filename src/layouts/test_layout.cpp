#include "layouts/test_layout.h"

#include "engine/text_encoding.h"

#include <filesystem>
#include <fstream>

namespace tessaro::layouts {

namespace {

void TakeIfPresent(const KeyValueText& lines, std::string_view key, std::string& field)
{
    if (auto value = lines.Get(key))
        field = std::move(*value);
}

} // namespace

DocumentFields ReadDocumentFields(const KeyValueText& lines)
{
    DocumentFields fields;
    TakeIfPresent(lines, "name", fields.title);
    TakeIfPresent(lines, "title", fields.title);
    TakeIfPresent(lines, "description", fields.description);
    TakeIfPresent(lines, "notes", fields.notes);
    TakeIfPresent(lines, "tags", fields.tags);
    TakeIfPresent(lines, "author", fields.author);
    TakeIfPresent(lines, "authoremail", fields.authorEmail);
    TakeIfPresent(lines, "version", fields.version);
    TakeIfPresent(lines, "URL", fields.url);
    TakeIfPresent(lines, "program", fields.program);
    TakeIfPresent(lines, "pver", fields.programVersion);
    TakeIfPresent(lines, "width", fields.width);
    TakeIfPresent(lines, "height", fields.height);
    return fields;
}

std::string FileBytesToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Utf16ToUtf8(DecodeFileText(bytes));
}

TestLayout ParseTestLayout(std::string_view bytes)
{
    TestLayout layout;
    layout.lines = KeyValueText::Parse(FileBytesToUtf8(bytes));
    layout.fields = ReadDocumentFields(layout.lines);
    return layout;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes(std::size_t(size), '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    if (file.gcount() != std::streamsize(bytes.size()))
        return std::nullopt;
    return bytes;
}

std::optional<TestLayout> ReadTestLayout(const std::string& path)
{
    const auto bytes = ReadSmallFile(path, kMaxLayoutFileBytes);
    if (!bytes)
        return std::nullopt;
    return ParseTestLayout(*bytes);
}

} // namespace tessaro::layouts
