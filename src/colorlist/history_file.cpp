#include "colorlist/history_file.h"

#include "platform/text_files.h"

#include <QFileInfo>

namespace tessaro::colorlist {

HistoryLog::LoadResult HistoryFile::Load(const QString& path, HistoryLog& log)
{
    const bool wasEmpty = log.count() == 0;
    const std::optional<QByteArray> text = platform::ReadFileBytes(path);
    const HistoryLog::LoadResult result = text ? log.LoadText(*text) : HistoryLog::LoadResult{};
    if (result.badLines > 0)
        backupDue_ = path;
    // An empty log and a missing file hold the same steps: none. A file
    // that is there but cannot be read is no copy of anything.
    if (wasEmpty && result.badLines == 0 && (text || !QFileInfo::exists(path))) {
        currentPath_ = path;
        currentRevision_ = log.revision();
    } else {
        currentPath_.clear();
    }
    return result;
}

bool HistoryFile::Save(const QString& path, const HistoryLog& log)
{
    if (!backupDue_.isEmpty() && backupDue_ == path && QFileInfo::exists(path)) {
        const std::optional<QByteArray> old = platform::ReadFileBytes(path);
        if (!old || !platform::WriteFileBytes(BackupPath(path), *old))
            return false;
        backupDue_.clear();
    }
    if (path == currentPath_ && log.revision() == currentRevision_)
        return true;
    if (!platform::WriteFileBytes(path, log.Text()))
        return false;
    currentPath_ = path;
    currentRevision_ = log.revision();
    return true;
}

} // namespace tessaro::colorlist
