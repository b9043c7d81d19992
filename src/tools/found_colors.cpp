#include "tools/found_colors.h"

#include "engine/color_scan.h"

#include <algorithm>
#include <unordered_map>

namespace tessaro::tools {

namespace {

std::string CaselessKey(const std::string& entry)
{
    std::string key = entry;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return key;
}

} // namespace

QString FoundRowText(std::string_view entry)
{
    const RgbTriple rgb = ToRgb(HashEntryToColor(entry));
    return QStringLiteral(" %1,%2,%3 | %4")
        .arg(rgb.red)
        .arg(rgb.green)
        .arg(rgb.blue)
        .arg(QString::fromLatin1(entry.data(), qsizetype(entry.size())));
}

QString FoundColorDescription(TColor color)
{
    const RgbTriple rgb = ToRgb(color);
    const QString hex = QStringLiteral("%1%2%3")
                            .arg(rgb.red, 2, 16, QLatin1Char('0'))
                            .arg(rgb.green, 2, 16, QLatin1Char('0'))
                            .arg(rgb.blue, 2, 16, QLatin1Char('0'))
                            .toUpper();
    return QStringLiteral("RGB(%1,%2,%3) | #%4 ").arg(rgb.red).arg(rgb.green).arg(rgb.blue).arg(hex);
}

std::vector<std::string> WithoutDuplicates(const std::vector<std::string>& entries)
{
    // The last index of each group.
    std::unordered_map<std::string, std::size_t> last;
    last.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        last[CaselessKey(entries[i])] = i;
    std::vector<std::string> kept;
    kept.reserve(last.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (last[CaselessKey(entries[i])] == i)
            kept.push_back(entries[i]);
    return kept;
}

TColor FoundColorsModel::colorAt(int row) const
{
    if (row < 0 || std::size_t(row) >= entries_.size())
        return 0;
    return HashEntryToColor(entries_[std::size_t(row)]);
}

int FoundColorsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

QVariant FoundColorsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const std::string& entry = entries_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return FoundRowText(entry);
    case ColorRole:
        return QVariant::fromValue(unsigned(HashEntryToColor(entry)));
    default:
        return {};
    }
}

void FoundColorsModel::append(std::vector<std::string> entries)
{
    if (entries.empty())
        return;
    const int first = int(entries_.size());
    beginInsertRows(QModelIndex(), first, first + int(entries.size()) - 1);
    if (entries_.empty())
        entries_ = std::move(entries);
    else
        entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                        std::make_move_iterator(entries.end()));
    endInsertRows();
}

void FoundColorsModel::removeRowsAt(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || std::size_t(row) >= entries_.size(); });
    if (rows.isEmpty())
        return;
    // Many scattered rows are removed in one reset rather than row by row.
    if (rows.size() > 64) {
        beginResetModel();
        std::vector<std::string> kept;
        kept.reserve(entries_.size() - std::size_t(rows.size()));
        auto next = rows.cbegin();
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (next != rows.cend() && std::size_t(*next) == i) {
                ++next;
                continue;
            }
            kept.push_back(std::move(entries_[i]));
        }
        entries_ = std::move(kept);
        endResetModel();
        return;
    }
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        beginRemoveRows(QModelIndex(), *row, *row);
        entries_.erase(entries_.begin() + *row);
        endRemoveRows();
    }
}

void FoundColorsModel::clear()
{
    beginResetModel();
    entries_.clear();
    endResetModel();
}

void FoundColorsModel::RemoveDuplicates()
{
    std::vector<std::string> kept = WithoutDuplicates(entries_);
    if (kept.size() == entries_.size())
        return;
    beginResetModel();
    entries_ = std::move(kept);
    endResetModel();
}

QByteArray FoundColorsModel::text() const
{
    QByteArray bytes;
    bytes.reserve(qsizetype(entries_.size() * 9));
    for (const std::string& entry : entries_) {
        bytes.append(entry.data(), qsizetype(entry.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace tessaro::tools
