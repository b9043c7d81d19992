#include "workspace/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaro::workspace {

namespace {

void DrawPaste(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(0xE8, 0xD9, 0xB8));
    p.drawRoundedRect(QRectF(7.5, 6.5, 17, 21), 2, 2);
    p.setBrush(QColor(0xB8, 0xC4, 0xD2));
    p.drawRoundedRect(QRectF(11.5, 4.5, 9, 5), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11.5, 12.5, 14, 15));
    p.setPen(QPen(QColor(0xE0, 0x70, 0x30), 2));
    p.drawLine(QPointF(14, 17), QPointF(23, 17));
    p.setPen(QPen(QColor(0x40, 0xA0, 0x60), 2));
    p.drawLine(QPointF(14, 21), QPointF(23, 21));
    p.setPen(QPen(QColor(0x40, 0x70, 0xD0), 2));
    p.drawLine(QPointF(14, 25), QPointF(20, 25));
}

void DrawArrow(QPainter& p, const QColor& ink, bool mirrored)
{
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath curve;
    curve.moveTo(10, 13);
    curve.lineTo(19, 13);
    curve.cubicTo(25, 13, 27, 17, 27, 20);
    curve.cubicTo(27, 24, 24, 26, 19, 26);
    curve.lineTo(14, 26);
    p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    QPainterPath head;
    head.moveTo(4, 13);
    head.lineTo(12, 6);
    head.lineTo(12, 20);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
}

// Two overlapping colour cards.
void DrawCopy(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(0x7F, 0xD4, 0x6E));
    p.drawRoundedRect(QRectF(5.5, 5.5, 14, 17), 2, 2);
    p.setBrush(QColor(0xFF, 0x80, 0x00));
    p.drawRoundedRect(QRectF(12.5, 10.5, 14, 17), 2, 2);
}

// A swatch sheet with an arrow leaving it.
void DrawExport(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4.5, 6.5, 16, 20), 2, 2);
    const QColor swatches[] = {QColor(0xE0, 0x50, 0x40), QColor(0x40, 0xA0, 0x60), QColor(0x40, 0x70, 0xD0)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(swatches[i]);
        p.drawRect(QRectF(8, 10 + 5.5 * i, 9, 4));
    }
    p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(18, 16.5), QPointF(28, 16.5));
    p.drawLine(QPointF(24, 12.5), QPointF(28, 16.5));
    p.drawLine(QPointF(24, 20.5), QPointF(28, 16.5));
}

} // namespace

QPixmap ToolbarPicture(ToolbarIcon icon, bool highlighted)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (highlighted) {
        p.setPen(QColor(0x8F, 0xA9, 0xC8));
        p.setBrush(QColor(0xDC, 0xE7, 0xF4));
        p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
    }
    const QColor ink = highlighted ? QColor(0x1F, 0x4E, 0x8C) : QColor(0x3A, 0x4E, 0x66);
    switch (icon) {
    case ToolbarIcon::Paste: DrawPaste(p, ink); break;
    case ToolbarIcon::Undo: DrawArrow(p, ink, false); break;
    case ToolbarIcon::Redo: DrawArrow(p, ink, true); break;
    case ToolbarIcon::Copy: DrawCopy(p, ink); break;
    case ToolbarIcon::Export: DrawExport(p, ink); break;
    }
    return pixmap;
}

} // namespace tessaro::workspace
