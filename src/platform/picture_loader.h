// Picture files by their extension.
#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tessaro::platform {

struct PictureKind {
    QString extension;    // lower case, without the dot
    QString description;  // shown in the picture-open dialog
    // Decodes a whole file's bytes, throwing PictureError; null for a kind
    // that is known but cannot be loaded yet.
    QImage (*decode)(const QByteArray& bytes) = nullptr;
};

// Every picture kind the program knows, in the order the open dialog lists them.
const QList<PictureKind>& PictureKinds();

// The open dialog's filters: all loadable kinds together first, then each one.
QList<FileFilter> PictureFileFilters();

// .jpg/.jpeg through libjpeg, .bmp/.ico/.png through Qt's image readers,
// .svg rendered at its own size; the extension is compared without case.
// Pictures of more than kMaxPicturePixels pixels are refused by their size.
class PictureLoader : public Pictures {
public:
    QImage load(const QString& path) const override;
};

} // namespace tessaro::platform
