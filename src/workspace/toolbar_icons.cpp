#include "workspace/toolbar_icons.h"

#include "workspace/pictures.h"

#include <QColor>

namespace tessaro::workspace {

namespace {

const char* IconName(ToolbarIcon icon)
{
    switch (icon) {
    case ToolbarIcon::EyeDropper: return "eyedropper";
    case ToolbarIcon::Copy: return "copy";
    case ToolbarIcon::Paste: return "paste";
    case ToolbarIcon::Undo: return "undo";
    case ToolbarIcon::Redo: return "redo";
    case ToolbarIcon::TestColor: return "testcolor";
    case ToolbarIcon::WebPage: return "webpage";
    case ToolbarIcon::Mixer: return "mixer";
    case ToolbarIcon::Import: return "import";
    case ToolbarIcon::Export: return "export";
    case ToolbarIcon::About: return "about";
    }
    return "";
}

} // namespace

QPixmap ToolbarPicture(ToolbarIcon icon, bool highlighted)
{
    const QString path = QStringLiteral(":/pictures/%1%2.svg")
                             .arg(QLatin1String(IconName(icon)), highlighted ? QStringLiteral("-hover") : QString());
    return RenderSvgPicture(path, QSize(32, 32), ScreenPixelRatio(),
                            highlighted ? QColor(0xDC, 0xE7, 0xF4) : QColor(0xB8, 0xC4, 0xD2));
}

} // namespace tessaro::workspace
