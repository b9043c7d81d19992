#include "tools/found_color_delegate.h"

#include "platform/qt_color.h"
#include "tools/found_colors.h"

#include <QPainter>

namespace tessaro::tools {

void FoundColorDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());

    const QRect inset = option.rect.adjusted(kInset, kInset, -kInset, -kInset);
    const TColor color = TColor(index.data(FoundColorsModel::ColorRole).toUInt());
    const QRect swatch(inset.left(), inset.top(), kSwatchRight - inset.left(), inset.height());
    if (swatch.width() > 0 && swatch.height() > 0) {
        painter->fillRect(swatch, Qt::black);
        painter->fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(color));
    }

    QFont font = option.font;
    font.setPointSize(8);
    painter->setFont(font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(font);
    QRect textRect(inset.left() + kTextOffset, inset.top(), metrics.horizontalAdvance(text), inset.height());
    textRect = textRect.intersected(option.rect);
    painter->fillRect(textRect, Qt::white);
    painter->setPen(Qt::black);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize FoundColorDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), kRowHeight};
}

} // namespace tessaro::tools
