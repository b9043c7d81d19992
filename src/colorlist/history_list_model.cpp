#include "colorlist/history_list_model.h"

namespace tessaro::colorlist {

HistoryListModel::HistoryListModel(QObject* parent) : QAbstractListModel(parent) {}

int HistoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : log_.count();
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= log_.count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // Made only for the rows a view asks for.
        return log_.stepText(index.row());
    case ColorRole:
        return QVariant::fromValue<TColor>(log_.colorAt(index.row()));
    default:
        return {};
    }
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> HistoryListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(ColorRole, "color");
    return names;
}

void HistoryListModel::record(TColor color)
{
    const int row = log_.count();
    beginInsertRows({}, row, row);
    log_.Record(color);
    endInsertRows();
}

void HistoryListModel::removeSteps(const QList<int>& rows)
{
    beginResetModel();
    log_.RemoveSteps(rows);
    endResetModel();
}

void HistoryListModel::clear()
{
    beginResetModel();
    log_.Clear();
    endResetModel();
}

HistoryLog::LoadResult HistoryListModel::loadLines(const QStringList& lines)
{
    // One reset instead of a row insertion per line keeps a long file quick.
    beginResetModel();
    HistoryLog::LoadResult result = log_.LoadLines(lines);
    endResetModel();
    return result;
}

HistoryLog::LoadResult HistoryListModel::loadFile(HistoryFile& file, const QString& path)
{
    beginResetModel();
    HistoryLog::LoadResult result = file.Load(path, log_);
    endResetModel();
    return result;
}

} // namespace tessaro::colorlist
