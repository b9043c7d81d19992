#include "export/palette_files.h"

#include "export/aco_file.h"
#include "export/ase_file.h"
#include "export/gpl_file.h"
#include "export/html_page.h"
#include "export/pal_file.h"

namespace tessaro::exporting {

std::optional<PaletteKind> PaletteKindOfPath(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return std::nullopt;
    std::string ext(path.substr(dot + 1));
    for (char& c : ext)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == "html" || ext == "htm") return PaletteKind::Html;
    if (ext == "aco") return PaletteKind::Aco;
    if (ext == "pal") return PaletteKind::Pal;
    if (ext == "gpl") return PaletteKind::Gpl;
    if (ext == "ase") return PaletteKind::Ase;
    return std::nullopt;
}

bool IsReadablePalette(PaletteKind kind)
{
    return kind != PaletteKind::Html;
}

std::string PaletteNameOfPath(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return std::string(name);
}

std::string WritePalette(PaletteKind kind, const std::vector<TColor>& colors, const std::string& name)
{
    switch (kind) {
    case PaletteKind::Html: return HtmlPage(colors);
    case PaletteKind::Aco: return WriteAco(colors);
    case PaletteKind::Pal: return WritePal(colors);
    case PaletteKind::Gpl: return WriteGpl(colors, name);
    case PaletteKind::Ase: return WriteAse(colors);
    }
    return {};
}

PaletteRead ReadPalette(PaletteKind kind, std::string_view bytes)
{
    PaletteRead read;
    switch (kind) {
    case PaletteKind::Aco: read.entries = ReadAco(bytes, &read.note); return read;
    case PaletteKind::Pal: read.entries = ReadPal(bytes); return read;
    case PaletteKind::Gpl: read.entries = ReadGpl(bytes); return read;
    case PaletteKind::Ase: read.entries = ReadAse(bytes, &read.note); return read;
    case PaletteKind::Html: break;
    }
    throw PaletteFormatError("HTML pages are not read as palettes");
}

} // namespace tessaro::exporting
