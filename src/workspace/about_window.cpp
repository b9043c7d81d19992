#include "workspace/about_window.h"

#include "workspace/splash_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tessaro::workspace {

AboutWindow::AboutWindow(const platform::Platform& platform)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      platform_(platform),
      panel_(new SplashPanel(platform.appInfo, SplashPanel::VersionLine::OverPicture, this)),
      link_(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(QStringLiteral("About KT Tessaro"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(panel_->size());
    link_->setObjectName(QStringLiteral("webLink"));
    link_->setText(QStringLiteral("<a href=\"%1\" style=\"color:#9CC8FF\">%1</a>").arg(kWebSite));
    link_->setTextFormat(Qt::RichText);
    link_->setGeometry(294, 312, 280, 20);
    link_->setStyleSheet(QStringLiteral("background: transparent;"));
    link_->setCursor(Qt::PointingHandCursor);
    connect(link_, &QLabel::linkActivated, this, [this](const QString& url) { platform_.shell->openUrl(url); });
    for (QWidget* closer : {panel_->findChild<QWidget*>(QStringLiteral("splashPicture")),
                            static_cast<QWidget*>(panel_->versionLabel())})
        closer->installEventFilter(this);
}

void AboutWindow::Open()
{
    move(CenteredOnScreen(size()));
    show();
    raise();
    activateWindow();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    // A modal window without a title bar still closes from the keyboard.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        hide();
    else
        QWidget::keyPressEvent(event);
}

} // namespace tessaro::workspace
