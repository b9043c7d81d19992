#include "platform/portal_screenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

namespace tessaro::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
// The portal may first ask the user; after this long the dropper gives up.
constexpr int kAnswerTimeoutMs = 60000;

DesktopPicture Failure(const QString& why)
{
    DesktopPicture picture;
    picture.failure = QStringLiteral("The screen cannot be read on this desktop: %1").arg(why);
    return picture;
}

} // namespace

PortalScreenshot::PortalScreenshot(QRect desktopGeometry, std::function<void(DesktopPicture)> done)
    : geometry_(desktopGeometry), done_(std::move(done))
{
}

void PortalScreenshot::Request(QRect desktopGeometry, std::function<void(DesktopPicture)> done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        done(Failure(QStringLiteral("no session bus.")));
        return;
    }
    auto* request = new PortalScreenshot(desktopGeometry, std::move(done));
    // The answer comes as a Response signal on a request object whose path
    // follows from our bus name and a token of our choice; subscribe first
    // so that a quick answer is not missed.
    const QString token = QStringLiteral("tessaro%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(kService, handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"),
                request, SLOT(response(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token},
                                     {QStringLiteral("interactive"), false},
                                     {QStringLiteral("modal"), true}};
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        request->finish(Failure(reply.errorMessage()));
        return;
    }
    QTimer::singleShot(kAnswerTimeoutMs, request, [request] {
        request->finish(Failure(QStringLiteral("the desktop did not answer.")));
    });
}

void PortalScreenshot::response(uint code, const QVariantMap& results)
{
    if (code != 0) {
        finish(Failure(QStringLiteral("the screenshot was refused or cancelled.")));
        return;
    }
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    DesktopPicture picture;
    picture.geometry = geometry_;
    picture.image = QImage(uri.toLocalFile()).convertToFormat(QImage::Format_RGB32);
    // The portal's file is ours to remove once read.
    if (uri.isLocalFile())
        QFile::remove(uri.toLocalFile());
    if (picture.image.isNull()) {
        finish(Failure(QStringLiteral("the desktop's screenshot could not be read.")));
        return;
    }
    picture.image.setDevicePixelRatio(1);
    finish(std::move(picture));
}

void PortalScreenshot::finish(DesktopPicture picture)
{
    if (!done_)
        return;
    auto done = std::move(done_);
    done_ = nullptr;
    deleteLater();
    done(std::move(picture));
}

} // namespace tessaro::platform
