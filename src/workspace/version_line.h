// The version line of the splash and About windows.
#pragma once

#include <QString>

namespace tessaro::workspace {

// "Version 1.5.3 Build 41" from the four-part file version "1.5.3.41";
// missing parts read as 0.
QString VersionLine(const QString& fileVersion);

} // namespace tessaro::workspace
