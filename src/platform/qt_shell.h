// Opening documents with the desktop, and the ".cll" file association as a
// freedesktop.org MIME package and desktop entry in the user's data folder.
#pragma once

#include "platform/platform.h"

#include <functional>

namespace tessaro::platform {

inline constexpr char kListFileMimeType[] = "application/x-kt-tessaro-colorlist";

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
QString UserDataFolder();

// The shared-mime-info package that gives "*.cll" files their own type.
QString ListFileMimePackage();
// The desktop entry that opens that type with `executable`.
QString ListFileDesktopEntry(const QString& executable);
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

    void openDocument(const QString& path) override;
    void openUrl(const QString& url) override;
    // Writes mime/packages/kt-tessaro.xml and applications/kt-tessaro.desktop
    // under UserDataFolder(), then refreshes the MIME and desktop databases.
    void registerListFileAssociation(const QString& executable) override;

private:
    Runner runner_;
};

} // namespace tessaro::platform
