#include "large_pictures.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

namespace tessaro::cli::test {

namespace {

std::vector<unsigned char> Row(const TwoBands& bands, int y)
{
    const std::uint32_t color = y < bands.topRows ? bands.top : bands.bottom;
    std::vector<unsigned char> row(std::size_t(bands.width) * 3);
    for (std::size_t x = 0; x < row.size(); x += 3) {
        row[x] = (color >> 16) & 0xFF;
        row[x + 1] = (color >> 8) & 0xFF;
        row[x + 2] = color & 0xFF;
    }
    return row;
}

void PutBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char((value >> shift) & 0xFF);
}

void PutChunk(std::ofstream& file, const char* type, const std::string& data)
{
    std::string chunk;
    PutBigEndian(chunk, std::uint32_t(data.size()));
    const std::string body = std::string(type, 4) + data;
    chunk += body;
    PutBigEndian(chunk, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
    file.write(chunk.data(), std::streamsize(chunk.size()));
}

} // namespace

bool WriteBandsPng(const std::string& path, const TwoBands& bands)
{
    std::ofstream file(path, std::ios::binary);
    file.write("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    PutBigEndian(header, std::uint32_t(bands.width));
    PutBigEndian(header, std::uint32_t(bands.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
    PutChunk(file, "IHDR", header);

    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return false;
    std::string compressed;
    std::vector<unsigned char> out(1 << 16);
    const auto drain = [&](int flush) {
        do {
            stream.next_out = out.data();
            stream.avail_out = uInt(out.size());
            deflate(&stream, flush);
            compressed.append(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    };
    const int rows = bands.dataRows < 0 ? bands.height : bands.dataRows;
    for (int y = 0; y < rows; ++y) {
        std::vector<unsigned char> row = Row(bands, y);
        row.insert(row.begin(), 0);  // no filter
        stream.next_in = row.data();
        stream.avail_in = uInt(row.size());
        drain(Z_NO_FLUSH);
    }
    drain(Z_FINISH);
    deflateEnd(&stream);
    PutChunk(file, "IDAT", compressed);
    PutChunk(file, "IEND", {});
    return bool(file.flush());
}

bool WriteBandsJpeg(const std::string& path, const TwoBands& bands)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(bands.width);
    cinfo.image_height = JDIMENSION(bands.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < bands.height; ++y) {
        std::vector<unsigned char> row = Row(bands, y);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace tessaro::cli::test
