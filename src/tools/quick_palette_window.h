// The Quick Color Palette: a colour spectrum and the websafe palette; the
// colour under the mouse is shown and offered to drags.
#pragma once

#include "controls/tool_window.h"
#include "engine/color.h"

#include <functional>

class QLabel;

namespace tessaro::controls {
class Swatch;
}

namespace tessaro::tools {

class ColorPicture;

class QuickPaletteWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 188;
    static constexpr int kHeight = 262;
    static constexpr int kTitleHeight = 19;

    explicit QuickPaletteWindow(const platform::Platform& platform, QWidget* parent = nullptr);

    ColorPicture* spectrum() const { return spectrum_; }
    ColorPicture* websafe() const { return websafe_; }
    controls::Swatch* swatch() const { return swatch_; }
    QLabel* valueLine() const { return valueLine_; }
    // The colour under the mouse, the one a drag carries.
    TColor dragColor() const { return dragColor_; }
    void setDragStarter(std::function<void(TColor)> starter) { startDrag_ = std::move(starter); }

private:
    // The colour under the mouse; false for the websafe picture's lines.
    bool take(TColor color, bool fromWebsafe);

    ColorPicture* spectrum_;
    ColorPicture* websafe_;
    controls::Swatch* swatch_;
    QLabel* valueLine_;
    TColor dragColor_ = 0;
    std::function<void(TColor)> startDrag_;
};

} // namespace tessaro::tools
