#include "colorlist/history_log.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"

#include <algorithm>
#include <cstdio>

namespace tessaro::colorlist {

namespace {

// Six characters read as RRGGBB. Anything else, including a shorter text
// and a "#" among the six, is a conversion error naming the six characters.
TColor ReadRrGgBb(QStringView six)
{
    const std::string text = six.toString().toStdString();
    if (six.size() == 6) {
        try {
            // The "#" in front keeps HashHexToColor from dropping a "#"
            // that is one of the six.
            return HashHexToColor("#" + text);
        } catch (const ConversionError&) {
        }
    }
    throw ConversionError(text);
}

} // namespace

QString HistoryLog::StepText(TColor color)
{
    const unsigned red = RedOf(color), green = GreenOf(color), blue = BlueOf(color);
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%u,%u,%u - #%.2X%.2X%.2X", red, green, blue, red, green,
                                     blue);
    return QString::fromLatin1(text, length);
}

TColor HistoryLog::StepColor(const QString& step)
{
    return ReadRrGgBb(QStringView(step).right(6));
}

void HistoryLog::Record(TColor color)
{
    steps_.append(StepText(color));
    cursor_ = count();
}

std::optional<int> HistoryLog::Undo()
{
    // The newest step is the main colour already: the first undo from the
    // end goes to the step before it.
    if (cursor_ == count() && cursor_ >= 1)
        --cursor_;
    if (cursor_ != count() && cursor_ >= 1) {
        --cursor_;
        return cursor_;
    }
    return std::nullopt;
}

std::optional<int> HistoryLog::Redo()
{
    if (cursor_ != count())
        ++cursor_;
    if (cursor_ != count())
        return cursor_;
    return std::nullopt;
}

void HistoryLog::SetCursor(int index)
{
    cursor_ = std::clamp(index, 0, count());
}

void HistoryLog::RemoveSteps(QList<int> indices)
{
    std::sort(indices.begin(), indices.end());
    QStringList kept;
    kept.reserve(steps_.size());
    auto next = indices.cbegin();
    for (int i = 0; i < count(); ++i) {
        while (next != indices.cend() && *next < i)
            ++next;
        if (next != indices.cend() && *next == i)
            continue;
        kept.append(steps_.at(i));
    }
    steps_ = std::move(kept);
    cursor_ = count();
}

void HistoryLog::Clear()
{
    steps_.clear();
    cursor_ = 0;
}

HistoryLog::LoadResult HistoryLog::LoadLines(const QStringList& lines)
{
    LoadResult result;
    steps_.reserve(steps_.size() + lines.size());
    for (const QString& line : lines) {
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash < 0)
            continue;
        try {
            Record(ReadRrGgBb(QStringView(line).mid(hash + 1, 6)));
        } catch (const ConversionError& error) {
            result.error = QString::fromStdString(error.what());
            break;
        }
        ++result.recorded;
    }
    return result;
}

} // namespace tessaro::colorlist
