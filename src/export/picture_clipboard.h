// Puts a drawing on the clipboard: as a bitmap, or as a vector picture (an
// enhanced metafile and SVG, with the bitmap beside them for programs that
// take neither).
#pragma once

#include "export/center_output.h"
#include "platform/platform.h"

namespace tessaro::exporting {

void CopyDrawing(platform::Clipboard& clipboard, const Drawing& drawing, PictureKind kind);

} // namespace tessaro::exporting
