// Draws one history step: a small block in the step's colour, then the
// step text in small grey type.
#pragma once

#include <QStyledItemDelegate>

namespace tessaro::colorlist {

class HistoryStepDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 15;
    // Where the text starts, from the row's left edge inside its 1-pixel inset.
    static constexpr int kTextOffset = 15;
    // How much of the step text is shown.
    static constexpr int kTextLength = 21;

    using QStyledItemDelegate::QStyledItemDelegate;

    // The font of the block and the text: Arial, 8 points.
    static QFont StepFont();

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tessaro::colorlist
