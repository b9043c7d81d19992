#include "tools/eye_dropper_window.h"

#include "controls/swatch.h"
#include "controls/title_bar.h"
#include "platform/qt_color.h"
#include "platform/wayland_session.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace tessaro::tools {

namespace {

constexpr QRect kMagnifierFrame(10, 25, 149, 149);
constexpr QRect kSwatchFrame(10, 182, 40, 40);
constexpr int kLabelLeft = 56;
constexpr int kTitleHeight = 19;
const QColor kPanelBorder(0xC0, 0xC0, 0xC0);
const QColor kFrameBorder(0x80, 0x80, 0x80);

constexpr QRgb kWhite = 0xFFFFFFFF;

QLabel* Framed(QWidget* parent, const char* name, QRect geometry)
{
    auto* frame = new QLabel(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #808080; background: white; }"));
    return frame;
}

// Sets the pixels of an outline whose second corner is exclusive, clipped
// to the picture.
void DrawOutline(QImage& image, const PixelRect& r, QRgb color)
{
    const auto put = [&image, color](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(int(x), int(y), color);
    };
    for (long long x = r.left; x < r.right; ++x) {
        put(x, r.top);
        put(x, r.bottom - 1);
    }
    for (long long y = r.top; y < r.bottom; ++y) {
        put(r.left, y);
        put(r.right - 1, y);
    }
}

// The frozen screen on one more screen: paints its part of the picture and
// hands presses and keys to the dropper.
class FrozenScreenPart : public QWidget {
public:
    FrozenScreenPart(EyeDropperWindow* dropper, QPoint origin)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          dropper_(dropper), origin_(origin)
    {
        setObjectName(QStringLiteral("eyeDropperScreenPart"));
        setAttribute(Qt::WA_DeleteOnClose);
        setCursor(Qt::CrossCursor);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
    }
    QPoint origin() const { return origin_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const platform::DesktopPicture& picture = dropper_->picture();
        painter.drawImage(QPointF(picture.geometry.topLeft() - origin_), picture.image);
    }
    void mousePressEvent(QMouseEvent* event) override { dropper_->PressOnScreenshot(event->button()); }
    void keyPressEvent(QKeyEvent* event) override { QCoreApplication::sendEvent(dropper_, event); }

private:
    EyeDropperWindow* dropper_;
    QPoint origin_;
};

} // namespace

EyeDropperWindow::EyeDropperWindow(const platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), platform_(platform)
{
    setObjectName(QStringLiteral("TFormyakala1"));
    setWindowTitle(QStringLiteral("Eye Dropper"));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &EyeDropperWindow::Tick);
    magnifier_ = QImage(kMagnifierSide, kMagnifierSide, QImage::Format_RGB32);
    magnifier_.fill(Qt::white);
    buildPanel();
    buildMenus();
    syncMenus();
    showSampleTexts();
}

void EyeDropperWindow::buildPanel()
{
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("Panel3"));
    panel_->setGeometry(QRect(kDesignPanelPosition, QSize(kPanelWidth, kPanelHeight)));
    panel_->setAutoFillBackground(true);
    panel_->setStyleSheet(QStringLiteral("#Panel3 { background: white; border: 1px solid #C0C0C0; }"));
    panel_->setAttribute(Qt::WA_StyledBackground);
    panel_->setCursor(Qt::ArrowCursor);

    title_ = new controls::TitleBar(QStringLiteral("Eye Dropper"), kTitleHeight, panel_);
    title_->setObjectName(QStringLiteral("ustPNL"));
    title_->setGeometry(1, 1, kPanelWidth - 2, kTitleHeight);
    connect(title_, &controls::TitleBar::doubleClicked, this, &EyeDropperWindow::TogglePanelRollUp);

    QLabel* eyePanel = Framed(panel_, "EyePNL", kMagnifierFrame);
    magnifierLabel_ = new QLabel(eyePanel);
    magnifierLabel_->setObjectName(QStringLiteral("EyeIMG"));
    magnifierLabel_->setGeometry(2, 2, kMagnifierSide, kMagnifierSide);
    magnifierLabel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(magnifierLabel_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { magnifierMenu_->popup(magnifierLabel_->mapToGlobal(at)); });

    QLabel* swatchPanel = Framed(panel_, "EyeColPNL", kSwatchFrame);
    swatch_ = new controls::Swatch(controls::Swatch::Shape::Square, swatchPanel);
    swatch_->setObjectName(QStringLiteral("EyeCol"));
    swatch_->setGeometry(2, 2, 37, 37);

    const char* names[] = {"EyeRGBLBL", "EyeHSLLBL", "EyeHEXLBL"};
    for (int i = 0; i < 3; ++i) {
        labels_[i] = new QLabel(panel_);
        labels_[i]->setObjectName(QString::fromLatin1(names[i]));
        labels_[i]->setGeometry(kLabelLeft, kSwatchFrame.top() + 13 * i, kPanelWidth - kLabelLeft - 4, 14);
        labels_[i]->setTextFormat(Qt::PlainText);
    }
}

void EyeDropperWindow::buildMenus()
{
    eyeMenu_ = new QMenu(this);
    eyeMenu_->setObjectName(QStringLiteral("EyeMenu"));
    magnifierMenu_ = new QMenu(this);
    magnifierMenu_->setObjectName(QStringLiteral("EyeImgMenu"));
    QMenu* zoomMenu = eyeMenu_->addMenu(QStringLiteral("Zoom"));
    QMenu* samplingMenu = eyeMenu_->addMenu(QStringLiteral("Sampling"));
    const char* zoomCaptions[] = {"2x", "4x", "6x", "8x"};
    const char* samplingCaptions[] = {"Single Pixel", "3x3", "5x5"};
    const auto add = [](QMenu* menu, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption, handler);
        action->setCheckable(true);
        return action;
    };
    for (int z = 1; z <= 4; ++z) {
        const QString caption = QString::fromLatin1(zoomCaptions[z - 1]);
        zoomActions_[z - 1] = {add(zoomMenu, caption, [this, z] { setZoom(z); }),
                               add(magnifierMenu_, QLatin1Char('&') + caption, [this, z] { setZoom(z); })};
    }
    magnifierMenu_->addSeparator();
    for (int s = 0; s < 3; ++s) {
        const QString caption = QString::fromLatin1(samplingCaptions[s]);
        samplingActions_[s] = {add(samplingMenu, caption, [this, s] { setSampling(s); }),
                               add(magnifierMenu_, s == 0 ? QStringLiteral("&Single Pixel") : caption,
                                   [this, s] { setSampling(s); })};
    }
    eyeMenu_->addSeparator();
    gridAction_ = add(eyeMenu_, QStringLiteral("Show Grid"), [this] { setShowGrid(!showGrid_); });
    eyeMenu_->addSeparator();
    eyeMenu_->addAction(QStringLiteral("Close Eye Dropper"), this, &EyeDropperWindow::Close);

    QToolButton* menuButton = title_->addButton(QStringLiteral("eyeMenuButton"), QStringLiteral("\u25BE"), tr("Menu"));
    connect(menuButton, &QToolButton::clicked, this,
            [this, menuButton] { eyeMenu_->popup(menuButton->mapToGlobal(QPoint(0, menuButton->height()))); });
    QToolButton* close = title_->addButton(QStringLiteral("closeButton"), QStringLiteral("\u2715"), tr("Close"));
    connect(close, &QToolButton::clicked, this, &EyeDropperWindow::Close);
}

void EyeDropperWindow::syncMenus()
{
    for (int z = 0; z < 4; ++z)
        for (QAction* action : zoomActions_[z])
            action->setChecked(zoom_ == z + 1);
    for (int s = 0; s < 3; ++s)
        for (QAction* action : samplingActions_[s])
            action->setChecked(sampling_ == s);
    gridAction_->setChecked(showGrid_);
}

void EyeDropperWindow::setZoom(int zoom)
{
    zoom_ = zoom;
    syncMenus();
}

void EyeDropperWindow::setSampling(int sampling)
{
    sampling_ = sampling;
    syncMenus();
}

void EyeDropperWindow::setShowGrid(bool show)
{
    showGrid_ = show;
    syncMenus();
}

void EyeDropperWindow::setSampledColor(TColor color)
{
    sampled_ = color;
    showSampleTexts();
}

QPoint EyeDropperWindow::panelPosition() const
{
    return panel_->pos();
}

void EyeDropperWindow::setPanelPosition(QPoint position)
{
    panel_->move(position);
}

void EyeDropperWindow::TogglePanelRollUp()
{
    rolledUp_ = !rolledUp_;
    panel_->resize(kPanelWidth, rolledUp_ ? 20 : kPanelHeight);
}

std::array<QString, 3> EyeDropperWindow::labelTexts() const
{
    return {labels_[0]->text(), labels_[1]->text(), labels_[2]->text()};
}

void EyeDropperWindow::showSampleTexts()
{
    swatch_->setColor(sampled_);
    const std::array<std::string, 3> texts = SampleTexts(sampled_);
    for (int i = 0; i < 3; ++i)
        labels_[i]->setText(QString::fromStdString(texts[i]));
}

void EyeDropperWindow::Open()
{
    if (isVisible() || opening_)
        return;
    opening_ = true;
    platform_.windows->hideProgramWindows(300, [this](platform::Windows::ShowAgain showAgain) {
        showAgain_ = std::move(showAgain);
        platform_.screen->captureDesktop([this](platform::DesktopPicture picture) { finishOpening(std::move(picture)); });
    });
}

void EyeDropperWindow::finishOpening(platform::DesktopPicture picture)
{
    opening_ = false;
    if (picture.isValid() && picture.isPlainlyEmpty())
        picture = {QImage(), picture.geometry,
                   QStringLiteral("The screen came back all black: this desktop does not let the program read it, "
                                  "so there is nothing to pick from.")};
    if (!picture.isValid()) {
        // The program's windows come back before the message, not behind it.
        if (auto showAgain = std::exchange(showAgain_, nullptr))
            showAgain();
        platform_.dialogs->notify(nullptr, QStringLiteral("Eye Dropper"),
                                  picture.failure.isEmpty() ? QStringLiteral("The screen cannot be read.")
                                                            : picture.failure);
        emit closed();
        return;
    }
    ShowPicture(picture);
    // On X11 the windows stand behind the frozen screen at once; a Wayland
    // compositor would stack them over it, so there they wait for the close.
    if (!platform::IsWaylandSession())
        if (auto showAgain = std::exchange(showAgain_, nullptr))
            showAgain();
}

void EyeDropperWindow::ShowPicture(const platform::DesktopPicture& picture)
{
    picture_ = picture;
    picture_.image.setDevicePixelRatio(picture_.ratio());
    pointer_.reset();
    qApp->installEventFilter(this);
    if (!platform::IsWaylandSession()) {
        origin_ = picture_.geometry.topLeft();
        setGeometry(picture_.geometry);
        show();
    } else {
        QScreen* primary = QGuiApplication::primaryScreen();
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen == primary)
                continue;
            auto* part = new FrozenScreenPart(this, screen->geometry().topLeft());
            parts_.push_back(part);
            coverScreen(part, screen);
        }
        origin_ = primary ? primary->geometry().topLeft() : QPoint();
        coverScreen(this, primary);
    }
    raise();
    activateWindow();
    setFocus();
    timer_.start();
    Tick();
}

// Full screen is the only way a window may cover a screen under a Wayland
// compositor; the screen must be chosen before the window is shown.
void EyeDropperWindow::coverScreen(QWidget* window, QScreen* screen)
{
    if (screen) {
        window->setScreen(screen);
        window->setGeometry(screen->geometry());
    }
    window->showFullScreen();
}

void EyeDropperWindow::Close()
{
    if (!isVisible() && !timer_.isActive())
        return;
    close();
}

void EyeDropperWindow::closeEvent(QCloseEvent* event)
{
    timer_.stop();
    qApp->removeEventFilter(this);
    event->accept();
    for (QWidget* part : std::exchange(parts_, {}))
        part->close();
    hide();
    if (auto showAgain = std::exchange(showAgain_, nullptr))
        showAgain();
    emit closed();
}

std::optional<QPoint> EyeDropperWindow::originOf(const QWidget* window) const
{
    if (window == this)
        return origin_;
    for (QWidget* part : parts_)
        if (part == window)
            return static_cast<FrozenScreenPart*>(part)->origin();
    return std::nullopt;
}

void EyeDropperWindow::notePointer(const QWidget* receiver, QPointF local)
{
    const QWidget* window = receiver->window();
    if (const std::optional<QPoint> origin = originOf(window))
        pointer_ = *origin + receiver->mapTo(window, local.toPoint());
}

QPoint EyeDropperWindow::pointerPosition() const
{
    return pointer_ ? *pointer_ : platform_.screen->cursorPosition();
}

void EyeDropperWindow::snapshotPanel(const QRect& reads)
{
    panelShot_ = QImage();
    if (!isVisible())
        return;
    const double ratio = picture_.ratio();
    const QRect panel = panel_->geometry();
    panelPixels_ = QRect(QPoint(int(panel.x() * ratio), int(panel.y() * ratio)),
                         QSize(int(panel.width() * ratio), int(panel.height() * ratio)));
    if (!panelPixels_.intersects(reads))
        return;
    panelShot_ = panel_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (panelShot_.size() != panelPixels_.size())
        panelShot_ = panelShot_.scaled(panelPixels_.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

TColor EyeDropperWindow::pixelAt(long long x, long long y) const
{
    if (!panelShot_.isNull() && panelPixels_.contains(int(x), int(y)))
        return FromQRgb(panelShot_.pixel(int(x) - panelPixels_.x(), int(y) - panelPixels_.y()));
    const QImage& image = picture_.image;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return 0xFFFFFF;
    return FromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(int(y)))[x]);
}

QPoint EyeDropperWindow::cursorPixel() const
{
    return picture_.toPixel(pointerPosition());
}

void EyeDropperWindow::paintMagnifier(const PixelRect& source)
{
    if (!panelShot_.isNull()) {
        for (int y = 0; y < kMagnifierSide; ++y) {
            auto* out = reinterpret_cast<QRgb*>(magnifier_.scanLine(y));
            const long long sy = source.top + StretchSourceIndex(y, source.height(), kMagnifierSide);
            for (int x = 0; x < kMagnifierSide; ++x)
                out[x] = ToQRgb(pixelAt(source.left + StretchSourceIndex(x, source.width(), kMagnifierSide), sy)) |
                         0xFF000000;
        }
        return;
    }
    const QImage& image = picture_.image;
    const int side = kMagnifierSide;
    for (int y = 0; y < side; ++y) {
        auto* out = reinterpret_cast<QRgb*>(magnifier_.scanLine(y));
        const long long sy = source.top + StretchSourceIndex(y, source.height(), side);
        const bool rowInside = sy >= 0 && sy < image.height();
        const auto* in = rowInside ? reinterpret_cast<const QRgb*>(image.constScanLine(int(sy))) : nullptr;
        for (int x = 0; x < side; ++x) {
            const long long sx = source.left + StretchSourceIndex(x, source.width(), side);
            out[x] = in && sx >= 0 && sx < image.width() ? (in[sx] | 0xFF000000) : kWhite;
        }
    }
}

void EyeDropperWindow::Tick()
{
    zoom_ = EffectiveZoom(zoom_);
    const QSize screen = picture_.image.size();
    QPoint cursor = cursorPixel();
    const PixelRect source = MagnifierSource(cursor.x(), cursor.y(), zoom_, kMagnifierSide, screen.width(), screen.height());
    // The reads of this tick: the source and the sample square round the cursor.
    const QRect sample(cursor - QPoint(2, 2), QSize(5, 5));
    const auto clampInt = [](long long v) { return int(std::clamp<long long>(v, -(1LL << 30), 1LL << 30)); };
    snapshotPanel(QRect(QPoint(clampInt(source.left), clampInt(source.top)),
                        QPoint(clampInt(source.right), clampInt(source.bottom)))
                      .united(sample));
    paintMagnifier(source);
    for (long long v : GridLines(kMagnifierSide, zoom_, showGrid_)) {
        if (v >= kMagnifierSide)
            continue;
        for (int i = 0; i < kMagnifierSide; ++i) {
            magnifier_.setPixel(i, int(v), 0xFF000000);
            magnifier_.setPixel(int(v), i, 0xFF000000);
        }
    }
    if (const std::optional<SamplingMarker> marker = MarkerFor(kMagnifierSide, zoom_, sampling_)) {
        DrawOutline(magnifier_, marker->black, 0xFF000000);
        DrawOutline(magnifier_, marker->white, kWhite);
    }
    magnifierLabel_->setPixmap(QPixmap::fromImage(magnifier_));

    cursor = cursorPixel();
    const auto read = [this](int x, int y) { return pixelAt(x, y); };
    if (const std::optional<TColor> color = SampleColor(read, cursor.x(), cursor.y(), sampling_))
        setSampledColor(*color);
}

void EyeDropperWindow::PickColor()
{
    emit picked(sampled_);
}

void EyeDropperWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.image.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(QPointF(picture_.geometry.topLeft() - origin_), picture_.image);
}

// Presses on the panel that its parts leave unused (the title bar, a label,
// the magnifier under its menu) arrive here too: they never pick.
void EyeDropperWindow::mousePressEvent(QMouseEvent* event)
{
    if (panel_->isVisible() && panel_->geometry().contains(event->position().toPoint()))
        return;
    PressOnScreenshot(event->button());
}

void EyeDropperWindow::PressOnScreenshot(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        PickColor();
        Close();
    } else if (button == Qt::RightButton) {
        PickColor();
    }
}

void EyeDropperWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        PickColor();
        Close();
        break;
    case Qt::Key_F3:
        PickColor();
        break;
    case Qt::Key_F4:
    case Qt::Key_Escape:
        Close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// While open, every pointer event over the frozen screen tells where the
// pointer is. A left-button drag on the title bar moves the panel inside
// the window.
bool EyeDropperWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const auto* pointer = dynamic_cast<const QSinglePointEvent*>(event);
    if (pointer && watched->isWidgetType() &&
        (type == QEvent::Enter || type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
         type == QEvent::MouseButtonDblClick))
        notePointer(static_cast<QWidget*>(watched), pointer->position());
    if (watched != title_ && watched != title_->captionLabel())
        return false;
    // The pointer in this window's coordinates: global ones are unknown on
    // native Wayland.
    const auto inWindow = [this, watched](const QMouseEvent* mouse) {
        return static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
    };
    if (type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            panelDrag_ = std::make_pair(inWindow(mouse), panel_->pos());
    } else if (type == QEvent::MouseMove && panelDrag_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton)
            panel_->move(panelDrag_->second + inWindow(mouse) - panelDrag_->first);
        return true;
    } else if (type == QEvent::MouseButtonRelease) {
        panelDrag_.reset();
    }
    return false;
}

} // namespace tessaro::tools
