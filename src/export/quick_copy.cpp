#include "export/quick_copy.h"

#include "engine/conversion_error.h"

#include <functional>

namespace tessaro::exporting {

namespace {

// Up to `count` characters from `from` (0-based), fewer at the end.
std::string_view Chars(std::string_view text, std::size_t from, std::size_t count)
{
    return from >= text.size() ? std::string_view{} : text.substr(from, count);
}

// BBGGRR from RRGGBB: the first and last pairs swapped.
std::string SwapPairs(std::string_view rrggbb)
{
    std::string bgr(Chars(rrggbb, 4, 2));
    bgr += Chars(rrggbb, 2, 2);
    bgr += Chars(rrggbb, 0, 2);
    return bgr;
}

// The six characters after the entry's first character, read as RRGGBB.
TColor EntryRgb(std::string_view entry)
{
    const std::string_view digits = Chars(entry, 1, 6);
    // HashHexToColor would skip a "#" here; in an entry it is no digit.
    if (digits.starts_with('#'))
        throw ConversionError(std::string(digits));
    return HashHexToColor(digits);
}

std::string HexNotation(CopyNotation notation, std::string_view rrggbb)
{
    switch (notation) {
    case CopyNotation::HtmlHex: return std::string(rrggbb);
    case CopyNotation::HtmlHashHex: return "#" + std::string(rrggbb);
    case CopyNotation::DelphiHex: return "$00" + SwapPairs(rrggbb);
    case CopyNotation::VbHex: return "&H" + SwapPairs(rrggbb);
    case CopyNotation::CppHex: return "0X00" + SwapPairs(rrggbb);
    case CopyNotation::ActionScriptHex: return "0x" + std::string(rrggbb);
    case CopyNotation::Rgb:
    case CopyNotation::Hsl: break;
    }
    return {};
}

} // namespace

std::string MainColorCopyText(CopyNotation notation, const MainColorFields& main)
{
    switch (notation) {
    case CopyNotation::Rgb: return "RGB(" + main.red + "," + main.green + "," + main.blue + ")";
    case CopyNotation::Hsl: return "HSL(" + main.hue + "," + main.saturation + "," + main.lightness + ")";
    case CopyNotation::DelphiHex:
    case CopyNotation::VbHex:
    case CopyNotation::CppHex: return HexNotation(notation, HexText(main.color));
    case CopyNotation::HtmlHex:
    case CopyNotation::HtmlHashHex:
    case CopyNotation::ActionScriptHex: return HexNotation(notation, main.hex);
    }
    return {};
}

std::optional<std::string> EntryCopyText(CopyNotation notation, std::string_view entry)
{
    if (notation == CopyNotation::Rgb || notation == CopyNotation::Hsl)
        return CopyText(notation, EntryRgb(entry));
    const std::size_t hash = entry.find('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    return HexNotation(notation, Chars(entry, hash + 1, 6));
}

namespace {

// The selected entries' lines in list order, separated by CR LF, or the
// main colour's text when fewer than two are selected.
std::string SelectionText(const std::vector<std::string>& selectedEntries, const std::string& mainText,
                          const std::function<std::optional<std::string>(std::string_view)>& entryText)
{
    if (selectedEntries.size() < 2)
        return mainText;
    std::string text;
    bool first = true;
    for (const std::string& entry : selectedEntries) {
        const auto line = entryText(entry);
        if (!line)
            continue;
        if (!first)
            text += "\r\n";
        text += *line;
        first = false;
    }
    return text;
}

} // namespace

std::string QuickCopyText(CopyNotation notation, const MainColorFields& main,
                          const std::vector<std::string>& selectedEntries)
{
    return SelectionText(selectedEntries, selectedEntries.size() < 2 ? MainColorCopyText(notation, main) : "",
                         [notation](std::string_view entry) { return EntryCopyText(notation, entry); });
}

std::optional<std::string> EntryCopyText(CssNotation notation, std::string_view entry)
{
    const std::size_t hash = entry.find('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    // The six characters after the "#", read as RRGGBB.
    return CssColorText(notation, EntryRgb(entry.substr(hash)));
}

std::string QuickCopyText(CssNotation notation, const MainColorFields& main,
                          const std::vector<std::string>& selectedEntries)
{
    return SelectionText(selectedEntries, selectedEntries.size() < 2 ? CssColorText(notation, main.color) : "",
                         [notation](std::string_view entry) { return EntryCopyText(notation, entry); });
}

} // namespace tessaro::exporting
