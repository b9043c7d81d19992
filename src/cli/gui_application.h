#pragma once

namespace tessaro::cli {

// Text in bitmaps, rendered layouts and the character advances of metafiles
// need fonts, and fonts need a GUI application: one on the offscreen
// platform (unless another is asked for), made the first time it is needed
// and kept until the process ends.
void EnsureGuiApplication();

} // namespace tessaro::cli
