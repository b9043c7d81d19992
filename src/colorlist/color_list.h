// The colour list as data: the entries, the file the list belongs to, the
// changed mark, the duplicates switch and the insert point, with the one add
// operation and its duplicate rule.
//
// An entry is a text: the program writes "#RRGGBB" with upper-case hex
// digits, and entries read from a list file stay exactly as read. The
// duplicate rule compares entries without regard to letter case through a
// count of every entry's upper-case form, so an addition costs the same
// whatever the length of the list.
#pragma once

#include "engine/color.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tessaro::colorlist {

enum class Placement { AtInsertPoint, AtEnd };

class ColorList {
public:
    const QStringList& entries() const { return entries_; }
    int count() const { return int(entries_.size()); }

    QString currentListPath;
    bool listChanged = false;
    bool allowDuplicates = false;
    // Where AtInsertPoint additions go; -1 means the end.
    int insertPoint = 0;

    // The index AtInsertPoint additions land at now.
    int insertIndex() const;
    // Adds the colour as "#RRGGBB" unless the duplicate rule refuses it
    // (duplicates off and an equal entry, letter case ignored, is listed).
    // Returns the index it went to, or -1 when nothing was added. The
    // changed mark is the caller's.
    int AddToColorList(TColor color, Placement placement);
    // Whether an entry equal to `text` (letter case ignored) is listed.
    bool contains(const QString& text) const;
    // Keeps the last occurrence of every entry (letter case ignored), the
    // survivors in their order; sets the changed mark, also when nothing
    // was removed. Returns the number removed.
    int RemoveDuplicates();
    // Removes the entries at the given indices (out-of-range and repeated
    // ones ignored); sets the changed mark.
    void DeleteEntries(QList<int> indices);
    // Moves the entry at `from` to `to` (-1 or past the end: the end).
    void MoveEntry(int from, int to);
    // Replaces every entry, as read from a file.
    void setEntries(QStringList entries);
    void clear();

    // The colour of an entry: the text after its first character read as
    // hex 0xRRGGBB; black when that is not a hex number.
    static TColor EntryColor(const QString& entry);
    // "#RRGGBB" with upper-case hex digits.
    static QString EntryText(TColor color);

private:
    static QString Key(const QString& entry) { return entry.toUpper(); }
    void forget(const QString& entry);
    void ensureKeys() const;

    QStringList entries_;
    // Upper-case entry -> how often it is listed; built when first needed.
    mutable QHash<QString, int> keys_;
    mutable bool keysValid_ = true;
};

// The main window's hint while the mouse is over the list.
QString ColorListStatusText(const QString& currentListPath, int count);

} // namespace tessaro::colorlist
