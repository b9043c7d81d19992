#include "controls/color_pickers.h"

#include "controls/picker_math.h"

#include <algorithm>

namespace tessaro::controls {

// ---- TComponentPicker ----

TComponentPicker::TComponentPicker(const Scale& scale, QWidget* parent)
    : TmbTrackBarPicker(parent)
    , m_components(scale.initial)
    , m_maxima(scale.maxima)
    , m_valueIndex(scale.valueIndex)
    , m_steps(scale.gradientSteps)
    , m_placeholder(QString::fromLatin1(scale.placeholder))
{
    setHintFormat(QString::fromLatin1(scale.hintFormat));
}

TColor TComponentPicker::selectedColor() const
{
    return shownColor(compose(m_components));
}

void TComponentPicker::setSelectedColor(TColor c)
{
    const std::array<int, 3> components = decompose(shownColor(c));
    for (int i = 0; i < 3; ++i)
        m_components[i] = std::clamp(components[i], 0, m_maxima[i]);
    refreshGradient();
    refreshValue();
    emit changed();
}

void TComponentPicker::setComponent(int index, int v)
{
    const int clamped = std::clamp(v, 0, m_maxima[index]);
    if (m_components[index] == clamped)
        return;
    m_components[index] = clamped;
    if (index == m_valueIndex)
        refreshValue();
    else
        refreshGradient();
    emit changed();
}

bool TComponentPicker::storeValue(int v)
{
    const int clamped = std::clamp(v, 0, m_maxima[m_valueIndex]);
    if (m_components[m_valueIndex] == clamped)
        return false;
    m_components[m_valueIndex] = clamped;
    return true;
}

TColor TComponentPicker::gradientStepColor(int step) const
{
    std::array<int, 3> components = m_components;
    components[m_valueIndex] = step;
    return compose(components);
}

// ---- RGB ----

TRgbComponentPicker::TRgbComponentPicker(int valueIndex, const char* placeholder,
                                         const char* hintFormat, QWidget* parent)
    : TComponentPicker({{255, 255, 255}, {0, 0, 0}, valueIndex, 256, placeholder, hintFormat}, parent)
{
    setOrientation(Orientation::Vertical);
    resize(sizeHint());
}

TColor TRgbComponentPicker::compose(const std::array<int, 3>& c) const
{
    return MakeColor(std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2]));
}

std::array<int, 3> TRgbComponentPicker::decompose(TColor c) const
{
    return {RedOf(c), GreenOf(c), BlueOf(c)};
}

TRColorPicker::TRColorPicker(QWidget* parent)
    : TRgbComponentPicker(0, "%r", "Red: %r", parent)
{
}

TGColorPicker::TGColorPicker(QWidget* parent)
    : TRgbComponentPicker(1, "%g", "Green: %g", parent)
{
}

TBColorPicker::TBColorPicker(QWidget* parent)
    : TRgbComponentPicker(2, "%b", "Blue: %b", parent)
{
}

// ---- HSV ----

THsvComponentPicker::THsvComponentPicker(int valueIndex, int gradientSteps, const char* placeholder,
                                         const char* hintFormat, QWidget* parent)
    : TComponentPicker({{360, 255, 255}, {0, 255, 255}, valueIndex, gradientSteps, placeholder, hintFormat},
                       parent)
{
}

TColor THsvComponentPicker::compose(const std::array<int, 3>& c) const
{
    return PickerHsvToRgb(c[0], c[1], c[2]);
}

std::array<int, 3> THsvComponentPicker::decompose(TColor c) const
{
    std::array<int, 3> hsv{};
    PickerRgbToHsv(c, hsv[0], hsv[1], hsv[2]);
    return hsv;
}

// Hue steps 0..359 at the held saturation and value.
THColorPicker::THColorPicker(QWidget* parent)
    : THsvComponentPicker(0, 360, "%h", "Hue: %h", parent)
{
}

// Saturation steps 0..254 at the held hue and value.
TSColorPicker::TSColorPicker(QWidget* parent)
    : THsvComponentPicker(1, 255, "%s", "Saturation: %s", parent)
{
}

// ---- HSL ----

// Luminance steps 0..239 at the held hue and saturation.
TLColorPicker::TLColorPicker(QWidget* parent)
    : TComponentPicker({{239, 240, 240}, {0, 240, 120}, 2, 240, "%l", "Luminance: %l"}, parent)
{
    setOrientation(Orientation::Vertical);
    resize(sizeHint());
}

TColor TLColorPicker::compose(const std::array<int, 3>& c) const
{
    return PickerHslToRgb(c[0], c[1], c[2]);
}

std::array<int, 3> TLColorPicker::decompose(TColor c) const
{
    std::array<int, 3> hsl{};
    PickerRgbToHsl(c, hsl[0], hsl[1], hsl[2]);
    return hsl;
}

} // namespace tessaro::controls
