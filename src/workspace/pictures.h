// The program's own pictures (the toolbar icons, the splash picture, the
// program icon). Each is shown as drawn at build time when the screen's
// pixel density is one drawn then, and otherwise drawn from SVG at the
// screen's density, so it stays sharp on high-DPI screens. A picture that
// cannot be read is replaced by a plain one of the same size: a missing
// file never stops the program.
#pragma once

#include "workspace/prerendered_pictures.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace tessaro::workspace {

// `path` drawn at `size` logical pixels and `devicePixelRatio`; a plain
// picture of `fallback` colour when the file is missing or not a picture.
QPixmap RenderSvgPicture(const QString& path, QSize size, qreal devicePixelRatio, const QColor& fallback);

// The densest pixel ratio among the screens (1 without screens).
qreal ScreenPixelRatio();

// The splash and About picture, 591 x 502, without the version line. It is
// opaque.
QImage SplashPicture();

// The splash picture with the version line of this build drawn in, or a
// null image when none was drawn at build time for the screen's density.
QImage SplashPictureWithVersionLine();

// The program's icon, for its windows.
QIcon ProgramIcon();

} // namespace tessaro::workspace
