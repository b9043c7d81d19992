// The most representative colours of a picture, by median cut (Heckbert,
// 1982) in the OKLab space (Ottosson, 2020): the picture's distinct colours
// with their pixel counts are split into boxes, each time the box with the
// largest spread (pixels times its longest side) at the weighted median of
// its longest side, never between two equal values. Each box gives the
// picture colour nearest to the box's weighted mean. The same pixels give
// the same colours, in the order of the boxes' pixel counts.
#pragma once

#include "engine/color.h"

#include <span>
#include <vector>

namespace tessaro::tools {

inline constexpr int kMinPictureColors = 2;
inline constexpr int kMaxPictureColors = 32;
inline constexpr int kDefaultPictureColors = 8;
// Pictures are brought down to at most this many pixels a side first.
inline constexpr int kPictureSampleSide = 256;

// At most `count` colours (fewer when the pixels hold fewer distinct ones).
std::vector<TColor> RepresentativeColors(std::span<const TColor> pixels, int count);

} // namespace tessaro::tools
