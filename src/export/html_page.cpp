#include "export/html_page.h"

#include "engine/color_text.h"

namespace tessaro::exporting {

namespace {

constexpr const char* kHead =
    "<!DOCTYPE html>\r\n"
    "<html lang=\"en\">\r\n"
    "<head>\r\n"
    "<meta charset=\"utf-8\">\r\n"
    "<meta name=\"generator\" content=\"KT Tessaro\">\r\n"
    "<title>Color List</title>\r\n"
    "<style>\r\n"
    "body { font-family: Arial, Helvetica, sans-serif; margin: 24px; color: #222222; background: #FFFFFF; }\r\n"
    "h1 { font-size: 20px; margin: 0 0 4px 0; }\r\n"
    "p { font-size: 13px; color: #666666; margin: 0 0 16px 0; }\r\n"
    "ul { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: 16px; }\r\n"
    "li { width: 150px; border: 1px solid #CCCCCC; border-radius: 4px; overflow: hidden; break-inside: avoid; }\r\n"
    ".swatch { height: 90px; border-bottom: 1px solid #CCCCCC;"
    " -webkit-print-color-adjust: exact; print-color-adjust: exact; }\r\n"
    ".values { margin: 0; padding: 6px 8px; font-family: Consolas, \"DejaVu Sans Mono\", monospace;"
    " font-size: 12px; line-height: 1.5; }\r\n"
    "@media print { body { margin: 0; } }\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "<body>\r\n"
    "<h1>Color List</h1>\r\n";

std::string Triple(int a, int b, int c)
{
    return std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c);
}

} // namespace

std::string HtmlPage(const std::vector<TColor>& colors)
{
    std::string page = kHead;
    page += "<p>" + std::to_string(colors.size()) + (colors.size() == 1 ? " color" : " colors") + "</p>\r\n";
    page += "<ul>\r\n";
    for (TColor color : colors) {
        const std::string hex = HashHexText(color);
        const HslTriple hsl = RgbToHsl(ToRgb(color));
        page += "<li><div class=\"swatch\" style=\"background-color: " + hex + "\"></div>";
        page += "<div class=\"values\">HEX: " + hex;
        page += "<br>RGB: " + Triple(RedOf(color), GreenOf(color), BlueOf(color));
        page += "<br>HSL: " + Triple(hsl.hue, hsl.saturation, hsl.lightness);
        page += "</div></li>\r\n";
    }
    page += "</ul>\r\n</body>\r\n</html>\r\n";
    return page;
}

} // namespace tessaro::exporting
