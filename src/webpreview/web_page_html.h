// The sample web page as a small HTML page: a style sheet with one class
// per text and a table whose cells carry the area colours and sizes.
#pragma once

#include "webpreview/web_page_layout.h"

#include <functional>
#include <string>

namespace tessaro::webpreview {

// Turns a stored colour into the RGB colour it shows as (system colours
// are the desktop's business). Without one, a colour's bytes are taken as
// they are.
using ColorToRgb = std::function<TColor(TColor)>;

// UTF-8, every line ended by CR LF. The page's texts are written with "&",
// "<", ">" and '"' as entities, so a text shows as typed and never becomes
// markup; font families keep "<" and ">" from closing the style sheet.
std::string WriteWebPageHtml(const WebPageLayout& layout, const ColorToRgb& toRgb = {});

} // namespace tessaro::webpreview
