// What the Copy/Export Center makes of its colours: the chosen format with
// its options, as text (lines ended by CR LF) or as a drawing.
#pragma once

#include "export/center_text.h"
#include "export/drawing.h"
#include "export/web_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// In the order of the "Format" list.
enum class CenterFormat { Swatches, List, Css, Html, Value, Text, CssVariables, Scss, Json, Tailwind };

inline constexpr std::array<CenterFormat, 10> kCenterFormats = {
    CenterFormat::Swatches, CenterFormat::List,         CenterFormat::Css,  CenterFormat::Html,
    CenterFormat::Value,    CenterFormat::Text,         CenterFormat::CssVariables, CenterFormat::Scss,
    CenterFormat::Json,     CenterFormat::Tailwind};

// "Swatches (BMP - WMF)", "List (BMP - WMF)", "CSS", ..., "Tailwind".
const char* CenterFormatCaption(CenterFormat format);
// The command-line name: "swatches", "list", "css", "html", "value", "text",
// "css-vars", "scss", "json", "tailwind".
const char* CenterFormatName(CenterFormat format);
std::optional<CenterFormat> CenterFormatByName(std::string_view name);
bool IsPictureFormat(CenterFormat format);
// The formats whose names take a prefix.
bool TakesNamePrefix(CenterFormat format);

// A picture goes to the clipboard as a bitmap ("BMP") or as a vector
// picture ("WMF": an enhanced metafile and SVG).
enum class PictureKind { Bitmap, Metafile };

struct CenterOptions {
    CenterFormat format = CenterFormat::Swatches;
    PictureKind swatchesKind = PictureKind::Bitmap;
    PictureKind listKind = PictureKind::Bitmap;
    SwatchesOptions swatches;
    CssOptions css;
    HtmlOptions html;
    ValueOptions value;
    ReportOptions report;
    std::string namePrefix = kDefaultNamePrefix;
};

struct CenterOutput {
    bool isPicture = false;
    std::string text;
    Drawing drawing;
    PictureKind kind = PictureKind::Bitmap;
};

CenterOutput RenderCenter(const CenterOptions& options, const std::vector<TColor>& colors);

// The Swatch Size and Columns lists.
inline constexpr std::array<int, 8> kSwatchSides = {10, 15, 20, 25, 30, 40, 50, 60};
inline constexpr std::array<int, 21> kSwatchColumns = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12,
                                                       14, 16, 18, 20, 24, 28, 32, 36, 40, 50};
inline constexpr int kMaxSwatchSpace = 15;

} // namespace tessaro::exporting
