#include "cli/extract_command.h"

#include "cli/command_errors.h"
#include "cli/cli.h"
#include "cli/input_bytes.h"
#include "engine/color_text.h"
#include "tools/picture_colors.h"
#include "tools/picture_samples.h"

#include <charconv>

namespace tessaro::cli {

int ExtractCommand(const std::vector<std::string>& args, std::ostream& out)
{
    int count = tools::kDefaultPictureColors;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--count") {
            if (++i == args.size())
                throw UsageError{"--count needs a number"};
            const std::string& text = args[i];
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
            if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
                count < tools::kMinPictureColors || count > tools::kMaxPictureColors)
                throw UsageError{"--count must be a whole number from 2 to 32, got '" + text + "'"};
        } else if (args[i].starts_with("--")) {
            throw UsageError{"unknown option '" + args[i] + "'"};
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1)
        throw UsageError{"extract takes one PICTURE"};
    QString error;
    const std::optional<QImage> picture = tools::ReadPictureFile(QString::fromStdString(files[0]), error);
    if (!picture)
        throw FileError{error.toStdString()};
    for (TColor color : tools::RepresentativeColors(tools::PictureSamples(*picture), count))
        out << HashHexText(color) << '\n';
    return kExitOk;
}

} // namespace tessaro::cli
