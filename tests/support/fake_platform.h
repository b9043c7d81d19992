// Fakes of every platform service, for window tests.
//
//   tessaro::platform::FakePlatform fake;
//   fake.dialogs.answers.push_back(Answer::Yes);      // scripted answers
//   fake.clipboard.content = "#FF8000\r\n";           // what a paste reads
//   fake.screen.fill(MakeColor(255, 0, 0));           // what the screen shows
//   MainWindow window(fake.platform(), dataFolder);
//   ... drive the window ...
//   fake.dialogs.calls, fake.clipboard.content, fake.shell.opened ...  // what it did
//
// The fakes keep everything in public members: set them before, read them
// after. Nothing is shown and nothing leaves the process. A dialog whose
// queue is empty answers as if the user had cancelled (No for a Yes/No
// question, Cancel for Yes/No/Cancel, nothing for the others).
#pragma once

#include "platform/platform.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>

namespace tessaro::platform {

class FakeClipboard : public Clipboard {
public:
    QString text() const override { return content; }
    void setText(const QString& text) override;
    void setImage(const QImage& image) override;
    void setVectorPicture(const QByteArray& svg, const QByteArray& emf, const QByteArray& wmf) override;

    // Each put replaces everything, as on the real clipboard.
    QString content;  // returned by text() as it is: write CR LF yourself
    QImage image;
    QByteArray svg;
    QByteArray emf;
    QByteArray wmf;
    int puts = 0;     // how many times something was put
};

class FakeScreen : public Screen {
public:
    FakeScreen();  // a white 1024 x 768 screen

    QPoint cursorPosition() const override { return cursor; }
    // From `image`; white outside it, as for an unreadable screen.
    TColor pixelAt(QPoint globalPosition) const override;
    QImage grab(const QRect& globalRect) const override;
    QSize size() const override { return image.size(); }

    // Fills the whole screen with one colour.
    void fill(TColor color);

    QImage image;  // what the screen shows; its size is the screen size
    QPoint cursor;
};

class FakeWindows : public Windows {
public:
    struct Call {
        QString what;         // "startMove", "setTopmost", "setOpacity", "hide", "showAgain", "minimize", "showToolWindow"
        QWidget* window;      // null for "hide" and "minimize"
        int value;            // topmost as 0/1, the opacity, or the delay
    };
    void startMove(QWidget* window) override { calls.append({QStringLiteral("startMove"), window, 0}); }
    void setTopmost(QWidget* window, bool topmost) override;
    bool canKeepOnTop() const override { return keepsOnTop; }
    bool knowsWindowPlaces() const override { return knowsPlaces; }
    void setOpacity(QWidget* window, int opacity) override;
    // Hides nothing and calls `whileHidden` at once; its `showAgain` is
    // recorded as a "showAgain" call.
    void hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden) override;
    void minimizeApplication() override { calls.append({QStringLiteral("minimize"), nullptr, 0}); }
    // Shows the window as it is.
    void showToolWindow(QWidget* window) override;

    QList<Call> calls;
    bool keepsOnTop = true;   // false: a desktop without stay-on-top (native Wayland)
    bool knowsPlaces = true;  // false: a desktop that never tells window places
};

class FakeDialogs : public Dialogs {
public:
    struct Call {
        QString what;     // the method's name: "askYesNo", "saveFile", "chooseColor", ...
        QString title;
        QString text;     // the question, the input label, or empty
        QString initial;  // inputText's initial text
        QList<FileFilter> filters;
        QString defaultExtension;
        QString folder;
        TColor color = 0;     // chooseColor's initial colour
        FontChoice font;      // chooseFont's initial font
    };

    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    void notify(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QList<FileFilter>& filters,
                                    const QString& folder) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QList<FileFilter>& filters,
                                    const QString& defaultExtension, const QString& folder) override;
    std::optional<TColor> chooseColor(QWidget* parent, TColor initial) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
    std::optional<QString> openPicture(QWidget* parent, const QString& folder) override;
    // True for the parent's window while a question runs `whileAsking`.
    bool isOpenOver(const QWidget* window) const override { return window && window == openOver_; }

    // Runs while a question (askYesNo, askYesNoCancel) is "open", before
    // its answer is taken: the moment a real box would be on the screen.
    std::function<void()> whileAsking;
    // Every dialog shown, in order.
    QList<Call> calls;
    // The texts of the dialogs of one kind ("notify", "error", ...), in order.
    QStringList textsOf(const QString& what) const
    {
        QStringList found;
        for (const Call& call : calls)
            if (call.what == what)
                found << call.text;
        return found;
    }
    // Scripted answers, taken from the front.
    std::deque<Answer> answers;                  // askYesNo, askYesNoCancel
    std::deque<std::optional<QString>> texts;    // inputText
    std::deque<std::optional<QString>> paths;    // openFile, saveFile, openPicture (returned as given)
    std::deque<std::optional<TColor>> colors;    // chooseColor
    std::deque<std::optional<FontChoice>> fonts; // chooseFont

private:
    Call& record(const QString& what, const QString& title = {}, const QString& text = {});
    void ask(QWidget* parent);

    const QWidget* openOver_ = nullptr;
};

class FakeShell : public Shell {
public:
    bool openDocument(const QString& path) override
    {
        documents << path;
        return documentsOpen;
    }
    void openUrl(const QString& url) override { urls << url; }
    void registerListFileAssociation(const QString& executable) override { associations << executable; }

    QStringList documents;
    bool documentsOpen = true;  // false: the desktop has no launcher
    QStringList urls;
    QStringList associations;  // the executables registered
};

class FakeSingleInstance : public SingleInstance {
public:
    bool acquire() override
    {
        ++acquired;
        return result;
    }
    bool result = true;  // false: another copy runs
    int acquired = 0;
};

class FakeFonts : public Fonts {
public:
    QStringList installedFamilies() const override { return families; }
    QStringList families = {QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("MS Sans Serif"),
                            QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"), QStringLiteral("Verdana")};
};

class FakePictures : public Pictures {
public:
    // The picture stored under `path`; PictureError for any other path.
    QImage load(const QString& path) const override;

    QMap<QString, QImage> files;
    mutable QStringList loaded;  // every path asked for, found or not
};

class FakePlatform {
public:
    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Points at the fakes below; valid while this object lives.
    Platform platform();

    FakeClipboard clipboard;
    FakeScreen screen;
    FakeWindows windows;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeSingleInstance singleInstance;
    FakeFonts fonts;
    FakePictures pictures;
    AppInfo appInfo;
};

} // namespace tessaro::platform
