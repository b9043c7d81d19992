#include "platform/qt_clipboard.h"

#include "platform/wayland_session.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>

namespace tessaro::platform {

namespace {

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return {};
    return bytes;
}

void AddImage(QMimeData* data, const QImage& image)
{
    data->setImageData(image);
    for (const char* format : {"png", "bmp"}) {
        const QByteArray bytes = Encode(image, format);
        if (!bytes.isEmpty())
            data->setData(QStringLiteral("image/") + QLatin1String(format), bytes);
    }
}

// Gives `text` to a clipboard helper that stays behind as the clipboard's
// owner. False when none is installed or it failed.
bool HandToClipboardHelper(const QString& text)
{
    const bool wayland = IsWaylandSession();
    const QString helper = QStandardPaths::findExecutable(wayland ? QStringLiteral("wl-copy") : QStringLiteral("xclip"));
    if (helper.isEmpty())
        return false;
    QProcess process;
    // The helper's background half must not hold our output open: a caller
    // reading it would wait for the helper to end.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(helper, wayland ? QStringList{} : QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard")});
    if (!process.waitForStarted(5000))
        return false;
    process.write(text.toUtf8());
    process.closeWriteChannel();
    // The helper forks its server and ends once it holds the clipboard.
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

QString WithCrLfLineEnds(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            result += QLatin1String("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            result += QLatin1String("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

bool OrderlyEndingHandsOverClipboard()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return !RunsNativelyOnWayland() && (clipboard->ownsClipboard() || clipboard->ownsSelection());
}

QString QtClipboard::text() const
{
    return WithCrLfLineEnds(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::setTextBeyondExit(const QString& text)
{
    if (!HandToClipboardHelper(text))
        setText(text);
}

void QtClipboard::setImage(const QImage& image)
{
    auto* data = new QMimeData;
    AddImage(data, image);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtClipboard::setVectorPicture(const QByteArray& svg, const QByteArray& emf, const QByteArray& wmf)
{
    auto* data = new QMimeData;
    if (!svg.isEmpty()) {
        data->setData(QStringLiteral("image/svg+xml"), svg);
        QSvgRenderer renderer(svg);
        if (renderer.isValid() && !renderer.defaultSize().isEmpty()) {
            QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            AddImage(data, image);
        }
    }
    if (!emf.isEmpty()) {
        data->setData(QStringLiteral("image/emf"), emf);
        data->setData(QStringLiteral("image/x-emf"), emf);
    }
    if (!wmf.isEmpty())
        data->setData(QStringLiteral("image/x-wmf"), wmf);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace tessaro::platform
