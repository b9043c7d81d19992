// The "Main Color & Color Wheel" section: the main swatch in the middle of
// the twelve wheel swatches.
#pragma once

#include "workspace/section_frame.h"

#include <array>

namespace tessaro::workspace {

class MainColor;

class WheelSection : public SectionFrame {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{4, 64, 196, 180};

    WheelSection(MainColor& mainColor, QWidget* parent);

    controls::Swatch* mainSwatch() const { return mainSwatch_; }
    const std::array<controls::Swatch*, 12>& wheel() const { return wheel_; }

private:
    void showColors();

    MainColor& mainColor_;
    controls::Swatch* mainSwatch_;
    std::array<controls::Swatch*, 12> wheel_{};
};

} // namespace tessaro::workspace
