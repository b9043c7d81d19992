#include "export/ase_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"
#include "export/byte_reader.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tessaro::exporting {

namespace {

constexpr std::uint16_t kColorEntry = 0x0001;
constexpr std::uint16_t kNormalColor = 2;
// A block's type and length.
constexpr std::size_t kBlockHeader = 6;

void PutFloatBe(std::string& out, float value)
{
    PutU32Be(out, std::bit_cast<std::uint32_t>(value));
}

std::string ColorBlock(TColor color)
{
    const std::string name = HashHexText(color);
    std::string block;
    PutU16Be(block, std::uint32_t(name.size() + 1));
    for (char c : name)
        PutU16Be(block, std::uint8_t(c));
    PutU16Be(block, 0);
    block += "RGB ";
    for (int channel : {RedOf(color), GreenOf(color), BlueOf(color)})
        PutFloatBe(block, float(channel) / 255.0f);
    PutU16Be(block, kNormalColor);
    return block;
}

std::uint8_t Channel8(ByteReader& in, float value)
{
    if (!std::isfinite(value))
        in.Fail("a colour channel is not a number");
    return std::uint8_t(std::nearbyint(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

PaletteEntry ReadColorBlock(ByteReader& in)
{
    const std::uint16_t nameLength = in.U16Be("name length");
    if (nameLength > in.Remaining() / 2)
        in.Fail("name length " + std::to_string(nameLength) + " runs past its block");
    std::u16string name;
    name.reserve(nameLength);
    for (std::uint16_t i = 0; i < nameLength; ++i)
        name += char16_t(in.U16Be("name"));
    if (!name.empty() && name.back() == u'\0')
        name.pop_back();
    const std::string_view model = in.Bytes(4, "colour model");
    if (model != "RGB ")
        in.Fail("colour model \"" + std::string(model) + "\" is not RGB (only RGB swatches are read)");
    PaletteEntry entry;
    std::uint8_t rgb[3];
    for (std::uint8_t& channel : rgb)
        channel = Channel8(in, std::bit_cast<float>(in.U32Be("colour")));
    in.U16Be("colour type");
    entry.color = MakeColor(rgb[0], rgb[1], rgb[2]);
    entry.name = Utf16ToUtf8(name);
    return entry;
}

} // namespace

std::string WriteAse(const std::vector<TColor>& colors)
{
    if (colors.size() > kMaxPaletteColors)
        throw PaletteFormatError("ASE: more than " + std::to_string(kMaxPaletteColors) + " colours");
    std::string out = "ASEF";
    PutU16Be(out, 1);
    PutU16Be(out, 0);
    PutU32Be(out, std::uint32_t(colors.size()));
    for (TColor color : colors) {
        const std::string block = ColorBlock(color);
        PutU16Be(out, kColorEntry);
        PutU32Be(out, std::uint32_t(block.size()));
        out += block;
    }
    return out;
}

std::vector<PaletteEntry> ReadAse(std::string_view bytes)
{
    ByteReader in(bytes, "ASE");
    if (in.Bytes(4, "signature") != "ASEF")
        in.Fail("not a swatch exchange file (no \"ASEF\" signature)");
    const std::uint16_t major = in.U16Be("version");
    in.U16Be("version");
    if (major != 1)
        in.Fail("version " + std::to_string(major) + " is not 1");
    const std::uint32_t count = in.U32Be("block count");
    if (count > in.Remaining() / kBlockHeader)
        in.Fail("block count " + std::to_string(count) + " is larger than the file holds");
    std::vector<PaletteEntry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t type = in.U16Be("block type");
        const std::uint32_t length = in.U32Be("block length");
        if (length > in.Remaining())
            in.Fail("block " + std::to_string(i + 1) + " runs past the end of the file");
        const std::string_view body = in.Bytes(length, "block");
        if (type != kColorEntry)
            continue;
        ByteReader block(body, "ASE");
        entries.push_back(ReadColorBlock(block));
    }
    return entries;
}

} // namespace tessaro::exporting
