// The main window: owns the main colour, runs the update cycle and shows the
// wheel, the harmonies, the quick variations and the colour values.
#pragma once

#include "platform/platform.h"
#include "workspace/main_color_state.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QMenu;

namespace tessaro::controls {
class Swatch;
class TitleBar;
class ToolbarButton;
}

namespace tessaro::colorlist {
class HistoryWindow;
}

namespace tessaro::workspace {

class ColorValuesPanel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 513;
    static constexpr int kClientHeight = 457;
    static constexpr int kRolledUpHeight = 20;

    // `dataFolder` ends with "/" and holds the optional colour name list.
    MainWindow(const platform::Platform& platform, const QString& dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainColorState& state() const { return state_; }

    // Sets the main colour's bytes from the colour and runs the update
    // cycle; the RGB sliders follow. Records nothing.
    void SetMainColor(TColor color);
    // The update cycle after the bytes (or the HSL values) have been set.
    void UpdateFromRgb();
    void UpdateFromHsl();
    void ShowHint(const QString& text);
    QString hintText() const { return hint_; }

    // Loads the colour name list if the file exists in the data folder.
    void LoadColorNames();
    // The last step of start-up: from now on colour names are looked up.
    void SetReady();

    // Records the main colour in the history; every command that records
    // goes through here.
    void RecordHistoryStep();
    void setHistory(colorlist::HistoryWindow* history);
    void Undo();
    void Redo();

    // The editing commands of the "Color Values" menu and the keyboard.
    void RandomColorCommand();
    void InvertColorCommand();
    void LightenCommand(int step);
    void SaturateCommand(int step);
    void MakeWebsafeCommand();
    void ColorDialogCommand();
    void SetColorToCommand(TColor color);
    // Makes every colour found in the clipboard's text the main colour in
    // turn, each recorded.
    void Paste();

    bool isRolledUp() const { return rolledUp_; }
    void ToggleSuperMinimize();
    bool isStayOnTop() const { return stayOnTop_; }
    void ToggleStayOnTop();

    // Handles a key of the main window's keyboard table; true when it was one.
    bool HandleShortcut(int key, Qt::KeyboardModifiers modifiers);

    ColorValuesPanel* colorValues() const { return values_; }
    QMenu* mainMenu() const { return mainMenu_; }

signals:
    // The window is closing: the program's shutdown runs now.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTitleBar();
    void buildToolbar();
    void buildWheelSection();
    void buildHarmonySection();
    void buildValuesSection();
    void buildColorListSection();
    void buildHintLine();
    controls::Swatch* addDerivedSwatch(const QString& name, const QRect& geometry, bool rightClickSets);
    void showState();
    // Sets the bytes (or the HSL values) and runs the update cycle.
    void SetRgbAndUpdate(RgbTriple rgb);
    void SetHslAndUpdate(HslTriple hsl);
    const KeyValueText* nameLookup() const;
    void showConversionError(const QString& message);
    // Sets the main colour from a command and records it.
    void ApplyCommandColor(TColor color);
    void ApplyHexField(const QString& text);
    void buildValuesMenu();
    // The mouse is over the bare window or toolbar: icons lose their
    // highlight and the hint line empties.
    void clearToolbarHighlight();
    controls::ToolbarButton* addToolbarButton(int index, const QString& name, const QString& toolTip,
                                              const QString& hint, int icon);

    platform::Platform platform_;
    QString dataFolder_;
    MainColorState state_;
    std::string decimalSeparator_;
    QString hint_;
    colorlist::HistoryWindow* history_ = nullptr;
    std::vector<controls::ToolbarButton*> toolbarButtons_;
    QWidget* toolbar_ = nullptr;
    bool rolledUp_ = false;
    bool stayOnTop_ = false;

    controls::TitleBar* titleBar_ = nullptr;
    QMenu* mainMenu_ = nullptr;
    QMenu* valuesMenu_ = nullptr;
    controls::Swatch* mainSwatch_ = nullptr;
    std::array<controls::Swatch*, 12> wheel_{};
    std::vector<controls::Swatch*> harmony_;     // Shape14 .. Shape32
    std::array<controls::Swatch*, 10> variations_{};
    ColorValuesPanel* values_ = nullptr;
    QLabel* hintLabel_ = nullptr;
};

} // namespace tessaro::workspace
