#include "platform/lock_file_single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tessaro::platform {

QString LockFileSingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/KTTessaro");
}

LockFileSingleInstance::LockFileSingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // A running copy holds its lock however long it runs; only the lock of a
    // copy that is no longer running counts as stale.
    lock_.setStaleLockTime(0);
}

bool LockFileSingleInstance::acquire()
{
    return lock_.isLocked() || lock_.tryLock(0);
}

} // namespace tessaro::platform
