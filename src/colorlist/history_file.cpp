#include "colorlist/history_file.h"

#include "platform/text_files.h"

#include <QFileInfo>

namespace tessaro::colorlist {

namespace {

HistoryFile::Read ReadBytes(const QString& path)
{
    HistoryFile::Read read;
    read.path = path;
    read.text = platform::ReadFileBytes(path);
    read.exists = read.text || QFileInfo::exists(path);
    return read;
}

// A log that never changed: the same as the one a file is parsed into.
bool IsUntouched(const HistoryLog& log)
{
    return log.count() == 0 && log.revision() == 0;
}

} // namespace

HistoryFile::Read HistoryFile::ReadFile(const QString& path)
{
    Read read = ReadBytes(path);
    if (read.text)
        read.result = read.log.LoadText(*read.text);
    read.parsed = true;
    return read;
}

HistoryLog::LoadResult HistoryFile::Load(const QString& path, HistoryLog& log)
{
    return Load(path, IsUntouched(log) ? ReadFile(path) : ReadBytes(path), log);
}

HistoryLog::LoadResult HistoryFile::Load(const QString& path, Read read, HistoryLog& log)
{
    if (read.path != path)
        read = ReadBytes(path);
    const bool wasEmpty = log.count() == 0;
    const std::optional<QByteArray>& text = read.text;
    HistoryLog::LoadResult result;
    if (read.parsed && IsUntouched(log)) {
        log = std::move(read.log);
        result = read.result;
    } else if (text) {
        result = log.LoadText(*text);
    }
    if (result.badLines > 0)
        backupDue_ = path;
    // An empty log and a missing file hold the same steps: none. A file
    // that is there but cannot be read is no copy of anything.
    if (wasEmpty && result.badLines == 0 && (text || !read.exists)) {
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
