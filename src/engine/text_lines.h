// Splitting a text into lines and joining lines back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// Splits at CR LF, CR or LF. A line break at the very end opens no further
// line, so "a\r\n" is one line and the empty text has none.
template <typename Char>
std::vector<std::basic_string_view<Char>> SplitLines(std::basic_string_view<Char> text)
{
    std::vector<std::basic_string_view<Char>> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Char c = text[i];
        if (c != Char('\r') && c != Char('\n'))
            continue;
        lines.push_back(text.substr(start, i - start));
        if (c == Char('\r') && i + 1 < n && text[i + 1] == Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(text.substr(start));
    return lines;
}

// Joins lines with CR LF; with `breakAfterLast` every line, the last one
// included, is followed by CR LF.
template <typename Char>
std::basic_string<Char> JoinLines(const std::vector<std::basic_string_view<Char>>& lines, bool breakAfterLast)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::basic_string<Char> text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text.append(lines[i]);
        if (breakAfterLast || i + 1 < lines.size()) {
            text.push_back(Char('\r'));
            text.push_back(Char('\n'));
        }
    }
    return text;
}

} // namespace tessaro
