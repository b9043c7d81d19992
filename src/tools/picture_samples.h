// Reading a picture for its colours: the file through Qt's image readers,
// refused before decoding when its header claims too many pixels, and the
// picture brought down (nearest pixel, so no new colours appear) to at most
// kPictureSampleSide pixels a side.
#pragma once

#include "engine/color.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace tessaro::tools {

// Pictures whose header claims more pixels than this are not decoded.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

// The picture, or nullopt with the reason in `error`.
std::optional<QImage> ReadPictureFile(const QString& path, QString& error);
// The picture's pixels as colours, after bringing it down.
std::vector<TColor> PictureSamples(const QImage& picture);

} // namespace tessaro::tools
