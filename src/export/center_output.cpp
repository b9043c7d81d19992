#include "export/center_output.h"

namespace tessaro::exporting {

namespace {

struct FormatRow {
    CenterFormat format;
    const char* caption;
    const char* name;
};

constexpr FormatRow kFormatRows[] = {
    {CenterFormat::Swatches, "Swatches (BMP - WMF)", "swatches"},
    {CenterFormat::List, "List (BMP - WMF)", "list"},
    {CenterFormat::Css, "CSS", "css"},
    {CenterFormat::Html, "HTML", "html"},
    {CenterFormat::Value, "Value", "value"},
    {CenterFormat::Text, "Text", "text"},
    {CenterFormat::CssVariables, "CSS Variables", "css-vars"},
    {CenterFormat::Scss, "SCSS", "scss"},
    {CenterFormat::Json, "JSON", "json"},
    {CenterFormat::Tailwind, "Tailwind", "tailwind"},
};

const FormatRow& RowOf(CenterFormat format)
{
    return kFormatRows[std::size_t(format)];
}

} // namespace

const char* CenterFormatCaption(CenterFormat format)
{
    return RowOf(format).caption;
}

const char* CenterFormatName(CenterFormat format)
{
    return RowOf(format).name;
}

std::optional<CenterFormat> CenterFormatByName(std::string_view name)
{
    for (const FormatRow& row : kFormatRows)
        if (name == row.name)
            return row.format;
    return std::nullopt;
}

bool IsPictureFormat(CenterFormat format)
{
    return format == CenterFormat::Swatches || format == CenterFormat::List;
}

bool TakesNamePrefix(CenterFormat format)
{
    return format == CenterFormat::CssVariables || format == CenterFormat::Scss || format == CenterFormat::Json ||
           format == CenterFormat::Tailwind;
}

CenterOutput RenderCenter(const CenterOptions& options, const std::vector<TColor>& colors)
{
    CenterOutput out;
    out.isPicture = IsPictureFormat(options.format);
    const std::string& prefix = options.namePrefix;
    switch (options.format) {
    case CenterFormat::Swatches:
        out.drawing = SwatchesDrawing(colors, options.swatches);
        out.kind = options.swatchesKind;
        break;
    case CenterFormat::List:
        out.drawing = ListDrawing(colors);
        out.kind = options.listKind;
        break;
    case CenterFormat::Css: out.text = CssText(colors, options.css); break;
    case CenterFormat::Html: out.text = HtmlAttributesText(colors, options.html); break;
    case CenterFormat::Value: out.text = ValueText(colors, options.value); break;
    case CenterFormat::Text: out.text = ReportText(colors, options.report); break;
    case CenterFormat::CssVariables: out.text = CssVariablesText(colors, prefix); break;
    case CenterFormat::Scss: out.text = ScssText(colors, prefix); break;
    case CenterFormat::Json: out.text = JsonText(colors, prefix); break;
    case CenterFormat::Tailwind: out.text = TailwindText(colors, prefix); break;
    }
    return out;
}

} // namespace tessaro::exporting
