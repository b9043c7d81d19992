#include "export/ase_file.h"

#include "engine/color_text.h"
#include "engine/text_encoding.h"
#include "export/byte_reader.h"
#include "export/swatch_models.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

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

// The block's next channel: a float that must be a number.
double Channel(ByteReader& in)
{
    const float value = std::bit_cast<float>(in.U32Be("colour"));
    if (!std::isfinite(value))
        in.Fail("a colour channel is not a number");
    return value;
}

// The colour of one entry block in its model; nullopt for a model that is
// not read, which the tally notes.
std::optional<TColor> ReadColor(ByteReader& in, SwatchModelTally& tally)
{
    const std::string model(in.Bytes(4, "colour model"));
    if (model == "RGB ") {
        const double red = Channel(in), green = Channel(in), blue = Channel(in);
        const auto channel = [](double v) {
            return std::uint8_t(std::nearbyint(std::clamp(float(v), 0.0f, 1.0f) * 255.0f));
        };
        return MakeColor(channel(red), channel(green), channel(blue));
    }
    if (model == "Gray") {
        tally.converted(SwatchModel::Grey);
        return GreyToRgb(Channel(in));
    }
    if (model == "CMYK") {
        const double c = Channel(in), m = Channel(in), y = Channel(in), k = Channel(in);
        tally.converted(SwatchModel::Cmyk);
        return CmykToRgb(c, m, y, k);
    }
    if (model == "LAB ") {
        // Lightness is kept as a fraction of 100; a and b as they are.
        const double l = Channel(in), a = Channel(in), b = Channel(in);
        tally.converted(SwatchModel::Lab);
        return LabD50ToRgb(l * 100.0, a, b);
    }
    tally.skipped("colour model \"" + model + "\"");
    return std::nullopt;
}

std::optional<PaletteEntry> ReadColorBlock(ByteReader& in, SwatchModelTally& tally)
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
    const std::optional<TColor> color = ReadColor(in, tally);
    if (!color)
        return std::nullopt;
    in.U16Be("colour type");
    return PaletteEntry{*color, Utf16ToUtf8(name)};
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

std::vector<PaletteEntry> ReadAse(std::string_view bytes, std::string* note)
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
    SwatchModelTally tally;
    std::size_t swatches = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t type = in.U16Be("block type");
        const std::uint32_t length = in.U32Be("block length");
        if (length > in.Remaining())
            in.Fail("block " + std::to_string(i + 1) + " runs past the end of the file");
        const std::string_view body = in.Bytes(length, "block");
        if (type != kColorEntry)
            continue;
        ByteReader block(body, "ASE");
        ++swatches;
        if (auto entry = ReadColorBlock(block, tally))
            entries.push_back(std::move(*entry));
    }
    const std::string told = tally.note("ASE", swatches);
    if (entries.empty() && tally.skippedCount() > 0)
        throw PaletteFormatError(told + "; no swatch is left to read");
    if (note)
        *note = told;
    return entries;
}

} // namespace tessaro::exporting
