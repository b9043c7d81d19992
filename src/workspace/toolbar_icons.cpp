#include "workspace/toolbar_icons.h"

#include "workspace/pictures.h"

#include <QColor>

namespace tessaro::workspace {

static_assert(kToolbarIconNames.size() == std::size_t(ToolbarIcon::About) + 1, "one file name per toolbar icon");

QPixmap ToolbarPicture(ToolbarIcon icon, bool highlighted)
{
    const QString name =
        QLatin1String(kToolbarIconNames.at(std::size_t(icon))) + (highlighted ? QStringLiteral("-hover") : QString());
    const qreal ratio = ScreenPixelRatio();
    if (const QImage drawn = PrerenderedPicture(name, kToolbarIconSize, ratio); !drawn.isNull())
        return QPixmap::fromImage(drawn);
    return RenderSvgPicture(QStringLiteral(":/pictures/%1.svg").arg(name), kToolbarIconSize, ratio,
                            highlighted ? QColor(0xDC, 0xE7, 0xF4) : QColor(0xB8, 0xC4, 0xD2));
}

} // namespace tessaro::workspace
