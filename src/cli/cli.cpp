#include "cli/cli.h"

#include "cli/command_errors.h"
#include "cli/command_line.h"
#include "cli/export_commands.h"
#include "cli/layout_commands.h"
#include "cli/extract_command.h"
#include "cli/input_bytes.h"
#include "cli/mix_command.h"
#include "cli/scale_export_command.h"
#include "cli/webpage_commands.h"

#include "colorlist/color_list_file.h"

#include <ostream>

namespace tessaro::cli {

namespace {

// A list file opened as at start: the insert point 0, duplicates off unless
// asked for. An older-form line that is not hex ends the reading; the
// entries read before it are printed first.
int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto [files, allowDuplicates] = ReadFilesAndDuplicates(args);
    if (files.size() != 1)
        throw UsageError{"list takes one FILE"};
    const InputBytes input = InputBytes::ReadFile(files[0]);
    colorlist::ColorList list;
    list.allowDuplicates = allowDuplicates;
    list.insertPoint = 0;
    const std::string_view bytes = input.Bytes();
    const colorlist::ListLoadResult result =
        colorlist::LoadColorListText(list, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    for (const QString& entry : list.entries())
        out << entry.toStdString() << '\n';
    if (result.error) {
        out.flush();
        err << result.error->toStdString() << '\n';
        return kExitConversionError;
    }
    return kExitOk;
}

// The commands beyond the engine's: files, pictures, layouts and web pages.
std::optional<int> RunFileCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                  std::ostream& err)
{
    const std::string& command = args[0];
    if (command == "webpage") return WebPageCommand(args, in, out, err);
    if (command == "weblayout") return WebLayoutCommand(args, in, out, err);
    if (IsExportCommand(command)) return RunExportCommand(args, in, out, err);
    if (command == "list") return List(args, out, err);
    if (command == "mix") return MixCommand(args, out, err);
    if (command == "render") return RenderCommand(args);
    if (command == "contrast") return ContrastCommand(args, out);
    if (command == "extract") return ExtractCommand(args, out);
    if (command == "scale") return ScaleExportCommand(args, out);
    return std::nullopt;
}

} // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::string& decimalSeparator)
{
    return RunCommandLine(args, in, out, err, decimalSeparator, RunFileCommand);
}

} // namespace tessaro::cli
