// The "Color Values" section: page 1 with the six value edits, their
// sliders, the hex field, the websafe label and the colour name; page 2
// with the extended values; page 3 with the OKLCH edits and sliders and
// the OKLab, CIE Lab and LCH lines.
#pragma once

#include "engine/color.h"
#include "engine/perceptual.h"
#include "state/main_color_state.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace tessaro::controls {
class OklchComponentPicker;
class TrackBarPicker;
}

namespace tessaro::workspace {

class ValueEdit;
class HexEdit;

class ColorValuesPanel : public QWidget {
    Q_OBJECT
public:
    explicit ColorValuesPanel(QWidget* parent = nullptr);

    // Shows the state; the slider being dragged keeps its position.
    void showState(const MainColorState& state);
    // Sets the red, green and blue sliders to a colour.
    void setRgbSliders(TColor color);
    void showPage(int page);
    int page() const;

    controls::TrackBarPicker* draggedSlider() const { return dragged_; }
    // Page 3: lightness, chroma, hue.
    QLineEdit* oklchEdit(int index) const { return oklchEdits_[std::size_t(index)]; }
    controls::OklchComponentPicker* oklchSlider(int index) const { return oklchSliders_[std::size_t(index)]; }
    QLabel* perceptualLine(int index) const { return perceptualLines_[std::size_t(index)]; }
    QLabel* websafeLabel() const { return websafe_; }

signals:
    // Enter (or "+"/"-") in an RGB or HSL edit, with the clamped values.
    void rgbEntered(RgbTriple rgb);
    void hslEntered(HslTriple hsl);
    // Enter in the hex field, with its text.
    void hexEntered(const QString& text);
    // A dragged slider changed: the main colour's bytes or HSL values.
    void sliderRgb(RgbTriple rgb);
    void sliderHsl(HslTriple hsl);
    // Enter in an OKLCH edit, with the three values clamped to their
    // ranges (not yet gamut-mapped).
    void oklchEntered(tessaro::OkLch oklch);
    // A dragged OKLCH slider changed: its colour, gamut-mapped.
    void sliderColor(tessaro::TColor color);
    // A slider lost the focus after it had it: one history step.
    void sliderLeft();
    void websafeClicked();
    // A text that should be a number is not.
    void conversionError(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Channel { Red, Green, Blue, Hue, Saturation, Lightness, ChannelCount };

    void buildPage1();
    void buildPage2();
    void buildPage3();
    void applyOklchEdits();
    void showOklch(TColor color);
    void applyEdit(Channel channel);
    void stepEdit(Channel channel, int delta);
    // Rewrites the texts of the channel's group (RGB or HSL) within range.
    void clampGroup(Channel channel);
    void onSliderChanged(Channel channel);

    std::array<ValueEdit*, ChannelCount> edits_{};
    std::array<controls::TrackBarPicker*, ChannelCount> sliders_{};
    controls::TrackBarPicker* dragged_ = nullptr;
    HexEdit* hexEdit_ = nullptr;
    QLabel* websafe_ = nullptr;
    QLabel* colorName_ = nullptr;
    QWidget* page1_ = nullptr;
    QWidget* page2_ = nullptr;
    std::array<QLabel*, 5> extendedLabels_{};
    QWidget* page3_ = nullptr;
    std::array<QLineEdit*, 3> oklchEdits_{};
    std::array<controls::OklchComponentPicker*, 3> oklchSliders_{};
    std::array<QLabel*, 3> perceptualLines_{};
    // The state's HSL values as last shown, which the HSL sliders start from.
    HslTriple shownHsl_;
    RgbTriple shownRgb_;
};

} // namespace tessaro::workspace
