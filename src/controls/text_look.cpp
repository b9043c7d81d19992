#include "controls/text_look.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace tessaro::controls {

void SetTextLook(QWidget* widget, const TextLook& look)
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, look.color);
    palette.setColor(QPalette::Text, look.color);
    palette.setColor(QPalette::ButtonText, look.color);
    widget->setPalette(palette);
    // Only what is set here is resolved; the rest follows the parent.
    QFont font;
    if (look.pixelSize > 0)
        font.setPixelSize(look.pixelSize);
    if (look.bold)
        font.setBold(true);
    if (look.italic)
        font.setItalic(true);
    if (font.resolveMask() != 0)
        widget->setFont(font);
}

} // namespace tessaro::controls
