#include "cli/scale_export_command.h"

#include "cli/command_errors.h"
#include "cli/command_line.h"
#include "cli/scale_command.h"

#include "export/scale_text.h"
#include "export/web_text.h"

#include <ostream>

namespace tessaro::cli {

int ScaleExportCommand(const std::vector<std::string>& args, std::ostream& out)
{
    const ScaleRequest request = ReadScaleRequest(args);
    const std::string& format = request.format.value_or("");
    if (!exporting::IsValidNamePrefix(request.prefix))
        throw UsageError{"--prefix must be letters, digits, '-' and '_', starting with a letter or '_'"};
    const std::optional<exporting::ScaleFormat> chosen = exporting::ScaleFormatNamed(format);
    if (!chosen)
        throw UsageError{"--format is css-vars, scss, tailwind, json or gpl, got '" + format + "'"};
    out << exporting::ScaleText(MakeScale(request), *chosen, request.prefix);
    return kExitOk;
}

} // namespace tessaro::cli
