// The sample web page's formats on the command line: a layout file applied
// to the default page, written back as HTML or as a layout file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

// webpage LAYOUT [-o OUT]
int WebPageCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
// weblayout LAYOUT
int WebLayoutCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace tessaro::cli
