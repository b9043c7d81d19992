// The Import Colors window's found list: "#" and six hex digits per entry,
// in the letter case of the text they came from, in the order found. A
// list model with a colour role, so one view and one delegate draw a
// million entries without a pause.
#pragma once

#include "engine/color.h"

#include <QAbstractListModel>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::tools {

// " R,G,B | #entry": the text of a found list row.
QString FoundRowText(std::string_view entry);
// "RGB(R,G,B) | #RRGGBB ": what the window says of a clicked entry.
QString FoundColorDescription(TColor color);

// Of each group of entries equal when letter case is ignored, the last one
// stays; what stays keeps its order.
std::vector<std::string> WithoutDuplicates(const std::vector<std::string>& entries);

class FoundColorsModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry's colour, as a TColor (unsigned int).
    static constexpr int ColorRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    const std::vector<std::string>& entries() const { return entries_; }
    TColor colorAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Adds the entries at the end, in one step.
    void append(std::vector<std::string> entries);
    // Removes the rows (any order, repeats ignored).
    void removeRowsAt(QList<int> rows);
    void clear();
    void RemoveDuplicates();

    // The entries, one a line with CR LF, as lastimported.txt holds them.
    QByteArray text() const;

private:
    std::vector<std::string> entries_;
};

} // namespace tessaro::tools
