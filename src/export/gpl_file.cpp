#include "export/gpl_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"

#include <cstdio>
#include <optional>

namespace tessaro::exporting {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// A decimal 0..255 at the start of `text`, which moves past it and the
// blanks after it.
std::optional<int> TakeChannel(std::string_view& text)
{
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        if (value > 255)
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    text.remove_prefix(digits);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return value;
}

} // namespace

std::string WriteGpl(const std::vector<PaletteEntry>& entries, const std::string& paletteName)
{
    std::string out = "GIMP Palette\nName: " + paletteName + "\nColumns: 0\n#\n";
    char line[32];
    for (const PaletteEntry& entry : entries) {
        const TColor color = entry.color;
        std::snprintf(line, sizeof line, "%3d %3d %3d\t", RedOf(color), GreenOf(color), BlueOf(color));
        out += line;
        out += entry.name.empty() ? HashHexText(color) : entry.name;
        out += '\n';
    }
    return out;
}

std::string WriteGpl(const std::vector<TColor>& colors, const std::string& paletteName)
{
    std::vector<PaletteEntry> entries;
    for (TColor color : colors)
        entries.push_back({color, {}});
    return WriteGpl(entries, paletteName);
}

std::vector<PaletteEntry> ReadGpl(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::vector<PaletteEntry> entries;
    std::size_t lineNumber = 0;
    while (!bytes.empty() || lineNumber == 0) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view line = Trimmed(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != "GIMP Palette")
                throw PaletteFormatError("GPL: not a GIMP palette (the first line is not \"GIMP Palette\")");
            continue;
        }
        if (line.empty() || line.starts_with('#') || line.starts_with("Name:") || line.starts_with("Columns:"))
            continue;
        std::string_view rest = line;
        const auto red = TakeChannel(rest);
        const auto green = red ? TakeChannel(rest) : std::nullopt;
        const auto blue = green ? TakeChannel(rest) : std::nullopt;
        if (!blue)
            throw PaletteFormatError("GPL: line " + std::to_string(lineNumber) +
                                     " is not a colour (three numbers 0..255)");
        PaletteEntry entry{MakeColor(std::uint8_t(*red), std::uint8_t(*green), std::uint8_t(*blue)), std::string(rest)};
        if (!IsValidUtf8(entry.name))
            entry.name.clear();
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace tessaro::exporting
