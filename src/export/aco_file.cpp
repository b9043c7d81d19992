#include "export/aco_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"
#include "export/byte_reader.h"

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

TColor ReadColor(ByteReader& in)
{
    const std::uint16_t space = in.U16Be("colour space");
    const std::uint16_t red = in.U16Be("colour");
    const std::uint16_t green = in.U16Be("colour");
    const std::uint16_t blue = in.U16Be("colour");
    in.U16Be("colour");
    if (space != kRgbSpace)
        in.Fail("colour space " + std::to_string(space) + " is not RGB (only RGB swatches are read)");
    return MakeColor(Channel8(red), Channel8(green), Channel8(blue));
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

std::vector<PaletteEntry> ReadSection(ByteReader& in, std::uint16_t version)
{
    const std::uint16_t count = in.U16Be("colour count");
    const std::size_t least = version == 1 ? kColorBytes : kColorBytes + 4;
    if (count > in.Remaining() / least)
        in.Fail("count " + std::to_string(count) + " is larger than the file holds");
    std::vector<PaletteEntry> entries;
    entries.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) {
        PaletteEntry entry;
        entry.color = ReadColor(in);
        if (version == 2)
            entry.name = ReadName(in);
        entries.push_back(std::move(entry));
    }
    return entries;
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

std::vector<PaletteEntry> ReadAco(std::string_view bytes)
{
    ByteReader in(bytes, "ACO");
    const std::uint16_t version = in.U16Be("header");
    if (version != 1 && version != 2)
        in.Fail("not a swatch file (version " + std::to_string(version) + ")");
    std::vector<PaletteEntry> entries = ReadSection(in, version);
    if (version == 2 || in.Remaining() < 4)
        return entries;
    // A version 2 section with the same colours may follow; its names are
    // taken when it is sound.
    try {
        if (in.U16Be("header") != 2)
            return entries;
        std::vector<PaletteEntry> named = ReadSection(in, 2);
        if (named.size() == entries.size())
            return named;
    } catch (const PaletteFormatError&) {
    }
    return entries;
}

} // namespace tessaro::exporting
