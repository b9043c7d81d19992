#include "colorlist/color_list_recovery.h"

#include "platform/text_files.h"

namespace tessaro::colorlist {

bool SaveListRecovery(const QString& path, const QString& currentListPath, const QStringList& entries)
{
    QStringList lines;
    lines.reserve(entries.size() + 1);
    lines << currentListPath << entries;
    return platform::WriteTextLines(path, lines);
}

std::optional<RecoveredList> LoadListRecovery(const QString& path)
{
    std::optional<QStringList> lines = platform::ReadTextLines(path);
    if (!lines || lines->isEmpty())
        return std::nullopt;
    RecoveredList list;
    list.currentListPath = lines->takeFirst();
    list.entries = std::move(*lines);
    return list;
}

} // namespace tessaro::colorlist
