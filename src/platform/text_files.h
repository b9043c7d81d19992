// Reading and writing the program's text files whole. Files are read as
// UTF-8, or as Windows-1252 when they are not valid UTF-8; they are written
// as UTF-8 with CR LF after every line, through a temporary file that
// replaces the old one only once it is complete, so a failed or interrupted
// save leaves the previous file whole.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessaro::platform {

// The file's text; nullopt when it cannot be read.
std::optional<QString> ReadTextFile(const QString& path);
// The file's lines (split at CR LF, CR or LF); nullopt when it cannot be read.
std::optional<QStringList> ReadTextLines(const QString& path);
// Writes every line followed by CR LF; false when the file could not be
// written, in which case the previous file is untouched.
bool WriteTextLines(const QString& path, const QStringList& lines);

} // namespace tessaro::platform
