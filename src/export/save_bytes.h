// Writing an export file from a window: the whole file replaced at once,
// and a failure shown with the file's name and the reason.
#pragma once

#include "platform/platform.h"

#include <string_view>

namespace tessaro::exporting {

// False after showing "Can not write FILE: reason." under "KT Tessaro".
bool SaveBytesReporting(platform::Dialogs& dialogs, QWidget* parent, const QString& path, std::string_view bytes);

} // namespace tessaro::exporting
