// Picture files of camera size for the command-line tests, written row by
// row so that no picture of that size is ever held in memory: the top
// `topRows` rows in one colour, the rest in another.
#pragma once

#include <cstdint>
#include <string>

namespace tessaro::cli::test {

struct TwoBands {
    int width;
    int height;
    int topRows;
    std::uint32_t top;     // 0xRRGGBB
    std::uint32_t bottom;  // 0xRRGGBB
    // Rows of picture data written, all when negative: a picture that is
    // refused by the size in its header needs none.
    int dataRows = -1;
};

// An 8-bit RGB PNG (cut short after `dataRows` rows); false when the file
// cannot be written.
bool WriteBandsPng(const std::string& path, const TwoBands& bands);
// A colour (YCbCr) JPEG; false when the file cannot be written.
bool WriteBandsJpeg(const std::string& path, const TwoBands& bands);

} // namespace tessaro::cli::test
