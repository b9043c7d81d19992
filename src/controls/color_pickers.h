// The six gradient slider pickers: red, green, blue, hue, saturation and
// luminance. Each holds three components; one of them is the slider's value,
// the other two are held and decide the colours of the gradient.
#pragma once

#include "controls/trackbar_picker.h"

#include <array>

namespace tessaro::controls {

// A picker over three components, one of which is its value.
class ComponentPicker : public TrackBarPicker {
    Q_OBJECT

public:
    int value() const override { return components_[valueIndex_]; }
    void setValue(int v) override { setComponent(valueIndex_, v); }
    int minimum() const override { return 0; }
    int maximum() const override { return maxima_[valueIndex_]; }
    TColor selectedColor() const override;
    void setSelectedColor(TColor c) override;

protected:
    struct Scale {
        std::array<int, 3> maxima;   // each component runs 0..maximum
        std::array<int, 3> initial;
        int valueIndex;              // which component the slider moves
        int gradientSteps;           // pixels in the gradient strip
        const char* placeholder;     // of the hint format
        const char* hintFormat;
    };
    ComponentPicker(const Scale& scale, QWidget* parent);

    int component(int index) const { return components_[index]; }
    // Clamps; when the component changed: the arrow moves (the value) or the
    // gradient is rebuilt (a held component), then changed() is emitted.
    void setComponent(int index, int v);

    virtual TColor compose(const std::array<int, 3>& components) const = 0;
    virtual std::array<int, 3> decompose(TColor c) const = 0;

    bool storeValue(int v) override;
    int gradientSteps() const override { return steps_; }
    TColor gradientStepColor(int step) const override;
    QString hintPlaceholder() const override { return placeholder_; }

private:
    std::array<int, 3> components_;
    std::array<int, 3> maxima_;
    int valueIndex_;
    int steps_;
    QString placeholder_;
};

// Red, green and blue 0..255; the colour is RGB(red, green, blue).
class RgbComponentPicker : public ComponentPicker {
    Q_OBJECT

public:
    int red() const { return component(0); }
    void setRed(int v) { setComponent(0, v); }
    int green() const { return component(1); }
    void setGreen(int v) { setComponent(1, v); }
    int blue() const { return component(2); }
    void setBlue(int v) { setComponent(2, v); }

protected:
    RgbComponentPicker(int valueIndex, const char* placeholder, const char* hintFormat, QWidget* parent);
    TColor compose(const std::array<int, 3>& components) const override;
    std::array<int, 3> decompose(TColor c) const override;
};

// HSV: hue 0..360, saturation and value 0..255, in the pickers' own
// integer arithmetic.
class HsvComponentPicker : public ComponentPicker {
    Q_OBJECT

public:
    int hue() const { return component(0); }
    void setHue(int v) { setComponent(0, v); }
    int saturation() const { return component(1); }
    void setSaturation(int v) { setComponent(1, v); }
    int hsvValue() const { return component(2); }
    void setHsvValue(int v) { setComponent(2, v); }

protected:
    HsvComponentPicker(int valueIndex, int gradientSteps, const char* placeholder,
                        const char* hintFormat, QWidget* parent);
    TColor compose(const std::array<int, 3>& components) const override;
    std::array<int, 3> decompose(TColor c) const override;
};

// Value: red. Vertical when created.
class RColorPicker : public RgbComponentPicker {
    Q_OBJECT
public:
    explicit RColorPicker(QWidget* parent = nullptr);
};

// Value: green. Vertical when created.
class GColorPicker : public RgbComponentPicker {
    Q_OBJECT
public:
    explicit GColorPicker(QWidget* parent = nullptr);
};

// Value: blue. Vertical when created.
class BColorPicker : public RgbComponentPicker {
    Q_OBJECT
public:
    explicit BColorPicker(QWidget* parent = nullptr);
};

// Value: hue 0..360; saturation and value start at 255. In the vertical
// layout the hue grows downward.
class HColorPicker : public HsvComponentPicker {
    Q_OBJECT
public:
    explicit HColorPicker(QWidget* parent = nullptr);

protected:
    bool growsDownward() const override { return true; }
};

// Value: HSV saturation 0..255.
class SColorPicker : public HsvComponentPicker {
    Q_OBJECT
public:
    explicit SColorPicker(QWidget* parent = nullptr);
};

// HSL on hue 0..239, saturation and luminance 0..240; value: luminance.
// Vertical when created.
class LColorPicker : public ComponentPicker {
    Q_OBJECT

public:
    explicit LColorPicker(QWidget* parent = nullptr);

    int hue() const { return component(0); }
    void setHue(int v) { setComponent(0, v); }
    int saturation() const { return component(1); }
    void setSaturation(int v) { setComponent(1, v); }
    int luminance() const { return component(2); }
    void setLuminance(int v) { setComponent(2, v); }

protected:
    TColor compose(const std::array<int, 3>& components) const override;
    std::array<int, 3> decompose(TColor c) const override;
};

} // namespace tessaro::controls
