#include "colorlist/history_step_delegate.h"

#include "colorlist/history_list_model.h"
#include "platform/qt_color.h"

#include <QPainter>

namespace tessaro::colorlist {

namespace {

const QColor kTextColor(0x80, 0x80, 0x80);

} // namespace

QFont HistoryStepDelegate::StepFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

void HistoryStepDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, selected ? option.palette.brush(QPalette::Highlight) : QBrush(Qt::white));

    const QRect inner = option.rect.adjusted(1, 1, -1, -1);
    painter->setClipRect(inner);
    const QFont font = StepFont();
    painter->setFont(font);
    const QFontMetrics metrics(font, painter->device());

    // Five blanks on the step's colour: the colour block.
    const QRect block(inner.left(), inner.top(), metrics.horizontalAdvance(QString(5, QLatin1Char(' '))),
                      metrics.height());
    const QVariant color = index.data(HistoryListModel::ColorRole);
    if (color.isValid()) {
        const TColor c = color.value<TColor>();
        painter->fillRect(block, ToQColor(c));
    }

    // The text on white, a blank before it.
    const QString text = QLatin1Char(' ') + index.data(Qt::DisplayRole).toString().left(kTextLength);
    const QRect textRect(inner.left() + kTextOffset, inner.top(), metrics.horizontalAdvance(text), metrics.height());
    painter->fillRect(textRect, Qt::white);
    painter->setPen(kTextColor);
    painter->drawText(QPoint(textRect.left(), textRect.top() + metrics.ascent()), text);
    painter->restore();
}

QSize HistoryStepDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return {option.rect.width(), kRowHeight};
}

} // namespace tessaro::colorlist
