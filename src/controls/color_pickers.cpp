#include "controls/color_pickers.h"

#include "controls/picker_math.h"

#include <algorithm>

namespace tessaro::controls {

// ---- ComponentPicker ----

ComponentPicker::ComponentPicker(const Scale& scale, QWidget* parent)
    : TrackBarPicker(parent)
    , components_(scale.initial)
    , maxima_(scale.maxima)
    , valueIndex_(scale.valueIndex)
    , steps_(scale.gradientSteps)
    , placeholder_(QString::fromLatin1(scale.placeholder))
{
    setHintFormat(QString::fromLatin1(scale.hintFormat));
}

TColor ComponentPicker::selectedColor() const
{
    return shownColor(compose(components_));
}

void ComponentPicker::setSelectedColor(TColor c)
{
    const std::array<int, 3> components = decompose(shownColor(c));
    bool heldChanged = false;
    for (int i = 0; i < 3; ++i) {
        const int clamped = std::clamp(components[i], 0, maxima_[i]);
        if (i != valueIndex_ && clamped != components_[i])
            heldChanged = true;
        components_[i] = clamped;
    }
    // The gradient shows the held components only: a new value just moves
    // the arrow.
    if (heldChanged)
        refreshGradient();
    refreshValue();
    emit changed();
}

void ComponentPicker::setComponent(int index, int v)
{
    const int clamped = std::clamp(v, 0, maxima_[index]);
    if (components_[index] == clamped)
        return;
    components_[index] = clamped;
    if (index == valueIndex_)
        refreshValue();
    else
        refreshGradient();
    emit changed();
}

bool ComponentPicker::storeValue(int v)
{
    const int clamped = std::clamp(v, 0, maxima_[valueIndex_]);
    if (components_[valueIndex_] == clamped)
        return false;
    components_[valueIndex_] = clamped;
    return true;
}

TColor ComponentPicker::gradientStepColor(int step) const
{
    std::array<int, 3> components = components_;
    components[valueIndex_] = step;
    return compose(components);
}

// ---- RGB ----

RgbComponentPicker::RgbComponentPicker(int valueIndex, const char* placeholder,
                                         const char* hintFormat, QWidget* parent)
    : ComponentPicker({{255, 255, 255}, {0, 0, 0}, valueIndex, 256, placeholder, hintFormat}, parent)
{
    setOrientation(Orientation::Vertical);
    resize(sizeHint());
}

TColor RgbComponentPicker::compose(const std::array<int, 3>& c) const
{
    return MakeColor(std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2]));
}

std::array<int, 3> RgbComponentPicker::decompose(TColor c) const
{
    return {RedOf(c), GreenOf(c), BlueOf(c)};
}

RColorPicker::RColorPicker(QWidget* parent)
    : RgbComponentPicker(0, "%r", "Red: %r", parent)
{
}

GColorPicker::GColorPicker(QWidget* parent)
    : RgbComponentPicker(1, "%g", "Green: %g", parent)
{
}

BColorPicker::BColorPicker(QWidget* parent)
    : RgbComponentPicker(2, "%b", "Blue: %b", parent)
{
}

// ---- HSV ----

HsvComponentPicker::HsvComponentPicker(int valueIndex, int gradientSteps, const char* placeholder,
                                         const char* hintFormat, QWidget* parent)
    : ComponentPicker({{360, 255, 255}, {0, 255, 255}, valueIndex, gradientSteps, placeholder, hintFormat},
                       parent)
{
}

TColor HsvComponentPicker::compose(const std::array<int, 3>& c) const
{
    return PickerHsvToRgb(c[0], c[1], c[2]);
}

std::array<int, 3> HsvComponentPicker::decompose(TColor c) const
{
    std::array<int, 3> hsv{};
    PickerRgbToHsv(c, hsv[0], hsv[1], hsv[2]);
    return hsv;
}

// Hue steps 0..359 at the held saturation and value.
HColorPicker::HColorPicker(QWidget* parent)
    : HsvComponentPicker(0, 360, "%h", "Hue: %h", parent)
{
}

// Saturation steps 0..254 at the held hue and value.
SColorPicker::SColorPicker(QWidget* parent)
    : HsvComponentPicker(1, 255, "%s", "Saturation: %s", parent)
{
}

// ---- HSL ----

// Luminance steps 0..239 at the held hue and saturation.
LColorPicker::LColorPicker(QWidget* parent)
    : ComponentPicker({{239, 240, 240}, {0, 240, 120}, 2, 240, "%l", "Luminance: %l"}, parent)
{
    setOrientation(Orientation::Vertical);
    resize(sizeHint());
}

TColor LColorPicker::compose(const std::array<int, 3>& c) const
{
    return PickerHslToRgb(c[0], c[1], c[2]);
}

std::array<int, 3> LColorPicker::decompose(TColor c) const
{
    std::array<int, 3> hsl{};
    PickerRgbToHsl(c, hsl[0], hsl[1], hsl[2]);
    return hsl;
}

} // namespace tessaro::controls
