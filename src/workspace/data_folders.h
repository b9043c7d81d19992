// Where the program keeps its files: the program folder with TD/, TLs/,
// CWSs/, CLLs/ and help/.
#pragma once

#include <QString>

namespace tessaro::workspace {

struct DataFolders {
    QString appDir;      // ends with "/"
    QString dataFolder;  // appDir + "TD/"
    QString listFolder;  // appDir + "CLLs/"

    QString historyFile() const { return dataFolder + QStringLiteral("history.cl2"); }
};

// The executable's folder when its TD/ is writable (a build tree or a
// portable copy). Otherwise the per-user folder, which is filled from the
// installed data the first time: files missing there are copied, nothing
// present is replaced.
DataFolders ResolveDataFolders(const QString& executableDir, const QString& installedDataDir,
                               const QString& userDataDir);

// The running executable's folder, known before the application object
// exists (the same as QCoreApplication::applicationDirPath()).
QString ExecutableDir();

// The per-user folder: $XDG_DATA_HOME/kt-tessaro/ (~/.local/share/kt-tessaro/).
QString UserDataDir();
// The installed data beside an installed executable: <prefix>/share/kt-tessaro/.
QString InstalledDataDir(const QString& executableDir);

} // namespace tessaro::workspace
