// The pictures of the main window's toolbar icons, drawn at 32 x 32.
#pragma once

#include <QPixmap>

namespace tessaro::workspace {

enum class ToolbarIcon { Paste, Undo, Redo, Copy, Export };

QPixmap ToolbarPicture(ToolbarIcon icon, bool highlighted);

} // namespace tessaro::workspace
