#include "colorlist/history_file.h"

#include "platform/text_files.h"

#include <QFileInfo>

namespace tessaro::colorlist {

HistoryLog::LoadResult HistoryFile::Load(const QString& path, HistoryLog& log)
{
    const std::optional<QByteArray> text = platform::ReadFileBytes(path);
    if (!text)
        return {};
    const HistoryLog::LoadResult result = log.LoadText(*text);
    if (result.badLines > 0)
        backupDue_ = path;
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
    return platform::WriteFileBytes(path, log.Text());
}

} // namespace tessaro::colorlist
