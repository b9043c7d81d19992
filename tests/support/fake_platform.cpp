#include "support/fake_platform.h"

#include "platform/qt_color.h"

#include <QPainter>
#include <QWidget>

namespace tessaro::platform {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T whenEmpty)
{
    if (queue.empty())
        return whenEmpty;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

void FakeClipboard::setText(const QString& text)
{
    setVectorPicture({}, {}, {});
    content = text;
}

void FakeClipboard::setImage(const QImage& picture)
{
    setVectorPicture({}, {}, {});
    image = picture;
}

void FakeClipboard::setVectorPicture(const QByteArray& svgBytes, const QByteArray& emfBytes,
                                     const QByteArray& wmfBytes)
{
    content.clear();
    image = QImage();
    svg = svgBytes;
    emf = emfBytes;
    wmf = wmfBytes;
    ++puts;
}

FakeScreen::FakeScreen() : image(1024, 768, QImage::Format_RGB32)
{
    image.fill(Qt::white);
}

TColor FakeScreen::pixelAt(QPoint globalPosition) const
{
    if (!image.rect().contains(globalPosition))
        return MakeColor(255, 255, 255);
    return FromQRgb(image.pixel(globalPosition));
}

QImage FakeScreen::grab(const QRect& globalRect) const
{
    QImage result(globalRect.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(QPoint(0, 0), image, globalRect);
    return result;
}

void FakeScreen::fill(TColor color)
{
    image.fill(ToQColor(color));
}

void FakeWindows::showToolWindow(QWidget* window)
{
    calls.append({QStringLiteral("showToolWindow"), window, 0});
    if (window)
        window->show();
}

void FakeWindows::setTopmost(QWidget* window, bool topmost)
{
    calls.append({QStringLiteral("setTopmost"), window, topmost ? 1 : 0});
}

void FakeWindows::setOpacity(QWidget* window, int opacity)
{
    calls.append({QStringLiteral("setOpacity"), window, opacity});
}

void FakeWindows::hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden)
{
    calls.append({QStringLiteral("hide"), nullptr, delayMs});
    if (whileHidden)
        whileHidden([this] { calls.append({QStringLiteral("showAgain"), nullptr, 0}); });
}

FakeDialogs::Call& FakeDialogs::record(const QString& what, const QString& title, const QString& text)
{
    Call& call = calls.emplace_back();
    call.what = what;
    call.title = title;
    call.text = text;
    return call;
}

void FakeDialogs::ask(QWidget* parent)
{
    if (!whileAsking)
        return;
    openOver_ = parent ? parent->window() : nullptr;
    whileAsking();
    openOver_ = nullptr;
}

Answer FakeDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    record(QStringLiteral("askYesNo"), title, text);
    ask(parent);
    return TakeFront(answers, Answer::No);
}

Answer FakeDialogs::askYesNoCancel(QWidget* parent, const QString& title, const QString& text)
{
    record(QStringLiteral("askYesNoCancel"), title, text);
    ask(parent);
    return TakeFront(answers, Answer::Cancel);
}

void FakeDialogs::notify(QWidget*, const QString& title, const QString& text)
{
    record(QStringLiteral("notify"), title, text);
}

void FakeDialogs::error(QWidget*, const QString& title, const QString& text)
{
    record(QStringLiteral("error"), title, text);
}

std::optional<QString> FakeDialogs::inputText(QWidget*, const QString& title, const QString& label,
                                              const QString& initial)
{
    record(QStringLiteral("inputText"), title, label).initial = initial;
    return TakeFront(texts, std::optional<QString>());
}

std::optional<QString> FakeDialogs::openFile(QWidget*, const QString& title, const QList<FileFilter>& filters,
                                             const QString& folder)
{
    Call& call = record(QStringLiteral("openFile"), title);
    call.filters = filters;
    call.folder = folder;
    return TakeFront(paths, std::optional<QString>());
}

std::optional<QString> FakeDialogs::saveFile(QWidget*, const QString& title, const QList<FileFilter>& filters,
                                             const QString& defaultExtension, const QString& folder)
{
    Call& call = record(QStringLiteral("saveFile"), title);
    call.filters = filters;
    call.defaultExtension = defaultExtension;
    call.folder = folder;
    return TakeFront(paths, std::optional<QString>());
}

std::optional<TColor> FakeDialogs::chooseColor(QWidget*, TColor initial)
{
    record(QStringLiteral("chooseColor")).color = initial;
    return TakeFront(colors, std::optional<TColor>());
}

std::optional<FontChoice> FakeDialogs::chooseFont(QWidget*, const FontChoice& initial)
{
    record(QStringLiteral("chooseFont")).font = initial;
    return TakeFront(fonts, std::optional<FontChoice>());
}

std::optional<QString> FakeDialogs::openPicture(QWidget*, const QString& folder)
{
    record(QStringLiteral("openPicture")).folder = folder;
    return TakeFront(paths, std::optional<QString>());
}

QImage FakePictures::load(const QString& path) const
{
    loaded << path;
    const auto found = files.constFind(path);
    if (found == files.constEnd())
        throw PictureError("Cannot open file \"" + path.toStdString() + "\"");
    return *found;
}

Platform FakePlatform::platform()
{
    Platform platform;
    platform.clipboard = &clipboard;
    platform.screen = &screen;
    platform.windows = &windows;
    platform.dialogs = &dialogs;
    platform.shell = &shell;
    platform.singleInstance = &singleInstance;
    platform.fonts = &fonts;
    platform.pictures = &pictures;
    platform.appInfo = appInfo;
    return platform;
}

} // namespace tessaro::platform
