#include "workspace/data_folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessaro::workspace {

namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

DataFolders FoldersAt(const QString& appDir)
{
    return {appDir, appDir + QStringLiteral("TD/"), appDir + QStringLiteral("CLLs/")};
}

bool IsWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Copies every file of `from` that `to` does not have yet.
void CopyMissing(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const char* folder : {"TD", "TLs", "CWSs", "CLLs", "help"})
        QDir().mkpath(to + QLatin1String(folder));
    if (!QFileInfo(from).isDir())
        return;
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + source.relativeFilePath(file);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

DataFolders ResolveDataFolders(const QString& executableDir, const QString& installedDataDir,
                               const QString& userDataDir)
{
    const QString beside = WithSlash(executableDir);
    if (IsWritableFolder(beside + QStringLiteral("TD")))
        return FoldersAt(beside);
    const QString user = WithSlash(userDataDir);
    CopyMissing(WithSlash(installedDataDir), user);
    return FoldersAt(user);
}

QString ExecutableDir()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString UserDataDir()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return WithSlash(base) + QStringLiteral("kt-tessaro/");
}

QString InstalledDataDir(const QString& executableDir)
{
    return QDir(executableDir).absoluteFilePath(QStringLiteral("../share/kt-tessaro")) + QLatin1Char('/');
}

} // namespace tessaro::workspace
