#include "platform/qt_platform.h"

namespace tessaro::platform {

QtPlatform::QtPlatform() : dialogs_(fonts_) {}

Platform QtPlatform::platform()
{
    Platform platform;
    platform.clipboard = &clipboard_;
    platform.screen = &screen_;
    platform.windows = &windows_;
    platform.dialogs = &dialogs_;
    platform.shell = &shell_;
    platform.singleInstance = &singleInstance_;
    platform.fonts = &fonts_;
    platform.pictures = &pictures_;
    return platform;
}

} // namespace tessaro::platform
