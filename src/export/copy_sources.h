// Where the copy and export windows take their colours from: the main
// colour (its state and the value fields as the main window shows them)
// and the colour list (every entry, the selected ones).
#pragma once

#include "engine/color.h"
#include "export/quick_copy.h"

#include <functional>
#include <string>
#include <vector>

namespace tessaro::workspace {
class MainColor;
}

namespace tessaro::exporting {

struct CopySources {
    workspace::MainColor* mainColor = nullptr;
    // The value fields as they stand (a value typed but not applied included).
    std::function<MainColorFields()> mainFields;
    std::function<std::vector<std::string>()> listEntries;
    // The selected entries, in list order.
    std::function<std::vector<std::string>()> selectedEntries;
};

} // namespace tessaro::exporting
