// `kt-tessaro --pick`: the eye dropper alone, without the main window. The
// picked colour is printed as #RRGGBB on standard output and put on the
// clipboard; closing without a pick ends with status 1 and prints nothing.
#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

namespace tessaro::tools {

// Whether the command line asks for the pick mode.
bool IsPickMode(const QStringList& arguments);

// Runs the pick mode in the running QApplication; `settingsPath` gives the
// dropper's zoom, sampling and panel place (read only). Returns the exit
// status.
int RunPickMode(const platform::Platform& platform, const QString& settingsPath);

} // namespace tessaro::tools
