#include "export/aco_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"
#include "export/byte_reader.h"
#include "export/swatch_models.h"

#include <optional>

namespace tessaro::exporting {

namespace {

constexpr std::uint16_t kRgbSpace = 0;
// Colour space (2 bytes) and four channel words.
constexpr std::size_t kColorBytes = 10;

void PutColor(std::string& out, TColor color)
{
    PutU16Be(out, kRgbSpace);
    PutU16Be(out, RedOf(color) * 257u);
    PutU16Be(out, GreenOf(color) * 257u);
    PutU16Be(out, BlueOf(color) * 257u);
    PutU16Be(out, 0);
}

std::uint8_t Channel8(std::uint16_t value)
{
    return std::uint8_t((value + 128u) / 257u);
}

// The colour spaces read besides RGB, with their four words w, x, y, z.
constexpr std::uint16_t kHsbSpace = 1;   // hue, saturation, brightness 0..65535
constexpr std::uint16_t kCmykSpace = 2;  // 65535 - ink, 65535 meaning no ink
constexpr std::uint16_t kLabSpace = 7;   // L × 100 (0..10000), signed a × 100 and b × 100
constexpr std::uint16_t kGreySpace = 8;  // black ink × 100 (0 white .. 10000 black)

// The colour of one swatch; nullopt for a colour space that is not read,
// which the tally notes.
std::optional<TColor> ReadColor(ByteReader& in, SwatchModelTally& tally)
{
    const std::uint16_t space = in.U16Be("colour space");
    const std::uint16_t w = in.U16Be("colour");
    const std::uint16_t x = in.U16Be("colour");
    const std::uint16_t y = in.U16Be("colour");
    const std::uint16_t z = in.U16Be("colour");
    constexpr double kFull = 65535.0;
    switch (space) {
    case kRgbSpace: return MakeColor(Channel8(w), Channel8(x), Channel8(y));
    case kHsbSpace: tally.converted(SwatchModel::Hsb); return HsbToRgb(w / kFull, x / kFull, y / kFull);
    case kCmykSpace:
        tally.converted(SwatchModel::Cmyk);
        return CmykToRgb(1 - w / kFull, 1 - x / kFull, 1 - y / kFull, 1 - z / kFull);
    case kLabSpace:
        tally.converted(SwatchModel::Lab);
        return LabD50ToRgb(w / 100.0, std::int16_t(x) / 100.0, std::int16_t(y) / 100.0);
    case kGreySpace: tally.converted(SwatchModel::Grey); return GreyToRgb(1 - w / 10000.0);
    default: tally.skipped("colour space " + std::to_string(space)); return std::nullopt;
    }
}

std::string ReadName(ByteReader& in)
{
    const std::uint32_t length = in.U32Be("name length");
    if (length > in.Remaining() / 2)
        in.Fail("name length " + std::to_string(length) + " runs past the end of the file");
    std::u16string name;
    name.reserve(length);
    for (std::uint32_t i = 0; i < length; ++i)
        name += char16_t(in.U16Be("name"));
    // The length counts a terminating zero; a name without one is taken whole.
    if (!name.empty() && name.back() == u'\0')
        name.pop_back();
    return Utf16ToUtf8(name);
}

struct Section {
    std::vector<PaletteEntry> entries;
    std::string note;
};

Section ReadSection(ByteReader& in, std::uint16_t version)
{
    const std::uint16_t count = in.U16Be("colour count");
    const std::size_t least = version == 1 ? kColorBytes : kColorBytes + 4;
    if (count > in.Remaining() / least)
        in.Fail("count " + std::to_string(count) + " is larger than the file holds");
    Section section;
    section.entries.reserve(count);
    SwatchModelTally tally;
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::optional<TColor> color = ReadColor(in, tally);
        std::string name = version == 2 ? ReadName(in) : std::string();
        if (color)
            section.entries.push_back({*color, std::move(name)});
    }
    section.note = tally.note("ACO", count);
    if (section.entries.empty() && tally.skippedCount() > 0)
        throw PaletteFormatError(section.note + "; no swatch is left to read");
    return section;
}

} // namespace

std::string WriteAco(const std::vector<TColor>& colors)
{
    if (colors.size() > kMaxPaletteColors)
        throw PaletteFormatError("ACO: more than " + std::to_string(kMaxPaletteColors) + " colours");
    const auto count = std::uint32_t(colors.size());
    std::string out;
    PutU16Be(out, 1);
    PutU16Be(out, count);
    for (std::uint32_t i = 0; i < count; ++i)
        PutColor(out, colors[i]);
    PutU16Be(out, 2);
    PutU16Be(out, count);
    for (std::uint32_t i = 0; i < count; ++i) {
        PutColor(out, colors[i]);
        const std::string name = HashHexText(colors[i]);
        PutU32Be(out, std::uint32_t(name.size() + 1));
        for (char c : name)
            PutU16Be(out, std::uint8_t(c));
        PutU16Be(out, 0);
    }
    return out;
}

std::vector<PaletteEntry> ReadAco(std::string_view bytes, std::string* note)
{
    ByteReader in(bytes, "ACO");
    const std::uint16_t version = in.U16Be("header");
    if (version != 1 && version != 2)
        in.Fail("not a swatch file (version " + std::to_string(version) + ")");
    Section section = ReadSection(in, version);
    // A version 2 section with the same colours may follow; its names are
    // taken when it is sound.
    if (version == 1 && in.Remaining() >= 4) {
        try {
            if (in.U16Be("header") == 2) {
                Section named = ReadSection(in, 2);
                if (named.entries.size() == section.entries.size())
                    section = std::move(named);
            }
        } catch (const PaletteFormatError&) {
        }
    }
    if (note)
        *note = std::move(section.note);
    return std::move(section.entries);
}

} // namespace tessaro::exporting
