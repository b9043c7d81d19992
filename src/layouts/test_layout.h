// A test layout file (".sts"): its key=value lines, kept for later lookups,
// and the document fields resolved with their defaults.
#pragma once

#include "engine/keyvalue_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaro::layouts {

// The document fields, held as text as the file gives them.
struct DocumentFields {
    std::string title;
    std::string description;
    std::string notes;
    std::string tags;
    std::string author;
    std::string authorEmail;
    std::string version = "1.0";
    std::string url;
    std::string program = "Tessaro";
    std::string programVersion = "1.5.3";
    std::string width = "425";
    std::string height = "385";
    friend bool operator==(const DocumentFields&, const DocumentFields&) = default;
};

struct TestLayout {
    KeyValueText lines;
    DocumentFields fields;
};

// The fields from the lines: each takes its key's value when not missing,
// otherwise its default. "title" wins over "name" when both are given.
DocumentFields ReadDocumentFields(const KeyValueText& lines);

// File bytes as UTF-8: kept when they are UTF-8, otherwise read as
// Windows-1252 (files written on Windows).
std::string FileBytesToUtf8(std::string_view bytes);

// A layout from the bytes of its file.
TestLayout ParseTestLayout(std::string_view bytes);
// A layout from its file; nullopt when the file cannot be read (missing, a
// folder, unreadable, or larger than any layout can be).
std::optional<TestLayout> ReadTestLayout(const std::string& path);

// Reads a whole file of at most `maxBytes`; nullopt when it is not a
// regular file, cannot be read or is larger.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes);

// No layout or scheme file is larger than this; larger files are refused
// rather than read into memory.
inline constexpr std::size_t kMaxLayoutFileBytes = 16u << 20;

} // namespace tessaro::layouts
