// The history file, history.cl2: read into a HistoryLog at start and
// written from it at shutdown.
//
// A line with bad hex is skipped and the reading goes on, so one damaged
// line costs only itself. Such a file would lose that line at the next
// save, so before the first save over it the file is copied, as it was,
// to the same name with ".bak" added.
#pragma once

#include "colorlist/history_log.h"

#include <QString>

namespace tessaro::colorlist {

class HistoryFile {
public:
    // The copy kept of a file that had bad lines.
    static QString BackupPath(const QString& path) { return path + QStringLiteral(".bak"); }

    // Appends the steps of the file at `path` to the log (see
    // HistoryLog::LoadText). A missing or unreadable file adds none.
    HistoryLog::LoadResult Load(const QString& path, HistoryLog& log);
    // Replaces the file with the log's steps; false when it could not be
    // written, in which case the previous file stays whole. A file loaded
    // with bad lines is first copied to its BackupPath; when that copy
    // fails, nothing is written and the result is false. A file that
    // already holds the log's steps (loaded whole into an empty log, or
    // saved, with no change to the log since) is left untouched.
    bool Save(const QString& path, const HistoryLog& log);

private:
    // The file last loaded with bad lines, until it has been copied.
    QString backupDue_;
    // The file that holds the log's steps as of the log's revision
    // `currentRevision_`; empty when none is known to.
    QString currentPath_;
    std::uint64_t currentRevision_ = 0;
};

} // namespace tessaro::colorlist
