// The colour list as a list model for the main window's list view. The model
// owns the ColorList; every change of the entries goes through it so views
// hear of it.
#pragma once

#include "colorlist/color_list.h"
#include "colorlist/color_list_file.h"

#include <QAbstractListModel>

namespace tessaro::colorlist {

class ColorListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        // The entry's colour as a TColor.
        ColorRole = Qt::UserRole + 1,
    };

    explicit ColorListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the entry text; ColorRole: its colour.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;
    // A drag carries the colour of the first entry given, as a list entry.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }

    const ColorList& list() const { return list_; }
    const QString& currentListPath() const { return list_.currentListPath; }
    void setCurrentListPath(const QString& path) { list_.currentListPath = path; }
    bool listChanged() const { return list_.listChanged; }
    void setListChanged(bool changed);
    bool allowDuplicates() const { return list_.allowDuplicates; }
    void setAllowDuplicates(bool allow) { list_.allowDuplicates = allow; }
    int insertPoint() const { return list_.insertPoint; }
    void setInsertPoint(int point) { list_.insertPoint = point; }

    // AddToColorList: the index the colour went to, or -1 when the
    // duplicate rule refused it. The changed mark is the caller's.
    int add(TColor color, Placement placement);
    int removeDuplicates();
    void deleteRows(const QList<int>& rows);
    void moveEntry(int from, int to);
    // Entries restored from a recovery file: the list holds them, belongs to
    // `path` and has unsaved changes.
    void restore(const QString& path, QStringList entries);
    // Empties the list (New): no file, unchanged.
    void newList();
    // LoadColorList from `path`, which becomes the current list path.
    ListLoadResult load(const QString& path, const LoadProgress& progress = {});
    // Writes the list to `path`; nullopt on success, otherwise the reason.
    std::optional<QString> save(const QString& path) const { return SaveColorList(list_.entries(), path); }

signals:
    // The changed mark was set or cleared.
    void listChangedChanged(bool changed);

private:
    ColorList list_;
};

} // namespace tessaro::colorlist
