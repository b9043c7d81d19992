// The key=value text shared by settings, wheel styles, layouts, schemes and
// web page layouts: one "key=value" per line; keys compare without regard
// to ASCII letter case; the first line with a key wins; the value is all
// after the first "=", untrimmed; an empty value counts as missing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessaro {

class KeyValueText {
public:
    KeyValueText() = default;
    // Reads lines ended by CR LF, CR or LF.
    static KeyValueText Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view key) const;
    // Replaces the value on the key's first line, or appends a new line.
    void Set(std::string_view key, std::string_view value);
    // Removes every line with the key.
    void Remove(std::string_view key);
    // Every line followed by CR LF.
    std::string Serialize() const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Index(std::size_t line);
    void Reindex();

    std::vector<std::string> lines_;
    // Lower-case key to the index of its first line.
    std::unordered_map<std::string, std::size_t> firstLine_;
};

std::string AsciiLower(std::string_view text);

} // namespace tessaro
