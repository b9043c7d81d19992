#include "controls/flat_button.h"

#include <QPainter>
#include <qdrawutil.h>

namespace tessaro::controls {

FlatButton::FlatButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::NoFocus);
}

QSize FlatButton::sizeHint() const
{
    return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(12, 6);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (isDown())
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The text sinks with the bevel, as a pressed panel's does.
    painter.drawText(rect().translated(isDown() ? QPoint(1, 1) : QPoint()), Qt::AlignCenter | Qt::TextShowMnemonic,
                     text());
}

} // namespace tessaro::controls
