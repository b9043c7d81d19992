#include "platform/qt_windows.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tessaro::platform {

namespace {

// Moves a window with the mouse until the left button is released; deletes
// itself then.
class MouseMove : public QObject {
public:
    explicit MouseMove(QWidget* window)
        : window_(window), windowStart_(window->pos()), cursorStart_(QCursor::pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!window_) {
            deleteLater();
            return false;
        }
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton)
                window_->move(windowStart_ + (mouse->globalPosition().toPoint() - cursorStart_));
            else
                finish();
        } else if (event->type() == QEvent::MouseButtonRelease
                   && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            finish();
        }
        return false;
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPoint windowStart_;
    QPoint cursorStart_;
};

QList<QWidget*> VisibleTopLevelWidgets()
{
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowType() != Qt::Desktop)
            visible << widget;
    }
    return visible;
}

} // namespace

void QtWindows::startMove(QWidget* window)
{
    if (!window)
        return;
    window = window->window();
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new MouseMove(window);
}

void QtWindows::setTopmost(QWidget* window, bool topmost)
{
    if (!window)
        return;
    window = window->window();
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    // Changing a flag hides the window.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window->setGeometry(geometry);
        window->show();
    }
}

void QtWindows::setOpacity(QWidget* window, int opacity)
{
    if (window)
        window->window()->setWindowOpacity(std::clamp(opacity, 0, 255) / 255.0);
}

void QtWindows::hideProgramWindows(int delayMs, std::function<void()> whileHidden)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    QList<QPointer<QWidget>> hidden;
    for (QWidget* widget : VisibleTopLevelWidgets()) {
        // An open menu or tooltip closes for good.
        const Qt::WindowType type = widget->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip)
            hidden << widget;
        widget->hide();
    }
    QTimer::singleShot(std::max(delayMs, 0), qApp, [hidden, active, whileHidden = std::move(whileHidden)] {
        if (whileHidden)
            whileHidden();
        // Windows the call showed (the eye dropper's screen) stay in front.
        const QList<QWidget*> shownByCall = VisibleTopLevelWidgets();
        for (const QPointer<QWidget>& widget : hidden) {
            if (widget)
                widget->show();
        }
        for (QWidget* widget : shownByCall)
            widget->raise();
        if (!shownByCall.isEmpty())
            shownByCall.last()->activateWindow();
        else if (active)
            active->activateWindow();
    });
}

void QtWindows::minimizeApplication()
{
    for (QWidget* widget : VisibleTopLevelWidgets())
        widget->showMinimized();
}

} // namespace tessaro::platform
