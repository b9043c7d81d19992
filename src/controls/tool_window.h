// The frameless window every window of the program derives from: its own
// title bar (caption, menu button, close), moving by a drag on the title
// bar, the double-click roll-up to a height of 20 and back to the window's
// own height, the one-pixel frame, docking beside another window (glued to
// its left or right edge and following it), and the fade-out.
#pragma once

#include "platform/platform.h"

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

class QMenu;
class QPainter;
class QToolButton;

namespace tessaro::controls {

class TitleBar;

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRolledUpHeight = 20;
    static constexpr int kFadeTickMs = 100;
    static constexpr int kFadeStep = 15;

    enum class DockSide { Left, Right };

    // `type` is Qt::Window for the main window and Qt::Tool for the others.
    ToolWindow(const platform::Platform& platform, const QString& caption, QSize size, int titleHeight,
               Qt::WindowType type = Qt::Tool, QWidget* parent = nullptr);
    ~ToolWindow() override;

    TitleBar* titleBar() const { return titleBar_; }
    // Title bar buttons, left to right in the order they are added.
    QToolButton* addTitleButton(const QString& objectName, const QString& glyph, const QString& toolTip);
    // A button that pops `menu` up under itself.
    QToolButton* addMenuButton(const QString& objectName, QMenu* menu);
    // A button that closes the window by hand (closeByHand).
    QToolButton* addCloseButton();

    // Roll-up: the window shrinks to its title bar and back to its own
    // height (the height it was made with, unless set otherwise).
    bool isRolledUp() const { return rolledUp_; }
    void ToggleRollUp();
    int restoredHeight() const { return restoredHeight_; }
    void setRestoredHeight(int height);

    // Docking: while enabled and shown, the window stays with its top at the
    // anchor's top and its right edge at the anchor's left edge (Left) or
    // its left edge at the anchor's right edge (Right). When the preferred
    // side has no room on the anchor's screen it takes the other side.
    void setDockAnchor(QWidget* anchor, DockSide side);
    void setDockingEnabled(bool enabled);
    void DockToAnchor();

    // Shows the window in front: the first time centred on `anchor`, after
    // that where it was left.
    void ShowCentredOn(const QWidget* anchor);

    // Opacity, 0 transparent .. 255 opaque.
    int opacity() const { return opacity_; }
    void setOpacityLevel(int opacity);
    // The fade: after `countdown` ticks of 100 ms the opacity drops by 15 a
    // tick until the window hides at 0. fadeAllowed() can hold it; it
    // waits while the window's question or one of its menus is open.
    void startFade(int countdown);
    void stopFade();
    // Opaque again, and the fade waits `countdown` ticks more.
    void holdFade(int countdown);
    void FadeTick();
    int fadeCountdown() const { return fadeCountdown_; }
    bool fadeTimerActive() const { return fadeTimer_.isActive(); }

    void setFrameColor(const QColor& color) { frameColor_ = color; }
    void setBackgroundColor(const QColor& color) { backgroundColor_ = color; }

signals:
    void rolledUpChanged(bool rolledUp);

public slots:
    // The close button: the window hides (the main window overrides this to
    // close the program).
    virtual void closeByHand();

protected:
    // A double click on the title bar; rolls the window up by default.
    virtual void titleDoubleClicked() { ToggleRollUp(); }
    // The left button went down on the title bar.
    virtual void titlePressed() {}
    // Whether a fade tick may lower the opacity now.
    virtual bool fadeAllowed() const { return true; }
    // Paints the client area; the frame is drawn over it afterwards.
    virtual void paintBody(QPainter& painter);

    const platform::Platform& platform() const { return platform_; }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    platform::Platform platform_;
    TitleBar* titleBar_;
    int restoredHeight_;
    bool rolledUp_ = false;
    // The children hidden by the roll-up, shown again when it ends.
    std::vector<QPointer<QWidget>> hiddenByRollUp_;
    QPointer<QWidget> anchor_;
    DockSide dockSide_ = DockSide::Left;
    bool dockingEnabled_ = false;
    bool centredOnce_ = false;
    int opacity_ = 255;
    int fadeCountdown_ = 0;
    QTimer fadeTimer_;
    QColor frameColor_{0xC0, 0xC0, 0xC0};
    QColor backgroundColor_{Qt::white};
};

} // namespace tessaro::controls
