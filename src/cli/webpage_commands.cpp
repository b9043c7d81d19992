#include "cli/webpage_commands.h"

#include "cli/cli.h"
#include "cli/command_errors.h"
#include "cli/input_bytes.h"
#include "cli/output_file.h"

#include "webpreview/web_layout_file.h"
#include "webpreview/web_page_html.h"

#include <ostream>

namespace tessaro::cli {

namespace {

using webpreview::WebLayoutNote;
using webpreview::WebPageLayout;

// The default page, as after a fresh start, with the layout file applied.
// Sizes the page had no room for are told on standard error.
WebPageLayout LoadLayout(const std::string& name, std::istream& in, std::ostream& err)
{
    const InputBytes input = name == "-" ? InputBytes::ReadStream(in) : InputBytes::ReadFile(name);
    WebPageLayout layout;
    std::vector<WebLayoutNote> notes;
    webpreview::ApplyWebLayoutFile(input.Bytes(), layout, &notes);
    for (const WebLayoutNote& note : notes)
        err << "tessaro-cli: " << webpreview::DescribeNote(note) << '\n';
    return layout;
}

} // namespace

int WebPageCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string layoutName;
    std::string outputName;
    bool haveLayout = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !outputName.empty())
                throw UsageError{"-o takes one file name"};
            outputName = args[++i];
            if (outputName.empty())
                throw UsageError{"-o takes one file name"};
        } else if (!haveLayout && (args[i] == "-" || !args[i].starts_with('-'))) {
            layoutName = args[i];
            haveLayout = true;
        } else {
            throw UsageError{"unexpected argument '" + args[i] + "' for 'webpage'"};
        }
    }
    if (!haveLayout)
        throw UsageError{"webpage needs a LAYOUT file"};
    const std::string html = webpreview::WriteWebPageHtml(LoadLayout(layoutName, in, err));
    if (outputName.empty())
        out.write(html.data(), std::streamsize(html.size()));
    else
        WriteFileWhole(outputName, html);
    return kExitOk;
}

int WebLayoutCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    ExpectArgs(args, 1, 1);
    const std::string text = webpreview::WriteWebLayoutFile(LoadLayout(args[1], in, err));
    out.write(text.data(), std::streamsize(text.size()));
    return kExitOk;
}

} // namespace tessaro::cli
