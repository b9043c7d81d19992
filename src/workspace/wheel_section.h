// The "Main Color & Color Wheel" section: the main swatch in the middle of
// the twelve wheel swatches.
#pragma once

#include "workspace/section_frame.h"

#include <array>

namespace tessaro::workspace {

class MainColor;
struct WheelStyle;

class WheelSection : public SectionFrame {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{4, 64, 196, 180};

    WheelSection(MainColor& mainColor, QWidget* parent);

    controls::Swatch* mainSwatch() const { return mainSwatch_; }
    const std::array<controls::Swatch*, 12>& wheel() const { return wheel_; }
    // Swatch 1 is the main swatch, 2 to 13 the wheel steps 0 to 11.
    controls::Swatch* swatch(int n) const { return n == 1 ? mainSwatch_ : wheel_[n - 2]; }

    // Moves and reshapes the swatches as `style` says (main-window client
    // pixels). Each swatch is kept whole inside the section, below its
    // title, so that no style can put one out of reach.
    void ApplyStyle(const WheelStyle& style);

private:
    void showColors();

    MainColor& mainColor_;
    controls::Swatch* mainSwatch_;
    std::array<controls::Swatch*, 12> wheel_{};
};

} // namespace tessaro::workspace
