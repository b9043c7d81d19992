#include "platform/portal_screenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusError>
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
// The call itself only starts the request (and the portal service).
constexpr int kCallTimeoutMs = 15000;

const QString kInstallAdvice = QStringLiteral(
    "Install xdg-desktop-portal and a backend for your desktop (xdg-desktop-portal-gnome, "
    "xdg-desktop-portal-kde or xdg-desktop-portal-wlr), then log in again.");

DesktopPicture Failure(const QString& why)
{
    DesktopPicture picture;
    picture.failure = why;
    return picture;
}

// D-Bus errors that mean no portal answers for screenshots.
bool MeansPortalMissing(const QString& errorName)
{
    static const QStringList missing{
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
        QStringLiteral("org.freedesktop.DBus.Error.Spawn.ServiceNotFound"),
        QStringLiteral("org.freedesktop.DBus.Error.Spawn.ChildExited"),
    };
    return missing.contains(errorName);
}

} // namespace

QString PortalFailureText(PortalFailure failure, const QString& details)
{
    const QString lead = QStringLiteral("The eye dropper reads the screen through the desktop portal");
    QString text;
    switch (failure) {
    case PortalFailure::NoSessionBus:
        text = lead + QStringLiteral(", but the program has no D-Bus session bus. Start KT Tessaro inside your "
                                     "desktop session.\n\n") + kInstallAdvice;
        break;
    case PortalFailure::Missing:
        text = lead + QStringLiteral(", which is missing here.\n\n") + kInstallAdvice;
        break;
    case PortalFailure::Refused:
        text = QStringLiteral("The desktop refused the screenshot, so there is nothing to pick from.\n\n"
                              "Allow KT Tessaro to take screenshots in your desktop's privacy settings and open "
                              "the eye dropper again.");
        break;
    case PortalFailure::Failed:
        text = QStringLiteral("The desktop portal could not take a screenshot.\n\n") + kInstallAdvice;
        break;
    case PortalFailure::NoAnswer:
        text = QStringLiteral("The desktop portal did not answer within a minute, so there is nothing to pick "
                              "from.\n\n") + kInstallAdvice;
        break;
    case PortalFailure::Unreadable:
        text = QStringLiteral("The desktop portal's screenshot could not be read.");
        break;
    }
    if (!details.isEmpty())
        text += QStringLiteral("\n\n(") + details + QLatin1Char(')');
    return text;
}

PortalScreenshot::PortalScreenshot(QRect desktopGeometry, std::function<void(DesktopPicture)> done)
    : geometry_(desktopGeometry), done_(std::move(done))
{
}

void PortalScreenshot::Request(QRect desktopGeometry, std::function<void(DesktopPicture)> done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        done(Failure(PortalFailureText(PortalFailure::NoSessionBus, bus.lastError().message())));
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
    // Asynchronous: starting the portal service may take a while, and the
    // program stays responsive meanwhile.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, [request](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        if (!call->isError())
            return;
        const QDBusError error = call->error();
        const PortalFailure failure = MeansPortalMissing(error.name()) ? PortalFailure::Missing
                                      : error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout
                                          ? PortalFailure::NoAnswer
                                          : PortalFailure::Failed;
        request->finish(Failure(PortalFailureText(failure, error.message())));
    });
    QTimer::singleShot(kAnswerTimeoutMs, request, [request] {
        request->finish(Failure(PortalFailureText(PortalFailure::NoAnswer, {})));
    });
}

void PortalScreenshot::response(uint code, const QVariantMap& results)
{
    // 1: the user (or the desktop's policy) said no; 2: anything else.
    if (code != 0) {
        finish(Failure(PortalFailureText(code == 1 ? PortalFailure::Refused : PortalFailure::Failed, {})));
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
        finish(Failure(PortalFailureText(PortalFailure::Unreadable, uri.toString())));
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
