// The history log as a list model for the History window's step list. The
// model owns the log; every change of the steps goes through it so views
// hear of it.
#pragma once

#include "colorlist/history_file.h"
#include "colorlist/history_log.h"

#include <QAbstractListModel>

namespace tessaro::colorlist {

class HistoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        // The step's colour as a TColor.
        ColorRole = Qt::UserRole + 1,
    };

    explicit HistoryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the step text, made when asked for; ColorRole: its colour.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    const HistoryLog& log() const { return log_; }

    void record(TColor color);
    void removeSteps(const QList<int>& rows);
    void clear();
    HistoryLog::LoadResult loadLines(const QStringList& lines);
    // Appends the steps of a history file through `file`, which remembers
    // whether it must be copied before its first save.
    HistoryLog::LoadResult loadFile(HistoryFile& file, const QString& path);
    // The cursor moves without changing any row.
    std::optional<int> undo() { return log_.Undo(); }
    std::optional<int> redo() { return log_.Redo(); }
    void setCursor(int index) { log_.SetCursor(index); }

private:
    HistoryLog log_;
};

} // namespace tessaro::colorlist
