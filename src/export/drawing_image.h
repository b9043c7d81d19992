// A drawing as a bitmap: white page, squares without smoothing, text in the
// drawing's font at its pixel height.
#pragma once

#include "export/drawing.h"

#include <QFont>
#include <QImage>

#include <cstdint>
#include <vector>

namespace tessaro::exporting {

// Needs a QGuiApplication when the drawing has text (fonts).
QImage DrawingImage(const Drawing& drawing);

// The font a text line is drawn in: its family at its pixel height.
QFont DrawnTextFont(const DrawnText& text);
// The advance of each UTF-16 unit of the line in whole pixels, as the line
// is laid out in that font: the rounded positions of the characters'
// starting edges, one after the other, so the advances add up to the
// line's rounded width. Needs a QGuiApplication. For DrawingEmf.
std::vector<std::int32_t> DrawnTextAdvances(const DrawnText& text);

} // namespace tessaro::exporting
