#include "workspace/wheel_style.h"

#include "engine/named_color.h"

namespace tessaro::workspace {

WheelStyle ReadWheelStyle(const KeyValueText& text)
{
    static constexpr std::pair<const char*, SwatchProperty> kProperties[] = {
        {"left", SwatchProperty::Left},
        {"top", SwatchProperty::Top},
        {"height", SwatchProperty::Height},
        {"width", SwatchProperty::Width},
        {"type", SwatchProperty::Type}};
    WheelStyle style;
    for (int n = 1; n <= kWheelStyleSwatches; ++n)
        for (const auto& [name, property] : kProperties) {
            const std::optional<std::string> value = text.Get("c" + std::to_string(n) + "." + name);
            if (!value || value->empty())
                continue;
            const std::optional<std::int32_t> number = TryReadInteger(*value);
            if (!number) {
                style.badValue = *value;
                return style;
            }
            style.changes.push_back({n - 1, property, *number});
        }
    return style;
}

} // namespace tessaro::workspace
