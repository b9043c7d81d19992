// Message boxes and the standard dialogs through Qt.
#pragma once

#include "platform/platform.h"

#include <QPointer>
#include <QWidget>

namespace tessaro::platform {

// A file dialog filter as Qt reads it, "Description (patterns)", with the
// patterns separated by blanks. The dialogs hide that appended group, so
// the user sees the description as given.
QString NameFilter(const FileFilter& filter);

// Adds "." + `extension` (given with or without its dot) when the file name
// part of `path` has no extension; "name." becomes "name.ext". An empty
// `extension` leaves the path alone.
QString WithDefaultExtension(const QString& path, const QString& extension);

class QtDialogs : public Dialogs {
public:
    // The font dialog offers the families of `fonts`.
    explicit QtDialogs(const Fonts& fonts);

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
    bool isOpenOver(const QWidget* window) const override;

private:
    // Marks a dialog open over its parent's window while it lives; when it
    // ends, the keyboard goes back to that window.
    class OpenDialog {
    public:
        OpenDialog(QtDialogs& dialogs, QWidget* parent);
        ~OpenDialog();
        OpenDialog(const OpenDialog&) = delete;
        OpenDialog& operator=(const OpenDialog&) = delete;

    private:
        QtDialogs& dialogs_;
        QPointer<QWidget> window_;
    };

    const Fonts& fonts_;
    QList<QPointer<QWidget>> openOver_;
};

} // namespace tessaro::platform
