// The history of main colours: a linear log of steps, oldest first, and the
// cursor that undo and redo walk through it. New steps are always appended,
// also after undoing; the log is never cut.
//
// The log holds each step's colour; a step's text ("255,128,0 - #FF8000")
// is made only where it is shown or written to the history file.
#pragma once

#include "engine/color.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaro::colorlist {

class HistoryLog {
public:
    // The longest step text: "255,255,255 - #FFFFFF".
    static constexpr int kMaxStepLength = 21;

    // A step's text: "255,128,0 - #FF8000".
    static QString StepText(TColor color);
    // Writes a step's text to `out` (room for kMaxStepLength characters)
    // and returns its length.
    static int FormatStep(TColor color, char* out);
    // The colour of a step: its last six characters read as RRGGBB. Throws
    // ConversionError when they are not six hex digits.
    static TColor StepColor(const QString& step);

    // Appends the colour's step; the cursor moves past it.
    void Record(TColor color);

    // Moves the cursor back. Returns the index of the step whose colour
    // becomes the main colour, or nothing when the main colour stays (at the
    // oldest step, or from the end of a log of one step, where only the
    // cursor moves).
    std::optional<int> Undo();
    // Moves the cursor forward; the index of the step to set, or nothing at
    // the newest step.
    std::optional<int> Redo();

    // A step picked by hand (double click): the cursor goes to it.
    void SetCursor(int index);
    // Removes the steps at the given indices (out-of-range and repeated
    // indices are ignored); the cursor moves to the end.
    void RemoveSteps(QList<int> indices);
    void Clear();

    // 0..count; count means past the newest step.
    int cursor() const { return cursor_; }
    int count() const { return int(colors_.size()); }
    // Every step's colour, oldest first.
    const std::vector<TColor>& colors() const { return colors_; }
    // The colour and the text of the step at `index` (0 <= index < count).
    TColor colorAt(int index) const { return colors_.at(std::size_t(index)); }
    QString stepText(int index) const { return StepText(colorAt(index)); }
    // Every step's text, oldest first (made afresh on each call).
    QStringList steps() const;

    // Reading the history file's text.
    struct LoadResult {
        int recorded = 0;              // steps appended
        int badLines = 0;              // lines skipped for bad hex
        std::optional<QString> error;  // the conversion error message of the first bad line
    };
    // Appends a step for every line holding "#", read from the six
    // characters after its first "#" and rewritten in the program's own
    // form; lines without "#" are skipped. A line whose six characters are
    // not hex digits is skipped too and counted; the first one's conversion
    // error message is returned. `text` is the file's bytes, read as UTF-8,
    // or as Windows-1252 when they are not valid UTF-8; lines end at CR LF,
    // CR or LF.
    LoadResult LoadText(QByteArrayView text);
    // The same for lines already read.
    LoadResult LoadLines(const QStringList& lines);
    // The history file's bytes: one step per line, oldest first, each line
    // ended by CR LF.
    QByteArray Text() const;
    // The same as lines.
    QStringList Lines() const { return steps(); }

    // Counts the changes to the steps (recorded, loaded, removed, cleared;
    // not the cursor), so that a saved copy can tell whether it is behind.
    std::uint64_t revision() const { return revision_; }

private:
    std::vector<TColor> colors_;
    int cursor_ = 0;
    std::uint64_t revision_ = 0;
};

} // namespace tessaro::colorlist
