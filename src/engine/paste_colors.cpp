#include "engine/paste_colors.h"

#include "engine/color_scan.h"
#include "engine/css_color.h"
#include "engine/text_encoding.h"

namespace tessaro {

std::vector<TColor> PastedColors(std::u16string_view text)
{
    std::vector<TColor> colors = ScanColorText(text);
    if (!colors.empty())
        return colors;
    for (const CssColorFind& find : FindCssColors(Utf16ToUtf8(text)))
        colors.push_back(find.color);
    return colors;
}

} // namespace tessaro
