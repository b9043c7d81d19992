#include "workspace/wheel_style.h"

#include "engine/conversion_error.h"
#include "engine/keyvalue_text.h"
#include "engine/named_color.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tessaro::workspace {

namespace {

// The integer under `key`, when the key is there; throws ConversionError
// for a value that is not an integer.
std::optional<int> ReadStyleInteger(const KeyValueText& keys, const std::string& key)
{
    const std::optional<std::string> value = keys.Get(key);
    if (!value)
        return std::nullopt;
    return ReadInteger(*value);
}

} // namespace

WheelStyle ParseWheelStyle(std::string_view text)
{
    const KeyValueText keys = KeyValueText::Parse(text);
    WheelStyle style;
    try {
        for (int n = 1; n <= WheelStyle::kSwatches; ++n) {
            WheelSwatchStyle& swatch = style.swatches[n - 1];
            const std::string prefix = "c" + std::to_string(n) + ".";
            swatch.left = ReadStyleInteger(keys, prefix + "left");
            swatch.top = ReadStyleInteger(keys, prefix + "top");
            swatch.height = ReadStyleInteger(keys, prefix + "height");
            swatch.width = ReadStyleInteger(keys, prefix + "width");
            // Types other than 1 and 2 leave the shape as it is.
            const std::optional<int> type = ReadStyleInteger(keys, prefix + "type");
            if (type == 1)
                swatch.shape = WheelSwatchShape::Rectangle;
            else if (type == 2)
                swatch.shape = WheelSwatchShape::Circle;
        }
    } catch (const ConversionError& error) {
        style.error = error.what();
    }
    return style;
}

std::optional<WheelStyle> ReadWheelStyleFile(const std::string& path)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return ParseWheelStyle(text);
}

} // namespace tessaro::workspace
