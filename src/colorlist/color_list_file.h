// List files (*.cll) and the reopen list file colorlist.cl1.
//
// The current form is one entry per line, each followed by CR LF; an empty
// list is an empty file. Reading decides the form by the file's first
// character: "#" is the current form, whose lines become the entries as they
// are; anything else (an empty file too) is the older form, whose lines
// holding "-" carry a colour as blue, green and red hex bytes after the
// first "-" and one more character, added through the duplicate rule at the
// insert point.
#pragma once

#include "colorlist/color_list.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tessaro::colorlist {

// Called while an older-form file is read: the number of lines and the
// index of the line being read.
using LoadProgress = std::function<void(int lines, int line)>;

struct ListLoadResult {
    bool found = true;             // false: the file does not exist; the list is as it was
    bool olderForm = false;
    std::optional<QString> error;  // what could not be read; the load stopped there
};

// Replaces the list's entries from the text of a list file (UTF-8, or
// Windows-1252 when not valid UTF-8). An older-form line that is not hex
// stops the reading with its conversion error; the entries added before it
// stay.
ListLoadResult LoadColorListText(ColorList& list, QByteArrayView bytes, const LoadProgress& progress = {});
// The same from the file at `path`; a missing file changes nothing, an
// unreadable one is reported and changes nothing. The changed mark is the
// caller's.
ListLoadResult LoadColorList(ColorList& list, const QString& path, const LoadProgress& progress = {});

// The file's bytes in the current form.
QByteArray ColorListText(const QStringList& entries);
// Writes the entries through a temporary file that replaces the old one
// only when complete; nullopt on success, otherwise the reason. A failed
// save leaves the previous file as it was.
std::optional<QString> SaveColorList(const QStringList& entries, const QString& path);

// The remembered list files, full paths in order; letter case is ignored
// when a path is looked up.
class ReopenList {
public:
    const QStringList& paths() const { return paths_; }
    bool contains(const QString& path) const { return paths_.contains(path, Qt::CaseInsensitive); }
    // Appends the path unless it is listed; true when it was appended.
    bool RememberListFile(const QString& path);
    void remove(int index);
    void clear() { paths_.clear(); }
    // Reads colorlist.cl1 (one path per line); a missing file gives none.
    void Load(const QString& path);
    // Writes it; false when it could not be written (the old file stays).
    // An empty list where there is no file yet writes none.
    bool Save(const QString& path) const;

    // A line of the Reopen window built at start: the folder (up to its
    // last "/" or "\") and the file name, the folder shortened to its first
    // 3 and last 7 characters around ".." when it has 12 or more.
    static QString ShortLine(const QString& path);
    // A line added later: the file name alone.
    static QString FileNameLine(const QString& path);

private:
    QStringList paths_;
};

} // namespace tessaro::colorlist
