// The desktop's services for the running program: one of each, handed to the
// windows as a Platform.
#pragma once

#include "platform/lock_file_single_instance.h"
#include "platform/picture_loader.h"
#include "platform/platform.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_fonts.h"
#include "platform/qt_screen.h"
#include "platform/qt_shell.h"
#include "platform/qt_windows.h"

namespace tessaro::platform {

// Create after the QApplication; it must outlive every window given its
// platform().
class QtPlatform {
public:
    QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform platform();

private:
    QtClipboard clipboard_;
    QtScreen screen_;
    QtWindows windows_;
    QtFonts fonts_;
    QtDialogs dialogs_;
    QtShell shell_;
    LockFileSingleInstance singleInstance_;
    PictureLoader pictures_;
};

} // namespace tessaro::platform
