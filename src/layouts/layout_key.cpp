#include "layouts/layout_key.h"

namespace tessaro::layouts {

int ObjectCount(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Shape: return kShapeCount;
    case ObjectKind::Text: return kTextCount;
    case ObjectKind::Image: return kImageCount;
    }
    return 0;
}

const char* KeyPrefix(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Shape: return "s";
    case ObjectKind::Text: return "t";
    case ObjectKind::Image: return "i";
    }
    return "";
}

std::string LayoutKey(ObjectKind kind, int number, std::string_view property)
{
    std::string key = KeyPrefix(kind);
    key += std::to_string(number);
    key += '.';
    key += property;
    return key;
}

} // namespace tessaro::layouts
