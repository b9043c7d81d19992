// The largest picture the program decodes, and Qt's image readers made to
// allow it: by default they refuse any picture that needs more than 128 MB
// (about 33 million pixels in 32 bits), far below what a camera takes.
#pragma once

#include <QImageReader>
#include <QtGlobal>

namespace tessaro::platform {

// Pictures with more pixels than this are refused, before decoding when
// their header tells the size.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

// The memory Qt's readers may take for one picture, in megabytes: room for
// the largest picture at 16 bits a channel, the widest pixels they decode.
inline constexpr int kPictureAllocationLimitMb = int((kMaxPicturePixels * 8 + (1 << 20) - 1) >> 20);

// Raises Qt's allocation limit (which holds for the whole process) to ours,
// before a picture is read through QImageReader. A limit already larger,
// or none, stays.
inline void AllowPicturesUpToTheLimit()
{
    const int current = QImageReader::allocationLimit();
    if (current != 0 && current < kPictureAllocationLimitMb)
        QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
}

// Whether a picture of this size may be decoded.
inline bool PictureSizeAllowed(qint64 width, qint64 height) { return width * height <= kMaxPicturePixels; }

} // namespace tessaro::platform
