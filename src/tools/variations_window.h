// The Variations window: the variation grid of the main colour (twelve hue
// rows by ten lightness columns), its values under the mouse, and drags of
// the colour under the mouse.
#pragma once

#include "controls/tool_window.h"
#include "engine/color.h"

#include <functional>

class QLabel;
class QMenu;

namespace tessaro::workspace {
class MainColor;
}

namespace tessaro::tools {

class ColorPicture;

class VariationsWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 217;
    static constexpr int kHeight = 282;
    static constexpr int kTitleHeight = 12;
    static constexpr QSize kPictureSize{214, 251};
    static constexpr QPoint kDesignPosition{234, 172};

    VariationsWindow(const platform::Platform& platform, workspace::MainColor& mainColor, QWidget* parent = nullptr);

    ColorPicture* picture() const { return picture_; }
    QLabel* valueLine() const { return valueLine_; }
    QMenu* menu() const { return menu_; }
    // The colour of the last left press, the one a drag carries.
    TColor dragColor() const { return dragColor_; }
    void CopyAsBitmap();

    // How a drag of the colour under the mouse runs; a colour drag from the
    // picture by default.
    void setDragStarter(std::function<void(TColor)> starter) { startDrag_ = std::move(starter); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void paintGrid();

    workspace::MainColor& mainColor_;
    ColorPicture* picture_;
    QLabel* valueLine_;
    QMenu* menu_;
    TColor dragColor_ = 0;
    std::function<void(TColor)> startDrag_;
};

} // namespace tessaro::tools
