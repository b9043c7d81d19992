// Reading and writing the program's text files whole. Files are read as
// UTF-8, or as Windows-1252 when they are not valid UTF-8; they are written
// as UTF-8 with CR LF after every line, through a temporary file that
// replaces the old one only once every byte of it is on the disk, so a
// failed or interrupted save (a full disk, a missing folder, no permission,
// a read-only file) leaves the previous file whole and reports false.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace tessaro::platform {

// The file's bytes; nullopt when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);
// The file's text; nullopt when it cannot be read.
std::optional<QString> ReadTextFile(const QString& path);
// The file's lines (split at CR LF, CR or LF); nullopt when it cannot be read.
std::optional<QStringList> ReadTextLines(const QString& path);

// The lines as the program writes them: UTF-8, each followed by CR LF.
QByteArray EncodeTextLines(const QStringList& lines);

// Writes all of `bytes` to an open device; false when the device takes
// fewer of them or reports an error.
bool WriteAll(QIODevice& device, QByteArrayView bytes);
// Writes every line followed by CR LF to an open device; false as WriteAll.
bool WriteTextLines(QIODevice& device, const QStringList& lines);

// Replaces the file with `bytes`: written to a temporary file beside it,
// flushed and synced, and only then renamed over the old one, keeping the
// old file's permissions. False when any of it fails or the old file is
// read-only, in which case the previous file is untouched; the error for
// WriteErrorText is then in `error` when given (see ReplaceFileBytes).
bool WriteFileBytes(const QString& path, QByteArrayView bytes, int* error = nullptr);
// Why a write failed, for messages: "The file is read-only" or the
// system's text for the error.
QString WriteErrorText(int error);
// Writes every line followed by CR LF, as WriteFileBytes.
bool WriteTextLines(const QString& path, const QStringList& lines);

} // namespace tessaro::platform
