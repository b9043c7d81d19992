// The narrow services the windows need from the desktop. Windows receive a
// Platform and call nothing of the desktop directly, so tests can hand them
// fakes (tests/support/fake_platform.h).
#pragma once

#include "engine/color.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stdexcept>

class QWidget;
class QMimeData;

namespace tessaro::platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The whole plain text with lines ended by CR LF; empty when there is none.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // A bitmap, offered as PNG and BMP.
    virtual void setImage(const QImage& image) = 0;
    // A vector picture: SVG for Linux programs and the Windows metafile bytes
    // beside it (either may be empty).
    virtual void setVectorPicture(const QByteArray& svg, const QByteArray& emf, const QByteArray& wmf) = 0;
    // Text that stays on the clipboard after the program ends (a desktop
    // clipboard lives only as long as its owner): handed to a clipboard
    // helper of the desktop where one is installed. By default setText.
    virtual void setTextBeyondExit(const QString& text) { setText(text); }
};

// The whole desktop as one picture: every screen, in device pixels, so a
// scaled screen gives its real pixels.
struct DesktopPicture {
    QImage image;       // null when the screen could not be read
    QRect geometry;     // the desktop in the windows' (logical) coordinates
    QString failure;    // why there is no picture, for the user

    bool isValid() const { return !image.isNull() && !geometry.isEmpty(); }
    // Device pixels per logical pixel.
    double ratio() const { return geometry.isEmpty() ? 1.0 : double(image.width()) / geometry.width(); }
    // All black: what a display server gives that lets the program grab
    // but shows it nothing (the empty root window of XWayland).
    bool isPlainlyEmpty() const;
    // A point in the windows' coordinates as a pixel of the picture.
    QPoint toPixel(QPoint global) const
    {
        const QPoint p = global - geometry.topLeft();
        const double r = ratio();
        return {int(p.x() * r), int(p.y() * r)};
    }
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual QPoint cursorPosition() const = 0;
    // The colour of one screen pixel; white (all three bytes 255) when the
    // screen cannot be read.
    virtual TColor pixelAt(QPoint globalPosition) const = 0;
    // A copy of a screen rectangle; white pixels where it cannot be read.
    virtual QImage grab(const QRect& globalRect) const = 0;
    virtual QSize size() const = 0;
    // The areas of the desktop where windows may stand, one per screen, in
    // the windows' coordinates; the whole screen by default.
    virtual QList<QRect> windowAreas() const { return {QRect(QPoint(0, 0), size())}; }

    // A frozen picture of the whole desktop, taken once (the eye dropper's
    // screenshot). `done` may run later, from the event loop, when the
    // desktop asks the user first. By default a grab of size().
    virtual void captureDesktop(std::function<void(DesktopPicture)> done) const;
};

// Window services for the program's own borderless windows.
class Windows {
public:
    virtual ~Windows() = default;
    // Starts the desktop's interactive move of the window (from a title bar press).
    virtual void startMove(QWidget* window) = 0;
    virtual void setTopmost(QWidget* window, bool topmost) = 0;
    // False where the desktop cannot keep a window above the others on the
    // program's request (a native Wayland client has no protocol for it).
    virtual bool canKeepOnTop() const { return true; }
    // False where the desktop places the windows and never tells the
    // program where they are (a native Wayland client): their positions
    // then say nothing and must not be saved.
    virtual bool knowsWindowPlaces() const { return true; }
    // 0 transparent .. 255 opaque.
    virtual void setOpacity(QWidget* window, int opacity) = 0;
    // Hides every visible window of the program, waits `delayMs` on a timer
    // (the event loop keeps running), then calls `whileHidden` with
    // `showAgain`: the same windows stay hidden until `showAgain` is called,
    // which may be later, from the event loop (after an asynchronous
    // screenshot). Windows shown in between stay in front. Calls after the
    // first do nothing.
    using ShowAgain = std::function<void()>;
    virtual void hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden) = 0;
    // Minimises the program: the windows with a taskbar entry are minimised,
    // the tool windows beside them are hidden and come back when one of the
    // minimised windows is restored.
    virtual void minimizeApplication() = 0;
    // Shows a tool window in front of the others, out of a minimised state
    // (its own, or the program's after minimizeApplication).
    virtual void showToolWindow(QWidget* window) = 0;
};

enum class Answer { Yes, No, Cancel, Ok };

struct FileFilter {
    QString description;  // "CSS File (*.css)"
    QString patterns;     // "*.css" or "*.html; *.htm"
};

struct FontChoice {
    QFont font;           // family, size, bold, italic, underline, strike-out
    QColor color;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No question with a question icon.
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes/No/Cancel question with a question icon.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK box with an information icon.
    virtual void notify(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK box with an error icon.
    virtual void error(QWidget* parent, const QString& title, const QString& text) = 0;
    // One-line input; nullopt on Cancel.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                             const QString& initial) = 0;
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QList<FileFilter>& filters, const QString& folder) = 0;
    // Adds `defaultExtension` (without dot) when the name has none and asks
    // before replacing an existing file. A `folder` that ends in a file name
    // offers that name.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title, const QList<FileFilter>& filters,
                                            const QString& defaultExtension, const QString& folder) = 0;
    virtual std::optional<TColor> chooseColor(QWidget* parent, TColor initial) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
    // Open dialog for the supported picture kinds.
    virtual std::optional<QString> openPicture(QWidget* parent, const QString& folder) = 0;
    // True while one of these dialogs is open with `window` (or one of its
    // children) as its parent, so the window can wait for the answer (a
    // fading window stays while its own question is asked).
    virtual bool isOpenOver(const QWidget* window) const = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document with the desktop's default program; returns at once.
    // False when the desktop has no way to open documents (no launcher).
    virtual bool openDocument(const QString& path) = 0;
    virtual void openUrl(const QString& url) = 0;
    // Registers ".cll" files (MIME package and .desktop entry in the user's
    // data folder) to open with `executable`. Failures are ignored.
    virtual void registerListFileAssociation(const QString& executable) = 0;
};

// The local paths of files dropped from the desktop, in order.
QStringList DroppedFiles(const QMimeData* data);

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Takes the program's instance lock, never waiting. False when another
    // running copy holds it (the program starts all the same).
    virtual bool acquire() = 0;
    // Gives the lock back now rather than when this object goes.
    virtual void release() {}
};

struct AppInfo {
    QString fileVersion = QStringLiteral(TESSARO_FILE_VERSION);  // four parts
    QString version = QStringLiteral(TESSARO_VERSION);           // three parts
};

class Fonts {
public:
    virtual ~Fonts() = default;
    // Installed font family names, sorted.
    virtual QStringList installedFamilies() const = 0;
};

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Pictures {
public:
    virtual ~Pictures() = default;
    // Loads a picture by its extension (.bmp, .ico, .jpg, .jpeg, .png, .svg,
    // .wmf, .emf); throws PictureError for an unknown kind or unreadable file.
    virtual QImage load(const QString& path) const = 0;
};

// Every service, as handed to the windows. Not owning.
struct Platform {
    Clipboard* clipboard = nullptr;
    Screen* screen = nullptr;
    Windows* windows = nullptr;
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    SingleInstance* singleInstance = nullptr;
    Fonts* fonts = nullptr;
    Pictures* pictures = nullptr;
    AppInfo appInfo;
};

} // namespace tessaro::platform
