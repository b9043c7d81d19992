// Installed font families from Qt's font database.
#pragma once

#include "platform/platform.h"

namespace tessaro::platform {

class QtFonts : public Fonts {
public:
    // Sorted without regard to letter case.
    QStringList installedFamilies() const override;
};

} // namespace tessaro::platform
