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

// The picture, or nullopt with the reason in `error`. Pictures of more than
// platform::kMaxPicturePixels pixels are refused, before decoding when
// their header tells the size.
std::optional<QImage> ReadPictureFile(const QString& path, QString& error);
// The picture's pixels as colours, after bringing it down.
std::vector<TColor> PictureSamples(const QImage& picture);

} // namespace tessaro::tools
