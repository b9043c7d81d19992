// The program's pictures as drawn when the program was built (see
// prerender_pictures_main.cpp), compiled in as their premultiplied ARGB
// pixels (zstd-compressed at ratio 2): showing one costs at most a
// decompression instead of laying out texts and drawing SVG, and no image
// format plugin is loaded.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace tessaro::workspace {

// The splash and About picture, and the box of the version line on it.
inline constexpr QSize kSplashSize{591, 502};
inline constexpr QRect kVersionLineBox{294, 290, 260, 20};

// The toolbar icons' file names (without ".svg"; "-hover" follows for the
// highlighted picture) and their size.
inline constexpr std::array kToolbarIconNames{"eyedropper", "copy",   "paste",  "undo",   "redo", "testcolor",
                                              "webpage",    "mixer",  "import", "export", "about"};
inline constexpr QSize kToolbarIconSize{32, 32};

// The pixel ratios drawn at build time, and the program icon's sizes (those
// the X11 window icon is made of).
inline constexpr std::array kPrerenderedRatios{1, 2};
inline constexpr std::array kProgramIconSizes{16, 32, 64, 128};

// The resource name of a picture drawn at build time: `name` ("splash",
// "splash-version", a toolbar icon's name with or without "-hover",
// "kt-tessaro-SIZE" for the program icon) at `ratio`.
inline QString PrerenderedPictureFile(const QString& name, int ratio)
{
    return QStringLiteral("%1-%2x.argb").arg(name).arg(ratio);
}

// The name of the program icon's picture at `size`.
inline QString ProgramIconPictureName(int size)
{
    return QStringLiteral("kt-tessaro-%1").arg(size);
}

// The picture `name` drawn at build time, `size` logical pixels at
// `devicePixelRatio`, or a null image when none was drawn for that ratio.
// A picture stored uncompressed is read-only and shares the program's own
// pages.
QImage PrerenderedPicture(const QString& name, QSize size, qreal devicePixelRatio);

// The same for a picture known to be opaque, which then draws as a plain
// copy of its pixels.
QImage PrerenderedOpaquePicture(const QString& name, QSize size, qreal devicePixelRatio);

} // namespace tessaro::workspace
