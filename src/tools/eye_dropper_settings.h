// The eye dropper's settings keys: EyeTop, EyeLeft, zoom, sampling,
// LastEyeCol and ShowGrid.
#pragma once

#include "state/settings_store.h"

#include <QSize>

namespace tessaro::tools {

class EyeDropperWindow;

// Places the panel (pulled back to half the screen when beyond it), sets
// zoom, sampling, grid and the swatch colour.
void ReadEyeDropperSettings(EyeDropperWindow& window, const workspace::SettingsStore& settings, QSize screen);
void WriteEyeDropperSettings(const EyeDropperWindow& window, workspace::LiveSettings& live);

} // namespace tessaro::tools
