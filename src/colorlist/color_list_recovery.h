// The recovery file of a colour list with unsaved changes when the program
// is ended without its close question (a signal at logout): the list's file
// path on the first line (empty when it had none), then the entries. The
// next start offers to restore it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessaro::colorlist {

struct RecoveredList {
    QString currentListPath;
    QStringList entries;
};

// False when the file could not be written.
bool SaveListRecovery(const QString& path, const QString& currentListPath, const QStringList& entries);
// nullopt when there is no readable recovery file.
std::optional<RecoveredList> LoadListRecovery(const QString& path);

} // namespace tessaro::colorlist
