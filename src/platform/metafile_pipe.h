// What the metafile decoder processes and the program that starts them
// agree on. The program runs tessaro-wmf-decoder or tessaro-emf-decoder,
// writes the file's bytes to its standard input and closes it. The decoder
// answers with exit status 0 and, on its standard output, a MetafilePixelsHeader followed by
// width * height 32-bit pixels, row by row in the machine's byte order; or
// with exit status kMetafileRefused and nothing on its standard output when
// the bytes are no readable metafile of that kind. Anything else (another
// status, a signal, a late or malformed answer) is a failed decode.
#pragma once

#include <cstdint>

namespace tessaro::platform {

// Pictures are held to this many pixels a side, whatever size the file claims.
inline constexpr int kMaxMetafileSide = 2048;

inline constexpr const char* kWmfDecoderName = "tessaro-wmf-decoder";
inline constexpr const char* kEmfDecoderName = "tessaro-emf-decoder";
// Distinct from 1, the status sanitizers end a process with.
inline constexpr int kMetafileRefused = 65;
// Called wrongly, or its answer could not be written.
inline constexpr int kMetafileDecoderUsage = 64;

// The decoder's own limits, set on itself before it reads a byte: the
// processor time it may use and the address space it may reserve.
inline constexpr int kMetafileDecoderCpuSeconds = 5;
inline constexpr std::uint64_t kMetafileDecoderAddressSpace = std::uint64_t(1) << 30;
// How long the program waits for an answer before it kills the decoder.
inline constexpr int kMetafileDecoderWaitMs = 10000;

inline constexpr std::uint32_t kMetafilePixelsMagic = 0x464d544b; // "KTMF" read little-endian

struct MetafilePixelsHeader {
    std::uint32_t magic = kMetafilePixelsMagic;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t premultiplied = 0; // 1: alpha premultiplied, 0: straight
};

} // namespace tessaro::platform
