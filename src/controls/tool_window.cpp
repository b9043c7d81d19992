#include "controls/tool_window.h"

#include "controls/title_bar.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace tessaro::controls {

ToolWindow::ToolWindow(const platform::Platform& platform, const QString& caption, QSize size, int titleHeight,
                       Qt::WindowType type, QWidget* parent)
    : QWidget(parent, type | Qt::FramelessWindowHint),
      platform_(platform),
      titleBar_(new TitleBar(caption, titleHeight, this)),
      restoredHeight_(size.height()),
      fadeTimer_(this)
{
    setWindowTitle(caption);
    setFixedSize(size);
    titleBar_->setGeometry(0, 0, size.width(), titleHeight);
    connect(titleBar_, &TitleBar::pressed, this, [this] { titlePressed(); });
    connect(titleBar_, &TitleBar::moveRequested, this, [this] { platform_.windows->startMove(this); });
    connect(titleBar_, &TitleBar::doubleClicked, this, [this] { titleDoubleClicked(); });

    fadeTimer_.setObjectName(QStringLiteral("fadeTimer"));
    fadeTimer_.setInterval(kFadeTickMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &ToolWindow::FadeTick);
}

// Children destroyed after this (a line edit losing the focus reports its
// text, a list its selection) must not reach the window's slots: the
// derived window is already gone by then.
ToolWindow::~ToolWindow()
{
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

QToolButton* ToolWindow::addTitleButton(const QString& objectName, const QString& glyph, const QString& toolTip)
{
    return titleBar_->addButton(objectName, glyph, toolTip);
}

QToolButton* ToolWindow::addMenuButton(const QString& objectName, QMenu* menu)
{
    QToolButton* button = titleBar_->addMenuButton(objectName, tr("Menu"));
    connect(button, &QToolButton::clicked, this,
            [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    return button;
}

QToolButton* ToolWindow::addCloseButton()
{
    QToolButton* button = addTitleButton(QStringLiteral("closeButton"), QStringLiteral("\u2715"), tr("Close"));
    connect(button, &QToolButton::clicked, this, &ToolWindow::closeByHand);
    return button;
}

void ToolWindow::closeByHand()
{
    stopFade();
    hide();
}

void ToolWindow::ToggleRollUp()
{
    rolledUp_ = !rolledUp_;
    if (rolledUp_) {
        hiddenByRollUp_.clear();
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != titleBar_ && !child->isWindow() && !child->isHidden()) {
                hiddenByRollUp_.emplace_back(child);
                child->hide();
            }
        }
    } else {
        for (const QPointer<QWidget>& child : hiddenByRollUp_)
            if (child)
                child->show();
        hiddenByRollUp_.clear();
    }
    setFixedHeight(rolledUp_ ? kRolledUpHeight : restoredHeight_);
    emit rolledUpChanged(rolledUp_);
}

void ToolWindow::setRestoredHeight(int height)
{
    restoredHeight_ = height;
    if (!rolledUp_)
        setFixedHeight(height);
}

void ToolWindow::setDockAnchor(QWidget* anchor, DockSide side)
{
    if (anchor_)
        anchor_->removeEventFilter(this);
    anchor_ = anchor;
    dockSide_ = side;
    if (anchor_)
        anchor_->installEventFilter(this);
}

void ToolWindow::setDockingEnabled(bool enabled)
{
    dockingEnabled_ = enabled;
}

void ToolWindow::DockToAnchor()
{
    if (!anchor_)
        return;
    const QRect main = anchor_->frameGeometry();
    const QPoint left(main.left() - width(), main.top());
    const QPoint right(main.right() + 1, main.top());
    QPoint place = dockSide_ == DockSide::Left ? left : right;
    // No room on the preferred side: the window would leave the screen.
    if (const QScreen* screen = anchor_->screen()) {
        const QRect available = screen->availableGeometry();
        if (dockSide_ == DockSide::Left && left.x() < available.left())
            place = right;
        else if (dockSide_ == DockSide::Right && right.x() + width() > available.right() + 1)
            place = left;
    }
    move(place);
}

void ToolWindow::ShowCentredOn(const QWidget* anchor)
{
    if (!centredOnce_ && anchor) {
        centredOnce_ = true;
        const QRect a = anchor->frameGeometry();
        move(a.x() + (a.width() - width()) / 2, a.y() + (a.height() - height()) / 2);
    }
    platform_.windows->showToolWindow(this);
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == anchor_ && event->type() == QEvent::Move && dockingEnabled_ && isVisible())
        DockToAnchor();
    return QWidget::eventFilter(watched, event);
}

void ToolWindow::setOpacityLevel(int opacity)
{
    opacity_ = std::clamp(opacity, 0, 255);
    platform_.windows->setOpacity(this, opacity_);
}

void ToolWindow::startFade(int countdown)
{
    fadeCountdown_ = countdown;
    fadeTimer_.start();
}

void ToolWindow::stopFade()
{
    fadeTimer_.stop();
}

void ToolWindow::holdFade(int countdown)
{
    setOpacityLevel(255);
    fadeCountdown_ = countdown;
}

// Whether a menu or drop-down list of `window` (or of one of its
// controls) is open.
static bool HasOpenPopup(const QWidget* window)
{
    for (const QWidget* widget = QApplication::activePopupWidget(); widget; widget = widget->parentWidget())
        if (widget == window)
            return true;
    return false;
}

void ToolWindow::FadeTick()
{
    // A window waits while its own question is open.
    if (!fadeAllowed() || platform_.dialogs->isOpenOver(this))
        return;
    // And while its menu is open it stays opaque under it: the menu's
    // entries act on the window.
    if (HasOpenPopup(this)) {
        if (opacity_ != 255)
            setOpacityLevel(255);
        return;
    }
    if (fadeCountdown_ > 0) {
        --fadeCountdown_;
        if (fadeCountdown_ > 0)
            return;
    }
    setOpacityLevel(opacity_ - kFadeStep);
    if (opacity_ == 0) {
        fadeTimer_.stop();
        hide();
    }
}

bool ToolWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && dockingEnabled_)
        DockToAnchor();
    return QWidget::event(event);
}

void ToolWindow::showEvent(QShowEvent* event)
{
    if (dockingEnabled_)
        DockToAnchor();
    // A window the fade left transparent comes back visible.
    if (opacity_ != 255)
        setOpacityLevel(255);
    QWidget::showEvent(event);
}

void ToolWindow::paintBody(QPainter& painter)
{
    painter.fillRect(rect(), backgroundColor_);
}

void ToolWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBody(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(frameColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tessaro::controls
