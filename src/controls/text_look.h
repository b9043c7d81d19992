// A widget's text colour and font set through its palette and font, each
// part it does not set inherited from its parent as usual. Cheaper than a
// style sheet, which the program does not need for plain text looks.
#pragma once

#include <QColor>

class QWidget;

namespace tessaro::controls {

struct TextLook {
    QColor color;
    int pixelSize = 0;  // 0 keeps the inherited size
    bool bold = false;
    bool italic = false;
};

void SetTextLook(QWidget* widget, const TextLook& look);

} // namespace tessaro::controls
