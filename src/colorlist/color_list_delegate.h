// Draws one entry of the colour list in one of three styles: Big (swatch,
// RGB values over the entry text and HSL values), Small (a narrow swatch and
// one line) and Medium (a wide swatch with the line under it).
#pragma once

#include <QStyledItemDelegate>

namespace tessaro::colorlist {

enum class ListStyle { Big = 1, Small = 2, Medium = 3 };

// The row height of a style: 30, 15 or 30 pixels.
int ListStyleRowHeight(ListStyle style);

class ColorListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ColorListDelegate(QObject* parent = nullptr);

    ListStyle style() const { return style_; }
    void setStyle(ListStyle style) { style_ = style; }

    // The first and second text of an entry in the current style (the
    // second is empty for Small and Medium).
    QString firstText(const QString& entry) const;
    QString secondText(const QString& entry) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ListStyle style_ = ListStyle::Big;
    QFont font_;
};

} // namespace tessaro::colorlist
