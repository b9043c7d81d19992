// Installed font families from Qt's font database.
#pragma once

#include "platform/platform.h"

namespace tessaro::platform {

// The face of the program's windows: the small sans-serif of the classic
// desktop at 8 points, through Liberation Sans, which has Arial's metrics,
// so that the texts fit the fixed places they were laid out for. Where it
// is missing the desktop's sans-serif stands in.
QFont ProgramFont();

class QtFonts : public Fonts {
public:
    // Sorted without regard to letter case.
    QStringList installedFamilies() const override;
};

} // namespace tessaro::platform
