#include "workspace/section_frame.h"

#include "controls/swatch.h"
#include "controls/title_bar.h"

#include <QPainter>

namespace tessaro::workspace {

namespace {

const QColor kSectionBackground(0xF8, 0xF9, 0xFB);
const QColor kSectionBorder(0xB4, 0xBF, 0xCC);

} // namespace

SectionFrame::SectionFrame(const QString& titleName, const QString& caption, const QRect& geometry, QWidget* parent)
    : QWidget(parent), title_(new controls::SectionTitleBar(caption, this))
{
    // The frame paints every one of its pixels, so nothing under it is
    // painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(geometry);
    title_->setObjectName(titleName);
    title_->setGeometry(0, 0, geometry.width(), kTitleHeight);
}

void SectionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kSectionBorder);
    painter.setBrush(kSectionBackground);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

controls::Swatch* AddDerivedSwatch(QWidget* section, const QString& name, const QRect& geometry,
                                   colorlist::DragSource source)
{
    auto* swatch = new controls::Swatch(controls::Swatch::Shape::Square, section);
    swatch->setObjectName(name);
    swatch->setGeometry(geometry);
    swatch->setDragSource(source);
    return swatch;
}

} // namespace tessaro::workspace
