#include "layouts/edit_history.h"

namespace tessaro::layouts {

void EditHistory::Reset(const TestArea& area)
{
    steps_.assign(1, area);
    index_ = 0;
}

void EditHistory::Record(const TestArea& area)
{
    if (steps_.empty()) {
        Reset(area);
        return;
    }
    if (SameArrangement(area, steps_[index_]))
        return;
    steps_.resize(index_ + 1);
    steps_.push_back(area);
    if (steps_.size() > kMaxSteps)
        steps_.erase(steps_.begin());
    index_ = steps_.size() - 1;
}

void EditHistory::Restore(TestArea& area, const TestArea& step)
{
    TestArea restored = step;
    for (std::size_t i = 0; i < area.shapes.size(); ++i) {
        restored.shapes[i].fill = area.shapes[i].fill;
        restored.shapes[i].outline = area.shapes[i].outline;
    }
    for (std::size_t i = 0; i < area.texts.size(); ++i)
        restored.texts[i].textColor = area.texts[i].textColor;
    restored.background = area.background;
    area = restored;
}

bool EditHistory::Undo(TestArea& area)
{
    if (!canUndo())
        return false;
    Restore(area, steps_[--index_]);
    return true;
}

bool EditHistory::Redo(TestArea& area)
{
    if (!canRedo())
        return false;
    Restore(area, steps_[++index_]);
    return true;
}

} // namespace tessaro::layouts
