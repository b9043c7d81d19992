#include "export/pal_file.h"

#include "export/byte_reader.h"

namespace tessaro::exporting {

namespace {

constexpr std::uint16_t kPaletteVersion = 0x0300;

} // namespace

std::string WritePal(const std::vector<TColor>& colors)
{
    if (colors.size() > kMaxPaletteColors)
        throw PaletteFormatError("PAL: more than " + std::to_string(kMaxPaletteColors) + " colours");
    const auto count = std::uint32_t(colors.size());
    const std::uint32_t dataSize = 4 + 4 * count;
    std::string out = "RIFF";
    PutU32Le(out, 4 + 8 + dataSize);
    out += "PAL data";
    PutU32Le(out, dataSize);
    PutU16Le(out, kPaletteVersion);
    PutU16Le(out, count);
    for (std::uint32_t i = 0; i < count; ++i) {
        out += char(RedOf(colors[i]));
        out += char(GreenOf(colors[i]));
        out += char(BlueOf(colors[i]));
        out += '\0';
    }
    return out;
}

std::vector<PaletteEntry> ReadPal(std::string_view bytes)
{
    ByteReader in(bytes, "PAL");
    if (in.Bytes(4, "header") != "RIFF")
        in.Fail("not a RIFF file");
    in.U32Le("header");  // Writers disagree on this size; the chunks decide.
    if (in.Bytes(4, "header") != "PAL ")
        in.Fail("not a palette (RIFF form is not \"PAL \")");
    for (;;) {
        if (in.Remaining() < 8)
            in.Fail("no \"data\" chunk");
        const std::string_view id = in.Bytes(4, "chunk");
        const std::uint32_t size = in.U32Le("chunk");
        if (size > in.Remaining())
            in.Fail("chunk of " + std::to_string(size) + " bytes runs past the end of the file");
        if (id != "data") {
            in.Skip(size + (size & 1u && in.Remaining() > size ? 1 : 0), "chunk");
            continue;
        }
        ByteReader chunk(in.Bytes(size, "data chunk"), "PAL");
        const std::uint16_t version = chunk.U16Le("data chunk");
        if (version != kPaletteVersion)
            chunk.Fail("palette version " + std::to_string(version) + " is not 0x0300");
        const std::uint16_t count = chunk.U16Le("data chunk");
        if (count > chunk.Remaining() / 4)
            chunk.Fail("count " + std::to_string(count) + " is larger than the data chunk holds");
        std::vector<PaletteEntry> entries;
        entries.reserve(count);
        for (std::uint16_t i = 0; i < count; ++i) {
            const std::uint8_t red = chunk.U8("entry");
            const std::uint8_t green = chunk.U8("entry");
            const std::uint8_t blue = chunk.U8("entry");
            chunk.U8("entry");
            entries.push_back({MakeColor(red, green, blue), {}});
        }
        return entries;
    }
}

} // namespace tessaro::exporting
