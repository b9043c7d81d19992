// The commands that edit the main colour from the main window: the "Color
// Values" menu, Paste and the hex field. Each makes its colour the main
// colour and records it in the history.
#pragma once

#include "engine/color.h"
#include "platform/platform.h"

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace tessaro::workspace {

class MainColor;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    // `dialogParent` owns the dialogs the commands open.
    EditingCommands(const platform::Platform& platform, MainColor& mainColor, QWidget* dialogParent);

    void RandomColor();
    void InvertColor();
    void Lighten(int step);
    void Saturate(int step);
    void MakeWebsafe();
    void ColorDialog();
    void SetColorTo(TColor color);
    // Every colour found in the clipboard's text in turn: added to the
    // colour list through the sink, made the main colour and recorded.
    void Paste();
    // Where pasted colours go into the colour list.
    void setPastedColorSink(std::function<void(TColor)> sink) { pastedColorSink_ = std::move(sink); }
    // Enter in the hex field; an invalid text shows the conversion error.
    void ApplyHexField(const QString& text);
    // "'text' is not a valid integer value".
    void ShowConversionError(const QString& message);

    // Fills the "Color Values" menu with the commands; `showPage` switches
    // the values panel's page.
    void BuildValuesMenu(QMenu* menu, std::function<void(int)> showPage);

private:
    platform::Platform platform_;
    MainColor& mainColor_;
    QWidget* dialogParent_;
    std::function<void(TColor)> pastedColorSink_;
};

} // namespace tessaro::workspace
