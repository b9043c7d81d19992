// Drawing a test document: the background, then from the bottom up shapes
// 10..1, images 5..1 and texts 10..1, each clipped to its box; texts are
// word-wrapped with no background of their own. Used by the Test Color
// window and by tessaro-cli render.
#pragma once

#include "engine/color_vision.h"
#include "layouts/test_area.h"

#include <QFont>
#include <QImage>

#include <array>

class QPainter;

namespace tessaro::layouts {

// The pictures of images 1..5; a null image draws nothing.
using TestAreaPictures = std::array<QImage, kImageCount>;

// The text's face, style and character height: its size in points at 96
// dots per inch (10 points are 13 pixels).
QFont TextFont(const LayoutObject& text);

// Paints the document with its top-left corner at the painter's origin.
void PaintTestArea(QPainter& painter, const TestArea& area, const TestAreaPictures& pictures);

// The document as a picture of W x H, as a reader with `vision` sees it.
QImage RenderTestArea(const TestArea& area, const TestAreaPictures& pictures,
                      ColorVision vision = ColorVision::Normal);

// Recolours a drawn picture (Format_RGB32 or ARGB32) as `vision` sees it.
void ApplyColorVision(QImage& image, ColorVision vision);

} // namespace tessaro::layouts
