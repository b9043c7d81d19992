// The OKLCH gradient slider pickers: lightness, chroma and hue, each strip
// drawn in OKLCH with the other two components held and every step
// gamut-mapped into sRGB, so the strip shows what moving the slider does.
#pragma once

#include "controls/color_pickers.h"
#include "engine/perceptual.h"

namespace tessaro::controls {

// The pickers' integer units: lightness in tenths of a percent (0..1000),
// chroma in thousandths (0..370), hue in tenths of a degree (0..3600).
inline constexpr int kOklchLightnessUnits = 1000;
inline constexpr int kOklchChromaUnits = 1000;
inline constexpr int kOklchMaxChroma = 370;
inline constexpr int kOklchHueUnits = 10;

class OklchComponentPicker : public ComponentPicker {
    Q_OBJECT
public:
    // The three held components as an OKLCH colour.
    OkLch oklch() const;

protected:
    OklchComponentPicker(int valueIndex, int gradientSteps, const char* placeholder, const char* hintFormat,
                         QWidget* parent);
    TColor compose(const std::array<int, 3>& components) const override;
    std::array<int, 3> decompose(TColor c) const override;
};

class OklchLightnessPicker : public OklchComponentPicker {
    Q_OBJECT
public:
    explicit OklchLightnessPicker(QWidget* parent = nullptr);
};

class OklchChromaPicker : public OklchComponentPicker {
    Q_OBJECT
public:
    explicit OklchChromaPicker(QWidget* parent = nullptr);
};

class OklchHuePicker : public OklchComponentPicker {
    Q_OBJECT
public:
    explicit OklchHuePicker(QWidget* parent = nullptr);
};

} // namespace tessaro::controls
