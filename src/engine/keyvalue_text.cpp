#include "engine/keyvalue_text.h"

#include "engine/text_lines.h"

namespace tessaro {

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

KeyValueText KeyValueText::Parse(std::string_view text)
{
    KeyValueText kv;
    const auto lines = SplitLines(text);
    kv.lines_.reserve(lines.size());
    for (const auto line : lines) {
        kv.lines_.emplace_back(line);
        kv.Index(kv.lines_.size() - 1);
    }
    return kv;
}

void KeyValueText::Index(std::size_t line)
{
    const std::string& text = lines_[line];
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos)
        return;
    firstLine_.try_emplace(AsciiLower(std::string_view(text).substr(0, eq)), line);
}

std::optional<std::string> KeyValueText::Get(std::string_view key) const
{
    const auto it = firstLine_.find(AsciiLower(key));
    if (it == firstLine_.end())
        return std::nullopt;
    const std::string& line = lines_[it->second];
    std::string value = line.substr(line.find('=') + 1);
    if (value.empty())
        return std::nullopt;
    return value;
}

void KeyValueText::Set(std::string_view key, std::string_view value)
{
    std::string line(key);
    line += '=';
    line += value;
    const auto it = firstLine_.find(AsciiLower(key));
    if (it != firstLine_.end()) {
        lines_[it->second] = std::move(line);
        return;
    }
    lines_.push_back(std::move(line));
    Index(lines_.size() - 1);
}

void KeyValueText::Remove(std::string_view key)
{
    const std::string lower = AsciiLower(key);
    std::erase_if(lines_, [&](const std::string& line) {
        const std::size_t eq = line.find('=');
        return eq != std::string::npos && AsciiLower(std::string_view(line).substr(0, eq)) == lower;
    });
    Reindex();
}

void KeyValueText::Reindex()
{
    firstLine_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i)
        Index(i);
}

std::string KeyValueText::Serialize() const
{
    std::vector<std::string_view> views(lines_.begin(), lines_.end());
    return JoinLines(views, true);
}

} // namespace tessaro
