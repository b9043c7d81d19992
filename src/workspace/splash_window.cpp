#include "workspace/splash_window.h"

#include "controls/text_look.h"
#include "platform/x11_window_state.h"
#include "workspace/pictures.h"
#include "workspace/version_line.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace tessaro::workspace {

namespace {

// The picture as it is, painted straight from its pixels: no pixmap copy,
// and nothing painted beneath it, since it covers its whole box.
class PictureView : public QWidget {
public:
    PictureView(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(QPoint(0, 0), picture_); }

private:
    QImage picture_;
};

} // namespace

SplashPanel::SplashPanel(const platform::AppInfo& appInfo, VersionLine versionLine, QWidget* parent)
    : QWidget(parent), version_(new QLabel(this))
{
    setFixedSize(kSplashSize);
    QImage picture;
    if (versionLine == VersionLine::InDrawnPicture && appInfo.fileVersion == QStringLiteral(TESSARO_FILE_VERSION))
        picture = SplashPictureWithVersionLine();
    const bool lineInPicture = !picture.isNull();
    if (!lineInPicture)
        picture = SplashPicture();
    picture_ = picture;
    auto* pictureView = new PictureView(picture, this);
    pictureView->setObjectName(QStringLiteral("splashPicture"));
    pictureView->setGeometry(QRect(QPoint(0, 0), kSplashSize));
    pictureView->lower();
    version_->setObjectName(QStringLiteral("versionLBL"));
    version_->setText(workspace::VersionLine(appInfo.fileVersion));
    version_->setGeometry(kVersionLineBox);
    controls::SetTextLook(version_, {Qt::white});
    version_->setVisible(!lineInPicture);
}

SplashWindow::SplashWindow(const platform::AppInfo& appInfo)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    // Not the main window's title: scripts looking for "KT Tessaro" find the
    // main window.
    setWindowTitle(QStringLiteral("Starting KT Tessaro"));
    setFixedSize(kSplashSize);
    panel_ = new SplashPanel(appInfo, SplashPanel::VersionLine::InDrawnPicture, this);
}

void SplashWindow::showWhileStarting()
{
    move(CenteredOnScreen(size()));
    qApp->installEventFilter(this);
    // On X11 the server draws the picture as soon as the window manager
    // maps the window, while the start-up goes on; Qt then has nothing to
    // paint.
    winId();
    if (platform::SetServerBackground(windowHandle(), panel_->picture()))
        setUpdatesEnabled(false);
    show();
    raise();
    // Elsewhere Qt paints it once it is exposed: what has arrived by now is
    // handled, since the start-up that follows does not return to the loop.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal())
            hide();
    }
    return QWidget::eventFilter(watched, event);
}

QPoint CenteredOnScreen(QSize size)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

} // namespace tessaro::workspace
