#include "colorlist/color_list_file.h"

#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "engine/text_encoding.h"
#include "engine/text_lines.h"
#include "platform/text_files.h"

#include <QFileInfo>
#include <QDir>
#include <QSet>

#include <algorithm>

namespace tessaro::colorlist {

namespace {

QString DecodeText(QByteArrayView bytes)
{
    return QString::fromStdU16String(DecodeFileText(std::string_view(bytes.data(), std::size_t(bytes.size()))));
}

QStringList Lines(const QString& text)
{
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    const auto parts = SplitLines(view);
    QStringList lines;
    lines.reserve(qsizetype(parts.size()));
    for (std::u16string_view part : parts)
        lines.append(QString(reinterpret_cast<const QChar*>(part.data()), qsizetype(part.size())));
    return lines;
}

// Reads the older form: colours land at the insert point one after the
// other, so after the first (insertPoint - count) ones appended in file
// order the rest are listed in reverse. Built in one pass rather than by an
// insertion per line.
ListLoadResult LoadOlderForm(ColorList& list, const QStringList& lines, const LoadProgress& progress)
{
    ListLoadResult result;
    result.olderForm = true;
    const int point = list.insertPoint;
    QList<TColor> accepted;
    const auto addAll = [&] {
        const qsizetype inOrder = point < 0 ? accepted.size() : std::min<qsizetype>(point, accepted.size());
        for (qsizetype i = 0; i < inOrder; ++i)
            list.AddToColorList(accepted[i], Placement::AtEnd);
        for (qsizetype i = accepted.size() - 1; i >= inOrder; --i)
            list.AddToColorList(accepted[i], Placement::AtEnd);
    };
    // The duplicate rule over the colours read so far.
    QSet<TColor> seen;
    const int total = int(lines.size());
    for (int i = 0; i < total; ++i) {
        if (progress && (i % 1024 == 0 || i + 1 == total))
            progress(total, i);
        const QString& line = lines[i];
        const qsizetype dash = line.indexOf(QLatin1Char('-'));
        if (dash < 0)
            continue;
        const QString rest = line.mid(dash + 2);
        TColor color;
        try {
            color = TColor(ReadInteger("$00" + rest.toStdString()));
        } catch (const ConversionError& error) {
            result.error = QString::fromStdString(error.what());
            break;
        }
        color &= 0xFFFFFF;
        if (!list.allowDuplicates) {
            if (seen.contains(color))
                continue;
            seen.insert(color);
        }
        accepted.append(color);
    }
    addAll();
    return result;
}

} // namespace

ListLoadResult LoadColorListText(ColorList& list, QByteArrayView bytes, const LoadProgress& progress)
{
    list.clear();
    const QString text = DecodeText(bytes);
    if (text.startsWith(QLatin1Char('#'))) {
        list.setEntries(Lines(text));
        return {};
    }
    return LoadOlderForm(list, Lines(text), progress);
}

ListLoadResult LoadColorList(ColorList& list, const QString& path, const LoadProgress& progress)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        ListLoadResult result;
        result.found = false;
        return result;
    }
    const std::optional<QByteArray> bytes = info.isFile() ? platform::ReadFileBytes(path) : std::nullopt;
    if (!bytes) {
        ListLoadResult result;
        result.error = QStringLiteral("Can not read the color list %1.").arg(path);
        return result;
    }
    return LoadColorListText(list, *bytes, progress);
}

QByteArray ColorListText(const QStringList& entries)
{
    return platform::EncodeTextLines(entries);
}

std::optional<QString> SaveColorList(const QStringList& entries, const QString& path)
{
    int error = 0;
    if (platform::WriteFileBytes(path, ColorListText(entries), &error))
        return std::nullopt;
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("The folder does not exist.");
    return platform::WriteErrorText(error);
}

bool ReopenList::RememberListFile(const QString& path)
{
    if (contains(path))
        return false;
    paths_.append(path);
    return true;
}

void ReopenList::remove(int index)
{
    if (index >= 0 && index < paths_.size())
        paths_.removeAt(index);
}

void ReopenList::Load(const QString& path)
{
    if (std::optional<QStringList> lines = platform::ReadTextLines(path))
        paths_ = *lines;
}

bool ReopenList::Save(const QString& path) const
{
    // No file reads as an empty list: an empty list needs no new file.
    if (paths_.isEmpty() && !QFileInfo::exists(path))
        return true;
    return platform::WriteTextLines(path, paths_);
}

QString ReopenList::ShortLine(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString folder = path.left(cut + 1);
    const QString name = path.mid(cut + 1);
    if (folder.size() < 12)
        return folder + name;
    return folder.left(3) + QStringLiteral("..") + folder.right(7) + name;
}

QString ReopenList::FileNameLine(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

} // namespace tessaro::colorlist
