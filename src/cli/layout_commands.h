// Test layouts on the command line: a layout drawn to a picture as the Test
// Color window shows it, and the contrast of two colours.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

inline constexpr const char* kLayoutUsage =
    "  render LAYOUT [--scheme FILE] [--view VISION] -o OUT.png\n"
    "                          the test area of the layout file LAYOUT (texts and images on, the\n"
    "                          layout's default colours, then the scheme's colours) as a PNG of\n"
    "                          the document's size; VISION: normal, protanopia, deuteranopia,\n"
    "                          tritanopia, greyscale; pictures are found beside LAYOUT\n"
    "  contrast FG BG          the WCAG contrast ratio of two colours and the AA/AAA verdicts\n"
    "                          for normal and large text\n";

// render LAYOUT [--scheme FILE] [--view VISION] -o OUT.png
int RenderCommand(const std::vector<std::string>& args);
// contrast FG BG
int ContrastCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tessaro::cli
