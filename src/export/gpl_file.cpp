#include "export/gpl_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"

#include <algorithm>
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

// A whole decimal number, perhaps negative, at the start of `text`, which
// moves past it and the blanks after it. Numbers far out of range are held
// as 1000 or -1000, which is all the messages need.
std::optional<int> TakeNumber(std::string_view& text)
{
    const bool negative = !text.empty() && text.front() == '-';
    std::size_t end = negative ? 1 : 0;
    const std::size_t first = end;
    int value = 0;
    for (; end < text.size() && text[end] >= '0' && text[end] <= '9'; ++end)
        value = std::min(value * 10 + (text[end] - '0'), 1000);
    if (end == first)
        return std::nullopt;
    text.remove_prefix(end);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return negative ? -value : value;
}

// A number TakeNumber gave, as the message shows it.
std::string NumberText(int value)
{
    if (value >= 1000)
        return "1000 or more";
    if (value <= -1000)
        return "-1000 or less";
    return std::to_string(value);
}

std::string ColorLineError(std::size_t lineNumber, const std::string& what)
{
    return "GPL: line " + std::to_string(lineNumber) + " " + what;
}

// A palette's name on its "Name:" line: one line, never empty.
std::string OneLineName(const std::string& name)
{
    std::string line = name;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line.empty() ? std::string("KT Tessaro") : line;
}

} // namespace

std::string WriteGpl(const std::vector<PaletteEntry>& entries, const std::string& paletteName)
{
    std::string out = "GIMP Palette\nName: " + OneLineName(paletteName) + "\nColumns: 0\n#\n";
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
        const auto red = TakeNumber(rest);
        const auto green = red ? TakeNumber(rest) : std::nullopt;
        const auto blue = green ? TakeNumber(rest) : std::nullopt;
        if (!blue)
            throw PaletteFormatError(
                ColorLineError(lineNumber, "is not a colour (three whole numbers 0-255, then a name if any)"));
        // Values out of range are refused rather than wrapped around into
        // some other colour.
        for (int value : {*red, *green, *blue})
            if (value < 0 || value > 255)
                throw PaletteFormatError(
                    ColorLineError(lineNumber, "has the value " + NumberText(value) +
                                                   ": colour values must be 0-255 (they are refused, not wrapped around)"));
        PaletteEntry entry{MakeColor(std::uint8_t(*red), std::uint8_t(*green), std::uint8_t(*blue)), std::string(rest)};
        if (!IsValidUtf8(entry.name))
            entry.name.clear();
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace tessaro::exporting
