// Opening documents with the desktop, and the ".cll" file association as a
// freedesktop.org MIME package and desktop entry in the user's data folder
// (the entry only where no installed one opens ".cll" files).
#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <functional>

namespace tessaro::platform {

inline constexpr char kListFileMimeType[] = "application/x-kt-tessaro-colorlist";

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
QString UserDataFolder();

// The shared-mime-info package that gives "*.cll" files their own type, as
// the package installs it.
QString ListFileMimePackage();
// The installed desktop entry (which opens that type, and carries the
// actions), made to run `executable` instead of the program on the PATH.
QString ListFileDesktopEntry(const QString& executable);
// The folders of $XDG_DATA_DIRS (by default /usr/local/share and /usr/share)
// that are absolute paths, in order.
QStringList SystemDataFolders();
// Whether the main group of a desktop entry lists `mimeType` in MimeType=.
bool DesktopEntryDeclaresType(const QString& entryText, const QString& mimeType);
// Whether the kt-tessaro.desktop installed in SystemDataFolders() (the first
// found) opens list files.
bool InstalledEntryOpensListFiles();
// One argument of a desktop entry's Exec line, quoted and escaped as the
// desktop entry format asks (with the string escapes of the file applied).
QString DesktopExecArgument(const QString& argument);

class QtShell : public Shell {
public:
    // Starts a program without waiting for it; the default runs it detached
    // when it can be found on the PATH.
    using Runner = std::function<void(const QString& program, const QStringList& arguments)>;

    QtShell();
    explicit QtShell(Runner runner);

    bool openDocument(const QString& path) override;
    void openUrl(const QString& url) override;
    // Writes mime/packages/kt-tessaro.xml and, unless the installed entry
    // opens list files, applications/kt-tessaro.desktop under
    // UserDataFolder(), then refreshes the MIME and desktop databases.
    void registerListFileAssociation(const QString& executable) override;

private:
    Runner runner_;
};

} // namespace tessaro::platform
