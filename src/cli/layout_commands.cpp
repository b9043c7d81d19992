#include "cli/layout_commands.h"

#include "cli/color_argument.h"
#include "cli/command_errors.h"
#include "cli/input_bytes.h"
#include "cli/gui_application.h"
#include "engine/apca.h"
#include "engine/color_vision.h"
#include "layouts/color_scheme.h"
#include "layouts/test_area.h"
#include "layouts/test_area_painter.h"
#include "layouts/test_layout.h"
#include "platform/picture_loader.h"

#include <QBuffer>

#include <filesystem>
#include <memory>
#include <ostream>

namespace tessaro::cli {

namespace {

struct RenderOptions {
    std::string layout;
    std::string scheme;
    std::string output;
    ColorVision vision = ColorVision::Normal;
};

RenderOptions ReadRenderOptions(const std::vector<std::string>& args)
{
    RenderOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "--scheme") {
            options.scheme = value();
        } else if (arg == "--view") {
            const std::string& name = value();
            const std::optional<ColorVision> vision = ColorVisionNamed(name);
            if (!vision)
                throw UsageError{"unknown view '" + name + "'"};
            options.vision = *vision;
        } else if (arg == "-o") {
            options.output = value();
        } else if (options.layout.empty() && !arg.starts_with("-")) {
            options.layout = arg;
        } else {
            throw UsageError{"unexpected argument '" + arg + "'"};
        }
    }
    if (options.layout.empty() || options.output.empty())
        throw UsageError{"render needs a LAYOUT and -o OUT.png"};
    return options;
}

std::string Verdict(bool pass)
{
    return pass ? "pass" : "fail";
}

} // namespace

int RenderCommand(const std::vector<std::string>& args)
{
    const RenderOptions options = ReadRenderOptions(args);
    EnsureGuiApplication();
    const std::optional<layouts::TestLayout> layout = layouts::ReadTestLayout(options.layout);
    if (!layout)
        throw FileError{"cannot read layout file '" + options.layout + "'"};
    std::string folder = std::filesystem::path(options.layout).parent_path().string();
    folder = folder.empty() ? std::string("./") : folder + "/";

    layouts::TestArea area = layouts::InitialTestArea();
    layouts::TestAreaPictures pictures;
    const platform::PictureLoader loader;
    try {
        layouts::ApplyLayout(area, *layout, true, folder, [&](const layouts::LayoutObject& image) {
            pictures[std::size_t(image.number - 1)] = loader.load(QString::fromStdString(image.picturePath));
        });
    } catch (const platform::PictureError& error) {
        throw FileError{error.what()};
    }
    layouts::RestoreDefaultColors(area, layout->lines);
    if (!options.scheme.empty()) {
        const InputBytes scheme = InputBytes::ReadFile(options.scheme);
        layouts::ApplyColorScheme(area, layouts::ParseColorScheme(scheme.Bytes(), layouts::SchemeOf(area)));
    }
    const QImage picture = layouts::RenderTestArea(area, pictures, options.vision);
    if (!picture.save(QString::fromStdString(options.output), "PNG"))
        throw FileError{"cannot write '" + options.output + "'"};
    return 0;
}

int ContrastCommand(const std::vector<std::string>& args, std::ostream& out)
{
    ExpectArgs(args, 2, 2);
    const std::optional<TColor> fg = ReadColorArgument(args[1]);
    const std::optional<TColor> bg = ReadColorArgument(args[2]);
    if (!fg || !bg)
        throw UsageError{"COLOR must be six hex digits"};
    const ContrastVerdict normal = JudgeContrast(*fg, *bg, false);
    const ContrastVerdict large = JudgeContrast(*fg, *bg, true);
    out << "ratio " << ContrastRatioText(normal.ratio) << '\n'
        << "normal AA " << Verdict(normal.passesAA) << " AAA " << Verdict(normal.passesAAA) << '\n'
        << "large AA " << Verdict(large.passesAA) << " AAA " << Verdict(large.passesAAA) << '\n'
        << "APCA Lc " << ApcaContrastText(ApcaContrast(*fg, *bg)) << '\n';
    return 0;
}

} // namespace tessaro::cli
