// Where a colour drag comes from and which drop targets take it.
//
// Every drag source of the program carries one colour and one source kind.
// A drop target accepts every colour drag while the mouse is over it; on the
// drop it looks the source kind up here and takes the colour only when its
// row lists that kind. Any other drop changes nothing.
//
// A new window adds its source kinds to DragSource (before Count) and its
// targets to DropTarget with one row in kDropTable.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tessaro::colorlist {

enum class DragSource : std::uint8_t {
    // A colour from outside the program (another program's colour drag or
    // a "#RRGGBB" text), or from a source kind this build does not know.
    Unknown,
    // The main window.
    MainSwatch,       // shape1, carrying the main colour
    WheelSwatch,      // the twelve wheel swatches
    HarmonySwatch,    // the 19 harmony swatches
    VariationSwatch,  // the ten quick variations
    ColorList,        // an entry of the colour list
    // Test Color: shape fills, text colours, the test area's background.
    TestShape,
    TestText,
    TestBackground,
    // The web page test: area fills and label font colours.
    WebArea,
    WebText,
    VariationsGrid,   // the Variations window's grid picture
    QuickPalette,     // either picture of the Quick Color Palette
    ImportList,       // an entry of the Import Colors list
    MixerSwatch,      // the mixer's four slots and its mixed colour
    ScalesSwatch,     // the Scales window's swatches and its background
    Count
};

enum class DropTarget : std::uint8_t {
    MainSwatch,
    ColorList,
    MixerSlot,
    TestShape,
    TestText,
    TestBackground,
    WebArea,          // areas, texts and the colour chooser's swatch
    WebBorder,
    WebColorsCaption, // the "Colors:" caption, which sets the page background
    ScalesBackground, // the Scales window's contrast background
    Count
};

// A set of source kinds.
class DragSourceSet {
public:
    constexpr DragSourceSet(std::initializer_list<DragSource> sources)
    {
        for (DragSource source : sources)
            bits_ |= Bit(source);
    }
    constexpr bool contains(DragSource source) const { return (bits_ & Bit(source)) != 0; }
    constexpr DragSourceSet operator|(DragSourceSet other) const { return DragSourceSet(bits_ | other.bits_); }
    constexpr DragSourceSet without(DragSourceSet other) const { return DragSourceSet(bits_ & ~other.bits_); }

private:
    constexpr explicit DragSourceSet(std::uint32_t bits) : bits_(bits) {}
    static constexpr std::uint32_t Bit(DragSource source) { return std::uint32_t(1) << unsigned(source); }
    std::uint32_t bits_ = 0;
};
static_assert(unsigned(DragSource::Count) <= 32, "DragSourceSet holds at most 32 kinds");

// The 42 swatches of the main window.
inline constexpr DragSourceSet kMainWindowSwatches{DragSource::MainSwatch, DragSource::WheelSwatch,
                                                   DragSource::HarmonySwatch, DragSource::VariationSwatch};
inline constexpr DragSourceSet kTestAreaSources{DragSource::TestShape, DragSource::TestText,
                                                DragSource::TestBackground};
inline constexpr DragSourceSet kWebPageSources{DragSource::WebArea, DragSource::WebText};
// Every source inside the program.
inline constexpr DragSourceSet kEverySource =
    kMainWindowSwatches | kTestAreaSources | kWebPageSources |
    DragSourceSet{DragSource::ColorList, DragSource::VariationsGrid, DragSource::QuickPalette,
                  DragSource::ImportList, DragSource::MixerSwatch, DragSource::ScalesSwatch};
// Every source inside the program and colours dragged in from other
// programs. A colour from outside carries nothing but the colour, like an
// entry of the colour list, so it is taken wherever the list's entries are
// (checked below): by every target that takes every source of the program.
inline constexpr DragSourceSet kEveryColor = kEverySource | DragSourceSet{DragSource::Unknown};

struct DropRow {
    DropTarget target;
    DragSourceSet accepts;
};

// Which sources each target takes the colour from.
inline constexpr std::array<DropRow, std::size_t(DropTarget::Count)> kDropTable{{
    // The main swatch never takes its own colour, the test area's
    // background or the import list.
    {DropTarget::MainSwatch,
     kEveryColor.without({DragSource::MainSwatch, DragSource::TestBackground, DragSource::ImportList})},
    // Dropping the list on itself moves the dragged entry.
    {DropTarget::ColorList, kEveryColor},
    {DropTarget::MixerSlot, kEveryColor},
    {DropTarget::TestShape, kEveryColor},
    {DropTarget::TestText, kEveryColor.without(kWebPageSources)},
    {DropTarget::TestBackground, kEveryColor.without({DragSource::TestBackground})},
    {DropTarget::WebArea, kEveryColor},
    {DropTarget::WebBorder, kMainWindowSwatches | kTestAreaSources | kWebPageSources},
    {DropTarget::WebColorsCaption, kMainWindowSwatches | DragSourceSet{DragSource::VariationsGrid}},
    {DropTarget::ScalesBackground, kEveryColor},
}};

constexpr bool RowsFollowTargets()
{
    for (std::size_t i = 0; i < kDropTable.size(); ++i)
        if (kDropTable[i].target != DropTarget(i))
            return false;
    return true;
}
static_assert(RowsFollowTargets(), "kDropTable holds one row per target, in the order of DropTarget");

constexpr bool OutsideColorsGoWhereListColorsGo()
{
    for (const DropRow& row : kDropTable)
        if (row.accepts.contains(DragSource::Unknown) != row.accepts.contains(DragSource::ColorList))
            return false;
    return true;
}
static_assert(OutsideColorsGoWhereListColorsGo(),
              "a colour from another program is taken exactly where a colour list entry is");

// Whether `target` takes the colour of a drag from `source`.
constexpr bool Accepts(DropTarget target, DragSource source)
{
    const auto row = std::size_t(target);
    return row < kDropTable.size() && kDropTable[row].accepts.contains(source);
}

// The kind's name inside the program's colour drags ("wheel-swatch"); empty
// for Unknown.
constexpr std::string_view DragSourceName(DragSource source)
{
    constexpr std::array<std::string_view, std::size_t(DragSource::Count)> kNames{
        "",           "main-swatch",    "wheel-swatch",  "harmony-swatch", "variation-swatch",
        "color-list", "test-shape",     "test-text",     "test-background", "web-area",
        "web-text",   "variations-grid", "quick-palette", "import-list",    "mixer-swatch",
        "scales-swatch"};
    const auto index = std::size_t(source);
    return index < kNames.size() ? kNames[index] : std::string_view();
}

constexpr bool EveryKindNamed()
{
    for (unsigned i = 1; i < unsigned(DragSource::Count); ++i)
        if (DragSourceName(DragSource(i)).empty())
            return false;
    return true;
}
static_assert(EveryKindNamed(), "every source kind has a name");

// The kind named `name`; Unknown for any other text.
constexpr DragSource DragSourceNamed(std::string_view name)
{
    for (unsigned i = 1; i < unsigned(DragSource::Count); ++i)
        if (DragSourceName(DragSource(i)) == name)
            return DragSource(i);
    return DragSource::Unknown;
}

} // namespace tessaro::colorlist
