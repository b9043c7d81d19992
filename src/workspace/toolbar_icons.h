// The pictures of the main window's eleven toolbar icons, 32 x 32, each
// with a normal and a highlighted picture.
#pragma once

#include <QPixmap>

namespace tessaro::workspace {

// In the order of kToolbarIconNames.
enum class ToolbarIcon { EyeDropper, Copy, Paste, Undo, Redo, TestColor, WebPage, Mixer, Import, Export, About };

QPixmap ToolbarPicture(ToolbarIcon icon, bool highlighted);

} // namespace tessaro::workspace
