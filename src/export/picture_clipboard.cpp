#include "export/picture_clipboard.h"

#include "export/drawing_emf.h"
#include "export/drawing_image.h"
#include "export/drawing_svg.h"

namespace tessaro::exporting {

void CopyDrawing(platform::Clipboard& clipboard, const Drawing& drawing, PictureKind kind)
{
    if (kind == PictureKind::Bitmap) {
        clipboard.setImage(DrawingImage(drawing));
        return;
    }
    clipboard.setVectorPicture(QByteArray::fromStdString(DrawingSvg(drawing)),
                               QByteArray::fromStdString(DrawingEmf(drawing, DrawnTextAdvances)), QByteArray());
}

} // namespace tessaro::exporting
