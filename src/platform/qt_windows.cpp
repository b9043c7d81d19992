#include "platform/qt_windows.h"

#include "platform/wayland_session.h"
#include "platform/x11_window_state.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <utility>

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

// The tool windows hidden by a minimise, shown again when the user restores
// one of the minimised windows.
class MinimizedWindows : public QObject {
public:
    void watch(QWidget* minimized)
    {
        minimized_ << minimized;
        minimized->installEventFilter(this);
    }
    void hideUntilRestored(QWidget* tool)
    {
        hidden_ << tool;
        tool->hide();
    }
    // The window is shown by other means; a restore leaves it alone.
    void forget(QWidget* tool) { hidden_.removeAll(tool); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange &&
            !static_cast<QWidget*>(watched)->windowState().testFlag(Qt::WindowMinimized))
            restore();
        return false;
    }

private:
    void restore()
    {
        for (const QPointer<QWidget>& window : std::as_const(minimized_)) {
            if (window)
                window->removeEventFilter(this);
        }
        const QList<QPointer<QWidget>> hidden = std::exchange(hidden_, {});
        minimized_.clear();
        for (const QPointer<QWidget>& tool : hidden) {
            if (tool && !tool->isVisible())
                tool->show();
        }
    }

    QList<QPointer<QWidget>> minimized_;
    QList<QPointer<QWidget>> hidden_;
};

// Asks the window manager again, each time a kept-above window is shown: it
// forgets the state of a window that was hidden (withdrawn).
class KeepAboveOnShow : public QObject {
public:
    void watch(QWidget* window)
    {
        window->removeEventFilter(this);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        // Queued: the request must reach the window manager after the
        // window's map request, which follows the show event.
        QPointer<QWidget> window = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(this, [window] {
            if (window && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                RequestKeepAbove(window->windowHandle(), true);
        }, Qt::QueuedConnection);
        return false;
    }
};

QtWindows::QtWindows()
    : minimized_(std::make_unique<MinimizedWindows>()), keepAbove_(std::make_unique<KeepAboveOnShow>())
{
}

QtWindows::~QtWindows() = default;

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
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    if (RunsNativelyOnWayland()) {
        window->overrideWindowFlags(flags ^ Qt::WindowStaysOnTopHint);
        return;
    }
    if (OnX11()) {
        // The widget keeps the flag as its record; the native window's own
        // flags stay, since Qt makes a new native window at the next show
        // when they change. The window manager changes the window in place.
        window->overrideWindowFlags(flags ^ Qt::WindowStaysOnTopHint);
        keepAbove_->watch(window);
        if (window->isVisible())
            RequestKeepAbove(window->windowHandle(), topmost);
        return;
    }
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    // Changing a flag hides the window.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window->setGeometry(geometry);
        window->show();
    }
}

bool QtWindows::canKeepOnTop() const
{
    return !RunsNativelyOnWayland();
}

bool QtWindows::knowsWindowPlaces() const
{
    return !RunsNativelyOnWayland();
}

void QtWindows::setOpacity(QWidget* window, int opacity)
{
    if (window && !RunsNativelyOnWayland())
        window->window()->setWindowOpacity(std::clamp(opacity, 0, 255) / 255.0);
}

void QtWindows::hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden)
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
    auto shown = std::make_shared<bool>(false);
    ShowAgain showAgain = [hidden, active, shown] {
        if (std::exchange(*shown, true))
            return;
        // Windows shown while these were hidden (the eye dropper's screen)
        // stay in front.
        const QList<QWidget*> shownMeanwhile = VisibleTopLevelWidgets();
        for (const QPointer<QWidget>& widget : hidden) {
            if (widget)
                widget->show();
        }
        for (QWidget* widget : shownMeanwhile)
            widget->raise();
        if (!shownMeanwhile.isEmpty())
            shownMeanwhile.last()->activateWindow();
        else if (active)
            active->activateWindow();
    };
    QTimer::singleShot(std::max(delayMs, 0), qApp,
                       [showAgain = std::move(showAgain), whileHidden = std::move(whileHidden)] {
                           if (whileHidden)
                               whileHidden(showAgain);
                           else
                               showAgain();
                       });
}

void QtWindows::minimizeApplication()
{
    QList<QWidget*> taskbarWindows;
    QList<QWidget*> toolWindows;
    for (QWidget* widget : VisibleTopLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::Tool)
            toolWindows << widget;
        else if (type != Qt::Popup && type != Qt::ToolTip)
            taskbarWindows << widget;
    }
    // Without a window to restore them from, tool windows minimise too.
    if (taskbarWindows.isEmpty() || RunsNativelyOnWayland()) {
        for (QWidget* window : taskbarWindows)
            window->showMinimized();
        for (QWidget* tool : toolWindows)
            tool->showMinimized();
        return;
    }
    for (QWidget* tool : toolWindows)
        minimized_->hideUntilRestored(tool);
    for (QWidget* window : taskbarWindows) {
        window->showMinimized();
        minimized_->watch(window);
    }
}

void QtWindows::showToolWindow(QWidget* window)
{
    if (!window)
        return;
    window = window->window();
    minimized_->forget(window);
    if (window->windowState().testFlag(Qt::WindowMinimized))
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
}

} // namespace tessaro::platform
