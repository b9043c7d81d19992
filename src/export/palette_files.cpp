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

std::string WritePalette(PaletteKind kind, const std::vector<TColor>& colors)
{
    switch (kind) {
    case PaletteKind::Html: return HtmlPage(colors);
    case PaletteKind::Aco: return WriteAco(colors);
    case PaletteKind::Pal: return WritePal(colors);
    case PaletteKind::Gpl: return WriteGpl(colors);
    case PaletteKind::Ase: return WriteAse(colors);
    }
    return {};
}

std::vector<PaletteEntry> ReadPalette(PaletteKind kind, std::string_view bytes)
{
    switch (kind) {
    case PaletteKind::Aco: return ReadAco(bytes);
    case PaletteKind::Pal: return ReadPal(bytes);
    case PaletteKind::Gpl: return ReadGpl(bytes);
    case PaletteKind::Ase: return ReadAse(bytes);
    case PaletteKind::Html: break;
    }
    throw PaletteFormatError("HTML pages are not read as palettes");
}

} // namespace tessaro::exporting
