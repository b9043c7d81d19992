// The Scales window: scales built in OKLCH from the main colour, redrawn on
// every change of it. The tonal scale (eleven steps, the one nearest the
// main colour marked), the contrast scale against a background swatch (a
// drop target) for WCAG 2 or APCA targets, and a perceptual harmony. Every
// swatch is a drag source; the scales are added to the colour list, copied
// or exported in the scale formats.
#pragma once

#include "controls/tool_window.h"
#include "engine/color_scales.h"
#include "export/scale_text.h"
#include "state/settings_table.h"

#include <QMap>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tessaro::colorlist {
class ColorListCommands;
}

namespace tessaro::controls {
class Swatch;
}

namespace tessaro::workspace {
class MainColor;
class SettingsStore;
}

namespace tessaro::tools {

class ScalesWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 328;
    static constexpr int kHeight = 268;
    static constexpr int kTitleHeight = 19;
    static constexpr int kTonalSteps = 11;
    static constexpr int kContrastTargets = 6;
    static constexpr int kHarmonyMembers = 4;

    enum class Scale { Tonal, Contrast, Harmony };

    ScalesWindow(const platform::Platform& platform, workspace::MainColor& mainColor,
                 colorlist::ColorListCommands& list, QWidget* parent = nullptr);

    // The scales as shown now.
    const TonalScale& tonal() const { return tonal_; }
    const std::vector<ScaleSwatch>& contrast() const { return contrast_; }
    const std::vector<ScaleSwatch>& harmony() const { return harmony_; }
    const std::vector<ScaleSwatch>& swatchesOf(Scale scale) const;

    controls::Swatch* tonalSwatch(int step) const { return tonalSwatches_[std::size_t(step)]; }
    controls::Swatch* contrastSwatch(int index) const { return contrastSwatches_[std::size_t(index)]; }
    controls::Swatch* harmonySwatch(int index) const { return harmonySwatches_[std::size_t(index)]; }
    controls::Swatch* backgroundSwatch() const { return background_; }
    QLabel* nearestMarker() const { return nearestMarker_; }
    QComboBox* metricBox() const { return metric_; }
    QComboBox* harmonyBox() const { return harmonyChoice_; }
    QPushButton* addAllButton() const { return addAll_; }
    QMenu* menu() const { return menu_; }

    TColor backgroundColor() const;
    void setBackgroundColor(TColor color);
    ContrastMetric metric() const;
    void setMetric(ContrastMetric metric);

    // Every colour of the three scales (unreachable targets left out), in
    // the order shown, appended to the end of the colour list.
    void AddAllToColorList();
    // The scale in a format, as copied or exported.
    std::string ScaleText(Scale scale, exporting::ScaleFormat format) const;
    void CopyScale(Scale scale, exporting::ScaleFormat format);
    // Asks for a file and writes the scale into it.
    void ExportScale(Scale scale, exporting::ScaleFormat format);

    // The background (white when missing or not a colour) and the metric.
    void ReadSettings(const workspace::SettingsStore& settings);
    void WriteSettings(QMap<workspace::Setting, QString>& live) const;

    // Builds the scales again from the main colour.
    void Refresh();

private:
    void buildMenu();
    void showTonal();
    void showContrast();
    void showHarmony();

    workspace::MainColor& mainColor_;
    colorlist::ColorListCommands& list_;
    TonalScale tonal_;
    std::vector<ScaleSwatch> contrast_;
    std::vector<ScaleSwatch> harmony_;
    std::array<controls::Swatch*, kTonalSteps> tonalSwatches_{};
    std::array<QLabel*, kTonalSteps> tonalNames_{};
    QLabel* nearestMarker_ = nullptr;
    controls::Swatch* background_ = nullptr;
    QComboBox* metric_ = nullptr;
    std::array<controls::Swatch*, kContrastTargets> contrastSwatches_{};
    std::array<QLabel*, kContrastTargets> contrastNames_{};
    std::array<QLabel*, kContrastTargets> unreachable_{};
    QComboBox* harmonyChoice_ = nullptr;
    std::array<controls::Swatch*, kHarmonyMembers> harmonySwatches_{};
    std::array<QLabel*, kHarmonyMembers> harmonyNames_{};
    QPushButton* addAll_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace tessaro::tools
