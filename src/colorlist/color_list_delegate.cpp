#include "colorlist/color_list_delegate.h"

#include "colorlist/color_list.h"
#include "platform/qt_color.h"

#include <QPainter>

namespace tessaro::colorlist {

namespace {

// Entries read from a file may hold any text; a row shows its start.
constexpr int kShownEntryLength = 64;

QString RgbText(TColor color)
{
    return QStringLiteral(" %1,%2,%3").arg(RedOf(color)).arg(GreenOf(color)).arg(BlueOf(color));
}

QString ShownEntry(const QString& entry)
{
    return entry.size() > kShownEntryLength ? entry.left(kShownEntryLength) : entry;
}

} // namespace

int ListStyleRowHeight(ListStyle style)
{
    return style == ListStyle::Small ? 15 : 30;
}

ColorListDelegate::ColorListDelegate(QObject* parent) : QStyledItemDelegate(parent), font_(QStringLiteral("Arial"))
{
    font_.setPointSize(8);
}

QString ColorListDelegate::firstText(const QString& entry) const
{
    const TColor color = ColorList::EntryColor(entry);
    if (style_ == ListStyle::Big)
        return RgbText(color);
    return RgbText(color) + QStringLiteral(" | ") + ShownEntry(entry);
}

QString ColorListDelegate::secondText(const QString& entry) const
{
    if (style_ != ListStyle::Big)
        return {};
    const HslTriple hsl = RgbToHsl(ToRgb(ColorList::EntryColor(entry)));
    return QStringLiteral(" ") + ShownEntry(entry) +
           QStringLiteral(" | %1,%2,%3").arg(hsl.hue).arg(hsl.saturation).arg(hsl.lightness);
}

void ColorListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString entry = index.data(Qt::DisplayRole).toString();
    const TColor color = ColorList::EntryColor(entry);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight().color() : QColor(Qt::white));

    const QRect r = option.rect.adjusted(2, 2, -2, -2);
    const int left = r.left();
    const int top = r.top();
    const int right = r.right() + 1;
    const int bottom = r.bottom() + 1;
    QRect swatch;
    QPoint first;
    switch (style_) {
    case ListStyle::Big:
        swatch = QRect(QPoint(left, top), QPoint(26 - 1, bottom - 1));
        first = QPoint(left + 25, top);
        break;
    case ListStyle::Small:
        swatch = QRect(QPoint(left, top), QPoint(20 - 1, bottom - 1));
        first = QPoint(left + 19, top);
        break;
    case ListStyle::Medium:
        swatch = QRect(QPoint(left, top), QPoint(right - 1, bottom - 12 - 1));
        first = QPoint(left, top + 14);
        break;
    }
    painter->setPen(Qt::black);
    painter->setBrush(ToQColor(color));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));

    painter->setFont(font_);
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(Qt::white);
    const QFontMetrics metrics(font_);
    const auto drawAt = [&](QPoint at, const QString& text) {
        painter->drawText(QRect(at, QSize(metrics.horizontalAdvance(text) + 1, metrics.height())),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    painter->setPen(Qt::black);
    drawAt(first, firstText(entry));
    if (style_ == ListStyle::Big) {
        painter->setPen(QColor(0x80, 0x80, 0x80));
        drawAt(QPoint(left + 25, top + 14), secondText(entry));
    }
    painter->restore();
}

QSize ColorListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), ListStyleRowHeight(style_));
}

} // namespace tessaro::colorlist
