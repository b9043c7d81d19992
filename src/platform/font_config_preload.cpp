#include "platform/font_config_preload.h"

#include <fontconfig/fontconfig.h>

namespace tessaro::platform {

// FcInit loads the configuration once per process; a later call, as the
// font database makes, returns at once. Should it run before this one is
// done, fontconfig keeps one of the two loads and drops the other.
FontConfigPreload::FontConfigPreload() : thread_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload()
{
    wait();
}

void FontConfigPreload::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace tessaro::platform
