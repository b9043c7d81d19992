// The "Load Wheel Style" chooser: the *.whl files of the CWSs folder; a
// click applies a style at once, a double click applies it and closes,
// "Done" applies the selected one and closes. It remembers the style last
// chosen (settings key lastwhl).
#pragma once

#include "controls/tool_window.h"

#include <functional>

class QListWidget;
class QToolButton;

namespace tessaro::workspace {

class WheelStyleChooser : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 211;
    static constexpr int kHeight = 243;
    // The height a roll-up comes back to.
    static constexpr int kRestoredHeight = 259;
    static constexpr int kTitleHeight = 19;

    // `apply` applies the style file at a path; false when a conversion
    // error stopped it (the remembered style then stays as it was).
    WheelStyleChooser(const platform::Platform& platform, const QString& folder,
                      std::function<bool(const QString&)> apply, QWidget* parent = nullptr);

    QListWidget* files() const { return files_; }
    QString lastWheelStyle() const { return lastWheelStyle_; }
    // Applies `path` when it exists and remembers it when it applied.
    void Choose(const QString& path);
    // The start-up: applies the remembered style when its file exists.
    void Restore(const QString& path);

    // Re-reads the folder and shows the chooser centred on `anchor`
    // horizontally and 50 pixels below its top, modally.
    void ShowOver(const QWidget* anchor);
    void Done();

private:
    void readFolder();
    QString pathOf(int row) const;

    QString folder_;
    std::function<bool(const QString&)> apply_;
    QListWidget* files_;
    QToolButton* done_;
    QString lastWheelStyle_;
};

} // namespace tessaro::workspace
