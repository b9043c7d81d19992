// "Load Wheel Style": the wheel style files of the program's CWSs folder,
// one line each. A click applies a style at once, a double click applies
// it and closes, "Done" applies the selected one and closes. The style last
// chosen is remembered and applied again at the next start.
#pragma once

#include "controls/tool_window.h"

class QListWidget;
class QPushButton;

namespace tessaro::workspace {

class WheelSection;

class WheelStyleChooser : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 211;
    static constexpr int kHeight = 243;
    static constexpr int kTitleHeight = 19;

    // `folder` ends with "/".
    WheelStyleChooser(const platform::Platform& platform, WheelSection& wheel, const QString& folder,
                      QWidget* parent = nullptr);

    QListWidget* files() const { return files_; }
    QPushButton* doneButton() const { return done_; }
    const QString& lastWheelStyle() const { return lastWheelStyle_; }
    // The style chosen before the chooser was built.
    void setLastWheelStyle(const QString& path) { lastWheelStyle_ = path; }

    // Reads the style files again and shows the chooser over `main`:
    // centred across it, 50 pixels below its top, modal.
    void Open(QWidget* main);
    // Reads the style file at `path` and applies it to the wheel. A value
    // that is not an integer is reported; what came before it stays
    // applied. False when the file is missing or bad.
    bool ApplyWheelStyle(const QString& path);
    // A file chosen in the list: applied, and remembered when it applied
    // cleanly. A file gone since the list was read is ignored.
    void Choose(const QString& path);
    // At start: the remembered style, when its file is still there.
    void ApplyRemembered(const QString& path);
    // The same without a chooser: applies the remembered style to `wheel`
    // (a bad value is reported over the wheel's window) and returns the
    // style that stays chosen, empty when its file is gone.
    static QString ApplyRememberedTo(const platform::Platform& platform, WheelSection& wheel, const QString& path);

private:
    // ApplyWheelStyle with its message over `parent`.
    static bool ApplyStyleFile(const platform::Platform& platform, WheelSection& wheel, const QString& path,
                               QWidget* parent);
    QString pathOfRow(int row) const;
    void readFiles();

    WheelSection& wheel_;
    QString folder_;
    QString lastWheelStyle_;
    QListWidget* files_;
    QPushButton* done_;
};

} // namespace tessaro::workspace
