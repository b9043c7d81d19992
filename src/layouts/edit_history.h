// Undo and redo of the layout editor: each completed edit of the objects or
// of the document size is one step. Colours are no part of a step: undoing
// a move never takes back a colour dropped since.
#pragma once

#include "layouts/test_area.h"

#include <cstddef>
#include <vector>

namespace tessaro::layouts {

class EditHistory {
public:
    // Forgets every step; `area` is where undoing stops.
    void Reset(const TestArea& area);
    // The area after an edit; equal states are not recorded twice, and the
    // steps undone before are dropped.
    void Record(const TestArea& area);
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ + 1 < steps_.size(); }
    // Puts the objects and size of the step before (after) into `area`,
    // keeping its colours; false when there is none.
    bool Undo(TestArea& area);
    bool Redo(TestArea& area);

    // No more steps than this are kept; the oldest go first.
    static constexpr std::size_t kMaxSteps = 500;

private:
    static void Restore(TestArea& area, const TestArea& step);

    std::vector<TestArea> steps_;
    std::size_t index_ = 0;
};

} // namespace tessaro::layouts
