// The "Harmonious Colors" section (the six harmony sets, 19 swatches) and
// the "Quick Variations" section (ten swatches). A right click on any of
// their swatches makes its colour the main colour.
#pragma once

#include "workspace/section_frame.h"

#include <array>
#include <vector>

namespace tessaro::workspace {

class MainColor;

class HarmonySection : public SectionFrame {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{206, 64, 116, 248};

    HarmonySection(MainColor& mainColor, QWidget* parent);

    // Shape14 .. Shape32 in the order of the sets.
    const std::vector<controls::Swatch*>& swatches() const { return swatches_; }

private:
    void showColors();

    MainColor& mainColor_;
    std::vector<controls::Swatch*> swatches_;
};

class QuickVariationsSection : public SectionFrame {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{206, 316, 116, 66};

    QuickVariationsSection(MainColor& mainColor, QWidget* parent);

    // Shape33 .. Shape42, lightest first.
    const std::array<controls::Swatch*, 10>& swatches() const { return swatches_; }

private:
    void showColors();

    MainColor& mainColor_;
    std::array<controls::Swatch*, 10> swatches_{};
};

} // namespace tessaro::workspace
