#include "workspace/main_toolbar.h"

#include "controls/toolbar_button.h"

namespace tessaro::workspace {

MainToolbar::MainToolbar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("toolbarPNL"));
    setGeometry(kGeometry);
    setMouseTracking(true);
}

controls::ToolbarButton* MainToolbar::addButton(int index, const QString& name, const QString& toolTip,
                                                ToolbarIcon icon)
{
    auto* button = new controls::ToolbarButton(ToolbarPicture(icon, false), ToolbarPicture(icon, true), this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->move(7 + 40 * index, 4);
    buttons_.push_back(button);
    return button;
}

void MainToolbar::clearHighlight()
{
    for (controls::ToolbarButton* button : buttons_)
        button->setHighlighted(false);
}

void MainToolbar::mouseMoveEvent(QMouseEvent* event)
{
    emit backgroundHovered();
    QWidget::mouseMoveEvent(event);
}

} // namespace tessaro::workspace
