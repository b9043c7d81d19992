// `tessaro-cli scale ... --format FORMAT`: a scale written through the
// export writers (CSS variables, SCSS, Tailwind, JSON, GPL).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::cli {

int ScaleExportCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tessaro::cli
