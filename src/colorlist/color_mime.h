// Colour drags as MIME data: one helper builds and reads every colour drag,
// so list models (mimeData, dropMimeData) and widgets share it.
//
// A colour is written in three forms:
//   application/x-kt-tessaro-color  "<source kind> #RRGGBB", for example
//                                   "wheel-swatch #FF8000" (drag_sources.h)
//   application/x-color             the colour as Qt's own colour drags give
//                                   it, so other desktop programs take it
//   text/plain                      "#RRGGBB"
// Reading prefers the program's own type, then application/x-color, then a
// text that is exactly "#RRGGBB" (surrounding blanks aside); the last two
// come from outside the program and read as DragSource::Unknown.
#pragma once

#include "colorlist/drag_sources.h"
#include "engine/color.h"

#include <QString>

#include <optional>

class QMimeData;

namespace tessaro::colorlist {

inline const QString kColorMimeType = QStringLiteral("application/x-kt-tessaro-color");

struct DraggedColor {
    TColor color = 0;
    DragSource source = DragSource::Unknown;
    friend bool operator==(const DraggedColor&, const DraggedColor&) = default;
};

// Writes the colour and its source kind into `mime` in all three forms.
void PopulateColorMime(QMimeData& mime, TColor color, DragSource source);
// Whether DecodeColorMime finds a colour.
bool CanDecodeColorMime(const QMimeData& mime);
std::optional<DraggedColor> DecodeColorMime(const QMimeData& mime);

} // namespace tessaro::colorlist
