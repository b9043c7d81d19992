// The eye dropper: a frozen screenshot of the whole desktop filling a
// borderless window, and over it a floating panel with a magnifier of the
// area round the pointer, the sampled colour's swatch and its RGB, HSL and
// hex texts. Every read of "the screen" reads what the window shows: the
// frozen screenshot, in its device pixels, with the floating panel over it.
#pragma once

#include "platform/platform.h"
#include "tools/eye_dropper_math.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QScreen;

namespace tessaro::controls {
class TitleBar;
class Swatch;
}

namespace tessaro::tools {

class EyeDropperWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMs = 50;
    static constexpr int kPanelWidth = 170;
    static constexpr int kPanelHeight = 233;
    static constexpr QPoint kDesignPanelPosition{16, 16};

    explicit EyeDropperWindow(const platform::Platform& platform, QWidget* parent = nullptr);

    // Hides the program's windows, takes the screenshot after 300 ms, shows
    // it full screen and starts the ticks; says why when the screen cannot
    // be read (or comes back all black), with the program's windows back.
    // In a Wayland session the windows stay hidden until the dropper
    // closes: the compositor would stack them over the frozen screen.
    void Open();
    // Shows `picture` and starts the ticks (Open's second half): one window
    // over the whole desktop on X11; in a Wayland session, where a window
    // can only cover a screen by going full screen on it, this window on the
    // primary screen and one frozen part on each other screen.
    void ShowPicture(const platform::DesktopPicture& picture);
    void Close();
    bool isOpen() const { return timer_.isActive(); }

    // One magnifier refresh: source copy, grid, marker, then the sample.
    void Tick();
    // The sampled colour handed on as a pick.
    void PickColor();

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    int sampling() const { return sampling_; }
    void setSampling(int sampling);
    bool showGrid() const { return showGrid_; }
    void setShowGrid(bool show);
    TColor sampledColor() const { return sampled_; }
    void setSampledColor(TColor color);
    // The floating panel's place inside the window.
    QPoint panelPosition() const;
    void setPanelPosition(QPoint position);
    bool isPanelRolledUp() const { return rolledUp_; }
    void TogglePanelRollUp();

    // Where the pointer is, in the desktop's coordinates: taken from the
    // pointer's own events over the frozen screen (its enter event comes
    // before any motion), and only before the first of them from the
    // platform, which cannot tell on native Wayland.
    QPoint pointerPosition() const;
    // A press on the frozen screen (not on the panel): the left button
    // picks and closes, the right one picks.
    void PressOnScreenshot(Qt::MouseButton button);

    const QImage& magnifier() const { return magnifier_; }
    const platform::DesktopPicture& picture() const { return picture_; }
    std::array<QString, 3> labelTexts() const;
    QMenu* eyeMenu() const { return eyeMenu_; }
    QMenu* magnifierMenu() const { return magnifierMenu_; }

signals:
    // PickColor: the sampled colour is to become the main colour.
    void picked(tessaro::TColor color);
    // The window closed (after a pick or without one).
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishOpening(platform::DesktopPicture picture);
    void coverScreen(QWidget* window, QScreen* screen);
    // The desktop point of a window's top-left corner: this window's, or a
    // frozen part's; nullopt for windows of others.
    std::optional<QPoint> originOf(const QWidget* window) const;
    void notePointer(const QWidget* receiver, QPointF local);
    void buildPanel();
    void buildMenus();
    void syncMenus();
    TColor pixelAt(long long x, long long y) const;
    // A picture of the panel where it covers the screenshot, taken when the
    // pixels read this tick (`reads`) meet it; otherwise none.
    void snapshotPanel(const QRect& reads);
    QPoint cursorPixel() const;
    void paintMagnifier(const PixelRect& source);
    void showSampleTexts();

    platform::Platform platform_;
    platform::DesktopPicture picture_;
    // Where this window's top-left stands on the desktop.
    QPoint origin_;
    std::optional<QPoint> pointer_;
    // Shows the program's windows hidden for the screenshot, once.
    platform::Windows::ShowAgain showAgain_;
    // The frozen screen on the other screens, in a Wayland session.
    std::vector<QWidget*> parts_;
    QTimer timer_;
    int zoom_ = 1;
    int sampling_ = 1;
    bool showGrid_ = true;
    TColor sampled_ = 0x00FFFF;
    bool rolledUp_ = false;
    bool opening_ = false;
    QImage magnifier_;
    QImage panelShot_;
    QRect panelPixels_;

    QWidget* panel_ = nullptr;
    controls::TitleBar* title_ = nullptr;
    QLabel* magnifierLabel_ = nullptr;
    controls::Swatch* swatch_ = nullptr;
    std::array<QLabel*, 3> labels_{};
    QMenu* eyeMenu_ = nullptr;
    QMenu* magnifierMenu_ = nullptr;
    // The zoom and sampling entries of both menus, by value.
    std::array<std::vector<QAction*>, 4> zoomActions_;
    std::array<std::vector<QAction*>, 3> samplingActions_;
    QAction* gridAction_ = nullptr;
    // Where a title drag started: the pointer and the panel.
    std::optional<std::pair<QPoint, QPoint>> panelDrag_;
};

} // namespace tessaro::tools
