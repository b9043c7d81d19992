// The main window's toolbar: 32 x 32 icons at x = 8, 48, ..., 408 that show
// their highlighted picture while the mouse is over them; the mouse over the
// toolbar's background takes every highlight away.
#pragma once

#include "workspace/toolbar_icons.h"

#include <QWidget>

#include <vector>

namespace tessaro::controls {
class ToolbarButton;
}

namespace tessaro::workspace {

class MainToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{1, 19, 511, 40};

    explicit MainToolbar(QWidget* parent);

    // The icon in slot `index` (0 .. 10).
    controls::ToolbarButton* addButton(int index, const QString& name, const QString& toolTip, ToolbarIcon icon);
    const std::vector<controls::ToolbarButton*>& buttons() const { return buttons_; }
    void clearHighlight();

signals:
    // The mouse moved over the toolbar's background.
    void backgroundHovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::vector<controls::ToolbarButton*> buttons_;
};

} // namespace tessaro::workspace
