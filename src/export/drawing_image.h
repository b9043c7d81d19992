// A drawing as a bitmap: white page, squares without smoothing, text in the
// drawing's font at its pixel height.
#pragma once

#include "export/drawing.h"

#include <QImage>

namespace tessaro::exporting {

// Needs a QGuiApplication when the drawing has text (fonts).
QImage DrawingImage(const Drawing& drawing);

} // namespace tessaro::exporting
