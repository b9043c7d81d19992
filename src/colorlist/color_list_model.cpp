#include "colorlist/color_list_model.h"

#include "colorlist/color_mime.h"

#include <QFileInfo>
#include <QMimeData>

#include <algorithm>

namespace tessaro::colorlist {

ColorListModel::ColorListModel(QObject* parent) : QAbstractListModel(parent) {}

int ColorListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : list_.count();
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= list_.count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return list_.entries().at(index.row());
    case ColorRole:
        return QVariant::fromValue<TColor>(ColorList::EntryColor(list_.entries().at(index.row())));
    default:
        return {};
    }
}

Qt::ItemFlags ColorListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

QHash<int, QByteArray> ColorListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(ColorRole, "color");
    return names;
}

QStringList ColorListModel::mimeTypes() const
{
    return {kColorMimeType, QStringLiteral("application/x-color"), QStringLiteral("text/plain")};
}

QMimeData* ColorListModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto* mime = new QMimeData;
    PopulateColorMime(*mime, data(indexes.first(), ColorRole).value<TColor>(), DragSource::ColorList);
    return mime;
}

void ColorListModel::setListChanged(bool changed)
{
    if (list_.listChanged == changed)
        return;
    list_.listChanged = changed;
    emit listChangedChanged(changed);
}

int ColorListModel::add(TColor color, Placement placement)
{
    if (!list_.allowDuplicates && list_.contains(ColorList::EntryText(color)))
        return -1;
    const int row = placement == Placement::AtEnd ? list_.count() : list_.insertIndex();
    beginInsertRows({}, row, row);
    list_.AddToColorList(color, placement);
    endInsertRows();
    return row;
}

int ColorListModel::removeDuplicates()
{
    beginResetModel();
    const int removed = list_.RemoveDuplicates();
    endResetModel();
    list_.listChanged = false;
    setListChanged(true);
    return removed;
}

void ColorListModel::deleteRows(const QList<int>& rows)
{
    beginResetModel();
    list_.DeleteEntries(rows);
    endResetModel();
    list_.listChanged = false;
    setListChanged(true);
}

void ColorListModel::moveEntry(int from, int to)
{
    const int n = list_.count();
    if (from < 0 || from >= n)
        return;
    // The entry's index once moved; Qt counts the destination before the
    // row is taken out.
    const int last = (to < 0 || to > n - 1) ? n - 1 : to;
    if (last == from)
        return;
    beginMoveRows({}, from, from, {}, last > from ? last + 1 : last);
    list_.MoveEntry(from, to);
    endMoveRows();
}

void ColorListModel::restore(const QString& path, QStringList entries)
{
    beginResetModel();
    list_.setEntries(std::move(entries));
    endResetModel();
    list_.currentListPath = path;
    setListChanged(true);
}

void ColorListModel::newList()
{
    beginResetModel();
    list_.clear();
    endResetModel();
    list_.currentListPath.clear();
    setListChanged(false);
}

ListLoadResult ColorListModel::load(const QString& path, const LoadProgress& progress)
{
    const QString previousPath = list_.currentListPath;
    list_.currentListPath = path;
    if (!QFileInfo::exists(path)) {
        ListLoadResult result;
        result.found = false;
        return result;
    }
    beginResetModel();
    ListLoadResult result = LoadColorList(list_, path, progress);
    endResetModel();
    // A file that could not be read leaves the list as it was; one read in
    // part is no longer the file it came from, so a save must ask where.
    if (result.error)
        list_.currentListPath = result.olderForm ? QString() : previousPath;
    return result;
}

} // namespace tessaro::colorlist
