// Test layouts on the command line: a layout drawn to a picture as the Test
// Color window shows it, and the contrast of two colours.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

extern const char* const kLayoutUsage;

// render LAYOUT [--scheme FILE] [--view VISION] -o OUT.png
int RenderCommand(const std::vector<std::string>& args);
// contrast FG BG
int ContrastCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tessaro::cli
