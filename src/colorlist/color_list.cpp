#include "colorlist/color_list.h"

#include "engine/color_text.h"
#include "engine/named_color.h"

#include <algorithm>

namespace tessaro::colorlist {

int ColorList::insertIndex() const
{
    return (insertPoint < 0 || insertPoint > count()) ? count() : insertPoint;
}

int ColorList::AddToColorList(TColor color, Placement placement)
{
    const QString text = EntryText(color);
    if (!allowDuplicates && contains(text))
        return -1;
    const int index = placement == Placement::AtEnd ? count() : insertIndex();
    entries_.insert(index, text);
    if (keysValid_)
        ++keys_[text];
    return index;
}

bool ColorList::contains(const QString& text) const
{
    ensureKeys();
    return keys_.contains(Key(text));
}

void ColorList::ensureKeys() const
{
    if (keysValid_)
        return;
    keys_.clear();
    keys_.reserve(entries_.size());
    for (const QString& entry : entries_)
        ++keys_[Key(entry)];
    keysValid_ = true;
}

void ColorList::forget(const QString& entry)
{
    if (!keysValid_)
        return;
    const auto it = keys_.find(Key(entry));
    if (it != keys_.end() && --it.value() <= 0)
        keys_.erase(it);
}

int ColorList::RemoveDuplicates()
{
    // Walking from the end, the first entry with a key not seen yet is the
    // last occurrence of that key: it stays, every earlier one goes.
    QHash<QString, bool> seen;
    seen.reserve(entries_.size());
    QStringList kept;
    for (qsizetype i = entries_.size() - 1; i >= 0; --i) {
        const QString key = Key(entries_[i]);
        if (seen.contains(key))
            continue;
        seen.insert(key, true);
        kept.append(entries_[i]);
    }
    std::reverse(kept.begin(), kept.end());
    const int removed = count() - int(kept.size());
    entries_ = std::move(kept);
    keysValid_ = false;
    listChanged = true;
    return removed;
}

void ColorList::DeleteEntries(QList<int> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    QStringList kept;
    kept.reserve(entries_.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        while (next < indices.size() && indices[next] < i)
            ++next;
        if (next < indices.size() && indices[next] == i)
            continue;
        kept.append(entries_[i]);
    }
    entries_ = std::move(kept);
    keysValid_ = false;
    listChanged = true;
}

void ColorList::MoveEntry(int from, int to)
{
    if (from < 0 || from >= count())
        return;
    const QString entry = entries_.takeAt(from);
    entries_.insert((to < 0 || to > count()) ? count() : to, entry);
}

void ColorList::setEntries(QStringList entries)
{
    entries_ = std::move(entries);
    keys_.clear();
    keysValid_ = false;
}

void ColorList::clear()
{
    entries_.clear();
    keys_.clear();
    keysValid_ = true;
}

TColor ColorList::EntryColor(const QString& entry)
{
    // Long entries are black without converting them.
    if (entry.size() > 256)
        return 0;
    return ListEntryColor(entry.toStdString());
}

QString ColorList::EntryText(TColor color)
{
    return QString::fromStdString(HashHexText(color));
}

QString ColorListStatusText(const QString& currentListPath, int count)
{
    QString text = QStringLiteral(
        "This is the color list. Drag a color to add it to the list. Double click any color to see its details.");
    text += currentListPath.isEmpty() ? QStringLiteral(" ( ") : QStringLiteral(" ( Loaded ") + currentListPath + '.';
    if (count == 0)
        text += QStringLiteral(" No colors in the list. )");
    else if (count == 1)
        text += QStringLiteral(" There is only one color in the list.  )");
    else
        text += QStringLiteral(" There are ") + QString::number(count) + QStringLiteral(" colors in the list.  )");
    return text;
}

} // namespace tessaro::colorlist
