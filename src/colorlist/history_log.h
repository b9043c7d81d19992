// The history of main colours: a linear log of steps, oldest first, and the
// cursor that undo and redo walk through it. New steps are always appended,
// also after undoing; the log is never cut.
#pragma once

#include "engine/color.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessaro::colorlist {

class HistoryLog {
public:
    // A step's text: "255,128,0 - #FF8000".
    static QString StepText(TColor color);
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
    int count() const { return int(steps_.size()); }
    const QStringList& steps() const { return steps_; }
    // The colour of the step at `index` (0 <= index < count).
    TColor colorAt(int index) const { return StepColor(steps_.at(index)); }

    // The history file's text.
    struct LoadResult {
        int recorded = 0;                  // steps appended
        std::optional<QString> error;      // the conversion error that stopped the reading
    };
    // Appends a step for every line holding "#", read from the six
    // characters after its first "#" and rewritten in the program's own
    // form; lines without "#" are skipped. A line whose six characters are
    // not hex digits stops the reading: the steps before it stay and its
    // conversion error message is returned.
    LoadResult LoadLines(const QStringList& lines);
    // One step per line, oldest first.
    QStringList Lines() const { return steps_; }

private:
    QStringList steps_;
    int cursor_ = 0;
};

} // namespace tessaro::colorlist
