// Draws a row of the found list: the row's background (the selection
// colour when selected), a framed swatch of the entry's colour from the
// inset's left edge to x = 20, and " R,G,B | #entry" in black on white at
// 8 points. Rows are 15 pixels high.
#pragma once

#include <QStyledItemDelegate>

namespace tessaro::tools {

class FoundColorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 15;
    static constexpr int kInset = 2;
    static constexpr int kSwatchRight = 20;   // exclusive
    static constexpr int kTextOffset = 19;    // from the inset's left edge

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tessaro::tools
