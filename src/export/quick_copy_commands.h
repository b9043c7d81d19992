// The quick copy commands on the clipboard: the eight notations and the
// seven CSS Color 4 notations of the main colour (or of the selected list
// entries) and the four bitmaps, and the menu of the main window's Copy
// button that offers them.
#pragma once

#include "engine/color_text.h"
#include "engine/css_color.h"
#include "export/copy_sources.h"
#include "platform/platform.h"

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace tessaro::exporting {

class QuickCopyCommands : public QObject {
    Q_OBJECT
public:
    QuickCopyCommands(const platform::Platform& platform, CopySources sources, QWidget* dialogParent,
                      QObject* parent = nullptr);

    // The notation's text; a conversion error is shown and the clipboard
    // keeps what it had.
    void CopyText(CopyNotation notation);
    void CopyText(CssNotation notation);
    void CopyMainColorBitmap();
    void CopyWheelBitmap();
    void CopyVariationsBitmap();
    void CopyHarmoniesBitmap();

    // The Copy button's menu: the eight notations, the CSS notations, the
    // four bitmaps, a separator and "M&ore..." running `more`.
    void BuildMenu(QMenu* menu, std::function<void()> more);

private:
    // Puts the text on the clipboard; a conversion error is shown instead.
    void CopyMadeText(const std::function<std::string()>& make);

    platform::Platform platform_;
    CopySources sources_;
    QWidget* dialogParent_;
};

} // namespace tessaro::exporting
